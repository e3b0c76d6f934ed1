#include "DropIndicatorItem.h"

#include "AbstractThumbnailItem.h"

#include <QPainter>

DropIndicatorItem::DropIndicatorItem(QGraphicsItem* parent)
    : QGraphicsItem(parent)
{
    setAcceptedMouseButtons(Qt::NoButton);
}

void DropIndicatorItem::setColor(const QColor& value)
{
    color = value;
}

void DropIndicatorItem::setPos(const QPointF& pos, AbstractThumbnailItem*)
{
    QGraphicsItem::setPos(pos);
}

void DropIndicatorItem::setPos(double x, double y, AbstractThumbnailItem* item)
{
    setPos(QPointF(x, y), item);
}

void DropIndicatorItem::setHeight(AbstractThumbnailItem* item)
{
    if (!item)
        return;
    prepareGeometryChange();
    height = item->sceneBoundingRect().height();
}

QRectF DropIndicatorItem::boundingRect() const
{
    return QRectF(-3.0, 0.0, 6.0, height);
}

void DropIndicatorItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QRect r(-3, 0, 6, int(height));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QBrush(color, Qt::SolidPattern));
    painter->drawRect(r.adjusted(2, 0, -2, 0));
    painter->setPen(QPen(QBrush(color), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->drawLine(r.left(), r.top(), r.right(), r.top());
    painter->drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
    painter->drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter->restore();
}
