#pragma once

#include <QColor>
#include <QGraphicsItem>

class AbstractThumbnailItem;

// The thin upright marker a view shows between items while something is dragged over it.
class DropIndicatorItem : public QGraphicsItem
{
public:
    explicit DropIndicatorItem(QGraphicsItem* parent = nullptr);

    virtual void setColor(const QColor& color);
    // `item` is the item the marker stands next to; derived markers place themselves by it.
    virtual void setPos(const QPointF& pos, AbstractThumbnailItem* item);
    virtual void setPos(double x, double y, AbstractThumbnailItem* item);
    virtual void setHeight(AbstractThumbnailItem* item);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    double getHeight() const { return height; }
    QColor getColor() const { return color; }

protected:
    double height = 0.0;
    QColor color = Qt::red;
};
