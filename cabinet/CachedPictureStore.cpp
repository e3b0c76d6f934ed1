#include "CachedPictureStore.h"

#include "SaveFileCommit.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

bool CachedPictureStore::FileIdentity::operator==(const FileIdentity& other) const
{
    return device == other.device && inode == other.inode && size == other.size && modified == other.modified;
}

bool CachedPictureStore::identify(const QString& path, FileIdentity* identity)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    identity->device = quint64(status.st_dev);
    identity->inode = quint64(status.st_ino);
    identity->size = qint64(status.st_size);
    identity->modified = qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
    return true;
}

bool CachedPictureStore::store(const QString& path, const QPixmap& pixmap)
{
    if (pixmap.isNull() || path.isEmpty())
        return false;
    const auto found = written.constFind(pixmap.cacheKey());
    FileIdentity source;
    if (found != written.constEnd() && identify(found->path, &source) && source == found->identity) {
        FileIdentity target;
        if (identify(path, &target) && target == source)
            return true;
        struct stat status {};
        const QByteArray name = QFile::encodeName(path);
        if (::lstat(name.constData(), &status) != 0 && errno == ENOENT
            && ::link(QFile::encodeName(found->path).constData(), name.constData()) == 0)
            return true;
    }
    return write(path, pixmap);
}

bool CachedPictureStore::write(const QString& path, const QPixmap& pixmap)
{
    const QByteArray bytes = pngBytes(pixmap);
    // Written aside and renamed over the old file, so a reader never sees half a picture.
    QSaveFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !commitSaveFile(file)) {
        file.cancelWriting();
        return false;
    }
    FileIdentity identity;
    if (identify(path, &identity)) {
        if (written.size() >= maxEntries)
            written.clear();
        written.insert(pixmap.cacheKey(), WrittenFile{path, identity});
    }
    return true;
}

QByteArray CachedPictureStore::pngBytes(const QPixmap& pixmap)
{
    const auto found = encoded.constFind(pixmap.cacheKey());
    if (found != encoded.constEnd())
        return found.value();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !pixmap.save(&buffer, "PNG", -1))
        return QByteArray();
    if (encoded.size() >= maxEntries)
        encoded.clear();
    encoded.insert(pixmap.cacheKey(), bytes);
    return bytes;
}
