#include "PaintCulling.h"

#include <QGraphicsItem>

void PaintCulling::adopt(QGraphicsItem* item)
{
    item->setFlag(QGraphicsItem::ItemHasNoContents, true);
    drawn.remove(item);
    gathered = false;
}

void PaintCulling::release(QGraphicsItem* item)
{
    forget(item);
    item->setFlag(QGraphicsItem::ItemHasNoContents, false);
}

void PaintCulling::forget(QGraphicsItem* item)
{
    drawn.remove(item);
    // The places may name it: they are not used again before the next gathering.
    gathered = false;
}

void PaintCulling::startGathering()
{
    placements.clear();
}

void PaintCulling::place(QGraphicsItem* item, const QRectF& sceneRect)
{
    placements.push_back({sceneRect, item});
}

void PaintCulling::finishGathering()
{
    gathered = true;
    placesChanged = true;
}

void PaintCulling::show(const QRectF& visible)
{
    if (!gathered || (!placesChanged && visible == shown))
        return;
    placesChanged = false;
    shown = visible;

    QSet<QGraphicsItem*> inView;
    for (const Placement& placement : placements) {
        if (placement.rect.intersects(visible))
            inView.insert(placement.item);
    }
    for (QGraphicsItem* item : qAsConst(drawn)) {
        if (!inView.contains(item))
            item->setFlag(QGraphicsItem::ItemHasNoContents, true);
    }
    for (QGraphicsItem* item : qAsConst(inView)) {
        if (!drawn.contains(item))
            item->setFlag(QGraphicsItem::ItemHasNoContents, false);
    }
    drawn.swap(inView);
}
