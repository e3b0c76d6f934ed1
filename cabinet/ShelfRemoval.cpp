#include "ShelfRemoval.h"

#include "MessageDialog.h"
#include "MyThumbnailView.h"
#include "OverrideCursor.h"
#include "RemoveWarningDialog.h"
#include "ShelfLog.h"
#include "ShelfParts.h"
#include "VorendaShelf.h"

#include <QPointer>

ShelfRemoval::ShelfRemoval(VorendaShelf& shelf)
    : shelf(shelf)
{
}

void ShelfRemoval::itemsRequest(const QList<AbstractThumbnailItem*>& items, bool* ok)
{
    if (!ok)
        return;
    *ok = false;
    shelf.view->hideFloatingLabel();
    // One question at a time: a second one would wait inside the first.
    if (shelf.dialogOpen) {
        ShelfLog::write(shelf, QStringLiteral("Item removal refused: a question is open"));
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
    if (shelf.kiosk || names.isEmpty())
        return;

    const QPointer<VorendaShelf> self(&shelf);
    shelf.dialogOpen = true;
    RemoveWarningDialog dialog(&shelf);
    const bool accepted =
        dialog.exec(VorendaShelf::tr("Are you sure you want to remove the following items?"), names) != 0;
    if (!self)
        return;
    shelf.dialogOpen = false;
    // Another window may have locked the cabinet while the question waited.
    if (!accepted || shelf.kiosk)
        return;

    // Only the items still in this cabinet after the wait leave.
    QList<AbstractThumbnailItem*> leaving;
    for (const QPointer<AbstractThumbnailItem>& item : qAsConst(going)) {
        if (item && item->getView() == shelf.view)
            leaving.append(item);
    }
    if (leaving.isEmpty())
        return;
    *ok = true;
    // Cut items travel on the clipboard with their pictures, so the pictures stay.
    if (!ShelfParts::of(shelf).cutting)
        ShelfParts::of(shelf).cache.remove(leaving);
    ShelfParts::of(shelf).dataFile.scheduleSave();
}

void ShelfRemoval::cabinetRequest(bool* ok)
{
    if (!ok)
        return;
    *ok = false;
    shelf.view->hideFloatingLabel();
    if (shelf.dialogOpen || shelf.kiosk)
        return;

    const QPointer<VorendaShelf> self(&shelf);
    shelf.dialogOpen = true;
    MessageDialog dialog;
    const bool accepted = dialog.exec(&shelf,
                                      VorendaShelf::tr("Are you sure you want to delete this Cabinet and all the "
                                                       "categories, subcategories and items it might contain?"),
                                      MessageDialog::Question, MessageDialog::YesNoButtons);
    if (!self)
        return;
    shelf.dialogOpen = false;
    if (!accepted || shelf.kiosk)
        return;
    *ok = true;
    OverrideCursor busy(Qt::BusyCursor);
    ShelfParts::of(shelf).cache.remove(shelf.view->getAllItems());
}

// ---- The cabinet's entry points

void VorendaShelf::onDeleteItemsRequest(QList<AbstractThumbnailItem*> items, bool* ok)
{
    ShelfRemoval(*this).itemsRequest(items, ok);
}

void VorendaShelf::onDeleteShelfRequest(bool* ok)
{
    ShelfRemoval(*this).cabinetRequest(ok);
}
