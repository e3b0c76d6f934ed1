#pragma once

#include <QImage>
#include <QList>
#include <QSize>

class AbstractThumbnailItem;

// The drag image of several items: their pictures in a square grid with 5-pixel gaps,
// half faded. A grid larger than the limit keeps its layout, scaled down to fit; each
// picture is then scaled straight to its small cell.
class DragImageComposer
{
public:
    static constexpr int MaxSide = 1024;
    static constexpr int Gap = 5;

    struct Grid
    {
        int columns = 0;
        int cellWidth = 0;   // unscaled cell, as the layout gives it
        int cellHeight = 0;
        QSize imageSize;     // unscaled image, gaps included
        double scale = 1.0;  // below 1.0 when the image had to shrink
    };

    // The grid for these items; `pressed` is the item the drag began on.
    static Grid grid(const QList<AbstractThumbnailItem*>& items, const AbstractThumbnailItem* pressed,
                     int maxSide = MaxSide);
    // The composed image; null when there is nothing to draw.
    static QImage compose(const QList<AbstractThumbnailItem*>& items, const AbstractThumbnailItem* pressed,
                          int maxSide = MaxSide);
};
