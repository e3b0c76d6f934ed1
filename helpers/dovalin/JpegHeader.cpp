#include "JpegHeader.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

// The largest side a JPEG decoder takes.
constexpr int mostSide = 65500;

int word(const uint8_t* data)
{
    return qFromBigEndian<quint16>(data);
}

bool startsWith(const uint8_t* data, int length, const char* text, int textLength)
{
    return length >= textLength && std::memcmp(data, text, size_t(textLength)) == 0;
}

} // namespace

int JpegHeader::maxH() const
{
    int most = 1;
    for (int c = 0; c < componentCount; ++c)
        most = std::max(most, components[size_t(c)].h);
    return most;
}

int JpegHeader::maxV() const
{
    int most = 1;
    for (int c = 0; c < componentCount; ++c)
        most = std::max(most, components[size_t(c)].v);
    return most;
}

// A scan of one component has one block per unit, whatever its sampling.
int JpegHeader::mcusAcross() const
{
    const int step = componentCount == 1 ? 8 : 8 * maxH();
    return (width + step - 1) / step;
}

int JpegHeader::mcusDown() const
{
    const int step = componentCount == 1 ? 8 : 8 * maxV();
    return (height + step - 1) / step;
}

bool JpegHeader::parse(const QByteArray& file)
{
    const auto* data = reinterpret_cast<const uint8_t*>(file.constData());
    const int size = file.size();
    if (size < 4 || data[0] != 0xFF || data[1] != 0xD8)
        return false;
    int at = 2;
    while (at + 4 <= size) {
        if (data[at] != 0xFF)
            return false;
        // Fill bytes before a marker.
        while (at + 1 < size && data[at + 1] == 0xFF)
            ++at;
        if (at + 4 > size)
            return false;
        const uint8_t marker = data[at + 1];
        const int length = word(data + at + 2);
        if (length < 2 || at + 2 + length > size)
            return false;
        const uint8_t* segment = data + at + 4;
        const int bytes = length - 2;
        switch (marker) {
        case 0xC0: // baseline
        case 0xC1: // extended sequential, Huffman
            if (sawFrame || !readFrame(segment, bytes))
                return false;
            break;
        case 0xC4:
            if (!readHuffmanTables(segment, bytes))
                return false;
            break;
        case 0xDB:
            if (!readQuantTables(segment, bytes))
                return false;
            break;
        case 0xDD:
            // The JPEG decoder stops at a restart interval segment of another length.
            if (bytes != 2)
                return false;
            restartInterval = word(segment);
            break;
        case 0xDA:
            scanStart = at + 2 + length;
            return readScan(segment, bytes);
        case 0xE0:
            // As the decoder reads it: the JFIF identifier followed by a whole header.
            if (startsWith(segment, bytes, "JFIF\0", 5) && bytes >= 14) {
                sawJfif = true;
                densityUnit = segment[7];
                densityX = word(segment + 8);
                densityY = word(segment + 10);
            }
            break;
        case 0xE2:
            // A colour profile becomes the picture's colour space.
            if (startsWith(segment, bytes, "ICC_PROFILE\0", 12))
                return false;
            break;
        case 0xEE:
            if (startsWith(segment, bytes, "Adobe", 5) && bytes >= 12) {
                sawAdobe = true;
                adobeTransform = segment[11];
            }
            break;
        case 0xFE: // a comment becomes the picture's text
            return false;
        default:
            // Other application segments are skipped. The rest is not ours: other frame
            // types (progressive, lossless, arithmetic), a scan-less end, markers that
            // carry no length, and the reserved ones, at which the JPEG decoder stops.
            if (marker < 0xE0 || marker > 0xEF)
                return false;
            break;
        }
        at += 2 + length;
    }
    return false;
}

