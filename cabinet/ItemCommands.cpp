#include "ItemCommands.h"

#include "ItemPropertiesDialog.h"
#include "MyThumbnailItem.h"
#include "MyThumbnailView.h"
#include "OverrideCursor.h"
#include "PathFunctions.h"
#include "ShelfParts.h"
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

bool ItemCommands::run(MenuType type, int parameter)
{
    MyThumbnailView* view = shelf.view;
    switch (type) {
    case MoveSelectedItems:
        view->moveItems(view->getSelectedItems(), parameter, true);
        return true;
    case SortAscending:
    case SortDescending:
    case SortAscendingWithSubcategories:
    case SortDescendingWithSubcategories: {
        const bool descending = type == SortDescending || type == SortDescendingWithSubcategories;
        const bool withSubcategories =
            type == SortAscendingWithSubcategories || type == SortDescendingWithSubcategories;
        view->sortItems(parameter, withSubcategories, descending ? Qt::DescendingOrder : Qt::AscendingOrder, true);
        return true;
    }
    case RefreshSelectedThumbnails:
        refreshThumbnails(view->getSelectedItems());
        return true;
    case SetCustomThumbnail:
        chooseCustomThumbnail();
        return true;
    case ShowNames:
    case HideNames:
    case ShowSelectedNames:
    case HideSelectedNames:
    case ShowInfo:
    case HideInfo:
    case ShowNamesWithSubcategories:
    case HideNamesWithSubcategories:
    case ShowInfoWithSubcategories:
    case HideInfoWithSubcategories:
        showLabels(type, parameter);
        return true;
    case RenameSelectedItem: {
        const QList<AbstractThumbnailItem*> selected = view->getSelectedItems();
        if (auto* item = selected.isEmpty() ? nullptr : qobject_cast<MyThumbnailItem*>(selected.first()))
            item->editLabel();
        return true;
    }
    case RemoveSelectedItems:
        removeItems(view->getSelectedItems());
        return true;
    case RemoveCategoryItems:
    case RemoveCategoryItemsWithSubcategories:
    case RemoveSubcategoryItems:
        removeCategoryItems(type, parameter);
        return true;
    case SelectCategoryItems:
    case SelectCategoryItemsWithSubcategories:
        view->setFocus(Qt::OtherFocusReason);
        view->selectAll(parameter, type == SelectCategoryItemsWithSubcategories);
        return true;
    case OpenSelectedItems:
    case LocateSelectedItems:
        openOrLocate(view->getSelectedItems(), type == LocateSelectedItems);
        return true;
    default:
        return false;
    }
}

void ItemCommands::refreshThumbnails(const QList<AbstractThumbnailItem*>& items)
{
    OverrideCursor busy(Qt::BusyCursor);
    for (const QPointer<MyThumbnailItem>& item : guarded(items)) {
        if (item)
            shelf.refreshThumbnail(item);
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
    if (file.isEmpty() || shelf.kiosk)
        return;

    shelf.settings.beginGroup(QStringLiteral("Cabinets"));
    shelf.settings.setValue(key, QFileInfo(file).absolutePath());
    shelf.settings.endGroup();
    OverrideCursor busy(Qt::BusyCursor);
    for (const QPointer<MyThumbnailItem>& item : guarded(shelf.view->getSelectedItems())) {
        if (item)
            shelf.setCustomThumbnail(item, file);
    }
}

bool ItemCommands::confirmRemoval(const QList<AbstractThumbnailItem*>& items)
{
    const QPointer<VorendaShelf> self(&shelf);
    bool ok = false;
    shelf.onDeleteItemsRequest(items, &ok);
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

void ItemCommands::removeCategoryItems(MenuType type, int categoryKey)
{
    const bool subcategoriesOnly = type == RemoveSubcategoryItems;
    const bool withSubcategories = type == RemoveCategoryItemsWithSubcategories || subcategoriesOnly;
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

QList<AbstractThumbnailItem*> ItemCommands::labelTargets(MenuType type, int categoryKey) const
{
    MyThumbnailView* view = shelf.view;
    switch (type) {
    case ShowSelectedNames:
    case HideSelectedNames:
        return view->getSelectedItems();
    case ShowNamesWithSubcategories:
    case HideNamesWithSubcategories:
    case ShowInfoWithSubcategories:
    case HideInfoWithSubcategories:
        return categoryKey == -1 ? view->getAllItems() : view->getItems(categoryKey, true);
    default:
        return categoryKey == -1 ? view->getAllItems() : view->getItems(categoryKey, false);
    }
}

void ItemCommands::showLabels(MenuType type, int categoryKey)
{
    const bool info =
        type == ShowInfo || type == HideInfo || type == ShowInfoWithSubcategories || type == HideInfoWithSubcategories;
    const bool show = type == ShowNames || type == ShowSelectedNames || type == ShowInfo
        || type == ShowNamesWithSubcategories || type == ShowInfoWithSubcategories;
    const QList<AbstractThumbnailItem*> items = labelTargets(type, categoryKey);
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
    // The flags are kept with the items in the data file.
    ShelfParts::of(shelf).dataFile.scheduleSave();
}

void ItemCommands::openOrLocate(const QList<AbstractThumbnailItem*>& items, bool locate)
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
            shelf.onLocateItem(item, false);
        else
            shelf.onOpenItem(item, false);
    }
}
