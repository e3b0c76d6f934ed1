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

bool SingleInstanceLock::tryLock(const QString& name)
{
    if (fd >= 0)
        return true;
    lockPath = runtimeFolder() + name;
    const QByteArray native = QFile::encodeName(lockPath);
    const int handle = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (handle < 0)
        return true; // no place for a lock: better run twice than not at all
    if (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
        ::close(handle);
        return false;
    }
    fd = handle;
    return true;
}
