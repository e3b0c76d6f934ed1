#include "AtomicImageSave.h"

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

} // namespace

bool saveImageAtomically(const QImage& image, const QString& path, const QByteArray& format, QString* error)
{
    if (format.isEmpty()) {
        *error = QStringLiteral("no image format for %1").arg(path);
        return false;
    }
    return saveFileAtomically(
        path,
        [&image, &format](QIODevice* file, QString* writeError) {
            QImageWriter writer(file, format.toLower());
            if (writer.write(image))
                return true;
            *writeError = writer.errorString();
            return false;
        },
        error);
}

bool saveFileAtomically(const QString& path, const std::function<bool(QIODevice*, QString*)>& write, QString* error)
{
    // Not QSaveFile: it writes through a link at the target to the file it points to.
    // A temporary file is created new (never through a link), and rename() replaces
    // the name it is given.
    const QFileInfo target(path);
    QTemporaryFile file(target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
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
