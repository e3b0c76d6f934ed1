#include "SurfacePatterns.h"

#include "TileImage.h"
#include "TileNoise.h"

#include <cmath>

namespace SurfacePatterns {

QImage cork(uint32_t seed, const QColor& base, int granules)
{
    const TileCells grains(seed, granules, granules);
    const TileCells coarse(seed + 1, granules / 4, granules / 4);
    const TileFbm fine(seed + 2, 128, 128, 1);
    const TileFbm patches(seed + 3, 4, 4, 3);
    const TileFbm warpX(seed + 4, 16, 16, 2);
    const TileFbm warpY(seed + 5, 16, 16, 2);
    const QColor darker(base.red() * 0.55, base.green() * 0.45, base.blue() * 0.35);
    const QColor lighter = TileImage::mix(base, QColor(0xF4, 0xD8, 0xA8), 0.45);

    return TileImage::render(
        [&](double u, double v) {
            // Warped lookup: granules come out irregular instead of as tidy cells.
            const double wu = u + 0.5 * (warpX.value(u, v) - 0.5) / granules * 2.0;
            const double wv = v + 0.5 * (warpY.value(u, v) - 0.5) / granules * 2.0;
            const TileCells::Sample s = grains.sample(wu, wv);
            const TileCells::Sample big = coarse.sample(u, v);
            const double r = grains.cellRandom(s.cellX, s.cellY);
            const double hue = grains.cellRandom(s.cellX, s.cellY, 1);
            QColor color = r < 0.5 ? TileImage::mix(base, darker, (0.5 - r) * 1.1)
                                   : TileImage::mix(base, lighter, (r - 0.5) * 1.3);
            color = TileImage::mix(color, hue < 0.5 ? QColor(0x9A, 0x5A, 0x2C) : QColor(0xC8, 0xA0, 0x60), 0.12);
            double tone = 1.0;
            // Gaps between granules and a little relief on each one.
            tone *= 0.8 + 0.2 * TileImage::smoothstep(0.0, 0.12, s.second - s.nearest);
            tone *= 1.0 - 0.08 * (s.offsetX + s.offsetY);
            tone *= 0.9 + 0.2 * coarse.cellRandom(big.cellX, big.cellY);
            tone *= 0.92 + 0.16 * patches.value(u, v);
            tone *= 0.88 + 0.24 * fine.value(u, v);
            // The odd pit where no granule filled the gap.
            if (grains.cellRandom(s.cellX, s.cellY, 2) < 0.05 && s.nearest < 0.32)
                tone *= 0.35 + 0.5 * TileImage::smoothstep(0.15, 0.32, s.nearest);
            return TileImage::scaled(color, tone);
        },
        false);
}

QImage cork1()
{
    return cork(1212, QColor(0x82, 0x5E, 0x3E), 40);
}

QImage cork2()
{
    return cork(1313, QColor(0xDE, 0xB2, 0x88), 56);
}

QImage leather()
{
    const uint32_t seed = 1414;
    const TileCells pebbles(seed, 36, 36);
    const TileCells folds(seed + 1, 6, 6);
    const TileFbm mottle(seed + 2, 3, 3, 4);
    const TileFbm pores(seed + 3, 128, 128, 1);
    const TileFbm warpX(seed + 4, 12, 12, 3);
    const TileFbm warpY(seed + 5, 12, 12, 3);
    const QColor base(0x4E, 0x1D, 0x0D);

    return TileImage::render(
        [&](double u, double v) {
            const double wu = u + 0.06 * (warpX.value(u, v) - 0.5);
            const double wv = v + 0.06 * (warpY.value(u, v) - 0.5);
            const TileCells::Sample s = pebbles.sample(wu, wv);
            const TileCells::Sample f = folds.sample(wu, wv);
            const double crease = 1.0 - TileImage::smoothstep(0.0, 0.1, s.second - s.nearest);
            const double fold = 1.0 - TileImage::smoothstep(0.0, 0.05, f.second - f.nearest);
            const double dome = 1.0 - TileImage::smoothstep(0.0, 0.75, s.nearest);
            double tone = 0.82 + 0.3 * dome;
            tone -= 0.22 * (s.offsetX + s.offsetY); // light from the upper left
            tone *= 1.0 - 0.45 * crease;
            tone *= 1.0 - 0.25 * fold;
            tone *= 0.85 + 0.3 * mottle.value(u, v);
            tone *= 0.95 + 0.1 * pores.value(u, v);
            return TileImage::scaled(base, tone);
        },
        false);
}

} // namespace SurfacePatterns
