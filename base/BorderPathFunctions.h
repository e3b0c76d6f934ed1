#pragma once

#include <QPainterPath>
#include <QRectF>

// The default border shape: `rect` inset by half the pen width, rounded when a radius
// is given. A zero width counts as 1.0 with a radius; a fractional x or y moves the
// shape half a pixel to sit on pixel centres. Too small a rect gives an empty path.
QPainterPath getRoundRectPath(const QRectF& rect, double width, double radius);
QPainterPath getRectPath(const QRectF& rect, double width);
