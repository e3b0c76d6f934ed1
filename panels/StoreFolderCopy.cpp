#include "StoreFolderCopy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace StoreFolderCopy {

namespace {

QString resolved(const QString& folder)
{
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return QDir::cleanPath(canonical.isEmpty() ? info.absoluteFilePath() : canonical);
}

} // namespace

bool isWithin(const QString& folder, const QString& root)
{
    const QString inner = resolved(folder);
    const QString outer = resolved(root);
    if (inner.isEmpty() || outer.isEmpty())
        return false;
    return inner == outer || inner.startsWith(outer.endsWith(QLatin1Char('/')) ? outer : outer + QLatin1Char('/'));
}

QStringList copy(const QString& from, const QString& to)
{
    const QDir source(from);
    const QDir target(to);
    QList<QFileInfo> entries;
    QDirIterator walk(source.absolutePath(), QDir::AllEntries | QDir::NoDotAndDotDot,
                      QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        walk.next();
        entries.append(walk.fileInfo());
    }

    QStringList failed;
    for (const QFileInfo& entry : qAsConst(entries)) {
        const QString destination = target.absoluteFilePath(source.relativeFilePath(entry.absoluteFilePath()));
        if (entry.isDir()) {
            if (!QDir().mkpath(destination))
                failed.append(destination);
        } else if (!QFileInfo::exists(destination)
                   && (!QDir().mkpath(QFileInfo(destination).absolutePath())
                       || !QFile::copy(entry.absoluteFilePath(), destination))) {
            failed.append(destination);
        }
    }
    return failed;
}

} // namespace StoreFolderCopy
