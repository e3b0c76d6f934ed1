#include "CategoryTargetMenus.h"

#include "CategoryHeaderItem.h"
#include "CategoryTreeNode.h"
#include "MyThumbnailView.h"
#include "ShelfMenuEntries.h"
#include "VorendaShelf.h"

#include <QMenu>

#include <memory>
#include <vector>

namespace {

QString here()
{
    return VorendaShelf::tr("(here)");
}

// Takes the category tree below `key`; the nodes are freed when the list goes.
std::vector<std::unique_ptr<CategoryTreeNode>> treeBelow(const MyThumbnailView* view, int key)
{
    std::vector<std::unique_ptr<CategoryTreeNode>> nodes;
    const QList<CategoryTreeNode*> tree = view->getCategoryTree(key);
    for (CategoryTreeNode* node : tree)
        nodes.emplace_back(node);
    return nodes;
}

} // namespace

CategoryTargetMenus::CategoryTargetMenus(VorendaShelf& shelf)
    : shelf(shelf)
{
}

QMenu* CategoryTargetMenus::addCategorySubmenu(CategoryTreeNode* node, QMenu* menu)
{
    if (!node || !node->header || !menu)
        return nullptr;
    return menu->addMenu(ShelfMenuEntries::escaped(node->header->getText()));
}

void CategoryTargetMenus::addMovingItems(CategoryTreeNode* node, QMenu* menu, MenuType command, bool dynamic)
{
    QMenu* submenu = addCategorySubmenu(node, menu);
    if (!submenu)
        return;
    shelf.addMenuAction(submenu, command, here(), node->key, dynamic, -1);
    for (CategoryTreeNode* child : qAsConst(node->children))
        addMovingItems(child, submenu, command, dynamic);
}

void CategoryTargetMenus::addMovingCategory(CategoryTreeNode* node, QMenu* menu, int movedKey, int index)
{
    addPlaces(node, menu, movedKey, index, {MoveCategoryBefore, MoveCategoryInto, MoveCategoryAfter});
}

void CategoryTargetMenus::addAddingCategory(CategoryTreeNode* node, QMenu* menu, int excludedKey, int index)
{
    addPlaces(node, menu, excludedKey, index, {NewCategoryBefore, NewCategoryInside, NewCategoryAfter});
}

// The places count the skipped category too, so no "before" place is offered where
// the skipped category is first: that is where it already stands.
void CategoryTargetMenus::addPlaces(CategoryTreeNode* node, QMenu* menu, int skippedKey, int index,
                                    const PlaceCommands& commands)
{
    if (!node || !node->header || !menu)
        return;
    if (index == 0)
        shelf.addMenuAction(menu, commands.before, here(), node->key, false, -1);
    QMenu* submenu = addCategorySubmenu(node, menu);
    const QList<CategoryTreeNode*>& children = node->children;
    const bool onlySkipped = children.size() == 1 && children.first() && children.first()->key == skippedKey;
    if (children.isEmpty() || onlySkipped) {
        shelf.addMenuAction(submenu, commands.into, here(), node->key, false, -1);
    } else {
        for (int j = 0; j < children.size(); ++j) {
            CategoryTreeNode* child = children.at(j);
            if (child && child->key != skippedKey)
                addPlaces(child, submenu, skippedKey, j, commands);
        }
    }
    shelf.addMenuAction(menu, commands.after, here(), node->key, false, -1);
}

QMenu* CategoryTargetMenus::fillAddingCategory(QMenu* menu, int categoryKey, bool deleteIfEmpty)
{
    if (!menu)
        return nullptr;
    const auto nodes = treeBelow(shelf.view, categoryKey);
    for (size_t i = 0; i < nodes.size(); ++i)
        addAddingCategory(nodes[i].get(), menu, -1, int(i));
    if (menu->isEmpty() && deleteIfEmpty) {
        delete menu;
        return nullptr;
    }
    return menu;
}

QMenu* CategoryTargetMenus::fillMovingCategory(QMenu* menu, int movedKey)
{
    if (!menu)
        return nullptr;
    const auto nodes = treeBelow(shelf.view, -1);
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i]->key != movedKey)
            addMovingCategory(nodes[i].get(), menu, movedKey, int(i));
    }
    if (menu->isEmpty()) {
        delete menu;
        return nullptr;
    }
    return menu;
}

// ---- The cabinet's entry points

void VorendaShelf::createSubmenuForMovingItems(CategoryTreeNode* node, QMenu* menu, MenuType command, bool dynamic)
{
    CategoryTargetMenus(*this).addMovingItems(node, menu, command, dynamic);
}

void VorendaShelf::createSubmenuForMovingCategory(CategoryTreeNode* node, QMenu* menu, int movedKey, int index)
{
    CategoryTargetMenus(*this).addMovingCategory(node, menu, movedKey, index);
}

void VorendaShelf::createSubmenuForAddingCategory(CategoryTreeNode* node, QMenu* menu, int excludedKey, int index)
{
    CategoryTargetMenus(*this).addAddingCategory(node, menu, excludedKey, index);
}

QMenu* VorendaShelf::createSubmenuForAddingCategory(QMenu* menu, int categoryKey, bool deleteIfEmpty)
{
    return CategoryTargetMenus(*this).fillAddingCategory(menu, categoryKey, deleteIfEmpty);
}
