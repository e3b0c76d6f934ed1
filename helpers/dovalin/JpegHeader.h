#pragma once

#include "HuffmanTable.h"

#include <QByteArray>
#include <QSize>

#include <array>
#include <cstdint>

// The markers of a JPEG file up to its first scan, read for the eighth-scale decoder.
// `parse` accepts only what that decoder reproduces exactly: one baseline or extended
// sequential Huffman scan of 8-bit samples holding every component, gray or YCbCr
// with the luma sampled 1x1, 2x1 or 2x2 against chroma 1x1, 8-bit quantisation
// tables, no colour profile and no comment (the image reader would carry them into
// the picture). Anything else is left to the image reader.
class JpegHeader
{
public:
    static constexpr int mostComponents = 3;
    // Position k of the zigzag scan in natural (row by row) order.
    static constexpr uint8_t zigzagToNatural[64] = {
        0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
        41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
        30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
    };

    struct Component
    {
        int h = 1;
        int v = 1;
        int quantTable = 0;
        int dcTable = 0;
        int acTable = 0;
    };

    // False when the file is not one the decoder takes.
    bool parse(const QByteArray& file);

    int width = 0;
    int height = 0;
    int componentCount = 0;
    std::array<Component, mostComponents> components;
    // Quantisation values in natural (row by row) order.
    std::array<std::array<uint16_t, 64>, 4> quant{};
    std::array<HuffmanTable, 4> dcTables;
    std::array<HuffmanTable, 4> acTables;
    int restartInterval = 0;
    // Where the entropy-coded data of the scan starts.
    int scanStart = 0;
    // The JFIF density: 0 none, 1 dots per inch, 2 dots per centimetre.
    int densityUnit = 0;
    int densityX = 1;
    int densityY = 1;

    int maxH() const;
    int maxV() const;
    int mcusAcross() const;
    int mcusDown() const;
    // The picture's size at an eighth, each side rounded up.
    QSize eighthSize() const { return QSize((width + 7) / 8, (height + 7) / 8); }

private:
    bool readFrame(const uint8_t* data, int length);
    bool readQuantTables(const uint8_t* data, int length);
    bool readHuffmanTables(const uint8_t* data, int length);
    bool readScan(const uint8_t* data, int length);
    bool isYCbCr() const;

    std::array<int, mostComponents> ids{};
    std::array<bool, 4> quantDefined{};
    std::array<bool, 4> dcDefined{};
    std::array<bool, 4> acDefined{};
    bool sawFrame = false;
    bool sawJfif = false;
    bool sawAdobe = false;
    int adobeTransform = 0;
};
