#pragma once

#include <QString>
#include <QStringList>

// Copies the store folder to a new place for the preferences' "Change Store Folder".
namespace StoreFolderCopy {

// True when `folder` is `root` itself or lies inside it, symbolic links resolved: a
// copy of `root` into such a folder would copy itself. Missing folders count by their
// cleaned absolute paths.
bool isWithin(const QString& folder, const QString& root);

// True when `folder` holds a store of its own: its main data file "Vorenda.dat".
bool holdsStore(const QString& folder);

// Copies every folder and regular file below `from` (hidden ones, sockets and pipes
// not listed) to the same relative place below `to`, replacing files of the same names
// there. All or nothing: the files are first copied into a hidden folder inside `to`,
// synced to the disk and compared with their originals, and only then moved into
// place, the main data file last; when anything fails, `to` is left as it was.
// Returns the paths below `to` that could not be made, empty when everything was
// copied; `reason` (when given) says why the first of them failed.
QStringList copy(const QString& from, const QString& to, QString* reason = nullptr);

} // namespace StoreFolderCopy
