#pragma once

#include <QRectF>
#include <QSet>

#include <vector>

class QGraphicsItem;

// Keeps the paint of a view with many items short. At every paint the scene visits all
// of its items, however few are in view, and works out each one's place on screen;
// an item marked as having no contents it passes over at once. Items adopted here
// carry that mark while they are outside the visible area and lose it before the
// paint that shows them, so what is drawn stays the same.
//
// The owner gathers the places of the items it shows after each change of the layout;
// until then the culling keeps what it had.
class PaintCulling
{
public:
    // A newly filed item: drawn from the first gathering that finds it in view.
    void adopt(QGraphicsItem* item);
    // An item leaving for good while it still lives: it gets its contents back.
    void release(QGraphicsItem* item);
    // An item that is going away: only forgotten.
    void forget(QGraphicsItem* item);

    // The places of the items shown, all of them, from scratch.
    void startGathering();
    void place(QGraphicsItem* item, const QRectF& sceneRect);
    void finishGathering();
    bool isGathered() const { return gathered; }

    // Before a paint: items whose places meet `visible` get their contents, the others
    // that had them lose them. Once the view moves, items within a view's height above
    // or below it get them too, and nothing is done while the places stay and `visible`
    // stays within that band: scrolling by up to a page changes no item (nor marks any
    // for the scene's next pass over its changed items).
    void show(const QRectF& visible);

private:
    struct Placement
    {
        QRectF rect;
        QGraphicsItem* item;
    };

    std::vector<Placement> placements;
    // Per place, the largest bottom up to it and the smallest top from it on: both only
    // grow, so the places a band can meet are found by binary search, however the
    // items are ordered.
    std::vector<double> bottomsSoFar;
    std::vector<double> topsFromHere;
    // The adopted items that have their contents.
    QSet<QGraphicsItem*> drawn;
    QRectF band;
    bool gathered = false;
    bool placesChanged = true;
};
