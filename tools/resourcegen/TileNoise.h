#pragma once

#include <QVector>

#include <cstdint>

// Value noise on a lattice that wraps around, so a texture sampled over one
// period joins itself seamlessly on every side. Deterministic for a seed.
class TileNoise
{
public:
    // cellsX x cellsY lattice cells over one period.
    TileNoise(uint32_t seed, int cellsX, int cellsY);

    // Smooth value in [0, 1] at (u, v), both in periods (1.0 = one whole tile).
    double value(double u, double v) const;

private:
    double lattice(int x, int y) const;

    int cellsX;
    int cellsY;
    QVector<double> values;
};

// Several octaves of TileNoise, each with twice the cells of the one before.
class TileFbm
{
public:
    TileFbm(uint32_t seed, int cellsX, int cellsY, int octaves, double persistence = 0.5);

    // Normalised to about [0, 1].
    double value(double u, double v) const;

private:
    QVector<TileNoise> layers;
    QVector<double> weights;
};

// Cell noise: one random point per cell of a wrapping grid; distances are in
// cell units.
class TileCells
{
public:
    TileCells(uint32_t seed, int cellsX, int cellsY);

    struct Sample
    {
        double nearest = 0.0;     // distance to the nearest point
        double second = 0.0;      // distance to the second nearest
        int cellX = 0;            // cell of the nearest point
        int cellY = 0;
        double offsetX = 0.0;     // vector from the nearest point to the sample
        double offsetY = 0.0;
    };

    Sample sample(double u, double v) const;
    // A stable random number in [0, 1) for a cell.
    double cellRandom(int x, int y, uint32_t salt = 0) const;

private:
    uint32_t seed;
    int cellsX;
    int cellsY;
    QVector<double> pointsX;
    QVector<double> pointsY;
};

// A stable hash for any number of integers.
uint32_t hashInts(uint32_t seed, int a, int b = 0, int c = 0);
double hashUnit(uint32_t seed, int a, int b = 0, int c = 0);
