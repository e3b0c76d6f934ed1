#pragma once

#include <QImage>
#include <QVector>

// Cuts a frame drawing into the eight border pieces a BorderPainter lays round a
// rectangle: the four corners `corner` pixels square from the drawing's corners, and
// one-pixel slices through the middle of each edge, in the order top-left, top,
// top-right, right, bottom-right, bottom, bottom-left, left.
namespace NineSlice {

QVector<QImage> cut(const QImage& frame, int corner);

// File-name endings of the pieces, in the order cut() returns them.
const QVector<const char*>& pieceNames();

} // namespace NineSlice
