#pragma once

#include <QHash>

// How deep the categories of a cabinet being read stand, so that none stands deeper
// than the program can walk: the category tree is walked by recursion (layout,
// saving, menus), and a file nested a hundred thousand levels deep would overflow
// the stack. No one files things a thousand levels deep; a category below that
// level stands beside the others at it, under the same parent.
class CategoryDepthLimit
{
public:
    // The deepest level a category stands at; a top category stands at 1.
    static constexpr int deepestLevel = 1000;

    // The parent a category placed under `parentKey` (-1: at the top) gets: that one,
    // or, at the deepest level, its own parent. `parentOf` gives a placed category's
    // parent. Sets cut() when it moved a category up.
    template<typename ParentOf>
    int parentFor(int parentKey, ParentOf parentOf)
    {
        if (parentKey != -1 && levelOf(parentKey) >= deepestLevel) {
            parentKey = parentOf(parentKey);
            wasCut = true;
        }
        return parentKey;
    }
    // Notes where the category `key` was placed.
    void placed(int key, int parentKey) { levels.insert(key, parentKey == -1 ? 1 : levelOf(parentKey) + 1); }
    bool cut() const { return wasCut; }

private:
    int levelOf(int key) const { return levels.value(key, 1); }

    QHash<int, int> levels;
    bool wasCut = false;
};
