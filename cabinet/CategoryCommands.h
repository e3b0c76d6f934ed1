#pragma once

class VorendaShelf;

// The cabinet commands on categories: expanding, collapsing, renaming, removing and
// creating them, and moving a category or inserting a new one before, after or inside
// another (the "(here)" places of the category menus).
class CategoryCommands {
public:
    enum Placement { Before, After, Into };

    explicit CategoryCommands(VorendaShelf& shelf);

    void expandAll(bool expand);
    void toggle(int categoryKey);
    // Starts editing the category's name in place.
    void rename(int categoryKey);
    // Asks, then removes the category, its subcategories with it, or only them.
    void remove(int categoryKey, bool subcategoriesOnly, bool recurse);
    // Asks, then removes every category.
    void removeAll();
    // A new last child of `parentKey` (-1: a new root category), its name ready to be typed.
    void add(int parentKey);
    // Moves the category `movedKey` before, after or into `targetKey`; never below itself.
    void move(int movedKey, int targetKey, Placement placement);
    // A new category before, after or inside `targetKey`, its name ready to be typed.
    void addAt(int targetKey, Placement placement);

private:
    // Installs a new category under `parentKey` at `position` and starts editing its name.
    void addNewCategory(int parentKey, int position);

    VorendaShelf& shelf;
};
