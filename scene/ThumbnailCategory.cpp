#include "ThumbnailCategory.h"

#include "AbstractThumbnailItem.h"
#include "CategoryHeaderItem.h"

ThumbnailCategory::ThumbnailCategory(int key)
    : key(key)
{
}

ThumbnailCategory::~ThumbnailCategory()
{
    qDeleteAll(items);
    items.clear();
    delete header;
    children.clear();
}

QList<AbstractThumbnailItem*> ThumbnailCategory::getItems() const
{
    QList<AbstractThumbnailItem*> result;
    appendItems(result);
    return result;
}

void ThumbnailCategory::appendItems(QList<AbstractThumbnailItem*>& result) const
{
    result.append(items);
    for (const ThumbnailCategory* child : children)
        child->appendItems(result);
}

bool ThumbnailCategory::isEmpty() const
{
    if (!items.isEmpty())
        return false;
    for (const ThumbnailCategory* child : children) {
        if (!child->isEmpty())
            return false;
    }
    return true;
}

void ThumbnailCategory::collapse()
{
    for (ThumbnailCategory* child : children) {
        child->collapse();
        if (child->header)
            child->header->setVisible(false);
    }
    for (AbstractThumbnailItem* item : items) {
        if (item)
            item->setVisible(false);
    }
}
