#include "ThumbnailCache.h"

#include "BoundedImageReader.h"
#include "CachedPictureStore.h"
#include "ClipboardPictures.h"
#include "FileInfoProvider.h"
#include "MyThumbnailItem.h"
#include "MyThumbnailView.h"
#include "ShelfLog.h"
#include "ShelfParts.h"
#include "TextFunctions.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUuid>

namespace {

// The text whose digest names the icon all web links share.
const char webLinkMarker[] = ".Bookmark";

} // namespace

ThumbnailCache::ThumbnailCache(VorendaShelf& shelf)
    : shelf(shelf)
    , files(std::make_unique<CachedPictureStore>())
{
}

ThumbnailCache::~ThumbnailCache() = default;

QString ThumbnailCache::getThumbnailName(const QString& text)
{
    return QStringLiteral("%1.%2").arg(getHash(text, QCryptographicHash::Md5), VorendaGlobal::THUMBEXT);
}

QString ThumbnailCache::getCachePath(const QString& thumbnailName)
{
    return QDir(VorendaGlobal::getCacheLocation()).absoluteFilePath(thumbnailName);
}

QString ThumbnailCache::iconName(const QString& target, const QString& itemName) const
{
    if (shelf.fileInfoProvider->isGenericIcon(target))
        return getThumbnailName(QLatin1Char('.') + QFileInfo(target).suffix().toUpper());
    return getThumbnailName(target.isEmpty() ? itemName : target);
}

QString ThumbnailCache::store(const QString& name, const QPixmap& pixmap)
{
    if (pixmap.isNull())
        return QString();
    QDir folder(VorendaGlobal::getCacheLocation());
    if (!folder.mkpath(folder.absolutePath()))
        return QString();
    const QString path = folder.absoluteFilePath(name);
    if (VorendaGlobal::readOnlyConfig)
        return path;

    // The shared copy in memory is stale once its file is written again.
    forgetSharedIcon(path);
    if (files->store(path, pixmap))
        return path;
    ShelfLog::write(shelf, QStringLiteral("Couldn't save thumbnail '%1'").arg(path));
    return QString();
}

void ThumbnailCache::forgetSharedIcon(const QString& path)
{
    if (sharedIcons.remove(path) == 0)
        return;
    const QString prefix = path + QLatin1Char('#');
    for (auto it = normalizedIcons.begin(); it != normalizedIcons.end();) {
        if (it.key().startsWith(prefix))
            it = normalizedIcons.erase(it);
        else
            ++it;
    }
}

bool ThumbnailCache::fileInUse(const QString& path, const QSet<AbstractThumbnailItem*>& leaving) const
{
    QList<VorendaShelf*> cabinets = VorendaGlobal::shelves;
    if (!cabinets.contains(&shelf))
        cabinets.append(&shelf);
    const QString cache = VorendaGlobal::getCacheLocation();
    for (VorendaShelf* cabinet : qAsConst(cabinets)) {
        const QList<AbstractThumbnailItem*> items = cabinet->view->getAllItems();
        for (AbstractThumbnailItem* other : items) {
            if (leaving.contains(other))
                continue;
            auto* item = qobject_cast<MyThumbnailItem*>(other);
            if (item && !item->properties.thumbnail.isEmpty()
                && QDir(cache).absoluteFilePath(item->properties.thumbnail) == path)
                return true;
        }
    }
    return false;
}

void ThumbnailCache::remove(const QList<AbstractThumbnailItem*>& items)
{
    shelf.thumbSizeAnchor = nullptr;
    if (VorendaGlobal::readOnlyConfig)
        return;
    const QDir cache(VorendaGlobal::getCacheLocation());
    const QString cacheFolder = cache.canonicalPath();
    if (cacheFolder.isEmpty())
        return;
    const QSet<AbstractThumbnailItem*> leaving(items.cbegin(), items.cend());
    // Items on the clipboard come back with their pictures when pasted.
    const QSet<QString> onClipboard = ClipboardPictures::held();
    QSet<QString> handled;
    for (AbstractThumbnailItem* entry : items) {
        auto* item = qobject_cast<MyThumbnailItem*>(entry);
        if (!item || item->properties.thumbnail.isEmpty())
            continue;
        const int type = item->properties.type;
        if (type != ThumbImage && type != ThumbPhoto && type != ThumbVideo)
            continue;
        const QString path = cache.absoluteFilePath(item->properties.thumbnail);
        if (handled.contains(path))
            continue;
        handled.insert(path);
        // Only pictures this program cached, never a file the user's data points at.
        const QFileInfo info(path);
        if (!info.exists() || info.isSymLink() || QFileInfo(info.absolutePath()).canonicalFilePath() != cacheFolder)
            continue;
        if (onClipboard.contains(path) || fileInUse(path, leaving))
            continue;
        QFile::remove(path);
        forgetSharedIcon(path);
    }
}

QPixmap ThumbnailCache::loadBoundedPicture(const QString& file, int box)
{
    BoundedImageReader reader(file);
    reader.setAutoTransform(true);
    const QImage image = reader.readFitting(QSize(box, box));
    if (image.isNull())
        VorendaGlobal::addToLog(
            QStringLiteral("VorendaShelf: Picture '%1' not read: %2").arg(file, reader.errorString()));
    return QPixmap::fromImage(image);
}

