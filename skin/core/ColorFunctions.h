#pragma once

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QPixmap>

class QWidget;

// A copy of `a` (alpha kept) whose red, green and blue are `percent` of a's and the
// rest of b's, each share truncated on its own.
QColor mergedColors(const QColor& a, const QColor& b, int percent);

// The pixel at (x, y), or `fallback` for a point outside the image.
unsigned int getPixel(const QImage& image, int x, int y, unsigned int fallback);

// A cheap blank test: 29 fixed samples of the monochrome image compared with its centre.
// Samples outside a small image count as equal.
bool hasOneColor(const QImage& image);
bool hasOneColor(const QPixmap& pixmap);

// Set a palette role in the Active and Inactive groups (or the Disabled group only).
// The Window role also turns on the widget's auto-fill background.
void setPaletteColor(QWidget* widget, QPalette::ColorRole role, const QColor& color);
void setPaletteDisabledColor(QWidget* widget, QPalette::ColorRole role, const QColor& color);
