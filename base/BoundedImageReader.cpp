#include "BoundedImageReader.h"

#include "ExifOrientation.h"
#include "RegularFile.h"
#include "StreamLimits.h"

#include <QSet>

namespace {

const QSet<QByteArray>& supportedFormats()
{
    static const QSet<QByteArray> formats = [] {
        QSet<QByteArray> names;
        const QList<QByteArray> list = QImageReader::supportedImageFormats();
        for (const QByteArray& name : list)
            if (!BoundedImageReader::isRefusedFormat(name.toLower()))
                names.insert(name.toLower());
        return names;
    }();
    return formats;
}

qint64 pixels(const QSize& size)
{
    return qint64(qMax(0, size.width())) * qMax(0, size.height());
}

// What a JPEG decoder puts out when asked for `target`: it shrinks by an eighth step
// at or above the size asked for, so never more than twice that size, nor less than
// an eighth of the picture.
qint64 jpegOutputSide(qint64 side, qint64 wanted)
{
    return qMin(side, qMax((side + 7) / 8, 2 * wanted));
}

// What the decoder of `format` holds for each pixel of the picture, beside the picture's
// own `bytesPerPixel`: GIF keeps a second frame to draw the next one on; TIFF and PSD
// decode into buffers of their own before the picture; HEIF, AVIF and JPEG XL decode
// up to 16 bits per sample into a buffer of the decoding library, then convert; EXR
// decodes floats; camera RAW keeps the sensor's samples and four 16-bit channels
// besides the picture.
qint64 decodingBytesPerPixel(const QByteArray& format, int bytesPerPixel)
{
    if (format == "gif" || format == "tiff" || format == "tif" || format == "psd" || format == "psb")
        return 2 * bytesPerPixel;
    if (format == "heif" || format == "heic" || format == "avif" || format == "avifs" || format == "jxl")
        return 16;
    if (format == "exr" || format == "raw")
        return 24;
    return bytesPerPixel;
}

// The quality for which the camera RAW reader develops the picture at half its size, in
// 8-bit colour; a thumbnail is far smaller.
constexpr int rawHalfSizeQuality = 1;

// JPEG files up to this size are read whole before decoding: a camera's largest
// pictures, and little beside the decoder's own buffers.
constexpr qint64 maxWholeJpegFileBytes = 32 * 1024 * 1024;
// Read whole, the file and the decoder's buffers together stay within this, so that a
// picture made alone keeps within the 64 MB of one decoding thread, the program's own
// memory included; a picture whose decoder needs more is read from the file.
constexpr qint64 maxWholeJpegBytes = 40 * 1024 * 1024;

} // namespace

BoundedImageReader::BoundedImageReader(const QString& path)
    : path(path)
    , file(path)
{
    // The turn is ours to give (TIFF's reader would turn by default).
    reader.setAutoTransform(false);
}

BoundedImageReader::BoundedImageReader(QIODevice* device, const QByteArray& format)
    : device(device)
{
    reader.setAutoTransform(false);
    if (!format.isEmpty()) {
        reader.setFormat(format);
        reader.setDecideFormatFromContent(false);
    }
}

bool BoundedImageReader::isRefusedFormat(const QByteArray& format)
{
    return format == "eps" || format == "epsf" || format == "epsi";
}

bool BoundedImageReader::supportsSuffix(const QString& suffix)
{
    // The formats Qt reads itself or with the plug-ins it comes with are known without
    // the list of every format, which loads every image plug-in and the libraries they
    // link (far longer than making one thumbnail with the few a photo needs).
    static const QSet<QString> ownFormats{QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"),
                                          QStringLiteral("gif"), QStringLiteral("bmp"),  QStringLiteral("ico"),
                                          QStringLiteral("ppm"), QStringLiteral("pgm"),  QStringLiteral("pbm"),
                                          QStringLiteral("xbm"), QStringLiteral("xpm")};
    if (ownFormats.contains(suffix))
        return true;
    return !suffix.isEmpty() && supportedFormats().contains(suffix.toLatin1());
}

