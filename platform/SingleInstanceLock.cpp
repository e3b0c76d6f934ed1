#include "SingleInstanceLock.h"

#include "RuntimeFolder.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SingleInstanceLock::~SingleInstanceLock()
{
    if (fd >= 0)
        ::close(fd);
}

SingleInstanceLock::Result SingleInstanceLock::tryLock(const QString& name)
{
    if (fd >= 0)
        return Locked;
    const QString folder = runtimeFolder();
    if (folder.isEmpty())
        return Unavailable;
    lockPath = folder + name;
    const QByteArray native = QFile::encodeName(lockPath);
    // Never through a link: the folder is private, so one there is not ours.
    const int handle = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (handle < 0)
        return Unavailable;
    if (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
        ::close(handle);
        return HeldElsewhere;
    }
    fd = handle;
    return Locked;
}
