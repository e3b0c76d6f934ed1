#include "StonePatterns.h"

#include "TileImage.h"
#include "TileNoise.h"

#include <algorithm>
#include <cmath>

namespace StonePatterns {

QImage bricks()
{
    // Running bond: 8 courses of 4 bricks; odd courses shift by half a brick.
    const double courseHeight = 32.0;
    const double brickWidth = 64.0;
    const double joint = 4.0;
    const int bricksPerCourse = 4;
    const uint32_t seed = 606;
    const TileFbm edgeNoise(seed, 32, 32, 2);
    const TileFbm speckle(seed + 1, 64, 64, 2);
    const TileFbm clay(seed + 2, 8, 8, 3);
    const TileFbm sand(seed + 3, 128, 128, 1);
    const QColor brickBase(0xD6, 0x9B, 0x63);
    const QColor redder(0xB8, 0x68, 0x44);
    const QColor yellower(0xE4, 0xB8, 0x80);
    const QColor mortar(0xBE, 0xB3, 0xA2);

    return TileImage::render(
        [&](double u, double v) {
            const double x = u * TileSize;
            const double y = v * TileSize;
            const int course = static_cast<int>(y / courseHeight);
            const double shifted = x + (course % 2) * brickWidth / 2.0;
            const int column = static_cast<int>(std::floor(shifted / brickWidth)) % bricksPerCourse;
            const double lx = std::fmod(shifted, brickWidth);
            const double ly = std::fmod(y, courseHeight);
            const double wobble = (edgeNoise.value(u, v) - 0.5) * 2.2;
            // Distance into the brick from its joints (left and top joints belong to the brick).
            const double fromLeft = lx - joint + wobble;
            const double fromRight = brickWidth - lx + wobble;
            const double fromTop = ly - joint + wobble;
            const double fromBottom = courseHeight - ly + wobble;
            const double inside = std::min({fromLeft, fromRight, fromTop, fromBottom});

            if (inside <= 0.0) {
                // Mortar, shaded in the recess under the brick above.
                double tone = 0.9 + 0.2 * sand.value(u, v) + 0.1 * (speckle.value(u, v) - 0.5);
                if (ly < joint + 1.0)
                    tone *= 0.78 + 0.22 * TileImage::smoothstep(0.0, joint, ly);
                return TileImage::scaled(mortar, tone);
            }

            const double r1 = hashUnit(seed, course, column, 1);
            const double r2 = hashUnit(seed, course, column, 2);
            const double r3 = hashUnit(seed, course, column, 3);
            QColor color = r1 < 0.5 ? TileImage::mix(brickBase, redder, (0.5 - r1) * 1.4)
                                    : TileImage::mix(brickBase, yellower, (r1 - 0.5) * 1.2);
            double tone = 0.86 + 0.22 * r2;
            tone *= 0.9 + 0.2 * clay.value(u, v);
            tone *= 0.93 + 0.14 * sand.value(u, v);
            const double spot = speckle.value(u, v);
            if (spot > 0.68)
                tone *= 1.0 - (spot - 0.68) * 1.6;
            // Some bricks were fired darker at one end.
            if (r3 > 0.7) {
                const double end = r3 > 0.85 ? lx / brickWidth : 1.0 - lx / brickWidth;
                tone *= 1.0 - 0.25 * TileImage::smoothstep(0.55, 1.0, end);
            }
            // Rounded arrises: light on top, dark at the bottom and sides.
            tone *= 0.78 + 0.22 * TileImage::smoothstep(0.0, 3.0, std::min({fromLeft, fromRight, fromBottom}));
            if (fromTop < 3.0)
                tone *= 1.0 + 0.12 * (1.0 - fromTop / 3.0);
            return TileImage::scaled(color, tone);
        },
        false);
}

QImage lightMarble()
{
    const uint32_t seed = 707;
    const TileFbm cloud(seed, 2, 2, 6);
    const TileFbm warp(seed + 1, 2, 2, 4, 0.45);
    const TileFbm warp2(seed + 2, 3, 3, 5, 0.5);
    const TileFbm strength(seed + 4, 2, 2, 3);
    const TileFbm fine(seed + 3, 64, 64, 2);
    const QColor vein(64, 66, 68);
    const QColor light(255, 255, 252);

    return TileImage::render(
        [&](double u, double v) {
            // Whole-number slopes keep the veins continuous across the tile's edges;
            // the warp makes them wander, and they fade in and out along their way.
            const double main = std::fabs(std::sin(M_PI * (1.0 * u + 2.0 * v + 1.8 * (warp.value(u, v) - 0.5))));
            const double second = std::fabs(std::sin(M_PI * (3.0 * u - 1.0 * v + 3.0 * (warp2.value(u, v) - 0.5))));
            const double fade = TileImage::smoothstep(0.3, 0.65, strength.value(u, v));
            const double mainVein = (1.0 - TileImage::smoothstep(0.0, 0.07, main)) * (0.35 + 0.65 * fade);
            const double halo = (1.0 - TileImage::smoothstep(0.0, 0.3, main)) * fade;
            const double thinVein = (1.0 - TileImage::smoothstep(0.0, 0.045, second)) * (1.0 - fade * 0.5);
            const double mottle = (cloud.value(u, v) - 0.5) * 2.0;
            const double amount = 0.55 * mottle - 0.85 * mainVein - 0.25 * halo - 0.6 * thinVein
                + 0.12 * (fine.value(u, v) - 0.5);
            return TileImage::overlay(amount, vein, light, 0.7, 0.5);
        },
        true);
}

} // namespace StonePatterns
