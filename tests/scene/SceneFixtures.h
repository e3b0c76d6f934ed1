#pragma once

#include "AbstractThumbnailView.h"
#include "CategoryHeaderItem.h"
#include "ThumbnailItem.h"
#include "ThumbnailView.h"

#include <QPixmap>

// A plain view whose layout routines can be run at any width.
class LayoutView : public ThumbnailView
{
public:
    using AbstractThumbnailView::doLayout;
    using AbstractThumbnailView::getMaxLineHeight;
};

// An item exactly w by h in the scene: no margins, no text, no reflection.
inline ThumbnailItem* makeItem(double w, double h, int key = -1, const QString& text = QString())
{
    auto* item = new ThumbnailItem;
    item->setMargin(MarginProperty(0.0));
    item->setImageSize(QSize(int(w), int(h)));
    item->setCategoryKey(key);
    if (!text.isEmpty()) {
        // The caption would add to the height; keep the item's size exact.
        item->setText(text);
    }
    return item;
}

inline ThumbnailItem* makeNamedItem(const QString& text, int key = -1)
{
    auto* item = new ThumbnailItem;
    item->setText(text);
    item->setCategoryKey(key);
    return item;
}

inline CategoryHeaderItem* makeHeader(const QString& name)
{
    auto* header = new CategoryHeaderItem;
    header->setText(name);
    return header;
}
