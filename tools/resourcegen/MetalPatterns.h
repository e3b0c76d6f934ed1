#pragma once

#include <QImage>

// Perforated sheet metal as a translucent overlay: dark holes with lit and
// shaded rims over faint brushing, so the base colour sets the metal's tone.
namespace MetalPatterns {

struct Perforation
{
    double spacing = 16.0;     // distance between hole centres; divides the tile
    double radius = 5.0;
    bool staggered = false;    // odd rows shifted by half a spacing
};

QImage perforated(const Perforation& perforation);
QImage holes();
QImage holesSmall();

} // namespace MetalPatterns
