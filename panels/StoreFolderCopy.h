#pragma once

#include <QString>
#include <QStringList>

// Copies the store folder to a new place for the preferences' "Change Store Folder".
namespace StoreFolderCopy {

// True when `folder` is `root` itself or lies inside it, symbolic links resolved: a
// copy of `root` into such a folder would copy itself. Missing folders count by their
// cleaned absolute paths.
bool isWithin(const QString& folder, const QString& root);

// Copies every folder and regular file below `from` (hidden ones, sockets and pipes
// not listed) to the same relative place below `to`. Files already there are kept as
// they are. Returns the paths below `to` that could not be made; the whole list is
// taken before the first copy, so what the copy adds is never copied again.
QStringList copy(const QString& from, const QString& to);

} // namespace StoreFolderCopy
