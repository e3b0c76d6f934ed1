#include "CategoryCommands.h"

#include "CategoryHeaderItem.h"
#include "MyThumbnailView.h"
#include "OverrideCursor.h"
#include "ShelfCategories.h"
#include "ShelfParts.h"
#include "ShelfStatusBar.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QPointer>

CategoryCommands::CategoryCommands(VorendaShelf& shelf)
    : shelf(shelf)
{
}

void CategoryCommands::expandAll(bool expand)
{
    const QList<CategoryHeaderItem*> headers = shelf.view->getCategoryHeaderList(-1, true);
    for (CategoryHeaderItem* header : headers) {
        if (header)
            header->setExpanded(expand);
    }
}

void CategoryCommands::toggle(int categoryKey)
{
    if (CategoryHeaderItem* header = shelf.view->getCategoryHeader(categoryKey))
        header->toggle();
}

void CategoryCommands::rename(int categoryKey)
{
    if (CategoryHeaderItem* header = shelf.view->getCategoryHeader(categoryKey)) {
        shelf.view->setFocus(Qt::OtherFocusReason);
        header->editText();
    }
}

void CategoryCommands::remove(int categoryKey, bool subcategoriesOnly, bool recurse)
{
    const QPointer<VorendaShelf> self(&shelf);
    bool ok = false;
    ShelfCategories(shelf).deleteRequest(categoryKey, subcategoriesOnly, recurse, &ok);
    if (!self || !ok)
        return;
    OverrideCursor busy(Qt::BusyCursor);
    shelf.view->removeCategory(categoryKey, subcategoriesOnly, recurse, true);
}

void CategoryCommands::removeAll()
{
    const QPointer<VorendaShelf> self(&shelf);
    bool ok = false;
    ShelfCategories(shelf).deleteRequest(-1, false, true, &ok);
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

void CategoryCommands::add(int parentKey)
{
    addNewCategory(parentKey, -1);
}

void CategoryCommands::addNewCategory(int parentKey, int position)
{
    MyThumbnailView* view = shelf.view;
    const QString name = parentKey != -1 ? VorendaShelf::tr("Subcategory") : VorendaShelf::tr("Category");
    CategoryHeaderItem* header = ShelfCategories(shelf).newHeader(name);
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

void CategoryCommands::move(int movedKey, int targetKey, Placement placement)
{
    MyThumbnailView* view = shelf.view;
    if (!view->getCategoryHeader(movedKey) || !view->getCategoryHeader(targetKey) || movedKey == targetKey)
        return;
    const bool into = placement == Into;
    const int parent = into ? targetKey : view->getCategoryParent(targetKey);
    const int position = into ? 0 : view->getCategoryPos(targetKey) + (placement == After ? 1 : 0);
    // The view refuses a move under the category's own descendants.
    if (view->moveCategoryHeader(movedKey, parent, position, true))
        ShelfParts::of(shelf).dataFile.scheduleSave();
}

void CategoryCommands::addAt(int targetKey, Placement placement)
{
    MyThumbnailView* view = shelf.view;
    if (!view->getCategoryHeader(targetKey))
        return;
    if (placement == Into) {
        addNewCategory(targetKey, -1);
    } else {
        const int position = view->getCategoryPos(targetKey) + (placement == After ? 1 : 0);
        addNewCategory(view->getCategoryParent(targetKey), position);
    }
    ShelfStatusBar(shelf).update();
}
