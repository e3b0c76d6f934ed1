#include "AtomicImageSave.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Temporary files are created 0600; a thumbnail gets the mode any new file gets.
bool applyUmaskMode(int fd)
{
    // umask() can only be read by setting it: do that once, before any worker thread saves.
    static const mode_t mask = [] {
        const mode_t current = ::umask(0);
        ::umask(current);
        return current;
    }();
    return ::fchmod(fd, 0666 & ~mask) == 0;
}

// The longest file name the folder's file system takes, in bytes.
int longestName(const QString& folder)
{
    const long most = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return most > 0 && most < 65536 ? int(most) : 255;
}

// The name the temporary file starts with: the target's, cut so that a dot before it
// and the random end after it still make a name the file system takes.
QString temporaryStem(const QString& name, int mostNameBytes)
{
    const int room = mostNameBytes - 8; // "." and ".XXXXXX"
    QString stem = name;
    while (!stem.isEmpty() && QFile::encodeName(stem).size() > room)
        stem.chop(stem.size() > 1 && stem.at(stem.size() - 1).isLowSurrogate() ? 2 : 1);
    return stem;
}

} // namespace

bool saveImageAtomically(const QImage& image, const QString& path, const QByteArray& format, QString* error,
                         int quality)
{
    if (format.isEmpty()) {
        *error = QStringLiteral("no image format for %1").arg(path);
        return false;
    }
    // Encoded in memory first: a writer that fails on the file (a full disk) would
    // leave its own message on standard error and no reason of the system's.
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, format.toLower());
    writer.setQuality(quality);
    if (!writer.write(image)) {
        *error = writer.errorString();
        return false;
    }
    return saveBytesAtomically(path, encoded.data(), error);
}

bool saveBytesAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    return saveFileAtomically(
        path,
        [&bytes](QIODevice* file, QString* writeError) {
            // A write cut short by a full disk says nothing; the next one gives the reason.
            for (qint64 done = 0; done < bytes.size();) {
                const qint64 written = file->write(bytes.constData() + done, bytes.size() - done);
                if (written <= 0) {
                    *writeError = file->errorString();
                    return false;
                }
                done += written;
            }
            return true;
        },
        error);
}

bool saveFileAtomically(const QString& path, const std::function<bool(QIODevice*, QString*)>& write, QString* error)
{
    // Not QSaveFile: it writes through a link at the target to the file it points to.
    // A temporary file is created new (never through a link), and rename() replaces
    // the name it is given.
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    const int nameBytes = QFile::encodeName(target.fileName()).size();
    const int mostNameBytes = longestName(folder);
    if (nameBytes > mostNameBytes) {
        errno = ENAMETOOLONG;
        *error = QStringLiteral("%1 (%2 bytes, at most %3)").arg(systemError()).arg(nameBytes).arg(mostNameBytes);
        return false;
    }
    QTemporaryFile file(folder + QStringLiteral("/.") + temporaryStem(target.fileName(), mostNameBytes)
                        + QStringLiteral(".XXXXXX"));
    if (!file.open()) {
        *error = file.errorString();
        return false;
    }
    if (!applyUmaskMode(file.handle())) {
        *error = systemError();
        return false;
    }
    if (!write(&file, error))
        return false;
    if (!file.flush()) {
        *error = file.errorString();
        return false;
    }
    if (::fsync(file.handle()) != 0 && errno != EINVAL) {
        *error = systemError();
        return false;
    }
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(target.absoluteFilePath()).constData())
        != 0) {
        *error = systemError();
        return false;
    }
    // The name is the picture's now; the temporary file must not remove it.
    file.setAutoRemove(false);
    return true;
}
