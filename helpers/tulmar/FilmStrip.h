#pragma once

#include "MediaJob.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

// The film strip a video's thumbnail is drawn on: a perforated band along each long
// side of the picture, and a thin line of the back colour between band and picture.
// Bands and holes follow the job: band width, distance from hole to hole, band and
// back colours, and the opacity of the whole.
class FilmStrip
{
public:
    explicit FilmStrip(const MediaJob& job);

    // The size the picture is drawn at: its display size fitted into the thumbnail
    // box beside the bands, never enlarged; empty when the box has no room.
    QSize pictureSize(const QSize& display) const;

    // The picture, of pictureSize(), on its strip.
    QImage draw(const QImage& picture) const;

private:
    int bandSpace() const { return band + gap; }
    void punchHoles(QPainter& painter, const QRect& band, Qt::Orientation along) const;

    QSize box;
    int band;
    int gap;
    int spacing;
    QColor borderColor;
    QColor backColor;
    int alpha;
};
