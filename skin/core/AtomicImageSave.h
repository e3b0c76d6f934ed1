#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes the image to `path` through a new file beside it that is renamed over the
// name only when complete and on the disk, so a reader never sees half a picture.
// The rename replaces the directory entry itself: a link standing at `path` is
// replaced, never the file it points to. `format` names the image writer's format
// (any case). On failure the old entry stays and `error` says why.
bool saveImageAtomically(const QImage& image, const QString& path, const QByteArray& format, QString* error);
