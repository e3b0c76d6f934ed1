#include "ScaledImageLoader.h"

#include <QSet>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

} // namespace

ScaledImageLoader::ScaledImageLoader(const QString& path)
    : path(path)
{
}

bool ScaledImageLoader::supportsSuffix(const QString& suffix)
{
    return !suffix.isEmpty() && supportedFormats().contains(suffix.toLatin1());
}

bool ScaledImageLoader::openRegularFile()
{
    // Opened without blocking and checked on the open descriptor, so a FIFO or device
    // put in place of the file between a check and the open is still refused.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = QStringLiteral("cannot open the file");
        return false;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        error = QStringLiteral("not a regular file");
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        error = file.errorString();
        return false;
    }
    return true;
}

bool ScaledImageLoader::measure()
{
    if (!openRegularFile())
        return false;
    // The format comes from the content: a suffix may lie.
    reader.setDevice(&file);
    size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        error = QStringLiteral("no picture size: %1").arg(reader.errorString());
        return false;
    }
    return true;
}

qint64 ScaledImageLoader::decodeBytes(const QSize& target)
{
    // Most decoders that take a scaled size still decode the whole picture first; JPEG
    // shrinks by eighths while decoding and SVG draws at the size asked for.
    qint64 width = size.width();
    qint64 height = size.height();
    const QByteArray format = reader.format();
    if (target != size && format == "jpeg") {
        width = qMin(width, target.width() + (width + 7) / 8);
        height = qMin(height, target.height() + (height + 7) / 8);
    } else if (format == "svg" || format == "svgz") {
        width = target.width();
        height = target.height();
    }
    return width * height * 4;
}

QImage ScaledImageLoader::read(const QSize& target)
{
    if (!size.isValid() && !measure())
        return QImage();
    if (decodeBytes(target) > MAX_DECODE_BYTES) {
        error = QStringLiteral("%1 x %2 pixels need too much memory to decode").arg(size.width()).arg(size.height());
        return QImage();
    }
    if (target != size)
        reader.setScaledSize(target);
    QImage image;
    if (!reader.read(&image)) {
        error = reader.errorString();
        return QImage();
    }
    if (image.size() != target)
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}
