#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QString>
#include <QtEndian>

// Pictures for the image helper's tests, made on the spot: a coloured gradient with
// a dark band, so a white frame stands out from the picture.
namespace TestPictures {

// The picture Qt's image reader makes of a JPEG file scaled to `target`: what Dovalin's
// own decoder must give.
inline QImage readJpegByQt(const QByteArray& file, const QSize& target)
{
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    reader.setScaledSize(target);
    return reader.read();
}

inline QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient fill(0, 0, width, height);
    fill.setColorAt(0, QColor(200, 40, 40));
    fill.setColorAt(1, QColor(40, 40, 200));
    painter.fillRect(image.rect(), fill);
    painter.fillRect(QRect(0, height / 3, width, height / 3), QColor(20, 60, 20));
    return image;
}

// Qt writes no GIF, so the test writes its own: 256 grey levels, LZW codes of 9 bits
// kept at that width by a clear code every 250 pixels.
inline bool writeGif(const QString& path, int width, int height)
{
    QByteArray gif("GIF89a");
    auto word = [&gif](int value) {
        gif.append(char(value & 0xff));
        gif.append(char((value >> 8) & 0xff));
    };
    word(width);
    word(height);
    gif.append(char(0xf7)); // global table of 256 colours
    gif.append('\0');
    gif.append('\0');
    for (int i = 0; i < 256; ++i)
        gif.append(QByteArray(3, char(i)));
    gif.append(char(0x2c));
    word(0);
    word(0);
    word(width);
    word(height);
    gif.append('\0');
    gif.append(char(8)); // minimum code size

    QByteArray codes;
    quint32 bits = 0;
    int bitCount = 0;
    auto put = [&](int code) {
        bits |= quint32(code) << bitCount;
        bitCount += 9;
        while (bitCount >= 8) {
            codes.append(char(bits & 0xff));
            bits >>= 8;
            bitCount -= 8;
        }
    };
    put(256);
    int sinceClear = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (sinceClear == 250) {
                put(256);
                sinceClear = 0;
            }
            put((x * 255 / qMax(1, width - 1) + (y * 3 / qMax(1, height))) & 0xff);
            ++sinceClear;
        }
    put(257);
    if (bitCount > 0)
        codes.append(char(bits & 0xff));
    for (int i = 0; i < codes.size(); i += 255) {
        const QByteArray block = codes.mid(i, 255);
        gif.append(char(block.size()));
        gif.append(block);
    }
    gif.append('\0');
    gif.append(char(0x3b));

    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(gif) == gif.size();
}

inline quint32 crc32Of(const QByteArray& data)
{
    quint32 crc = 0xffffffffu;
    for (const char c : data) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A PNG whose header claims `width` x `height` RGB pixels over far too little data:
// a decoder that trusts the header sets out to fill that much memory.
inline QByteArray oversizedPng(quint32 width, quint32 height)
{
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    auto chunk = [&png](const QByteArray& type, const QByteArray& data) {
        QByteArray length(4, '\0');
        qToBigEndian<quint32>(data.size(), length.data());
        png += length + type + data;
        QByteArray crc(4, '\0');
        qToBigEndian<quint32>(quint32(crc32Of(type + data)), crc.data());
        png += crc;
    };
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = 8; // bit depth
    header[9] = 2; // RGB
    chunk("IHDR", header);
    chunk("IDAT", qCompress(QByteArray(64, '\0')).mid(4));
    chunk("IEND", QByteArray());
    return png;
}

// An EXIF block as a camera writes it: a TIFF header in either byte order and a first
// directory that holds the orientation (1 to 8).
inline QByteArray exifOrientation(int orientation, bool bigEndian = false)
{
    QByteArray exif(bigEndian ? "MM" : "II", 2);
    auto word = [&exif, bigEndian](quint16 value) {
        QByteArray bytes(2, '\0');
        if (bigEndian)
            qToBigEndian(value, bytes.data());
        else
            qToLittleEndian(value, bytes.data());
        exif += bytes;
    };
    auto longWord = [&exif, bigEndian](quint32 value) {
        QByteArray bytes(4, '\0');
        if (bigEndian)
            qToBigEndian(value, bytes.data());
        else
            qToLittleEndian(value, bytes.data());
        exif += bytes;
    };
    word(42);
    longWord(8); // the first directory follows the header
    word(2);
    // A resolution unit before the orientation, so the search walks the entries.
    word(0x0128);
    word(3);
    longWord(1);
    word(2);
    word(0);
    word(0x0112);
    word(3);
    longWord(1);
    word(quint16(orientation));
    word(0);
    longWord(0); // no next directory
    return exif;
}

// `jpeg` with `exif` in an APP1 segment right after its start, where cameras put it.
inline QByteArray withJpegExif(const QByteArray& jpeg, const QByteArray& exif)
{
    const QByteArray data = QByteArray("Exif\0\0", 6) + exif;
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char((data.size() + 2) >> 8));
    segment.append(char((data.size() + 2) & 0xff));
    return jpeg.left(2) + segment + data + jpeg.mid(2);
}

