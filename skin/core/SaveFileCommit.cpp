#include "SaveFileCommit.h"

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

} // namespace

bool commitSaveFile(QSaveFile& file, QString* error)
{
    if (!file.isOpen()) {
        if (error)
            *error = QStringLiteral("the file is not open");
        return false;
    }
    if (!file.flush())
        return fail(file, file.errorString(), error);
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
