#include "RuntimeFolder.h"

#include "PathFunctions.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTextStream>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A folder, not a link to one, of this user, that nobody else may enter.
bool isPrivateFolderOfUser(const QString& path)
{
    struct stat info {};
    const QByteArray native = QFile::encodeName(path);
    if (::lstat(native.constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

// Makes `path` with mode 0700 when missing; true when it is then a private folder
// of this user. One that was there before and is not is left alone: another account
// may have made it, or put files into it while it was open to all.
bool usePrivateFolder(const QString& path)
{
    ::mkdir(QFile::encodeName(path).constData(), 0700);
    if (isPrivateFolderOfUser(path))
        return true;
    QTextStream(stderr) << "Vorenda: " << path << " is not a private folder of this user; not used" << Qt::endl;
    return false;
}

} // namespace

QString runtimeFolder()
{
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && isPrivateFolderOfUser(xdg))
        return addTrailingSeparator(xdg);

    // The same name for every process of the user, so they find one another's lock.
    const QString shared = QDir::tempPath() + QStringLiteral("/vorenda-%1").arg(::getuid());
    if (usePrivateFolder(shared))
        return addTrailingSeparator(shared);

    // Inside the user's home no other account can have made it first.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.isEmpty() && QDir().mkpath(cache)) {
        const QString own = cache + QStringLiteral("/vorenda-runtime-") + QSysInfo::machineHostName();
        if (usePrivateFolder(own))
            return addTrailingSeparator(own);
    }
    return QString();
}
