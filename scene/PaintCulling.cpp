#include "PaintCulling.h"

#include <QGraphicsItem>

#include <algorithm>

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
    const size_t count = placements.size();
    bottomsSoFar.resize(count);
    topsFromHere.resize(count);
    for (size_t i = 0; i < count; ++i)
        bottomsSoFar[i] = qMax(placements[i].rect.bottom(), i > 0 ? bottomsSoFar[i - 1] : placements[i].rect.bottom());
    for (size_t i = count; i-- > 0;)
        topsFromHere[i] = qMin(placements[i].rect.top(), i + 1 < count ? topsFromHere[i + 1] : placements[i].rect.top());
    gathered = true;
    placesChanged = true;
}

void PaintCulling::show(const QRectF& visible)
{
    if (!gathered || (!placesChanged && band.contains(visible)))
        return;
    // New places (a search, a layout) change only what is in view, so that the frame
    // after them stays short; a scroll then takes a page above and below along.
    const double reach = placesChanged ? 0.0 : visible.height();
    placesChanged = false;
    band = visible.adjusted(0.0, -reach, 0.0, reach);

    // Places before `first` end above the band, those from `last` on start below it.
    const auto first = std::upper_bound(bottomsSoFar.cbegin(), bottomsSoFar.cend(), band.top()) - bottomsSoFar.cbegin();
    const auto last = std::lower_bound(topsFromHere.cbegin(), topsFromHere.cend(), band.bottom()) - topsFromHere.cbegin();
    QSet<QGraphicsItem*> inView;
    for (auto i = first; i < last; ++i) {
        const Placement& placement = placements[size_t(i)];
        if (placement.rect.intersects(band))
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
