#include "EighthScalePicture.h"

#include "ForEachPart.h"
#include "JpegHeader.h"
#include "ScanUnitDecoder.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// The decoder keeps its samples centred on zero in 10 bits after the inverse
// transform: a value wraps modulo 1024 as a signed number, then moves up by 128 and
// is clamped to 0..255.
struct SampleLimit
{
    uint8_t table[1024];
    SampleLimit()
    {
        for (int i = 0; i < 1024; ++i) {
            const int value = (i < 512 ? i : i - 1024) + 128;
            table[i] = uint8_t(std::clamp(value, 0, 255));
        }
    }
    uint8_t operator()(int value) const { return table[value & 1023]; }
};

// JFIF's YCbCr to RGB in 16-bit fixed point, rounded as the decoder rounds.
struct ColourTables
{
    int crToRed[256];
    int cbToBlue[256];
    int crToGreen[256];
    int cbToGreen[256];
    ColourTables()
    {
        const auto fixed = [](double value) { return int(value * 65536 + 0.5); };
        constexpr int half = 1 << 15;
        for (int i = 0; i < 256; ++i) {
            const int x = i - 128;
            crToRed[i] = (fixed(1.40200) * x + half) >> 16;
            cbToBlue[i] = (fixed(1.77200) * x + half) >> 16;
            crToGreen[i] = -fixed(0.71414) * x;
            cbToGreen[i] = -fixed(0.34414) * x + half;
        }
    }
};

uint8_t clamped(int value)
{
    return uint8_t(std::clamp(value, 0, 255));
}

int descaled(int64_t value, int bits)
{
    return int((value + (int64_t(1) << (bits - 1))) >> bits);
}

// A block's one pixel: its DC value dequantised and divided by 8, rounded.
uint8_t dcSample(const SampleLimit& limit, int16_t dc, int quant)
{
    return limit(descaled(int64_t(dc) * quant, 3));
}

// The 2x2 reduced inverse transform. It reads rows and columns 0, 1, 3, 5 and 7 of
// the coefficients; the odd ones weigh in with sqrt(2) times sums of the cosines
// c(k) = cos(k pi / 16), in 13-bit fixed point, and two bits are kept between the
// passes. False when a dequantised value is beyond what 16-bit arithmetic in the
// decoder handles the same.
bool reducedBlock(const SampleLimit& limit, int16_t dc, const int16_t* kept, const std::array<uint16_t, 64>& quant,
                  uint8_t out[2][2])
{
    constexpr int64_t w1 = 29692;  // sqrt(2) ( c1 + c3 + c5 + c7)
    constexpr int64_t w3 = -10426; // sqrt(2) (-c1 + c3 - c5 - c7)
    constexpr int64_t w5 = 6967;   // sqrt(2) (-c1 + c3 + c5 + c7)
    constexpr int64_t w7 = -5906;  // sqrt(2) ( c7 - c5 + c3 - c1)
    constexpr int mostDequantised = 2047;
    constexpr int used[5] = {0, 1, 3, 5, 7};

    const int dequantisedDc = dc * quant[0];
    if (std::abs(dequantisedDc) > mostDequantised)
        return false;
    int anyAc = 0;
    for (int i = 0; i < ScanUnitDecoder::keptCoefficients; ++i)
        anyAc |= kept[i];
    if (!anyAc) {
        // The two passes of a block of DC alone come to one rounding.
        const uint8_t sample = limit(descaled(int64_t(dequantisedDc) * 4, 5));
        out[0][0] = out[0][1] = out[1][0] = out[1][1] = sample;
        return true;
    }

    // The coefficients read, dequantised: [row][column] over rows and columns 0, 1, 3, 5, 7.
    int64_t coefficient[5][5];
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c) {
            const int natural = used[r] * 8 + used[c];
            const int value = natural == 0 ? dc : kept[r * 5 + c - 1];
            const int dequantised = value * quant[size_t(natural)];
            if (std::abs(dequantised) > mostDequantised)
                return false;
            coefficient[r][c] = dequantised;
        }
    int64_t work[2][5];
    for (int c = 0; c < 5; ++c) {
        const int64_t even = coefficient[0][c] * 32768;
        const int64_t odd =
            coefficient[1][c] * w1 + coefficient[2][c] * w3 + coefficient[3][c] * w5 + coefficient[4][c] * w7;
        work[0][c] = descaled(even + odd, 13);
        work[1][c] = descaled(even - odd, 13);
    }
    for (int row = 0; row < 2; ++row) {
        const int64_t even = work[row][0] * 32768;
        const int64_t odd = work[row][1] * w1 + work[row][2] * w3 + work[row][3] * w5 + work[row][4] * w7;
        out[row][0] = limit(descaled(even + odd, 20));
        out[row][1] = limit(descaled(even - odd, 20));
    }
    return true;
}

} // namespace

