#pragma once

#include <QList>

class AbstractThumbnailItem;
class CategoryHeaderItem;

// One category of a scene view: its own items, its subcategories and its header.
// The view's category map owns every entry; an entry owns its items and header,
// but not its children, which are entries of the same map.
class ThumbnailCategory
{
public:
    explicit ThumbnailCategory(int key = -1);
    ~ThumbnailCategory();

    ThumbnailCategory(const ThumbnailCategory&) = delete;
    ThumbnailCategory& operator=(const ThumbnailCategory&) = delete;

    // Own items followed by those of every child, depth first.
    QList<AbstractThumbnailItem*> getItems() const;
    // No own item and every child empty.
    bool isEmpty() const;
    // Hides everything below the header: the children's headers and all items.
    void collapse();

    QList<AbstractThumbnailItem*> items;
    QList<ThumbnailCategory*> children;
    CategoryHeaderItem* header = nullptr;
    int key = -1;
    int parentKey = -1;

private:
    void appendItems(QList<AbstractThumbnailItem*>& result) const;
};
