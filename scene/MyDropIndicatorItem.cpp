#include "MyDropIndicatorItem.h"

#include "ThumbnailItem.h"

#include <QPainter>

MyDropIndicatorItem::MyDropIndicatorItem(MyThumbnailView* view, QGraphicsItem* parent)
    : DropIndicatorItem(parent)
    , view(view)
{
    height = 8.0;
}

void MyDropIndicatorItem::setPos(const QPointF& pos, AbstractThumbnailItem* item)
{
    double y = pos.y();
    if (item) {
        // Items without a reflection of their own are measured as if it were empty.
        const auto* thumbnail = qobject_cast<const ThumbnailItem*>(item);
        const double reflection = thumbnail ? thumbnail->getReflectionSize() : 0.0;
        y += item->boundingRect().bottom() - item->getMargin()[MarginProperty::Bottom] - reflection * 0.5;
    }
    QGraphicsItem::setPos(pos.x(), y);
}

void MyDropIndicatorItem::setHeight(AbstractThumbnailItem*)
{
    prepareGeometryChange();
    height = 8.0;
}

QRectF MyDropIndicatorItem::boundingRect() const
{
    const int h = int(height);
    return QRectF(-h, 0, 2 * h, h);
}

void MyDropIndicatorItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QRectF r = boundingRect();
    const QPointF triangle[3] = {r.bottomLeft(), QPointF(r.left() + r.width() * 0.5, r.top()), r.bottomRight()};
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QBrush(color, Qt::SolidPattern));
    painter->drawPolygon(triangle, 3);
    painter->restore();
}
