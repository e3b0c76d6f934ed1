#pragma once

#include "MenuType.h"

class VorendaShelf;

// The cabinet commands on categories: expanding, collapsing, renaming, removing and
// creating them, and moving a category or inserting a new one beside, before or
// inside another (the "(here)" places of the category menus).
class CategoryCommands {
public:
    explicit CategoryCommands(VorendaShelf& shelf);

    // Runs `type`; false when it is no category command of the dispatcher.
    bool run(MenuType type, int parameter);

    // Moves the category `movedKey` before (10), after (11) or into (12) `targetKey`.
    void moveCategory(MenuType type, int movedKey, int targetKey);
    // A new category before (56), after (57) or inside (58) `targetKey`, its name
    // ready to be typed.
    void newCategoryAt(MenuType type, int targetKey);

private:
    void removeCategories(MenuType type, int categoryKey);
    void removeAllCategories();
    // Installs a new category under `parentKey` at `position` and starts editing its name.
    void addNewCategory(int parentKey, int position);

    VorendaShelf& shelf;
};
