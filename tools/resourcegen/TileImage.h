#pragma once

#include <QColor>
#include <QImage>

#include <functional>

// Texture size: every pattern is one square tile of this many pixels.
constexpr int TileSize = 256;

namespace TileImage {

// Builds a tile from a colour per pixel; (u, v) are the pixel centre in tile units [0, 1).
QImage render(const std::function<QColor(double u, double v)>& pixel, bool alpha);

// Colour arithmetic on floating point RGB.
QColor mix(const QColor& a, const QColor& b, double t);
QColor scaled(const QColor& color, double factor);

// An overlay pixel that darkens (negative amount) towards `shade` or lightens
// (positive amount) towards `light`; |amount| 1 is the full given alpha.
QColor overlay(double amount, const QColor& shade, const QColor& light, double shadeAlpha, double lightAlpha);

double clamp01(double value);
double smoothstep(double edge0, double edge1, double x);

// A 2 x 2 repeat of the tile over a base colour, to judge seams and looks.
QImage preview(const QImage& tile, const QColor& base);

} // namespace TileImage

namespace TileImage {
// Straight-alpha "source over" of two colours.
QColor over(const QColor& below, const QColor& above);
} // namespace TileImage