QPixmap ThumbnailCache::readPicture(const QString& path)
{
    return QPixmap::fromImage(BoundedImageReader::readFile(path));
}

QPixmap ThumbnailCache::loadPicture(const QString& path)
{
    const auto shared = sharedIcons.constFind(path);
    if (shared != sharedIcons.constEnd())
        return shared.value();
    return readPicture(path);
}

QPixmap ThumbnailCache::systemIcon(const QFileInfo& info) const
{
    const auto sizeClass =
        VorendaGlobal::SHELF_ICONSIZE == 256 ? FileInfoProvider::Size256 : FileInfoProvider::Size48;
    return shelf.fileInfoProvider->icon(info, sizeClass, false);
}

QPixmap ThumbnailCache::normalizedSystemIcon(const QFileInfo& info)
{
    // The provider hands out the same picture for the same icon: thousands of items of
    // a few kinds share a few pictures in memory.
    const QPixmap icon = systemIcon(info);
    const QString key = QStringLiteral("%1 %2 %3")
                            .arg(icon.cacheKey())
                            .arg(VorendaGlobal::SHELF_MINIMAGESIZE)
                            .arg(VorendaGlobal::SHELF_MAXTHUMBSIZE);
    const auto found = normalizedSystemIcons.constFind(key);
    if (found != normalizedSystemIcons.constEnd())
        return found.value();
    const QPixmap picture = VorendaShelf::normalizeImage(icon);
    if (normalizedSystemIcons.size() >= maxNormalizedSystemIcons)
        normalizedSystemIcons.clear();
    normalizedSystemIcons.insert(key, picture);
    return picture;
}

QPixmap ThumbnailCache::storedItemIcon(const QString& target, const QString& itemName, QString& path)
{
    const QPixmap picture = normalizedSystemIcon(QFileInfo(target));
    path = store(iconName(target, itemName), picture);
    return picture;
}

QPixmap ThumbnailCache::webLinkIcon() const
{
    return systemIcon(QFileInfo(QCoreApplication::applicationDirPath() + QStringLiteral("/vorenda.url")));
}

ThumbnailCache::FirstPicture ThumbnailCache::firstPicture(const QString& name, const QString& target, QPixmap pixmap,
                                                          GenericType type)
{
    const QFileInfo info(target);
    const bool webLink = type == GenericWebUrl;
    if (webLink) {
        // The system is asked for the web-link icon once; later links share it.
        pixmap = sharedIcons.value(getCachePath(getThumbnailName(QLatin1String(webLinkMarker))));
        if (pixmap.isNull())
            pixmap = webLinkIcon();
    }

    const QString targetThumbName = getThumbnailName(target.isEmpty() ? name : target);
    QString thumbName = targetThumbName;
    QString thumbPath = getCachePath(thumbName);
    bool request = true;
    bool sharedIcon = false;

    if (pixmap.isNull()) {
        pixmap = loadPicture(thumbPath);
        if (pixmap.isNull() && shelf.fileInfoProvider->isGenericIcon(target)) {
            // Every plain document of one suffix shows the same cached type icon.
            thumbName = iconName(target, name);
            thumbPath = getCachePath(thumbName);
            pixmap = loadPicture(thumbPath);
            sharedIcon = true;
        }
    } else if (!webLink) {
        thumbName = getThumbnailName(thumbName + QUuid::createUuid().toString());
        thumbPath = store(thumbName, pixmap);
    } else {
        thumbName = getThumbnailName(QLatin1String(webLinkMarker));
        thumbPath = getCachePath(thumbName);
        // The web-link icon is the same for every link: stored once.
        if (!sharedIcons.contains(thumbPath) || !QFileInfo::exists(thumbPath))
            thumbPath = store(thumbName, pixmap);
        sharedIcon = true;
    }

    if (webLink) {
        const QString pagePath = getCachePath(targetThumbName);
        const QPixmap page = readPicture(pagePath);
        if (!page.isNull()) {
            pixmap = page;
            thumbPath = pagePath;
            request = false;
            sharedIcon = false;
        }
    }

    if (pixmap.isNull()) {
        pixmap = normalizedSystemIcon(info);
        thumbPath = store(thumbName, pixmap);
    }

    QPixmap picture;
    const QString normalizedKey = thumbPath + QLatin1Char('#') + QString::number(VorendaGlobal::SHELF_MAXTHUMBSIZE);
    if (sharedIcon && normalizedIcons.contains(normalizedKey)) {
        picture = normalizedIcons.value(normalizedKey);
    } else {
        picture = VorendaShelf::normalizeImage(pixmap);
        if (sharedIcon && !thumbPath.isEmpty()) {
            // Thousands of files of one kind share one picture in memory too.
            sharedIcons.insert(thumbPath, pixmap);
            normalizedIcons.insert(normalizedKey, picture);
        }
    }
    return {picture, thumbPath, request};
}

// ---- The cabinet's entry points

QString VorendaShelf::cacheThumbnail(const QString& name, const QPixmap& pixmap)
{
    return ShelfParts::of(*this).cache.store(name, pixmap);
}

void VorendaShelf::removeCache(QList<AbstractThumbnailItem*> items)
{
    ShelfParts::of(*this).cache.remove(items);
}
