#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

class QIODevice;

// Writes the image to `path` through a new file beside it that is renamed over the
// name only when complete and on the disk, so a reader never sees half a picture.
// The rename replaces the directory entry itself: a link standing at `path` is
// replaced, never the file it points to. `format` names the image writer's format
// (any case), `quality` the writer's quality (-1: its default). On failure the old entry
// stays and `error` says why: the system's reason for a full disk or a name longer than
// the file system takes.
bool saveImageAtomically(const QImage& image, const QString& path, const QByteArray& format, QString* error,
                         int quality = -1);

// Writes `bytes` to `path` the same way.
bool saveBytesAtomically(const QString& path, const QByteArray& bytes, QString* error);

// Writes a file to `path` the same way, its contents written by `write` into the new
// file; `write` returns false and sets its error when it could not write them all.
bool saveFileAtomically(const QString& path, const std::function<bool(QIODevice*, QString*)>& write, QString* error);
