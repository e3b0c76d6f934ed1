#include "PictureFrame.h"

#include <QtEndian>

#include <cstring>

namespace {

const quint32 FRAME_MAGIC = 0x48504943; // "HPIC"

// The formats a frame keeps; any other travels as ARGB32.
bool isKept(QImage::Format format)
{
    return format == QImage::Format_Grayscale8 || format == QImage::Format_RGB32 || format == QImage::Format_ARGB32;
}

// The bytes of one row in the frame: the pixels alone, without the picture's padding.
qint64 rowBytes(int width, QImage::Format format)
{
    return format == QImage::Format_Grayscale8 ? width : qint64(width) * 4;
}

} // namespace

QByteArray PictureFrame::encode(const QImage& image)
{
    const QImage pixels = isKept(image.format()) ? image : image.convertToFormat(QImage::Format_ARGB32);
    const int width = pixels.width();
    const qint64 row = rowBytes(width, pixels.format());
    QByteArray bytes(HEADER_BYTES, '\0');
    qToBigEndian<quint32>(FRAME_MAGIC, bytes.data());
    qToBigEndian<quint32>(quint32(pixels.format()), bytes.data() + 4);
    qToBigEndian<quint32>(quint32(width), bytes.data() + 8);
    qToBigEndian<quint32>(quint32(pixels.height()), bytes.data() + 12);
    qToBigEndian<qint32>(pixels.dotsPerMeterX(), bytes.data() + 16);
    qToBigEndian<qint32>(pixels.dotsPerMeterY(), bytes.data() + 20);
    bytes.reserve(int(HEADER_BYTES + row * pixels.height()));
    for (int y = 0; y < pixels.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), int(row));
    return bytes;
}

qint64 PictureFrame::mostBytes(const QSize& size)
{
    return HEADER_BYTES + qint64(qMax(0, size.width())) * qMax(0, size.height()) * 4;
}

PictureFrame::PictureFrame(const QSize& maxSize)
    : maxSize(maxSize)
{
}

bool PictureFrame::readHeader()
{
    const quint32 magic = qFromBigEndian<quint32>(buffer.constData());
    const auto format = QImage::Format(qFromBigEndian<quint32>(buffer.constData() + 4));
    const quint32 width = qFromBigEndian<quint32>(buffer.constData() + 8);
    const quint32 height = qFromBigEndian<quint32>(buffer.constData() + 12);
    if (magic != FRAME_MAGIC || !isKept(format) || width == 0 || height == 0 || width > quint32(maxSize.width())
        || height > quint32(maxSize.height()))
        return false;
    picture = QImage(int(width), int(height), format);
    if (picture.isNull())
        return false;
    picture.setDotsPerMeterX(qFromBigEndian<qint32>(buffer.constData() + 16));
    picture.setDotsPerMeterY(qFromBigEndian<qint32>(buffer.constData() + 20));
    expectedBytes = HEADER_BYTES + rowBytes(int(width), format) * height;
    return true;
}

PictureFrame::State PictureFrame::feed(const QByteArray& bytes)
{
    if (currentState != Incomplete)
        return currentState = bytes.isEmpty() ? currentState : Invalid;
    buffer.append(bytes);
    if (expectedBytes < 0 && buffer.size() >= HEADER_BYTES && !readHeader())
        return currentState = Invalid;
    if (expectedBytes < 0 || buffer.size() < expectedBytes)
        return currentState;
    if (buffer.size() > expectedBytes)
        return currentState = Invalid;
    const qint64 row = rowBytes(picture.width(), picture.format());
    for (int y = 0; y < picture.height(); ++y)
        std::memcpy(picture.scanLine(y), buffer.constData() + HEADER_BYTES + row * y, size_t(row));
    buffer.clear();
    return currentState = Complete;
}

QImage PictureFrame::decode(const QByteArray& bytes, const QSize& maxSize)
{
    PictureFrame frame(maxSize);
    return frame.feed(bytes) == Complete ? frame.image() : QImage();
}
