#include "SaveFileCommit.h"

#include <QBuffer>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

bool fail(QSaveFile& file, const QString& reason, QString* error)
{
    if (error)
        *error = reason;
    file.cancelWriting();
    return false;
}

// Whether Qt has only what a device says when nobody told it why (as any device
// without an error says it, in the language of the interface).
bool isUnexplained(const QSaveFile& file)
{
    return file.error() == QFileDevice::NoError || file.errorString() == QBuffer().errorString();
}

} // namespace

QString saveFileError(QSaveFile& file)
{
    if (!isUnexplained(file))
        return file.errorString();
    const int handle = file.handle();
    if (handle >= 0) {
        const char byte = 0;
        ssize_t written;
        do {
            written = ::write(handle, &byte, 1);
        } while (written < 0 && errno == EINTR);
        if (written < 0)
            return QString::fromLocal8Bit(std::strerror(errno));
    }
    return file.error() == QFileDevice::NoError ? QStringLiteral("the file was cut short") : file.errorString();
}

QString saveFileOpenError(const QSaveFile& file)
{
    const QByteArray path = QFile::encodeName(file.fileName());
    if (::access(path.constData(), F_OK) == 0 && ::access(path.constData(), W_OK) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return file.errorString();
}

bool commitSaveFile(QSaveFile& file, QString* error)
{
    if (!file.isOpen()) {
        if (error)
            *error = QStringLiteral("the file is not open");
        return false;
    }
    if (!file.flush())
        return fail(file, saveFileError(file), error);
    // Some filesystems only report a lack of space when the data reaches the disk.
    // Devices that cannot sync (EINVAL) have nothing to lose by it.
    const int handle = file.handle();
    if (handle >= 0 && ::fsync(handle) != 0 && errno != EINVAL)
        return fail(file, QString::fromLocal8Bit(std::strerror(errno)), error);
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
