#pragma once

#include "MarginProperty.h"

#include <QGraphicsItem>
#include <QPointer>
#include <QSize>

class MyThumbnailItem;

// The full name of a hovered cabinet item whose own name tag is hidden or shortened:
// a rounded box in the item's information colour with an arrow pointing at the item,
// below it, or above it when inverted.
class FloatingLabelItem : public QGraphicsItem
{
public:
    explicit FloatingLabelItem(QGraphicsItem* parent = nullptr);

    // The item is watched: a label whose item is deleted shows nothing.
    void setItem(MyThumbnailItem* item);
    void setMaxSize(const QSize& size);
    void setMargin(const MarginProperty& margin);
    void setInverted(bool on);

    MyThumbnailItem* getItem() const { return item; }
    QSize getMaxSize() const { return maxSize; }
    MarginProperty getMargin() const { return margin; }
    bool isInverted() const { return inverted; }
    int getArrowHeight() const { return arrowHeight; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QPointer<MyThumbnailItem> item;
    MarginProperty margin = MarginProperty(5.0, 10.0, 5.0, 10.0);
    QSize maxSize = QSize(-1, -1);
    int arrowHalfWidth = 5;
    int arrowHeight = 8;
    bool inverted = false;
};
