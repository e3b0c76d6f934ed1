#pragma once

#include "ThumbType.h"

#include <QPixmap>
#include <QSize>

class FileInfoProvider;
class QFileInfo;

// The rules that decide an item's kind and how its picture is fitted: the kind of a
// path, whether the kind shows an icon, the icon's size cap, the size a picture is
// drawn at and the picture an item keeps.
class ItemKinds
{
public:
    static ThumbType thumbnailType(const FileInfoProvider& provider, const QFileInfo& info);
    static bool isIcon(int type, bool customThumb);
    static int thumbnailSize(int type, bool customThumb, int size);
    static QSize normalizeSize(QSize size, int max);
    static QPixmap normalizeImage(QPixmap pixmap);
};
