#pragma once

#include "ThumbType.h"

#include <QHash>
#include <QList>
#include <QPixmap>
#include <QSet>
#include <QString>

#include <memory>

class AbstractThumbnailItem;
class CachedPictureStore;
class QFileInfo;
class VorendaShelf;

// The pictures of one cabinet's items as PNG files in the cache folder, named
// "<md5 of a text>.<THUMBEXT>": the item's target for its own thumbnail, "." and an
// upper-case suffix for the icon that plain files of one kind share, ".Bookmark" for
// the web-link icon. The icons many items share are kept in memory once.
class ThumbnailCache
{
public:
    explicit ThumbnailCache(VorendaShelf& shelf);
    ~ThumbnailCache();

    ThumbnailCache(const ThumbnailCache&) = delete;
    ThumbnailCache& operator=(const ThumbnailCache&) = delete;

    static QString getThumbnailName(const QString& text);
    static QString getCachePath(const QString& thumbnailName);
    // The name of the icon an item of `target` keeps: the one its kind of file shares
    // when its icon is generic, else its own (`itemName`'s when there is no target).
    QString iconName(const QString& target, const QString& itemName) const;

    // Stores a picture under `name`; its path, or empty when nothing could be stored.
    QString store(const QString& name, const QPixmap& pixmap);
    // Deletes the cached thumbnails that only these items use (items on the clipboard
    // use theirs too).
    void remove(const QList<AbstractThumbnailItem*>& items);

    // A picture decoded no larger than `box` where the format allows; null for what is
    // no picture or would need more than 256 MB.
    static QPixmap loadBoundedPicture(const QString& file, int box);
    // A cached picture from its file, at its own size; null for what is no picture or
    // would need more than 256 MB.
    static QPixmap readPicture(const QString& path);
    // A cached picture, from memory when it is a shared icon.
    QPixmap loadPicture(const QString& path);

    // The system icon of a path at the size class items use.
    QPixmap systemIcon(const QFileInfo& info) const;
    // normalizeImage of the system icon, shared by every item of the same icon.
    QPixmap normalizedSystemIcon(const QFileInfo& info);
    // The system icon for an item whose picture is gone, stored in the cache; `path`
    // becomes the stored file's path.
    QPixmap storedItemIcon(const QString& target, const QString& itemName, QString& path);

    // The first picture of a new item, normalized, and its file: a cached thumbnail of
    // the target, the shared icon of its kind or of web links, the supplied picture
    // stored under a name of its own, or the system icon.
    struct FirstPicture
    {
        QPixmap picture;
        QString path;
        // False when the picture is a web page's own thumbnail already.
        bool request = true;
    };
    FirstPicture firstPicture(const QString& name, const QString& target, QPixmap supplied, GenericType type);

private:
    QPixmap webLinkIcon() const;
    void forgetSharedIcon(const QString& path);
    // Whether another item of any cabinet still shows the cache file `path`.
    bool fileInUse(const QString& path, const QSet<AbstractThumbnailItem*>& leaving) const;

    VorendaShelf& shelf;
    std::unique_ptr<CachedPictureStore> files;
    // Shared icon files as read (by path) and as kept in items (by path and maximum size).
    QHash<QString, QPixmap> sharedIcons;
    QHash<QString, QPixmap> normalizedIcons;
    // System icons as items keep them, by icon and picture limits; a bounded table.
    static constexpr int maxNormalizedSystemIcons = 256;
    QHash<QString, QPixmap> normalizedSystemIcons;
};
