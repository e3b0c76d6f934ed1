#include "VorendaShelf.h"

#include "CabinetCommands.h"
#include "DockableWidget.h"
#include "MessageDialog.h"
#include "MyThumbnailView.h"
#include "RemoveWarningDialog.h"
#include "ShelfParts.h"
#include "OverrideCursor.h"
#include "VorendaGlobal.h"

#include <QDir>
#include <QFile>
#include <QPointer>

void VorendaShelf::onDeleteItemsRequest(QList<AbstractThumbnailItem*> items, bool* ok)
{
    if (!ok)
        return;
    *ok = false;
    view->hideFloatingLabel();
    // One question at a time: a second one would wait inside the first.
    if (dialogOpen) {
        VorendaGlobal::addToLog(logPrefix() + QStringLiteral("Item removal refused: a question is open"));
        return;
    }

    QList<QPointer<AbstractThumbnailItem>> going;
    QStringList names;
    for (AbstractThumbnailItem* item : qAsConst(items)) {
        if (!item)
            continue;
        going.append(item);
        names.append(item->getData(0, Qt::DisplayRole).toString());
    }
    if (kiosk || names.isEmpty())
        return;

    const QPointer<VorendaShelf> self(this);
    dialogOpen = true;
    RemoveWarningDialog dialog(this);
    const bool accepted = dialog.exec(tr("Are you sure you want to remove the following items?"), names) != 0;
    if (!self)
        return;
    dialogOpen = false;
    if (!accepted)
        return;

    // Only the items still in this cabinet after the wait leave.
    QList<AbstractThumbnailItem*> leaving;
    for (const QPointer<AbstractThumbnailItem>& item : qAsConst(going)) {
        if (item && item->getView() == view)
            leaving.append(item);
    }
    if (leaving.isEmpty())
        return;
    *ok = true;
    // Cut items travel on the clipboard with their pictures, so the pictures stay.
    if (!ShelfParts::of(*this).cutting)
        removeCache(leaving);
    ShelfParts::of(*this).dataFile.scheduleSave();
}

void VorendaShelf::onDeleteShelfRequest(bool* ok)
{
    if (!ok)
        return;
    *ok = false;
    view->hideFloatingLabel();
    if (dialogOpen || kiosk)
        return;

    const QPointer<VorendaShelf> self(this);
    dialogOpen = true;
    MessageDialog dialog;
    const bool accepted = dialog.exec(this,
                                      tr("Are you sure you want to delete this Cabinet and all the categories, "
                                         "subcategories and items it might contain?"),
                                      MessageDialog::Question, MessageDialog::YesNoButtons);
    if (!self)
        return;
    dialogOpen = false;
    if (!accepted)
        return;
    *ok = true;
    OverrideCursor busy(Qt::BusyCursor);
    removeCache(view->getAllItems());
}

void VorendaShelf::deleteShelf()
{
    CabinetCommands(*this).deleteCabinet();
}
