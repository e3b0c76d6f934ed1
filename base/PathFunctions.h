#pragma once

#include <QStandardPaths>
#include <QString>
#include <QStringList>

// Paths always use the native separator; folders handed around end with one.
QString addTrailingSeparator(const QString& path);
QString removeTrailingSeparator(const QString& path);

// The platform folder of that kind, ending with a separator.
QString getStorageLocation(QStandardPaths::StandardLocation location);

// True when the whole name matches one of the wildcard filters. An empty name or
// an empty filter list gives `emptyResult`; a list holding "*" matches any name.
bool matchesFilters(const QString& name, const QStringList& filters, bool emptyResult,
                    Qt::CaseSensitivity cs = Qt::CaseInsensitive);
