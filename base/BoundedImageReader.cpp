#include "BoundedImageReader.h"

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
}

BoundedImageReader::BoundedImageReader(QIODevice* device, const QByteArray& format)
    : device(device)
{
    if (!format.isEmpty()) {
        reader.setFormat(format);
        reader.setDecideFormatFromContent(false);
    }
}

bool BoundedImageReader::supportsSuffix(const QString& suffix)
{
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

bool BoundedImageReader::measure()
{
    if (measured)
        return size.isValid();
    measured = true;
    if (!openDevice())
        return false;
    // The decoder's coefficient buffer shows only in the headers, read before the
    // image reader moves on.
    if (device->peek(2) == QByteArray("\xFF\xD8", 2))
        jpeg = JpegFrame::inspect(device);
    reader.setDevice(device);
    const QSize measuredSize = reader.size();
    if (!measuredSize.isValid() || measuredSize.isEmpty()) {
        error = QStringLiteral("no picture size: %1").arg(reader.errorString());
        return false;
    }
    const int bits = QImage::toPixelFormat(reader.imageFormat()).bitsPerPixel();
    bytesPerPixel = qMax(4, bits / 8);
    size = measuredSize;
    return true;
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
    wholeFile.setData(file.read(file.size()));
    if (!wholeFile.open(QIODevice::ReadOnly)) {
        wholeFile.setData(QByteArray());
        file.seek(position);
        return;
    }
    file.close();
    device = &wholeFile;
    reader.setDevice(device);
}

qint64 BoundedImageReader::decodeBytes(const QSize& target) const
{
    if (!readsWholeFile(target))
        return decoderBytes(target);
    // The whole-file decoder, the file among what it holds, runs before the reader.
    return qMax(file.size() + decoderBytes(target), jpegDecoder ? jpegDecoderBytes : 0);
}

qint64 BoundedImageReader::decoderBytes(const QSize& target) const
{
    const QSize wanted = target.isValid() ? target : size;
    const QByteArray format = reader.format();
    if (format == "svg" || format == "svgz")
        return pixels(wanted) * 4;
    const qint64 resized = wanted == size ? 0 : pixels(wanted) * 4;
    if (format == "jpeg") {
        // The output of the decoder, the resized copy, and the whole image's
        // coefficients for progressive and multi-scan files.
        const qint64 width = jpegOutputSide(size.width(), wanted.width());
        const qint64 height = jpegOutputSide(size.height(), wanted.height());
        return width * height * 4 + resized + jpeg.coefficientBytes(size);
    }
    // The decoders of other formats decode the whole picture, then it is resized; GIF
    // keeps a second frame to draw the next one on.
    const qint64 decoded = pixels(size) * bytesPerPixel * (format == "gif" ? 2 : 1);
    return decoded + resized;
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
        readWholeFile();
        if (jpegDecoder && device == &wholeFile && !reader.autoTransform() && wanted != size) {
            const QImage decoded = jpegDecoder(wholeFile.data(), wanted);
            if (!decoded.isNull())
                return decoded;
        }
    }
    if (wanted != size)
        reader.setScaledSize(wanted);
    QImage image;
    if (!reader.read(&image)) {
        error = reader.errorString();
        return QImage();
    }
    // A decoder that gave another size is made to; a picture turned by its metadata
    // keeps its turn.
    if (image.size() != wanted && image.size() != wanted.transposed())
        image = image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

QImage BoundedImageReader::readFitting(const QSize& box)
{
    if (!measure())
        return QImage();
    QSize wanted = size;
    if (size.width() > box.width() || size.height() > box.height())
        wanted = size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    return read(wanted);
}

QImage BoundedImageReader::readFile(const QString& path, const QSize& box, QString* error)
{
    BoundedImageReader reader(path);
    const QImage image = box.isValid() ? reader.readFitting(box) : reader.read();
    if (error)
        *error = reader.errorString();
    return image;
}
