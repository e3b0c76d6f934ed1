#include "WoodPatterns.h"

#include "TileImage.h"
#include "TileNoise.h"

#include <algorithm>
#include <cmath>

namespace WoodPatterns {

QImage wood(const Grain& grain)
{
    const TileFbm warp(grain.seed, 2, 4, 3, 0.45);
    const TileFbm detail(grain.seed + 11, 2, 24, 2);
    const TileFbm fibres(grain.seed + 23, 3, 96, 3, 0.6);
    const TileFbm pores(grain.seed + 37, 16, 192, 1);
    const TileFbm broad(grain.seed + 41, 1, 3, 2);
    const QColor shade(34, 14, 3);
    const QColor light(255, 236, 204);

    return TileImage::render(
        [&](double u, double v) {
            const double w = warp.value(u, v) - 0.5;
            const double phase = grain.rings * v + grain.waviness * w * 2.0 + 0.25 * (detail.value(u, v) - 0.5);
            // Each growth ring darkens gradually into its latewood and ends at a sharp edge.
            const double within = phase - std::floor(phase);
            const double width = std::min(0.7, 1.6 / grain.sharpness);
            const double line = TileImage::smoothstep(1.0 - width, 0.97, within)
                * (1.0 - TileImage::smoothstep(0.97, 1.0, within));
            const double fibre = (fibres.value(u, v) - 0.5) * 2.0;
            const double pore = TileImage::smoothstep(0.66, 0.8, pores.value(u, v)) * (0.3 + 0.7 * line);
            const double wide = (broad.value(u, v) - 0.5) * 2.0;
            double amount = -grain.ringContrast * (line - 0.2) + grain.fibreContrast * fibre
                - grain.poreContrast * pore + grain.broadContrast * wide;
            if (grain.ribbons > 0)
                amount += grain.ribbonContrast * std::sin(2.0 * M_PI * (grain.ribbons * u + 0.6 * w));
            if (grain.lightOnly)
                amount = 0.35 * amount + 0.45 * (1.0 - line) * (0.6 + 0.4 * fibre) - 0.15;
            return TileImage::overlay(amount, shade, light, grain.shadeAlpha, grain.lightAlpha);
        },
        true);
}

QImage wood1()
{
    Grain grain;
    grain.seed = 101;
    grain.rings = 7;
    grain.waviness = 0.7;
    grain.sharpness = 3.0;
    return wood(grain);
}

QImage wood2()
{
    Grain grain;
    grain.seed = 202;
    grain.rings = 11;
    grain.waviness = 0.9;
    grain.sharpness = 5.0;
    grain.fibreContrast = 0.7;
    return wood(grain);
}

QImage wood3()
{
    // Walnut: wide wandering figure, strong light streaks on a dark wood.
    Grain grain;
    grain.seed = 303;
    grain.rings = 6;
    grain.waviness = 1.6;
    grain.sharpness = 2.5;
    grain.ringContrast = 1.0;
    grain.fibreContrast = 0.9;
    grain.lightAlpha = 0.35;
    return wood(grain);
}

QImage wood4()
{
    // Mahogany: tight straight grain with ribbon bands.
    Grain grain;
    grain.seed = 404;
    grain.rings = 18;
    grain.waviness = 0.35;
    grain.sharpness = 6.0;
    grain.ribbons = 4;
    grain.ribbonContrast = 0.35;
    grain.lightAlpha = 0.3;
    return wood(grain);
}

QImage darkGrain()
{
    Grain grain;
    grain.seed = 505;
    grain.rings = 22;
    grain.waviness = 0.8;
    grain.sharpness = 3.0;
    grain.fibreContrast = 1.0;
    grain.lightOnly = true;
    grain.shadeAlpha = 0.5;
    grain.lightAlpha = 0.4;
    return wood(grain);
}

} // namespace WoodPatterns
