#include "ItemCommands.h"

#include "ItemOperations.h"
#include "ItemPropertiesDialog.h"
#include "MyThumbnailItem.h"
#include "MyThumbnailView.h"
#include "OverrideCursor.h"
#include "PathFunctions.h"
#include "ShelfParts.h"
#include "ShelfRemoval.h"
#include "VorendaShelf.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>

ItemCommands::ItemCommands(VorendaShelf& shelf)
    : shelf(shelf)
{
}

QList<QPointer<MyThumbnailItem>> ItemCommands::guarded(const QList<AbstractThumbnailItem*>& items)
{
    QList<QPointer<MyThumbnailItem>> list;
    for (AbstractThumbnailItem* item : items) {
        if (auto* thumbnail = qobject_cast<MyThumbnailItem*>(item))
            list.append(thumbnail);
    }
    return list;
}

QList<AbstractThumbnailItem*> ItemCommands::present(const QList<QPointer<MyThumbnailItem>>& items)
{
    QList<AbstractThumbnailItem*> list;
    for (const QPointer<MyThumbnailItem>& item : items) {
        if (item)
            list.append(item);
    }
    return list;
}

QList<AbstractThumbnailItem*> ItemCommands::categoryItems(int categoryKey, bool withSubcategories) const
{
    MyThumbnailView* view = shelf.view;
    return categoryKey == -1 ? view->getAllItems() : view->getItems(categoryKey, withSubcategories);
}

void ItemCommands::move(const QList<AbstractThumbnailItem*>& items, int categoryKey)
{
    shelf.view->moveItems(items, categoryKey, true);
}

void ItemCommands::sort(int categoryKey, bool withSubcategories, Qt::SortOrder order)
{
    shelf.view->sortItems(categoryKey, withSubcategories, order, true);
}

void ItemCommands::refreshThumbnails(const QList<AbstractThumbnailItem*>& items)
{
    OverrideCursor busy(Qt::BusyCursor);
    for (const QPointer<MyThumbnailItem>& item : guarded(items)) {
        if (item)
            ShelfParts::of(shelf).jobs.refreshThumbnail(item);
    }
}

void ItemCommands::chooseCustomThumbnail()
{
    // The group is left before the dialog waits, so nothing else reads settings inside it meanwhile.
    const QString key = QStringLiteral("ImagesDir_%1").arg(shelf.id);
    shelf.settings.beginGroup(QStringLiteral("Cabinets"));
    const QString startFolder =
        shelf.settings.value(key, getStorageLocation(QStandardPaths::PicturesLocation)).toString();
    shelf.settings.endGroup();

    const QPointer<VorendaShelf> self(&shelf);
    shelf.dialogOpen = true;
    const QString file =
        QFileDialog::getOpenFileName(&shelf, VorendaShelf::tr("Select Image"), startFolder,
                                     VorendaShelf::tr("Images (*.bmp *.gif *.jpeg *.jpg *.png *.tif *.tiff *.ico)"));
    if (!self)
        return;
    shelf.dialogOpen = false;
    // The cabinet may have been locked while the dialog waited.
    if (file.isEmpty() || shelf.kiosk)
        return;

    shelf.settings.beginGroup(QStringLiteral("Cabinets"));
    shelf.settings.setValue(key, QFileInfo(file).absolutePath());
    shelf.settings.endGroup();
    OverrideCursor busy(Qt::BusyCursor);
    for (const QPointer<MyThumbnailItem>& item : guarded(shelf.view->getSelectedItems())) {
        if (item)
            ShelfParts::of(shelf).jobs.setCustomThumbnail(item, file);
    }
}

void ItemCommands::showLabels(const QList<AbstractThumbnailItem*>& items, bool info, bool show)
{
    for (AbstractThumbnailItem* entry : items) {
        auto* item = qobject_cast<MyThumbnailItem*>(entry);
        if (!item)
            continue;
        if (info) {
            item->showItemInfo(show, false);
            continue;
        }
        item->showItemLabel(show, false);
        if (ItemPropertiesDialog::visible() && ItemPropertiesDialog::instance()->item == item)
            ItemPropertiesDialog::instance()->updateSettings();
    }
    shelf.view->updateLayout();
    ShelfParts::of(shelf).dataFile.scheduleSave();
}

void ItemCommands::renameFirst(const QList<AbstractThumbnailItem*>& items)
{
    if (auto* item = items.isEmpty() ? nullptr : qobject_cast<MyThumbnailItem*>(items.first()))
        item->editLabel();
}

bool ItemCommands::confirmRemoval(const QList<AbstractThumbnailItem*>& items)
{
    const QPointer<VorendaShelf> self(&shelf);
    bool ok = false;
    ShelfRemoval(shelf).itemsRequest(items, &ok);
    return self && ok;
}

void ItemCommands::removeItems(const QList<AbstractThumbnailItem*>& items)
{
    const QList<QPointer<MyThumbnailItem>> going = guarded(items);
    if (!confirmRemoval(items))
        return;
    OverrideCursor busy(Qt::BusyCursor);
    QList<AbstractThumbnailItem*> leaving;
    for (const QPointer<MyThumbnailItem>& item : going) {
        if (item && item->getView() == shelf.view)
            leaving.append(item);
    }
    shelf.view->deleteItems(leaving, false);
    shelf.view->resetModel();
    shelf.view->updateLayout();
}

void ItemCommands::removeCategoryItems(int categoryKey, bool subcategoriesOnly, bool withSubcategories)
{
    MyThumbnailView* view = shelf.view;
    const QList<AbstractThumbnailItem*> items =
        categoryKey == -1 ? view->getAllItems() : view->getItems(categoryKey, subcategoriesOnly, withSubcategories);
    if (!confirmRemoval(items))
        return;
    OverrideCursor busy(Qt::BusyCursor);
    // Every item goes, the categories stay.
    if (categoryKey == -1)
        view->removeAll(false);
    else
        view->removeItems(categoryKey, subcategoriesOnly, withSubcategories, true);
}

void ItemCommands::select(int categoryKey, bool withSubcategories)
{
    shelf.view->setFocus(Qt::OtherFocusReason);
    shelf.view->selectAll(categoryKey, withSubcategories);
}

void ItemCommands::openOrLocate(const QList<AbstractThumbnailItem*>& items, bool locate, bool maximized)
{
    OverrideCursor busy(Qt::BusyCursor);
    // Opening may hide the cabinet or change its view, and a failed reveal waits for an
    // answer; each item is looked at again.
    const QPointer<VorendaShelf> self(&shelf);
    for (const QPointer<MyThumbnailItem>& item : guarded(items)) {
        if (!self)
            return;
        if (!item)
            continue;
        if (locate)
            ItemOperations(shelf).locate(item, maximized);
        else
            ItemOperations(shelf).open(item);
    }
}