// `png` with `exif` in an eXIf chunk after its header chunk.
inline QByteArray withPngExif(const QByteArray& png, const QByteArray& exif)
{
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(quint32(exif.size()), chunk.data());
    chunk += "eXIf" + exif;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(crc32Of("eXIf" + exif), crc.data());
    chunk += crc;
    const int afterHeader = 8 + 8 + 13 + 4;
    return png.left(afterHeader) + chunk + png.mid(afterHeader);
}

// A simple WebP file (one image chunk) made an extended one, with `exif` in an EXIF
// chunk after the image as the format lays it out.
inline QByteArray withWebpExif(const QByteArray& webp, const QByteArray& exif, const QSize& size)
{
    auto littleEndian = [](quint32 value, int bytes) {
        QByteArray data(4, '\0');
        qToLittleEndian(value, data.data());
        return data.left(bytes);
    };
    QByteArray extended("VP8X", 4);
    extended += littleEndian(10, 4);
    extended += QByteArray("\x08\0\0\0", 4); // flags: EXIF present
    extended += littleEndian(quint32(size.width() - 1), 3) + littleEndian(quint32(size.height() - 1), 3);
    QByteArray exifChunk = QByteArray("EXIF", 4) + littleEndian(quint32(exif.size()), 4) + exif;
    if (exif.size() & 1)
        exifChunk.append('\0');
    const QByteArray body = QByteArray("WEBP", 4) + extended + webp.mid(12) + exifChunk;
    return QByteArray("RIFF", 4) + littleEndian(quint32(body.size()), 4) + body;
}

