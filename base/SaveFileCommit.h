#pragma once

#include <QSaveFile>
#include <QString>

// Finishes a QSaveFile so that the old file is replaced only by a complete new one.
// Qt 5's commit() ignores a failure of its final flush and of the sync to disk: on a
// full disk it renamed an empty or cut file over the old one and reported success.
// Here Qt's buffer is written out and synced first; when either fails the temporary
// file is dropped and the old file stays as it was. `error` (when given) says why.
bool commitSaveFile(QSaveFile& file, QString* error = nullptr);

// Why writing `file` failed. Qt gives no reason for a write that the disk cut short
// ("Unknown error"), as on the first save onto a disk that fills up during it; then
// one more byte is written at the end of the temporary file, which is dropped anyway,
// and what the system says of that is the reason ("No space left on device").
QString saveFileError(QSaveFile& file);

// Why `file` could not be opened. Qt says only that an existing file "is not writable"
// where the system would give the cause, as on a read-only filesystem: then the
// system's own words.
QString saveFileOpenError(const QSaveFile& file);
