#include "JpegFrame.h"

#include <QIODevice>

#include <algorithm>

namespace {

// A block of 64 coefficients of two bytes each.
constexpr qint64 blockBytes = 128;
// Four components (CMYK) is the most the decoder takes.
constexpr int mostComponents = 4;
// Headers beyond this many segments before the first scan are not worth reading.
constexpr int mostSegments = 4096;

qint64 roundedUp(qint64 value, qint64 step)
{
    return (value + step - 1) / step * step;
}

bool isFrameMarker(quint8 marker)
{
    // SOF0 to SOF15 except DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Only baseline and extended sequential frames (SOF0, SOF1, SOF9) can be decoded
// without the whole image's coefficients; progressive, lossless and hierarchical
// ones are counted as keeping them.
bool isSequential(quint8 marker)
{
    return marker == 0xC0 || marker == 0xC1 || marker == 0xC9;
}

// Reads the headers from where the device stands.
class MarkerReader
{
public:
    explicit MarkerReader(QIODevice* device)
        : device(device)
    {
    }

    bool byte(quint8* value)
    {
        char c = 0;
        if (!device->getChar(&c))
            return false;
        *value = quint8(c);
        return true;
    }

    bool word(int* value)
    {
        quint8 high = 0, low = 0;
        if (!byte(&high) || !byte(&low))
            return false;
        *value = high << 8 | low;
        return true;
    }

    // The next marker code, past any fill bytes.
    bool marker(quint8* code)
    {
        quint8 value = 0;
        if (!byte(&value) || value != 0xFF)
            return false;
        do {
            if (!byte(&value))
                return false;
        } while (value == 0xFF);
        *code = value;
        return true;
    }

    bool skip(qint64 bytes) { return device->seek(device->pos() + bytes) && !device->atEnd(); }

private:
    QIODevice* device;
};

} // namespace

JpegFrame JpegFrame::inspect(QIODevice* device)
{
    JpegFrame frame;
    if (!device || !device->isReadable() || device->isSequential())
        return frame;
    const qint64 start = device->pos();
    MarkerReader in(device);

    quint8 code = 0;
    int frameComponents = 0;
    bool sawFrame = false;
    if (in.marker(&code) && code == 0xD8) {
        for (int segment = 0; segment < mostSegments && in.marker(&code); ++segment) {
            // Markers without a length: restart markers, TEM and a repeated SOI.
            if ((code >= 0xD0 && code <= 0xD8) || code == 0x01)
                continue;
            int length = 0;
            if (code == 0xD9 || !in.word(&length) || length < 2)
                break;
            if (isFrameMarker(code)) {
                quint8 precision = 0, count = 0;
                int height = 0, width = 0;
                if (!in.byte(&precision) || !in.word(&height) || !in.word(&width) || !in.byte(&count) || count == 0
                    || count > mostComponents || length != 8 + 3 * count)
                    break;
                quint8 sampling[mostComponents] = {};
                bool complete = true;
                for (int c = 0; c < count && complete; ++c) {
                    quint8 id = 0, table = 0;
                    complete = in.byte(&id) && in.byte(&sampling[c]) && in.byte(&table);
                }
                if (!complete)
                    break;
                int hMax = 1, vMax = 1;
                for (int c = 0; c < count; ++c) {
                    hMax = std::max(hMax, sampling[c] >> 4);
                    vMax = std::max(vMax, sampling[c] & 0x0F);
                }
                // As the decoder lays out its buffer: blocks of each component's own
                // size, rounded up to whole units of its sampling factors.
                qint64 bytes = 0;
                for (int c = 0; c < count; ++c) {
                    const int h = std::max(1, sampling[c] >> 4);
                    const int v = std::max(1, sampling[c] & 0x0F);
                    const qint64 across = (qint64(width) * h + qint64(hMax) * 8 - 1) / (qint64(hMax) * 8);
                    const qint64 down = (qint64(height) * v + qint64(vMax) * 8 - 1) / (qint64(vMax) * 8);
                    bytes += roundedUp(across, h) * roundedUp(down, v) * blockBytes;
                }
                frame.coefficients = bytes;
                frame.wholeImage = !isSequential(code);
                frameComponents = count;
                sawFrame = true;
                continue;
            }
            if (code == 0xDA) {
                quint8 scanComponents = 0;
                if (sawFrame && in.byte(&scanComponents)) {
                    frame.known = true;
                    frame.wholeImage = frame.wholeImage || scanComponents < frameComponents;
                }
                break;
            }
            if (!in.skip(length - 2))
                break;
        }
    }
    device->seek(start);
    return frame;
}

qint64 JpegFrame::coefficientBytes(const QSize& size) const
{
    if (known)
        return wholeImage ? coefficients : 0;
    const qint64 blocks = ((qint64(qMax(0, size.width())) + 7) / 8) * ((qint64(qMax(0, size.height())) + 7) / 8);
    return qMax(coefficients, blocks * blockBytes * mostComponents);
}
