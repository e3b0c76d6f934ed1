#include "HelperJobFiles.h"

#include "RuntimeFolder.h"

#include <QDebug>
#include <QFile>
#include <QTemporaryFile>

#include <sys/stat.h>
#include <unistd.h>

QString helperJobFolder()
{
    const QString runtime = runtimeFolder();
    if (runtime.isEmpty()) {
        qWarning() << "Thumbnail job folder unusable: no private runtime folder";
        return QString();
    }
    const QString folder = runtime + QStringLiteral("thumbnail-jobs");
    const QByteArray native = QFile::encodeName(folder);
    ::mkdir(native.constData(), 0700);
    struct stat info;
    if (::lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid()) {
        qWarning() << "Thumbnail job folder unusable:" << folder;
        return QString();
    }
    if ((info.st_mode & 077) != 0 && ::chmod(native.constData(), 0700) != 0) {
        qWarning() << "Thumbnail job folder cannot be made private:" << folder;
        return QString();
    }
    return folder;
}

QString createHelperJobFile(const QString& baseName)
{
    const QString folder = helperJobFolder();
    if (folder.isEmpty())
        return QString();
    QTemporaryFile file(folder + QLatin1Char('/') + baseName + QStringLiteral("-XXXXXX.dat"));
    file.setAutoRemove(false);
    if (!file.open()) {
        qWarning() << "Thumbnail job file not created in" << folder << file.errorString();
        return QString();
    }
    return file.fileName();
}
