#pragma once

#include <QImage>

#include <cstdint>

// Wood grain overlays: translucent darker latewood lines and lighter fibres,
// so one texture serves a dark cabinet and a light shelf of the same wood.
namespace WoodPatterns {

struct Grain
{
    uint32_t seed = 1;
    int rings = 10;            // grain lines across one tile (whole number: the tile wraps)
    double waviness = 0.6;     // how far the lines wander
    double sharpness = 4.0;    // higher: thinner dark lines
    double ringContrast = 0.9;
    double fibreContrast = 0.8;
    double poreContrast = 0.4;
    double broadContrast = 0.5;
    int ribbons = 0;           // light and dark bands across the grain
    double ribbonContrast = 0.0;
    double shadeAlpha = 0.55;
    double lightAlpha = 0.25;
    bool lightOnly = false;    // for a black base: only lighter lines show
};

QImage wood(const Grain& grain);

QImage wood1();
QImage wood2();
QImage wood3();
QImage wood4();
QImage darkGrain();

} // namespace WoodPatterns
