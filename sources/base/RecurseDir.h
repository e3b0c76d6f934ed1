#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFileInfoList>
#include <QStringList>

// Every entry a directory iterator built from these arguments yields, in the
// iterator's order. A missing folder gives an empty list; followed symbolic
// links are entered once, so link loops end.
QFileInfoList recurseDir(const QString& path, const QStringList& nameFilters, QDir::Filters filters,
                         QDirIterator::IteratorFlags flags);
