#include "CategoryCommands.h"

#include "CategoryHeaderItem.h"
#include "MyThumbnailView.h"
#include "OverrideCursor.h"
#include "ShelfParts.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QPointer>

CategoryCommands::CategoryCommands(VorendaShelf& shelf)
    : shelf(shelf)
{
}

bool CategoryCommands::run(MenuType type, int parameter)
{
    MyThumbnailView* view = shelf.view;
    switch (type) {
    case ExpandAllCategories:
    case CollapseAllCategories: {
        const QList<CategoryHeaderItem*> headers = view->getCategoryHeaderList(-1, true);
        for (CategoryHeaderItem* header : headers) {
            if (header)
                header->setExpanded(type == ExpandAllCategories);
        }
        return true;
    }
    case ToggleCategory:
        if (CategoryHeaderItem* header = view->getCategoryHeader(parameter))
            header->toggle();
        return true;
    case RenameCategory:
        if (CategoryHeaderItem* header = view->getCategoryHeader(parameter)) {
            view->setFocus(Qt::OtherFocusReason);
            header->editText();
        }
        return true;
    case RemoveCategory:
    case RemoveCategoryWithSubcategories:
    case RemoveSubcategories:
        removeCategories(type, parameter);
        return true;
    case RemoveAllCategories:
        removeAllCategories();
        return true;
    case NewCategory:
        addNewCategory(parameter, -1);
        return true;
    default:
        return false;
    }
}

void CategoryCommands::removeCategories(MenuType type, int categoryKey)
{
    const bool subcategoriesOnly = type == RemoveSubcategories;
    const bool recurse = type == RemoveCategoryWithSubcategories || subcategoriesOnly;
    const QPointer<VorendaShelf> self(&shelf);
    bool ok = false;
    shelf.onDeleteCategoryRequest(categoryKey, subcategoriesOnly, recurse, &ok);
    if (!self || !ok)
        return;
    OverrideCursor busy(Qt::BusyCursor);
    shelf.view->removeCategory(categoryKey, subcategoriesOnly, recurse, true);
}

void CategoryCommands::removeAllCategories()
{
    const QPointer<VorendaShelf> self(&shelf);
    bool ok = false;
    shelf.onDeleteCategoryRequest(-1, false, true, &ok);
    if (!self || !ok)
        return;
    OverrideCursor busy(Qt::BusyCursor);
    // The list shrinks as categories go: the keys are taken first.
    QList<int> keys;
    const QList<CategoryHeaderItem*> roots = shelf.view->getRootCategoryHeaderList();
    for (CategoryHeaderItem* header : roots) {
        if (header)
            keys.append(header->getKey());
    }
    const bool childrenOnly = false;
    const bool recursive = true;
    for (int key : qAsConst(keys))
        shelf.view->removeCategory(key, childrenOnly, recursive);
}

void CategoryCommands::addNewCategory(int parentKey, int position)
{
    MyThumbnailView* view = shelf.view;
    const QString name = parentKey != -1 ? VorendaShelf::tr("Subcategory") : VorendaShelf::tr("Category");
    CategoryHeaderItem* header = shelf.getCategoryHeaderItem(name);
    const int key = view->getLastCategoryKey() + 1;
    if (!view->setCategoryHeader(key, header, parentKey, position, true)) {
        // Only a parent that is no category is refused; the header then stays ours.
        VorendaGlobal::addToLog(
            QStringLiteral("VorendaShelf (%1): No new category under %2").arg(shelf.name).arg(parentKey));
        delete header;
        return;
    }
    view->setFocus(Qt::OtherFocusReason);
    header->editText();
    ShelfParts::of(shelf).dataFile.scheduleSave();
}

void CategoryCommands::moveCategory(MenuType type, int movedKey, int targetKey)
{
    MyThumbnailView* view = shelf.view;
    if (!view->getCategoryHeader(movedKey) || !view->getCategoryHeader(targetKey) || movedKey == targetKey)
        return;
    int parent = view->getCategoryParent(targetKey);
    int position = view->getCategoryPos(targetKey);
    switch (type) {
    case MoveCategoryBefore:
        break;
    case MoveCategoryAfter:
        ++position;
        break;
    case MoveCategoryInto:
        parent = targetKey;
        position = 0;
        break;
    default:
        return;
    }
    // The view refuses a move under the category's own descendants.
    if (view->moveCategoryHeader(movedKey, parent, position, true))
        ShelfParts::of(shelf).dataFile.scheduleSave();
}

void CategoryCommands::newCategoryAt(MenuType type, int targetKey)
{
    MyThumbnailView* view = shelf.view;
    if (!view->getCategoryHeader(targetKey))
        return;
    switch (type) {
    case NewCategoryBefore:
        addNewCategory(view->getCategoryParent(targetKey), view->getCategoryPos(targetKey));
        break;
    case NewCategoryAfter:
        addNewCategory(view->getCategoryParent(targetKey), view->getCategoryPos(targetKey) + 1);
        break;
    case NewCategoryInside:
        addNewCategory(targetKey, -1);
        break;
    default:
        return;
    }
    shelf.updateStatusLabel();
}
