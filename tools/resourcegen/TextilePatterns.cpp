#include "TextilePatterns.h"

#include "TileImage.h"
#include "TileNoise.h"

#include <cmath>

namespace TextilePatterns {

namespace {

bool warpOnTop(Weave weave, int i, int j)
{
    switch (weave) {
    case Weave::Plain: return (i + j) % 2 == 0;
    case Weave::Basket: return (i / 2 + j / 2) % 2 == 0;
    case Weave::Twill: return (i + j) % 4 < 2;
    }
    return true;
}

} // namespace

QImage cloth(const Cloth& cloth)
{
    const int threads = TileSize / cloth.threadWidth;
    const TileFbm warpSlubs(cloth.seed, threads, 6, 2);
    const TileFbm weftSlubs(cloth.seed + 1, 6, threads, 2);
    const TileFbm fuzz(cloth.seed + 2, 128, 128, 1);
    const TileFbm dye(cloth.seed + 3, 3, 3, 3);

    return TileImage::render(
        [&](double u, double v) {
            const int px = static_cast<int>(u * TileSize);
            const int py = static_cast<int>(v * TileSize);
            const int i = px / cloth.threadWidth;
            const int j = py / cloth.threadWidth;
            const double lx = (px % cloth.threadWidth + 0.5) / cloth.threadWidth;
            const double ly = (py % cloth.threadWidth + 0.5) / cloth.threadWidth;
            const bool warp = warpOnTop(cloth.weave, i, j);

            const bool checked = cloth.checkThreads > 0
                && ((warp ? i : j) / cloth.checkThreads) % 2 == 0;
            QColor color = checked ? cloth.checkColor : (warp ? cloth.warp : cloth.weft);
            const double threadTone = 1.0
                + cloth.threadVariation * (hashUnit(cloth.seed, warp ? i : -1 - j) - 0.5) * 2.0;
            const double slub = warp ? warpSlubs.value((i + 0.0) / threads, v) : weftSlubs.value(u, (j + 0.0) / threads);
            // Round thread: bright along its middle, dark where it dips under its neighbour.
            const double across = std::sin(M_PI * (warp ? lx : ly));
            const double along = std::sin(M_PI * (warp ? ly : lx));
            double tone = threadTone * (0.7 + 0.3 * std::pow(across, 0.7 - cloth.slubs * (slub - 0.5) * 2.0));
            tone *= 0.9 + 0.1 * along;
            tone *= 1.0 + cloth.slubs * (slub - 0.5);
            tone *= 0.96 + 0.08 * fuzz.value(u, v);
            tone *= 0.97 + 0.06 * dye.value(u, v);
            return TileImage::scaled(color, tone);
        },
        false);
}

QImage fabric1()
{
    // Linen: coarse plain weave with slubby threads.
    Cloth linen;
    linen.seed = 808;
    linen.threadWidth = 4;
    linen.weave = Weave::Plain;
    linen.warp = QColor(0xB8, 0xAC, 0x9B);
    linen.weft = QColor(0xAE, 0xA2, 0x90);
    linen.slubs = 0.35;
    linen.threadVariation = 0.1;
    return cloth(linen);
}

QImage fabric2()
{
    // Basket weave in Indian red.
    Cloth basket;
    basket.seed = 909;
    basket.threadWidth = 4;
    basket.weave = Weave::Basket;
    basket.warp = QColor(0xDC, 0x66, 0x64);
    basket.weft = QColor(0xCF, 0x5A, 0x5A);
    basket.slubs = 0.15;
    return cloth(basket);
}

QImage fabric3()
{
    // Twill with a dark warp and a lighter weft: diagonal ribs like denim.
    Cloth twill;
    twill.seed = 1010;
    twill.threadWidth = 4;
    twill.weave = Weave::Twill;
    twill.warp = QColor(0x4E, 0x70, 0x7A);
    twill.weft = QColor(0x86, 0xA2, 0xA8);
    twill.slubs = 0.2;
    return cloth(twill);
}

QImage tablecloth()
{
    // Gingham: coloured threads in every other band of both directions.
    Cloth gingham;
    gingham.seed = 1111;
    gingham.threadWidth = 2;
    gingham.weave = Weave::Plain;
    gingham.warp = QColor(0xFF, 0xFE, 0xFC);
    gingham.weft = QColor(0xFF, 0xFC, 0xFA);
    gingham.checkThreads = 8;
    gingham.checkColor = QColor(0xFA, 0x98, 0xA0);
    gingham.slubs = 0.1;
    gingham.threadVariation = 0.04;
    return cloth(gingham);
}

} // namespace TextilePatterns
