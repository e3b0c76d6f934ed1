#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QSize>

enum MirrorStyle : int { NoMirror = 0, MirrorVertical = 1, MirrorHorizontal = 2 };

// Fades run along one axis from the given alpha to transparent: 1 top to bottom,
// 3 bottom to top, 2 left to right, 4 right to left.
enum FadeStyle : int { NoFade = 0, FadeDown = 1, FadeRight = 2, FadeUp = 3, FadeLeft = 4 };

// A straight-alpha copy (Format_ARGB32) whose alpha is scaled by `percent`; colours stay.
QImage alphaImage(const QImage& image, int percent);

// A flipped copy, optionally faded: each pixel's alpha is multiplied by a gradient from
// `alpha` to transparent over `size` pixels (-1: the full height or width).
QImage mirrorImage(const QImage& image, MirrorStyle mirror, FadeStyle fade, int alpha, int size = -1);

// A transparent ARGB32 canvas of exactly `size` with the scaled image centred on it.
QImage convertToThumbnail(const QImage& image, const QSize& size, Qt::AspectRatioMode aspectMode,
                          Qt::TransformationMode transformMode);

// Pixmaps compare by their pixels; two null pixmaps are equal.
bool samePixmaps(const QPixmap& a, const QPixmap& b);

// A copy of `a` (alpha kept) whose red, green and blue are `percent` of a's and the
// rest of b's, each share truncated on its own.
QColor mergedColors(const QColor& a, const QColor& b, int percent);

// The pixel at (x, y), or `fallback` for a point outside the image.
unsigned int getPixel(const QImage& image, int x, int y, unsigned int fallback);

// A cheap blank test: 29 fixed samples of the monochrome image compared with its centre.
// Samples outside a small image count as equal.
bool hasOneColor(const QImage& image);
bool hasOneColor(const QPixmap& pixmap);
