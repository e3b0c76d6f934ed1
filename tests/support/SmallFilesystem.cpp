#include "SmallFilesystem.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

QString reason = QStringLiteral("enterPrivateNamespace() was not called");
bool entered = false;

bool writeProcFile(const char* path, const QByteArray& text)
{
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.constData(), size_t(text.size())) == text.size();
    ::close(fd);
    return written;
}

QString systemError(const QString& what)
{
    return what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

namespace SmallFilesystem {

bool enterPrivateNamespace()
{
    if (entered)
        return true;
    // Root of a container may lack the right to mount; a user namespace gives it.
    if (::geteuid() != 0 || ::unshare(CLONE_NEWNS) != 0) {
        const QByteArray uid = QByteArray::number(::getuid());
        const QByteArray gid = QByteArray::number(::getgid());
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
            reason = systemError(QStringLiteral("unshare(CLONE_NEWUSER | CLONE_NEWNS)"));
            return false;
        }
        // The same user outside; inside it may mount.
        if (!writeProcFile("/proc/self/setgroups", "deny") || !writeProcFile("/proc/self/uid_map", uid + ' ' + uid + " 1")
            || !writeProcFile("/proc/self/gid_map", gid + ' ' + gid + " 1")) {
            reason = systemError(QStringLiteral("writing the user namespace's id maps"));
            return false;
        }
    }
    // Mounts made here must not travel back to the namespace we came from.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        reason = systemError(QStringLiteral("making the mounts private"));
        return false;
    }
    entered = true;
    reason.clear();
    return true;
}

QString why()
{
    return reason;
}

bool mount(const QString& path, qint64 bytes)
{
    if (!entered)
        return false;
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
    if (::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) != 0) {
        reason = systemError(QStringLiteral("mounting a tmpfs on %1").arg(path));
        return false;
    }
    return true;
}

bool setReadOnly(const QString& path, bool readOnly)
{
    if (!entered)
        return false;
    const unsigned long flags = MS_REMOUNT | MS_NOSUID | MS_NODEV | (readOnly ? MS_RDONLY : 0);
    if (::mount(nullptr, QFile::encodeName(path).constData(), nullptr, flags, nullptr) != 0) {
        reason = systemError(QStringLiteral("remounting %1").arg(path));
        return false;
    }
    return true;
}

void unmount(const QString& path)
{
    ::umount2(QFile::encodeName(path).constData(), MNT_DETACH);
}

bool fill(const QString& folder, qint64 room)
{
    QFile filler(folder + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, '\0');
    while (filler.write(block) == block.size()) {
    }
    // A last partial page: room for a few bytes would still let a small file through.
    const QByteArray byte(1, '\0');
    while (filler.write(byte) == 1) {
    }
    return room <= 0 || filler.resize(qMax<qint64>(0, filler.size() - room));
}

} // namespace SmallFilesystem
