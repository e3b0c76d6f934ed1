#pragma once

#include <QColor>
#include <QImage>

#include <cstdint>

// Opaque natural surfaces: pressed cork granules and pebbled leather.
namespace SurfacePatterns {

QImage cork(uint32_t seed, const QColor& base, int granules);
QImage cork1();
QImage cork2();
QImage leather();

} // namespace SurfacePatterns
