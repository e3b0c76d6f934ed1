#pragma once

#include "DropIndicatorItem.h"

class MyThumbnailView;

// The cabinet's drop marker: a small upward triangle in the reflection under the row
// where a dragged item would land.
class MyDropIndicatorItem : public DropIndicatorItem
{
public:
    explicit MyDropIndicatorItem(MyThumbnailView* view, QGraphicsItem* parent = nullptr);

    using DropIndicatorItem::setPos;
    void setPos(const QPointF& pos, AbstractThumbnailItem* item) override;
    // Always 8 pixels, whatever the item.
    void setHeight(AbstractThumbnailItem* item) override;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    int getKind() const { return kind; }
    MyThumbnailView* getView() const { return view; }

private:
    int kind = 1;
    MyThumbnailView* view;
};