// `image` in `format` (as Qt's writer names it) as bytes; lossless where the format
// can be, so turned copies compare pixel by pixel.
inline QByteArray encoded(const QImage& image, const char* format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

// `image` in the format of `suffix` ("jpg", "png" or "webp") with `orientation` in its
// metadata (0: none).
inline QByteArray withOrientation(const QImage& image, const QString& suffix, int orientation)
{
    const bool jpeg = suffix == QLatin1String("jpg");
    const QByteArray plain = encoded(image, jpeg ? "jpeg" : suffix.toLatin1().constData(), jpeg ? 90 : 100);
    if (orientation == 0 || plain.isEmpty())
        return plain;
    const QByteArray exif = exifOrientation(orientation, orientation % 2 == 0);
    if (jpeg)
        return withJpegExif(plain, exif);
    if (suffix == QLatin1String("png"))
        return withPngExif(plain, exif);
    return withWebpExif(plain, exif, image.size());
}

// A camera RAW file as a DNG holds it, made here since no writer of the format exists:
// the gradient as seen through a red, green and blue filter mosaic (RGGB), 16 bits a
// sample, uncompressed, with the tags a raw developer needs to colour it.
inline bool writeDng(const QString& path, int width, int height)
{
    const QImage picture = gradient(width, height);
    QByteArray samples;
    samples.reserve(width * height * 2);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = picture.pixel(x, y);
            const int channel = (y & 1) == 0 ? ((x & 1) == 0 ? qRed(pixel) : qGreen(pixel))
                                             : ((x & 1) == 0 ? qGreen(pixel) : qBlue(pixel));
            // Linear sensor values: the picture's gamma undone, roughly.
            const quint16 value = quint16(65535.0 * (channel / 255.0) * (channel / 255.0));
            samples.append(char(value & 0xff));
            samples.append(char(value >> 8));
        }

    struct Entry
    {
        quint16 tag;
        quint16 type; // 1 byte, 2 text, 3 short, 4 long, 5 rational, 10 signed rational
        QByteArray values;
        quint32 count;
    };
    auto shorts = [](std::initializer_list<quint16> list) {
        QByteArray data;
        for (quint16 value : list) {
            data.append(char(value & 0xff));
            data.append(char(value >> 8));
        }
        return data;
    };
    auto longs = [](std::initializer_list<qint64> list) {
        QByteArray data(int(list.size()) * 4, '\0');
        int at = 0;
        for (qint64 value : list) {
            qToLittleEndian(quint32(value), data.data() + at);
            at += 4;
        }
        return data;
    };
    const QByteArray model("Vorenda Test Camera\0", 20);
    // The camera's XYZ to sensor colour matrix, as signed rationals over 10000.
    const QByteArray matrix = longs({8000, 10000, -2000, 10000, -1000, 10000, -3000, 10000, 11000, 10000, 2000,
                                     10000, -500, 10000, 1500, 10000, 6000, 10000});
    // The entries in rising tag order; the samples follow the directory.
    QList<Entry> entries{
        {254, 4, longs({0}), 1},                       // a full-size picture
        {256, 4, longs({width}), 1},                   // width
        {257, 4, longs({height}), 1},                  // height
        {258, 3, shorts({16}), 1},                     // bits per sample
        {259, 3, shorts({1}), 1},                      // no compression
        {262, 3, shorts({32803}), 1},                  // a colour filter array
        {271, 2, QByteArray("Vorenda\0", 8), 8},       // make
        {272, 2, model, quint32(model.size())},        // model
        {273, 4, longs({0}), 1},                       // strip offset, set below
        {274, 3, shorts({1}), 1},                      // orientation
        {277, 3, shorts({1}), 1},                      // samples per pixel
        {278, 4, longs({height}), 1},                  // rows per strip
        {279, 4, longs({qint64(samples.size())}), 1},  // strip bytes
        {284, 3, shorts({1}), 1},                      // planar configuration
        {33421, 3, shorts({2, 2}), 2},                 // filter pattern size
        {33422, 1, QByteArray("\x00\x01\x01\x02", 4), 4}, // red, green, green, blue
        {50706, 1, QByteArray("\x01\x04\x00\x00", 4), 4}, // DNG version 1.4
        {50708, 2, model, quint32(model.size())},      // unique camera model
        {50714, 4, longs({0}), 1},                     // black level
        {50717, 4, longs({65535}), 1},                 // white level
        {50721, 10, matrix, 9},                        // colour matrix
        {50728, 5, longs({1, 2, 1, 1, 1, 2}), 3},      // neutral as shot
        {50778, 3, shorts({21}), 1},                   // under daylight (D65)
    };
    const quint32 directoryStart = 8;
    const quint32 directoryBytes = 2 + quint32(entries.size()) * 12 + 4;
    QByteArray directory;
    QByteArray extra;
    quint32 extraStart = directoryStart + directoryBytes;
    for (Entry& entry : entries)
        if (entry.values.size() > 4) {
            extra.append(entry.values);
            if (extra.size() & 1)
                extra.append('\0');
        }
    const quint32 samplesStart = extraStart + quint32(extra.size());
    entries[8].values = longs({samplesStart});
    directory += shorts({quint16(entries.size())});
    quint32 nextExtra = extraStart;
    for (const Entry& entry : qAsConst(entries)) {
        directory += shorts({entry.tag, entry.type}) + longs({entry.count});
        if (entry.values.size() > 4) {
            directory += longs({nextExtra});
            nextExtra += quint32(entry.values.size() + (entry.values.size() & 1));
        } else {
            directory += entry.values + QByteArray(4 - entry.values.size(), '\0');
        }
    }
    directory += longs({0});
    const QByteArray dng = QByteArray("II*\0", 4) + longs({directoryStart}) + directory + extra + samples;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(dng) == dng.size();
}

// A picture of that size in the format that the suffix of `path` names.
inline bool write(const QString& path, int width, int height)
{
    if (path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive))
        return writeGif(path, width, height);
    const QString suffix = path.section(QLatin1Char('.'), -1).toLower();
    return gradient(width, height).save(path, suffix == QLatin1String("jpg") ? "JPEG" : suffix.toUpper().toLatin1().constData());
}

} // namespace TestPictures
