#include "ExifOrientation.h"

#include <QIODevice>
#include <QTransform>
#include <QtEndian>

namespace {

// An EXIF block's first directory lies near its start; more is not read.
constexpr qint64 mostExifBytes = 64 * 1024;
// Segments or chunks walked before the search is given up.
constexpr int mostJpegSegments = 4096;
constexpr int mostChunks = 65536;
constexpr quint16 orientationTag = 0x0112;
constexpr quint16 shortType = 3;

// Reads from where the device stands, every read checked.
class HeaderReader
{
public:
    explicit HeaderReader(QIODevice* device)
        : device(device)
    {
    }

    bool bytes(char* data, qint64 count) { return device->read(data, count) == count; }

    bool byte(quint8* value)
    {
        char c = 0;
        if (!device->getChar(&c))
            return false;
        *value = quint8(c);
        return true;
    }

    bool bigEndian32(quint32* value)
    {
        uchar data[4];
        if (!bytes(reinterpret_cast<char*>(data), 4))
            return false;
        *value = qFromBigEndian<quint32>(data);
        return true;
    }

    bool littleEndian32(quint32* value)
    {
        uchar data[4];
        if (!bytes(reinterpret_cast<char*>(data), 4))
            return false;
        *value = qFromLittleEndian<quint32>(data);
        return true;
    }

    // `count` bytes, at most mostExifBytes of them, the rest skipped.
    bool block(qint64 count, QByteArray* data)
    {
        const qint64 wanted = qMin(count, mostExifBytes);
        *data = device->read(wanted);
        return data->size() == wanted && skip(count - wanted);
    }

    bool skip(qint64 count)
    {
        if (count < 0 || device->pos() + count > device->size())
            return false;
        return device->seek(device->pos() + count);
    }

private:
    QIODevice* device;
};

// An EXIF block as JPEG and WebP files hold it, after the "Exif\0\0" mark (which some
// WebP writers leave out).
int fromMarkedExif(const QByteArray& data, bool markRequired)
{
    static const QByteArray mark("Exif\0\0", 6);
    if (data.startsWith(mark))
        return ExifOrientation::fromExif(data.mid(mark.size()));
    return markRequired ? 0 : ExifOrientation::fromExif(data);
}

int fromJpeg(HeaderReader& in)
{
    quint8 first = 0, second = 0;
    if (!in.byte(&first) || !in.byte(&second) || first != 0xFF || second != 0xD8)
        return 0;
    for (int segment = 0; segment < mostJpegSegments; ++segment) {
        quint8 code = 0;
        if (!in.byte(&code) || code != 0xFF)
            return 0;
        do {
            if (!in.byte(&code))
                return 0;
        } while (code == 0xFF);
        // Markers without a length.
        if ((code >= 0xD0 && code <= 0xD8) || code == 0x01)
            continue;
        // The metadata comes before the first scan.
        if (code == 0xD9 || code == 0xDA)
            return 0;
        quint8 high = 0, low = 0;
        if (!in.byte(&high) || !in.byte(&low))
            return 0;
        const int length = high << 8 | low;
        if (length < 2)
            return 0;
        if (code == 0xE1) {
            QByteArray data;
            if (!in.block(length - 2, &data))
                return 0;
            // An APP1 segment holds EXIF or XMP; the first EXIF one counts.
            if (data.startsWith(QByteArray("Exif\0\0", 6)))
                return fromMarkedExif(data, true);
            continue;
        }
        if (!in.skip(length - 2))
            return 0;
    }
    return 0;
}

int fromPng(HeaderReader& in)
{
    char signature[8];
    if (!in.bytes(signature, 8))
        return 0;
    for (int chunk = 0; chunk < mostChunks; ++chunk) {
        quint32 length = 0;
        char type[4];
        if (!in.bigEndian32(&length) || length > 0x7FFFFFFFu || !in.bytes(type, 4))
            return 0;
        const QByteArray name(type, 4);
        if (name == "IEND")
            return 0;
        if (name == "eXIf") {
            QByteArray data;
            if (!in.block(length, &data))
                return 0;
            return ExifOrientation::fromExif(data);
        }
        // The chunk and its CRC.
        if (!in.skip(qint64(length) + 4))
            return 0;
    }
    return 0;
}

int fromWebp(HeaderReader& in)
{
    char header[12];
    if (!in.bytes(header, 12))
        return 0;
    for (int chunk = 0; chunk < mostChunks; ++chunk) {
        char type[4];
        quint32 length = 0;
        if (!in.bytes(type, 4) || !in.littleEndian32(&length))
            return 0;
        // Chunks are padded to an even length.
        const qint64 padded = qint64(length) + (length & 1);
        if (QByteArray(type, 4) == "EXIF") {
            QByteArray data;
            if (!in.block(length, &data))
                return 0;
            return fromMarkedExif(data, false);
        }
        if (!in.skip(padded))
            return 0;
    }
    return 0;
}

} // namespace

