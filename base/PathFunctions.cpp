#include "PathFunctions.h"

#include <QDir>
#include <QRegExp>

QString addTrailingSeparator(const QString& path)
{
    if (path.isEmpty())
        return path;
    QString native = QDir::toNativeSeparators(path);
    if (!native.endsWith(QDir::separator()))
        native += QDir::separator();
    return native;
}

QString removeTrailingSeparator(const QString& path)
{
    if (path.isEmpty())
        return path;
    QString native = QDir::toNativeSeparators(path);
    if (native.endsWith(QDir::separator()))
        native.chop(1);
    return native;
}

QString getStorageLocation(QStandardPaths::StandardLocation location)
{
    return addTrailingSeparator(QStandardPaths::writableLocation(location));
}

bool matchesFilters(const QString& name, const QStringList& filters, bool emptyResult,
                    Qt::CaseSensitivity cs)
{
    if (name.isEmpty() || filters.isEmpty())
        return emptyResult;
    if (filters.contains(QStringLiteral("*")))
        return true;
    for (const QString& filter : filters) {
        QRegExp rx(filter, cs, QRegExp::Wildcard);
        if (rx.exactMatch(name))
            return true;
    }
    return false;
}
