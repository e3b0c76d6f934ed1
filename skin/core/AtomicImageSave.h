#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes the image to `path` through a temporary file that replaces the old one only
// when complete, so a reader never sees half a thumbnail. `format` names the image
// writer's format (any case). A link standing at `path` is replaced, never followed:
// the thumbnail never lands outside its folder. On failure the old file stays and
// `error` says why.
bool saveImageAtomically(const QImage& image, const QString& path, const QByteArray& format, QString* error);
