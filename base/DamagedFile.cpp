#include "DamagedFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

bool DamagedFile::keepAside(const QString& path, QString* kept)
{
    kept->clear();
    if (!QFileInfo::exists(path))
        return true;
    const QString base = QStringLiteral("%1.damaged-%2")
                             .arg(path, QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")));
    for (int n = 1; n <= mostNames; ++n) {
        const QString name = n == 1 ? base : QStringLiteral("%1-%2").arg(base).arg(n);
        // A dangling link is a name taken as well.
        if (QFileInfo::exists(name) || QFileInfo(name).isSymLink())
            continue;
        if (!QFile::rename(path, name))
            return false;
        *kept = name;
        return true;
    }
    return false;
}
