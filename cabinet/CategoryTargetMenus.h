#pragma once

#include "MenuType.h"

class QMenu;
class VorendaShelf;
struct CategoryTreeNode;

// Turns the cabinet's category tree into nested submenus whose "(here)" entries point
// at a place in it: where to move items, where to move a category, where to put a new
// category. A submenu is titled with its category's own name.
class CategoryTargetMenus {
public:
    explicit CategoryTargetMenus(VorendaShelf& shelf);

    // One submenu for `node` and, inside it, for each of its subcategories, each
    // starting with "(here)" for `command` and that category.
    void addMovingItems(CategoryTreeNode* node, QMenu* menu, MenuType command, bool dynamic);
    // The places before, inside and after `node` for the category `movedKey`, which
    // is left out with everything below it. `index` is `node`'s place among its siblings.
    void addMovingCategory(CategoryTreeNode* node, QMenu* menu, int movedKey, int index);
    // The same places for a new category; `excludedKey` is left out.
    void addAddingCategory(CategoryTreeNode* node, QMenu* menu, int excludedKey, int index);

    // The places for a new category among the children of `categoryKey` (the top
    // level for -1). An empty menu is deleted and null returned when `deleteIfEmpty`.
    QMenu* fillAddingCategory(QMenu* menu, int categoryKey, bool deleteIfEmpty);
    // The places to move `movedKey` to, at every level of the cabinet; an empty menu
    // is deleted and null returned.
    QMenu* fillMovingCategory(QMenu* menu, int movedKey);

private:
    struct PlaceCommands {
        MenuType before;
        MenuType into;
        MenuType after;
    };
    void addPlaces(CategoryTreeNode* node, QMenu* menu, int skippedKey, int index, const PlaceCommands& commands);
    QMenu* addCategorySubmenu(CategoryTreeNode* node, QMenu* menu);

    VorendaShelf& shelf;
};