QImage EighthScalePicture::render(const JpegHeader& header, const int16_t* dc, const int16_t* ac, int threads)
{
    static const SampleLimit limit;
    static const ColourTables colour;
    const int width = (header.width + 7) / 8;
    const int height = (header.height + 7) / 8;
    const int across = header.mcusAcross();

    if (header.componentCount == 1) {
        QImage image(width, height, QImage::Format_Grayscale8);
        if (image.isNull())
            return image;
        const int quant = header.quant[size_t(header.components[0].quantTable)][0];
        for (int y = 0; y < height; ++y) {
            uchar* line = image.scanLine(y);
            const int16_t* row = dc + size_t(y) * size_t(across);
            for (int x = 0; x < width; ++x)
                line[x] = dcSample(limit, row[x], quant);
        }
        return image;
    }

    // Luma sampled 2x1 or 2x2 has two luma pixels across per unit.
    const int wide = header.components[0].h == 2 ? 1 : 0;
    const int v = header.components[0].v;
    const int blocks = (1 << wide) * v + 2;
    const bool reduced = v == 2;
    const int lumaQuant = header.quant[size_t(header.components[0].quantTable)][0];
    const std::array<uint16_t, 64>& cbQuant = header.quant[size_t(header.components[1].quantTable)];
    const std::array<uint16_t, 64>& crQuant = header.quant[size_t(header.components[2].quantTable)];
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return image;

    // A row of units at a time: chroma at the eighth-scale grid, then the pixels.
    const int unitRows = (height + v - 1) / v;
    const int parts = std::max(1, std::min(threads, unitRows / 16));
    std::vector<char> partFailed(size_t(parts), 0);
    forEachPart(parts, parts, [&](int part) {
        const int planeWidth = across << wide;
        std::vector<uint8_t> cb(size_t(planeWidth) * size_t(v));
        std::vector<uint8_t> cr(cb.size());
        for (int unitRow = unitRows * part / parts; unitRow < unitRows * (part + 1) / parts; ++unitRow) {
            const size_t firstUnit = size_t(unitRow) * size_t(across);
            for (int unitColumn = 0; unitColumn < across; ++unitColumn) {
                const size_t unit = firstUnit + size_t(unitColumn);
                const int16_t* blocksOfUnit = dc + unit * size_t(blocks);
                if (reduced) {
                    const int16_t* kept = ac + unit * 2 * ScanUnitDecoder::keptCoefficients;
                    uint8_t blue[2][2], red[2][2];
                    if (!reducedBlock(limit, blocksOfUnit[4], kept, cbQuant, blue)
                        || !reducedBlock(limit, blocksOfUnit[5], kept + ScanUnitDecoder::keptCoefficients, crQuant,
                                         red)) {
                        partFailed[size_t(part)] = 1;
                        return;
                    }
                    for (int dy = 0; dy < 2; ++dy)
                        for (int dx = 0; dx < 2; ++dx) {
                            cb[size_t(dy * planeWidth + unitColumn * 2 + dx)] = blue[dy][dx];
                            cr[size_t(dy * planeWidth + unitColumn * 2 + dx)] = red[dy][dx];
                        }
                } else {
                    // One chroma pixel per unit, spread over the unit's luma pixels.
                    const uint8_t blue = dcSample(limit, blocksOfUnit[blocks - 2], cbQuant[0]);
                    const uint8_t red = dcSample(limit, blocksOfUnit[blocks - 1], crQuant[0]);
                    for (int dx = 0; dx <= wide; ++dx) {
                        cb[size_t((unitColumn << wide) + dx)] = blue;
                        cr[size_t((unitColumn << wide) + dx)] = red;
                    }
                }
            }
            for (int dy = 0; dy < v && unitRow * v + dy < height; ++dy) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(unitRow * v + dy));
                const uint8_t* blueRow = cb.data() + size_t(reduced ? dy * planeWidth : 0);
                const uint8_t* redRow = cr.data() + size_t(reduced ? dy * planeWidth : 0);
                const int16_t* unitRowBlocks = dc + firstUnit * size_t(blocks) + size_t(dy << wide);
                for (int x = 0; x < width; ++x) {
                    const int16_t* blocksOfUnit = unitRowBlocks + size_t(x >> wide) * size_t(blocks);
                    const int luma = dcSample(limit, blocksOfUnit[x & wide], lumaQuant);
                    const int blue = blueRow[x];
                    const int red = redRow[x];
                    line[x] = qRgb(clamped(luma + colour.crToRed[red]),
                                   clamped(luma + ((colour.cbToGreen[blue] + colour.crToGreen[red]) >> 16)),
                                   clamped(luma + colour.cbToBlue[blue]));
                }
            }
        }
    });
    if (std::find(partFailed.begin(), partFailed.end(), 1) != partFailed.end())
        return QImage();
    return image;
}