bool JpegHeader::readFrame(const uint8_t* data, int length)
{
    if (length < 6)
        return false;
    const int precision = data[0];
    height = word(data + 1);
    width = word(data + 3);
    componentCount = data[5];
    if (precision != 8 || width <= 0 || height <= 0 || width > mostSide || height > mostSide
        || (componentCount != 1 && componentCount != 3) || length != 6 + 3 * componentCount)
        return false;
    for (int c = 0; c < componentCount; ++c) {
        const uint8_t* entry = data + 6 + 3 * c;
        Component& component = components[size_t(c)];
        ids[size_t(c)] = entry[0];
        component.h = entry[1] >> 4;
        component.v = entry[1] & 15;
        component.quantTable = entry[2];
        // The JPEG decoder refuses sampling factors beyond 1..4, also for gray.
        if (component.quantTable > 3 || component.h < 1 || component.v < 1 || component.h > 4 || component.v > 4)
            return false;
    }
    if (componentCount == 3) {
        // Luma 1x1, 2x1 or 2x2; chroma 1x1.
        const Component& luma = components[0];
        const bool lumaTaken = (luma.h == 1 && luma.v == 1) || (luma.h == 2 && luma.v == 1)
                               || (luma.h == 2 && luma.v == 2);
        for (int c = 1; c < 3; ++c)
            if (components[size_t(c)].h != 1 || components[size_t(c)].v != 1)
                return false;
        if (!lumaTaken)
            return false;
    }
    sawFrame = true;
    return true;
}

bool JpegHeader::readQuantTables(const uint8_t* data, int length)
{
    int at = 0;
    while (at < length) {
        const int precision = data[at] >> 4;
        const int id = data[at] & 15;
        // 16-bit tables are rare and would overflow the decoder's 16-bit arithmetic.
        if (precision != 0 || id > 3 || at + 65 > length)
            return false;
        for (int k = 0; k < 64; ++k)
            quant[size_t(id)][zigzagToNatural[k]] = data[at + 1 + k];
        quantDefined[size_t(id)] = true;
        at += 65;
    }
    return true;
}

bool JpegHeader::readHuffmanTables(const uint8_t* data, int length)
{
    int at = 0;
    while (at < length) {
        if (at + 17 > length)
            return false;
        const int tableClass = data[at] >> 4;
        const int id = data[at] & 15;
        if (tableClass > 1 || id > 3)
            return false;
        const uint8_t* counts = data + at + 1;
        int total = 0;
        for (int i = 0; i < 16; ++i)
            total += counts[i];
        if (total > 256 || at + 17 + total > length)
            return false;
        HuffmanTable& table = tableClass == 0 ? dcTables[size_t(id)] : acTables[size_t(id)];
        if (!table.build(counts, data + at + 17, total, tableClass == 0))
            return false;
        (tableClass == 0 ? dcDefined : acDefined)[size_t(id)] = true;
        at += 17 + total;
    }
    return true;
}

bool JpegHeader::readScan(const uint8_t* data, int length)
{
    if (!sawFrame || length < 1)
        return false;
    const int count = data[0];
    if (count != componentCount || length != 4 + 2 * count)
        return false;
    for (int c = 0; c < count; ++c) {
        // The scan names the frame's components in the frame's order.
        if (data[1 + 2 * c] != ids[size_t(c)])
            return false;
        Component& component = components[size_t(c)];
        component.dcTable = data[2 + 2 * c] >> 4;
        component.acTable = data[2 + 2 * c] & 15;
        if (component.dcTable > 3 || component.acTable > 3 || !dcDefined[size_t(component.dcTable)]
            || !acDefined[size_t(component.acTable)] || !quantDefined[size_t(component.quantTable)])
            return false;
    }
    // Spectral selection 0..63 and no successive approximation: a sequential scan.
    const uint8_t* tail = data + 1 + 2 * count;
    if (tail[0] != 0 || tail[1] != 63 || tail[2] != 0)
        return false;
    return componentCount == 1 || isYCbCr();
}

// How a JPEG decoder reads the colour space of three components.
bool JpegHeader::isYCbCr() const
{
    if (sawJfif)
        return true;
    if (sawAdobe)
        return adobeTransform == 1;
    return ids[0] == 1 && ids[1] == 2 && ids[2] == 3;
}
