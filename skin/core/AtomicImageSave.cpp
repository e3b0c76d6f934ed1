#include "AtomicImageSave.h"

#include <QFile>
#include <QImageWriter>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isLink(const QByteArray& path)
{
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0 && S_ISLNK(status.st_mode);
}

} // namespace

bool saveImageAtomically(const QImage& image, const QString& path, const QByteArray& format, QString* error)
{
    if (format.isEmpty()) {
        *error = QStringLiteral("no image format for %1").arg(path);
        return false;
    }
    // QSaveFile writes to the target of a link. The link goes first; one that turns up
    // again before the file is open cancels the save. Once open, the final rename
    // replaces whatever stands at the path.
    const QByteArray nativePath = QFile::encodeName(path);
    if (isLink(nativePath) && ::unlink(nativePath.constData()) != 0) {
        *error = QStringLiteral("cannot remove the link at %1").arg(path);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (isLink(nativePath)) {
        *error = QStringLiteral("a link appeared at %1").arg(path);
        file.cancelWriting();
        return false;
    }
    QImageWriter writer(&file, format.toLower());
    if (!writer.write(image)) {
        *error = writer.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
