#pragma once

#include <QString>

class CategoryHeaderItem;
class NavigatorItem;
class VorendaShelf;

// A cabinet's categories: their headers, styled for the cabinet, with the name that
// can be edited in place and the expand/collapse button; the category of a name among
// its siblings; the navigator's rows; and the question before categories go.
class ShelfCategories
{
public:
    explicit ShelfCategories(VorendaShelf& shelf);

    // A new, fully styled header named `name`, not yet installed.
    CategoryHeaderItem* newHeader(const QString& name);
    // The child of `parentKey` called `name` (compared without case), created when
    // there is none.
    CategoryHeaderItem* add(const QString& name, int parentKey);
    // A new, styled row of the category navigator, with no parent.
    NavigatorItem* newNavigatorItem(const QString& name);
    // Asks before categories go; writes the answer into `*ok`. With `categoryKey` -1
    // every category is meant. On yes the pictures of the items that leave go.
    void deleteRequest(int categoryKey, bool subcategoriesOnly, bool recurse, bool* ok);

private:
    VorendaShelf& shelf;
};