bool BoundedImageReader::openDevice()
{
    if (device)
        return true;
    if (path.isEmpty()) {
        error = QStringLiteral("no file");
        return false;
    }
    // Pictures built into the program are no outside input.
    if (path.startsWith(QLatin1Char(':'))) {
        if (!file.open(QIODevice::ReadOnly)) {
            error = file.errorString();
            return false;
        }
        device = &file;
        return true;
    }
    if (!openRegularFile(file)) {
        error = QFile::exists(path) && !isRegularFile(path) ? QStringLiteral("not a regular file")
                                                            : QStringLiteral("cannot open the file");
        return false;
    }
    device = &file;
    return true;
}

QByteArray BoundedImageReader::format()
{
    if (!formatName.isEmpty() || !openDevice())
        return formatName;
    if (reader.device() != device)
        reader.setDevice(device);
    formatName = reader.format();
    // The readers of some image plug-ins do not name their format; the plug-in that
    // takes the content does.
    if (formatName.isEmpty() && !device->isSequential())
        formatName = QImageReader::imageFormat(device);
    return formatName;
}

bool BoundedImageReader::decodesToMeasure()
{
    // HEIF's reader decodes the whole picture before it tells the size.
    const QByteArray name = format();
    return name == "heif" || name == "heic";
}

bool BoundedImageReader::measure()
{
    if (measured)
        return size.isValid();
    measured = true;
    if (!openDevice())
        return false;
    // The decoder's coefficient buffer and the orientation show only in the headers,
    // read before the image reader moves on.
    if (device->peek(2) == QByteArray("\xFF\xD8", 2))
        jpeg = JpegFrame::inspect(device);
    bool ownOrientation = false;
    const int orientation = autoTransform ? ExifOrientation::read(device, &ownOrientation) : 0;
    if (isRefusedFormat(format())) {
        error = QStringLiteral("PostScript is not read");
        return false;
    }
    if (decodesToMeasure() && device->size() > mostBlindFileBytes) {
        error = QStringLiteral("a file of this format above %1 MB cannot be measured before it is decoded")
                    .arg(mostBlindFileBytes / (1024 * 1024));
        return false;
    }
    if (reader.device() != device)
        reader.setDevice(device);
    const QSize measuredSize = reader.size();
    if (!measuredSize.isValid() || measuredSize.isEmpty()) {
        error = QStringLiteral("no picture size: %1").arg(reader.errorString());
        return false;
    }
    const int bits = QImage::toPixelFormat(reader.imageFormat()).bitsPerPixel();
    bytesPerPixel = qMax(4, bits / 8);
    size = measuredSize;
    if (autoTransform)
        turn = ownOrientation ? ExifOrientation::transformation(orientation) : reader.transformation();
    return true;
}

QSize BoundedImageReader::uprightSize() const
{
    return ExifOrientation::swapsSides(turn) ? size.transposed() : size;
}

bool BoundedImageReader::readsWholeFile(const QSize& target) const
{
    return wholeJpeg && device == &file && reader.format() == "jpeg" && file.size() <= maxWholeJpegFileBytes
        && file.size() + decoderBytes(target) <= maxWholeJpegBytes;
}

void BoundedImageReader::readWholeFile()
{
    // Qt's JPEG reader hands a buffer's whole contents to the decoder at once, where
    // from a file it passes a few kilobytes at a time. A file cut short while it is
    // read decodes as far as it goes, as it would from the file.
    const qint64 position = file.pos();
    if (!file.seek(0))
        return;
    const qint64 read = wholeFileMemory.allocate(size_t(file.size()))
        ? file.read(static_cast<char*>(wholeFileMemory.data()), file.size())
        : -1;
    const auto* bytes = static_cast<const char*>(wholeFileMemory.data());
    wholeFile.setData(QByteArray::fromRawData(bytes, int(qMax<qint64>(0, read))));
    if (read < 0 || !wholeFile.open(QIODevice::ReadOnly)) {
        wholeFile.setData(QByteArray());
        file.seek(position);
        return;
    }
    file.close();
    device = &wholeFile;
    // The format is known: left to find it, the reader would load every image plug-in
    // (and the libraries they link) for bytes that come with no file name.
    reader.setDevice(device);
    reader.setFormat(formatName);
    reader.setAutoDetectImageFormat(false);
}

QImage BoundedImageReader::decodeMapped(const QSize& target)
{
    // Mapped, the file's pages come straight from the page cache: read into fresh memory,
    // a photo's few megabytes cost more in page faults than its decoding at an eighth.
    const qint64 position = file.pos();
    uchar* mapped = file.map(0, file.size());
    if (!mapped)
        return QImage();
    const QImage decoded =
        jpegDecoder(QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), int(file.size())), target);
    file.unmap(mapped);
    file.seek(position);
    return decoded;
}

