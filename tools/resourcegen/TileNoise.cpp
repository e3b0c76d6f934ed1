#include "TileNoise.h"

#include <cmath>
#include <limits>

uint32_t hashInts(uint32_t seed, int a, int b, int c)
{
    uint32_t h = seed * 0x9E3779B1u;
    for (const int value : {a, b, c}) {
        h ^= static_cast<uint32_t>(value) + 0x7F4A7C15u + (h << 6) + (h >> 2);
        h *= 0x85EBCA6Bu;
        h ^= h >> 13;
        h *= 0xC2B2AE35u;
        h ^= h >> 16;
    }
    return h;
}

double hashUnit(uint32_t seed, int a, int b, int c)
{
    return hashInts(seed, a, b, c) / 4294967296.0;
}

namespace {

int wrap(int value, int period)
{
    const int r = value % period;
    return r < 0 ? r + period : r;
}

double fade(double t)
{
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

} // namespace

TileNoise::TileNoise(uint32_t seed, int cellsX, int cellsY)
    : cellsX(cellsX)
    , cellsY(cellsY)
{
    values.resize(cellsX * cellsY);
    for (int y = 0; y < cellsY; ++y) {
        for (int x = 0; x < cellsX; ++x)
            values[y * cellsX + x] = hashUnit(seed, x, y);
    }
}

double TileNoise::lattice(int x, int y) const
{
    return values[wrap(y, cellsY) * cellsX + wrap(x, cellsX)];
}

double TileNoise::value(double u, double v) const
{
    const double x = u * cellsX;
    const double y = v * cellsY;
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = fade(x - x0);
    const double fy = fade(y - y0);
    const double top = lattice(x0, y0) + (lattice(x0 + 1, y0) - lattice(x0, y0)) * fx;
    const double bottom = lattice(x0, y0 + 1) + (lattice(x0 + 1, y0 + 1) - lattice(x0, y0 + 1)) * fx;
    return top + (bottom - top) * fy;
}

TileFbm::TileFbm(uint32_t seed, int cellsX, int cellsY, int octaves, double persistence)
{
    double weight = 1.0;
    double total = 0.0;
    for (int i = 0; i < octaves; ++i) {
        layers.append(TileNoise(seed + 977u * i, cellsX << i, cellsY << i));
        weights.append(weight);
        total += weight;
        weight *= persistence;
    }
    for (double& w : weights)
        w /= total;
}

double TileFbm::value(double u, double v) const
{
    double sum = 0.0;
    for (int i = 0; i < layers.size(); ++i)
        sum += layers[i].value(u, v) * weights[i];
    return sum;
}

TileCells::TileCells(uint32_t seed, int cellsX, int cellsY)
    : seed(seed)
    , cellsX(cellsX)
    , cellsY(cellsY)
{
    pointsX.resize(cellsX * cellsY);
    pointsY.resize(cellsX * cellsY);
    for (int y = 0; y < cellsY; ++y) {
        for (int x = 0; x < cellsX; ++x) {
            pointsX[y * cellsX + x] = 0.1 + 0.8 * hashUnit(seed, x, y, 1);
            pointsY[y * cellsX + x] = 0.1 + 0.8 * hashUnit(seed, x, y, 2);
        }
    }
}

double TileCells::cellRandom(int x, int y, uint32_t salt) const
{
    return hashUnit(seed + 31u * salt + 7u, wrap(x, cellsX), wrap(y, cellsY), 3);
}

TileCells::Sample TileCells::sample(double u, double v) const
{
    const double x = u * cellsX;
    const double y = v * cellsY;
    const int cx = static_cast<int>(std::floor(x));
    const int cy = static_cast<int>(std::floor(y));
    Sample s;
    s.nearest = std::numeric_limits<double>::max();
    s.second = std::numeric_limits<double>::max();
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const int gx = cx + dx;
            const int gy = cy + dy;
            const int index = wrap(gy, cellsY) * cellsX + wrap(gx, cellsX);
            const double px = gx + pointsX[index];
            const double py = gy + pointsY[index];
            const double d = std::hypot(x - px, y - py);
            if (d < s.nearest) {
                s.second = s.nearest;
                s.nearest = d;
                s.cellX = wrap(gx, cellsX);
                s.cellY = wrap(gy, cellsY);
                s.offsetX = x - px;
                s.offsetY = y - py;
            } else if (d < s.second) {
                s.second = d;
            }
        }
    }
    return s;
}
