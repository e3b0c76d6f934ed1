#pragma once

#include <QFile>
#include <QString>

// True when `path` names a regular file, following links. FIFOs, sockets and devices
// are not files the program reads: opening one could block or never end.
bool isRegularFile(const QString& path);

// Opens `file` (its file name set) for reading only when it is a regular file. The
// check and the open are one step on one descriptor, so a FIFO swapped in between can
// neither block the open nor be read. On failure the file stays closed. Qt forgets the
// name of a file opened from a descriptor: callers keep the path themselves.
bool openRegularFile(QFile& file);

// Reads a whole regular file of at most `maxBytes` bytes into `contents`. A file that
// is larger (also one that grows while it is read) is refused, never cut short. On
// failure `contents` is empty and `error`, when given, says why.
bool readRegularFile(const QString& path, qint64 maxBytes, QByteArray& contents, QString* error = nullptr);