qint64 BoundedImageReader::decodeBytes(const QSize& target) const
{
    if (!readsWholeFile(target))
        return decoderBytes(target);
    // The whole-file decoder, the file among what it holds, runs before the reader.
    return qMax(file.size() + decoderBytes(target), jpegDecoder ? jpegDecoderBytes : 0);
}

bool BoundedImageReader::halvesRaw(const QSize& target) const
{
    return formatName == "raw" && target.width() * 2 <= size.width() && target.height() * 2 <= size.height();
}

qint64 BoundedImageReader::decoderBytes(const QSize& target) const
{
    const QSize wanted = target.isValid() ? target : size;
    const QByteArray format = formatName;
    // The turned copy of the picture.
    const qint64 turned = turn == QImageIOHandler::TransformationNone ? 0 : pixels(wanted) * 4;
    if (format == "svg" || format == "svgz")
        return pixels(wanted) * 4 + turned;
    const qint64 resized = (wanted == size ? 0 : pixels(wanted) * 4) + turned;
    if (format == "jpeg") {
        // The output of the decoder, the resized copy, and the whole image's
        // coefficients for progressive and multi-scan files.
        const qint64 width = jpegOutputSide(size.width(), wanted.width());
        const qint64 height = jpegOutputSide(size.height(), wanted.height());
        return width * height * 4 + resized + jpeg.coefficientBytes(size);
    }
    // The decoders of other formats decode the whole picture, then it is resized; camera
    // RAW developed at half its size holds its samples and a quarter of the pixels.
    const qint64 decoded = pixels(size) * (halvesRaw(wanted) ? 8 : decodingBytesPerPixel(format, bytesPerPixel));
    // Beside the formats Qt itself reads, the decoders take the file in whole.
    const bool own = format == "png" || format == "gif" || format == "bmp" || format == "ico";
    return decoded + resized + (own ? 0 : device ? device->size() : 0);
}

QImage BoundedImageReader::read(const QSize& target)
{
    if (!measure())
        return QImage();
    const QSize wanted = target.isValid() ? target : size;
    if (wanted.isEmpty()) {
        error = QStringLiteral("no size to decode at");
        return QImage();
    }
    if (decodeBytes(wanted) > MaxDecodedImageBytes) {
        error = QStringLiteral("%1 x %2 pixels need too much memory to decode").arg(size.width()).arg(size.height());
        return QImage();
    }
    if (readsWholeFile(wanted)) {
        // A file decoded into the whole image's coefficients (progressive or of several
        // scans) is the reader's: the whole-file decoder takes one scan, line by line.
        if (jpegDecoder && wanted != size && jpeg.coefficientBytes(size) == 0) {
            const QImage decoded = decodeMapped(wanted);
            if (!decoded.isNull())
                return ExifOrientation::transformed(decoded, turn);
        }
        readWholeFile();
    }
    if (wanted != size)
        reader.setScaledSize(wanted);
    // The RAW reader knows no scaled size, but develops the sensor's samples at half
    // the size for this quality, in a fraction of the memory.
    if (halvesRaw(wanted))
        reader.setQuality(rawHalfSizeQuality);
    QImage image;
    if (!reader.read(&image)) {
        error = reader.errorString();
        return QImage();
    }
    // A decoder that gave another size is made to, before the picture is turned, as
    // the whole-file decoder's picture is.
    if (image.size() != wanted)
        image = image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return ExifOrientation::transformed(image, turn);
}

QImage BoundedImageReader::readUpright(const QSize& target)
{
    if (!measure())
        return QImage();
    return read(ExifOrientation::swapsSides(turn) ? target.transposed() : target);
}

QImage BoundedImageReader::readFitting(const QSize& box)
{
    if (!measure())
        return QImage();
    const QSize upright = uprightSize();
    QSize wanted = upright;
    if (upright.width() > box.width() || upright.height() > box.height())
        wanted = upright.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    return readUpright(wanted);
}

QImage BoundedImageReader::readFile(const QString& path, const QSize& box, QString* error)
{
    BoundedImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = box.isValid() ? reader.readFitting(box) : reader.readUpright(QSize());
    if (error)
        *error = reader.errorString();
    return image;
}
