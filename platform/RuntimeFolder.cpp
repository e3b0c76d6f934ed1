#include "RuntimeFolder.h"

#include "PathFunctions.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isPrivateFolderOfUser(const QString& path)
{
    struct stat info;
    const QByteArray native = QFile::encodeName(path);
    if (::lstat(native.constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

} // namespace

QString runtimeFolder()
{
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && QFileInfo(xdg).isDir() && QFileInfo(xdg).isWritable())
        return addTrailingSeparator(xdg);

    const QString fallback = QDir::tempPath() + QStringLiteral("/vorenda-%1").arg(::getuid());
    const QByteArray native = QFile::encodeName(fallback);
    ::mkdir(native.constData(), 0700);
    if (!isPrivateFolderOfUser(fallback))
        ::chmod(native.constData(), 0700);
    return addTrailingSeparator(fallback);
}
