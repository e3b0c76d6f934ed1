#include "RecurseDir.h"

QFileInfoList recurseDir(const QString& path, const QStringList& nameFilters, QDir::Filters filters,
                         QDirIterator::IteratorFlags flags)
{
    QFileInfoList entries;
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return entries;
    QDirIterator it(path, nameFilters, filters, flags);
    while (it.hasNext()) {
        it.next();
        entries.append(it.fileInfo());
    }
    return entries;
}
