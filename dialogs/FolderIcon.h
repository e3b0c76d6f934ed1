#pragma once

#include <QPixmap>
#include <QString>

// The 16-pixel system icon of a folder or file, as the file manager shows it; the
// style's folder icon when the platform has none, so the result is never null.
QPixmap smallPathIcon(const QString& path);
