#pragma once

#include <QColor>
#include <QImage>

#include <cstdint>

// Woven cloth drawn thread by thread: plain, basket and twill weaves and a
// gingham check.
namespace TextilePatterns {

enum class Weave { Plain, Basket, Twill };

struct Cloth
{
    uint32_t seed = 1;
    int threadWidth = 4;       // pixels per thread; divides the tile
    Weave weave = Weave::Plain;
    QColor warp;               // vertical threads
    QColor weft;               // horizontal threads
    double slubs = 0.1;        // thickness changes along a thread
    double threadVariation = 0.08;
    // Gingham: threads in every other band of `checkThreads` threads take this colour.
    int checkThreads = 0;
    QColor checkColor;
};

QImage cloth(const Cloth& cloth);

QImage fabric1();
QImage fabric2();
QImage fabric3();
QImage tablecloth();

} // namespace TextilePatterns
