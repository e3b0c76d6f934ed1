#include "EighthScalePicture.h"

#include "ForEachPart.h"
#include "HugePageMemory.h"
#include "JpegHeader.h"
#include "ReducedBlockTransform.h"
#include "SampleLimit.h"
#include "ScanUnitDecoder.h"

#include <algorithm>
#include <vector>

namespace {

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

// A block's one pixel: its DC value dequantised and divided by 8, rounded.
uint8_t dcSample(int16_t dc, int quant)
{
    return sampleLimit(int(descaled(int64_t(dc) * quant, 3)));
}

// A picture on huge pages: a photo's eighth takes a megabyte or two, a fault for every
// 4 KB of it otherwise.
QImage onHugePages(int width, int height, QImage::Format format)
{
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    const qsizetype bytesPerLine = (qsizetype(width) * depth + 31) / 32 * 4;
    auto* memory = new HugePageMemory;
    if (width <= 0 || height <= 0 || !memory->allocate(size_t(bytesPerLine) * size_t(height))) {
        delete memory;
        return QImage(width, height, format);
    }
    return QImage(static_cast<uchar*>(memory->data()), width, height, bytesPerLine, format,
                  [](void* held) { delete static_cast<HugePageMemory*>(held); }, memory);
}

} // namespace

QImage EighthScalePicture::render(const JpegHeader& header, const int16_t* dc, const int32_t* terms, int threads)
{
    static const ColourTables colour;
    const QSize eighth = header.eighthSize();
    const int width = eighth.width();
    const int height = eighth.height();
    const int across = header.mcusAcross();

    if (header.componentCount == 1) {
        QImage image = onHugePages(width, height, QImage::Format_Grayscale8);
        if (image.isNull())
            return image;
        const int quant = header.quant[size_t(header.components[0].quantTable)][0];
        for (int y = 0; y < height; ++y) {
            uchar* line = image.scanLine(y);
            const int16_t* row = dc + size_t(y) * size_t(across);
            for (int x = 0; x < width; ++x)
                line[x] = dcSample(row[x], quant);
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
    QImage image = onHugePages(width, height, QImage::Format_RGB32);
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
                    const int32_t* blue = terms + unit * 2 * ScanUnitDecoder::termsPerBlock;
                    const int32_t* red = blue + ScanUnitDecoder::termsPerBlock;
                    for (int i = 0; i < 4; ++i) {
                        const size_t at = size_t((i >> 1) * planeWidth + unitColumn * 2 + (i & 1));
                        if (!ReducedBlockTransform::sample(blocksOfUnit[4], cbQuant[0], blue[i], &cb[at])
                            || !ReducedBlockTransform::sample(blocksOfUnit[5], crQuant[0], red[i], &cr[at])) {
                            partFailed[size_t(part)] = 1;
                            return;
                        }
                    }
                } else {
                    // One chroma pixel per unit, spread over the unit's luma pixels.
                    const uint8_t blue = dcSample(blocksOfUnit[blocks - 2], cbQuant[0]);
                    const uint8_t red = dcSample(blocksOfUnit[blocks - 1], crQuant[0]);
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
                    const int luma = dcSample(blocksOfUnit[x & wide], lumaQuant);
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
