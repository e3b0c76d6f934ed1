#include "ItemKinds.h"

#include "FileInfoProvider.h"
#include "ImagePainter.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>

ThumbType ItemKinds::thumbnailType(const FileInfoProvider& provider, const QFileInfo& info)
{
    if (!info.isFile())
        return ThumbIcon;
    if (provider.isWebPage(info))
        return ThumbWebPage;
    if (provider.isImage(info))
        return ThumbImage;
    if (provider.isVideo(info))
        return ThumbVideo;
    if (provider.isAudio(info))
        return ThumbAudio;
    return ThumbIcon;
}

bool ItemKinds::isIcon(int type, bool customThumb)
{
    const bool thumbnailKind = type == ThumbImage || type == ThumbPhoto || type == ThumbVideo || type == ThumbWebPage;
    return !thumbnailKind && !customThumb;
}

int ItemKinds::thumbnailSize(int type, bool customThumb, int size)
{
    return isIcon(type, customThumb) ? qMin(size, VorendaGlobal::SHELF_ICONSIZE) : size;
}

QSize ItemKinds::normalizeSize(QSize size, int max)
{
    const int w = size.width();
    const int h = size.height();
    // An empty picture has no aspect ratio to keep.
    if (w <= 0 || h <= 0)
        return size;
    const int bound = h > w ? qMin(h, max) : qMin(w, max);
    QSize result = size.scaled(bound, bound, Qt::KeepAspectRatio);
    // A tall, thin picture keeps a usable width; its height may then pass the bound.
    if (h > w && result.width() <= VorendaGlobal::SHELF_MINIMAGESIZE) {
        const int minimum = VorendaGlobal::SHELF_MINIMAGESIZE;
        result = QSize(minimum, int(qint64(minimum) * h / w));
    }
    return result;
}

QPixmap ItemKinds::normalizeImage(QPixmap pixmap)
{
    if (pixmap.isNull())
        return pixmap;
    const int minimum = VorendaGlobal::SHELF_MINIMAGESIZE;
    if (pixmap.width() < minimum || pixmap.height() < minimum) {
        // A tiny picture stands on the bottom edge of a transparent ground.
        QPixmap ground(qMax(pixmap.width(), minimum), qMax(pixmap.height(), minimum));
        ground.fill(Qt::transparent);
        QPainter painter(&ground);
        ImagePainter(pixmap, ImagePainter::CenterBottom).paint(&painter, QRectF(ground.rect()), QPainterPath());
        painter.end();
        pixmap = ground;
    }
    const int maximum = VorendaGlobal::SHELF_MAXTHUMBSIZE;
    if (pixmap.width() > maximum || pixmap.height() > maximum)
        pixmap = pixmap.scaled(maximum, maximum, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return pixmap;
}

// ---- The cabinet's entry points

ThumbType VorendaShelf::getThumbnailType(const QFileInfo& info) const
{
    return ItemKinds::thumbnailType(*fileInfoProvider, info);
}

bool VorendaShelf::isIcon(int type, bool customThumb)
{
    return ItemKinds::isIcon(type, customThumb);
}

int VorendaShelf::getThumbnailSize(int type, bool customThumb, int size)
{
    return ItemKinds::thumbnailSize(type, customThumb, size);
}

QSize VorendaShelf::normalizeSize(QSize size, int max)
{
    return ItemKinds::normalizeSize(size, max);
}

QPixmap VorendaShelf::normalizeImage(QPixmap pixmap)
{
    return ItemKinds::normalizeImage(pixmap);
}
