#include "MetalPatterns.h"

#include "TileImage.h"
#include "TileNoise.h"

#include <cmath>

namespace MetalPatterns {

QImage perforated(const Perforation& p)
{
    const TileFbm brushing(1515, 2, 128, 3, 0.6);
    const TileFbm sheen(1516, 2, 2, 2);

    return TileImage::render(
        [&](double u, double v) {
            const double x = u * TileSize;
            const double y = v * TileSize;
            // Nearest hole centre among this row and its neighbours.
            double dx = 0.0, dy = 0.0, best = 1e9;
            const int row = static_cast<int>(std::floor(y / p.spacing));
            for (int r = row - 1; r <= row + 1; ++r) {
                const double shift = p.staggered && (r % 2 != 0) ? p.spacing / 2.0 : 0.0;
                const double cy = (r + 0.5) * p.spacing;
                const double cx = (std::floor((x - shift) / p.spacing) + 0.5) * p.spacing + shift;
                for (const double candidate : {cx - p.spacing, cx, cx + p.spacing}) {
                    const double d = std::hypot(x - candidate, y - cy);
                    if (d < best) {
                        best = d;
                        dx = x - candidate;
                        dy = y - cy;
                    }
                }
            }
            const double metal = (brushing.value(u, v) - 0.5) * 2.0 + 0.6 * (sheen.value(u, v) - 0.5);
            QColor color = TileImage::overlay(metal, QColor(0, 0, 0), QColor(255, 255, 255), 0.14, 0.16);

            // Towards the light (upper left) the outer rim is lit, the far side shaded.
            const double facing = best > 0.0 ? -(dx + dy) / (best * std::sqrt(2.0)) : 0.0;
            const double rimWidth = std::max(1.0, p.radius * 0.3);
            if (best < p.radius + rimWidth && best > p.radius - 0.5) {
                const double rim = 1.0 - TileImage::clamp01((best - p.radius) / rimWidth);
                const QColor edge = facing > 0.0 ? QColor(255, 255, 255, static_cast<int>(150 * rim * facing))
                                                 : QColor(0, 0, 0, static_cast<int>(110 * rim * -facing));
                color = TileImage::over(color, edge);
            }
            // The hole: coverage anti-aliased at its edge; its inner wall lit on the far side.
            const double coverage = TileImage::clamp01(p.radius - best + 0.5);
            if (coverage > 0.0) {
                const double wall = TileImage::smoothstep(p.radius * 0.45, p.radius, best) * TileImage::clamp01(-facing);
                QColor hole = TileImage::mix(QColor(8, 8, 10), QColor(120, 120, 124), wall * 0.8);
                hole.setAlphaF(0.92 * coverage);
                color = TileImage::over(color, hole);
            }
            return color;
        },
        true);
}

QImage holes()
{
    Perforation p;
    p.spacing = 16.0;
    p.radius = 5.0;
    return perforated(p);
}

QImage holesSmall()
{
    Perforation p;
    p.spacing = 8.0;
    p.radius = 2.4;
    p.staggered = true;
    return perforated(p);
}

} // namespace MetalPatterns