int ExifOrientation::read(QIODevice* device, bool* container)
{
    if (container)
        *container = false;
    if (!device || !device->isReadable() || device->isSequential())
        return 0;
    const QByteArray head = device->peek(12);
    const bool jpeg = head.startsWith("\xFF\xD8");
    const bool png = head.startsWith(QByteArray("\x89PNG\r\n\x1A\n", 8));
    const bool webp = head.startsWith("RIFF") && head.mid(8, 4) == "WEBP";
    if (container)
        *container = jpeg || png || webp;
    const qint64 start = device->pos();
    HeaderReader in(device);
    int orientation = 0;
    if (jpeg)
        orientation = fromJpeg(in);
    else if (png)
        orientation = fromPng(in);
    else if (webp)
        orientation = fromWebp(in);
    device->seek(start);
    return orientation;
}

int ExifOrientation::fromExif(const QByteArray& exif)
{
    const auto* data = reinterpret_cast<const uchar*>(exif.constData());
    const qint64 size = exif.size();
    if (size < 8)
        return 0;
    bool little = false;
    if (data[0] == 'I' && data[1] == 'I')
        little = true;
    else if (data[0] != 'M' || data[1] != 'M')
        return 0;
    const auto word = [&](qint64 at) {
        return little ? qFromLittleEndian<quint16>(data + at) : qFromBigEndian<quint16>(data + at);
    };
    const auto longWord = [&](qint64 at) {
        return little ? qFromLittleEndian<quint32>(data + at) : qFromBigEndian<quint32>(data + at);
    };
    if (word(2) != 42)
        return 0;
    const qint64 directory = longWord(4);
    if (directory < 8 || directory + 2 > size)
        return 0;
    const int entries = word(directory);
    for (int i = 0; i < entries; ++i) {
        const qint64 entry = directory + 2 + qint64(i) * 12;
        if (entry + 12 > size)
            return 0;
        if (word(entry) != orientationTag)
            continue;
        if (word(entry + 2) != shortType || longWord(entry + 4) != 1)
            return 0;
        const int value = word(entry + 8);
        return value >= 1 && value <= 8 ? value : 0;
    }
    return 0;
}

QImageIOHandler::Transformations ExifOrientation::transformation(int orientation)
{
    switch (orientation) {
    case 2:
        return QImageIOHandler::TransformationMirror;
    case 3:
        return QImageIOHandler::TransformationRotate180;
    case 4:
        return QImageIOHandler::TransformationFlip;
    case 5:
        return QImageIOHandler::TransformationFlipAndRotate90;
    case 6:
        return QImageIOHandler::TransformationRotate90;
    case 7:
        return QImageIOHandler::TransformationMirrorAndRotate90;
    case 8:
        return QImageIOHandler::TransformationRotate270;
    default:
        return QImageIOHandler::TransformationNone;
    }
}

QImage ExifOrientation::transformed(const QImage& image, QImageIOHandler::Transformations transformation)
{
    if (transformation == QImageIOHandler::TransformationNone || image.isNull())
        return image;
    const bool mirror = transformation.testFlag(QImageIOHandler::TransformationMirror);
    const bool flip = transformation.testFlag(QImageIOHandler::TransformationFlip);
    QImage turned = mirror || flip ? image.mirrored(mirror, flip) : image;
    if (swapsSides(transformation))
        turned = turned.transformed(QTransform().rotate(90));
    return turned;
}
