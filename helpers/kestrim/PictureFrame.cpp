#include "PictureFrame.h"

#include <QtEndian>

#include <cstring>

static const quint32 FRAME_MAGIC = 0x4b504943; // "KPIC"

QByteArray PictureFrame::encode(const QImage& image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    QByteArray bytes(HEADER_BYTES, '\0');
    qToBigEndian<quint32>(FRAME_MAGIC, bytes.data());
    qToBigEndian<quint32>(quint32(pixels.width()), bytes.data() + 4);
    qToBigEndian<quint32>(quint32(pixels.height()), bytes.data() + 8);
    // ARGB32 rows are exactly width * 4 bytes, so the pixels are one block.
    bytes.append(reinterpret_cast<const char*>(pixels.constBits()), int(pixels.sizeInBytes()));
    return bytes;
}

PictureFrame::PictureFrame(const QSize& maxSize)
    : maxSize(maxSize)
{
}

PictureFrame::State PictureFrame::feed(const QByteArray& bytes)
{
    if (currentState != Incomplete)
        return currentState = bytes.isEmpty() ? currentState : Invalid;
    buffer.append(bytes);
    if (expectedBytes < 0 && buffer.size() >= HEADER_BYTES) {
        const quint32 magic = qFromBigEndian<quint32>(buffer.constData());
        const quint32 width = qFromBigEndian<quint32>(buffer.constData() + 4);
        const quint32 height = qFromBigEndian<quint32>(buffer.constData() + 8);
        if (magic != FRAME_MAGIC || width == 0 || height == 0 || width > quint32(maxSize.width())
            || height > quint32(maxSize.height()))
            return currentState = Invalid;
        expectedBytes = HEADER_BYTES + qint64(width) * height * 4;
        picture = QImage(int(width), int(height), QImage::Format_ARGB32);
        if (picture.isNull())
            return currentState = Invalid;
    }
    if (expectedBytes < 0 || buffer.size() < expectedBytes)
        return currentState;
    if (buffer.size() > expectedBytes)
        return currentState = Invalid;
    std::memcpy(picture.bits(), buffer.constData() + HEADER_BYTES, size_t(expectedBytes - HEADER_BYTES));
    buffer.clear();
    return currentState = Complete;
}
