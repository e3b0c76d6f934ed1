#include "FileInfoProvider.h"

#include "BoundedImageReader.h"
#include "DesktopEntry.h"
#include "FallbackFileIcon.h"

#include <QDir>
#include <QImageReader>
#include <QMimeDatabase>
#include <QObject>
#include <QSet>
#include <QStandardPaths>

namespace {

// Besides the classic formats, those common on Linux desktops (FLAC, Ogg, Opus,
// Matroska, WebM), which the media helpers read as well.
const QStringList audioSuffixes = {QStringLiteral("mp3"),  QStringLiteral("aac"),  QStringLiteral("wma"),
                                   QStringLiteral("oga"),  QStringLiteral("wav"),  QStringLiteral("flac"),
                                   QStringLiteral("ogg"),  QStringLiteral("opus"), QStringLiteral("m4a"),
                                   QStringLiteral("aiff"), QStringLiteral("aif")};
const QStringList videoSuffixes = {
    QStringLiteral("mov"), QStringLiteral("avi"), QStringLiteral("wmv"),  QStringLiteral("3gp"),
    QStringLiteral("mpg"), QStringLiteral("mp4"), QStringLiteral("mpeg"), QStringLiteral("flv"),
    QStringLiteral("asf"), QStringLiteral("mpe"), QStringLiteral("3g2"),  QStringLiteral("vob"),
    QStringLiteral("rm"),  QStringLiteral("m4v"), QStringLiteral("divx"), QStringLiteral("xvid"),
    QStringLiteral("3gpp"), QStringLiteral("mkv"), QStringLiteral("webm"), QStringLiteral("ogv"),
    QStringLiteral("m2ts"), QStringLiteral("mts")};
const QStringList webPageSuffixes = {QStringLiteral("html"), QStringLiteral("htm"), QStringLiteral("url")};

// The text after the last dot, lower case; empty without a dot.
QString lowerSuffix(const QFileInfo& info)
{
    const QString name = info.fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1).toLower();
}

// Qt's image formats without icon files, whose pictures are too small to show.
const QSet<QByteArray>& imageFormats()
{
    static const QSet<QByteArray> formats = [] {
        QSet<QByteArray> names;
        const QList<QByteArray> list = QImageReader::supportedImageFormats();
        for (const QByteArray& name : list)
            if (name.toLower() != "ico" && !BoundedImageReader::isRefusedFormat(name.toLower()))
                names.insert(name);
        return names;
    }();
    return formats;
}

// Outside a desktop session Qt knows no icon theme: look in the XDG icon folders,
// with the common theme behind the base one for MIME type icons.
void useSystemIconThemes()
{
    static bool done = false;
    if (done)
        return;
    done = true;

    QStringList searchPaths = QIcon::themeSearchPaths();
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (QString& folder : folders)
        folder += QStringLiteral("/icons");
    folders.prepend(QDir::homePath() + QStringLiteral("/.icons"));
    for (const QString& folder : qAsConst(folders))
        if (!searchPaths.contains(folder) && QFileInfo(folder).isDir())
            searchPaths.append(folder);
    QIcon::setThemeSearchPaths(searchPaths);

    if (QIcon::themeName().isEmpty())
        QIcon::setThemeName(QStringLiteral("hicolor"));
    if (QIcon::fallbackThemeName().isEmpty() || QIcon::fallbackThemeName() == QLatin1String("hicolor")) {
        for (const QString& path : qAsConst(searchPaths))
            if (QFileInfo::exists(path + QStringLiteral("/Adwaita/index.theme"))) {
                QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
                break;
            }
    }
}

bool usable(const QIcon& icon)
{
    return !icon.isNull() && !icon.pixmap(QSize(32, 32)).isNull();
}

} // namespace

FileInfoProvider::FileInfoProvider()
{
    useSystemIconThemes();
}

FileInfoProvider::~FileInfoProvider() = default;

QSize FileInfoProvider::getSize(IconSize size)
{
    switch (size) {
    case Size16: return QSize(16, 16);
    case Size32: return QSize(32, 32);
    case Size256: return QSize(256, 256);
    case Size48:
    default: return QSize(48, 48);
    }
}

QPixmap FileInfoProvider::icon(const QFileInfo& info, IconSize size, bool scale) const
{
    const QSize wanted = getSize(size);
    const QIcon source = entryIcon(info);
    // Thousands of files share a few icons: each is drawn once per size, and callers
    // get the same picture, which they can tell by its cache key.
    const QString key = QStringLiteral("%1 %2 %3").arg(source.cacheKey()).arg(int(size)).arg(scale);
    const auto drawn = iconPixmaps.constFind(key);
    if (drawn != iconPixmaps.constEnd())
        return drawn.value();
    QPixmap pixmap = source.pixmap(wanted, QIcon::Normal);
    if (pixmap.isNull())
        pixmap = fallbackFileIcon(info.isDir()).pixmap(wanted);
    if (scale && pixmap.size() != wanted)
        pixmap = pixmap.scaled(wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (iconPixmaps.size() >= MAX_REMEMBERED)
        iconPixmaps.clear();
    iconPixmaps.insert(key, pixmap);
    return pixmap;
}

QIcon FileInfoProvider::icon(const QFileInfo& info) const
{
    return entryIcon(followValidLink(info));
}

QString FileInfoProvider::type(const QFileInfo& info) const
{
    if (isBundle(info))
        return QObject::tr("Application");
    return QFileIconProvider::type(followValidLink(info));
}

QString FileInfoProvider::displayName(const QFileInfo& info) const
{
    if (DesktopEntry::hasDesktopSuffix(info.fileName()) && info.isFile()) {
        const DesktopEntry entry(info.absoluteFilePath());
        if (!entry.name().isEmpty())
            return entry.name();
    }
    return info.fileName();
}

bool FileInfoProvider::isAudio(const QFileInfo& info) const
{
    const QString suffix = lowerSuffix(info);
    return !suffix.isEmpty() && audioSuffixes.contains(suffix);
}

bool FileInfoProvider::isVideo(const QFileInfo& info) const
{
    const QString suffix = lowerSuffix(info);
    return !suffix.isEmpty() && videoSuffixes.contains(suffix);
}

bool FileInfoProvider::isWebPage(const QFileInfo& info) const
{
    const QString suffix = lowerSuffix(info);
    return !suffix.isEmpty() && webPageSuffixes.contains(suffix);
}

bool FileInfoProvider::isImage(const QFileInfo& info) const
{
    const QString suffix = lowerSuffix(info);
    return !suffix.isEmpty() && imageFormats().contains(suffix.toLatin1());
}

QStringList FileInfoProvider::imageFilePatterns()
{
    static const char* const common[] = {"jpg", "jpeg", "gif", "tif", "bmp", "png", "xpm", "pbm", "pgm", "ppm"};
    // Phones' and cameras' own formats, listed where a reader of them is installed.
    static const char* const photos[] = {"tiff", "webp", "heic", "heif", "avif", "jxl", "dng", "cr2", "cr3",
                                         "crw", "nef", "nrw", "arw", "orf", "rw2", "raf", "pef", "srw"};
    QStringList patterns;
    for (const char* suffix : common)
        patterns << QStringLiteral("*.") + QLatin1String(suffix);
    for (const char* suffix : photos)
        if (imageFormats().contains(suffix))
            patterns << QStringLiteral("*.") + QLatin1String(suffix);
    return patterns;
}

bool FileInfoProvider::isWebLocation(const QFileInfo& info) const
{
    if (!info.isFile())
        return false;
    const QString suffix = lowerSuffix(info);
    if (suffix == QLatin1String("webloc") || suffix == QLatin1String("url"))
        return true;
    return DesktopEntry::hasDesktopSuffix(info.fileName()) && DesktopEntry(info.absoluteFilePath()).isLink();
}

bool FileInfoProvider::isBundle(const QFileInfo& info) const
{
    return DesktopEntry::hasDesktopSuffix(info.fileName()) && info.isFile()
        && DesktopEntry(info.absoluteFilePath()).isApplication();
}

bool FileInfoProvider::isValidSymLink(const QFileInfo& info) const
{
    if (!info.isSymLink())
        return false;
    const QFileInfo target(info.readLink());
    return lowerSuffix(target) == QLatin1String("webloc") || isWebPage(target) || isImage(target)
        || isAudio(target) || isVideo(target);
}

bool FileInfoProvider::isGenericIcon(const QString& path) const
{
    if (path.isEmpty())
        return false;
    const QFileInfo info = followValidLink(QFileInfo(path));
    if (isBundle(info) || !info.exists() || !info.isFile())
        return false;
    const QString suffix = QStringLiteral(".") + info.suffix().toUpper();
    return suffix != QLatin1String(".ICO") && suffix != QLatin1String(".ICNS");
}

qint64 FileInfoProvider::size(const QFileInfo& info) const
{
    const QFileInfo entry = followValidLink(info);
    if (!entry.exists() || !entry.isFile() || isBundle(entry))
        return 0;
    return entry.size();
}

QDateTime FileInfoProvider::lastModified(const QFileInfo& info) const
{
    return followValidLink(info).lastModified();
}

QFileInfo FileInfoProvider::followValidLink(const QFileInfo& info) const
{
    return isValidSymLink(info) ? QFileInfo(info.readLink()) : info;
}

QIcon FileInfoProvider::entryIcon(const QFileInfo& info) const
{
    if (DesktopEntry::hasDesktopSuffix(info.fileName()) && info.isFile()) {
        const QString name = DesktopEntry(info.absoluteFilePath()).iconName();
        QIcon own;
        // A picture file of the entry's own may be anything: read bounded, at the
        // largest size an item shows.
        if (QDir::isAbsolutePath(name))
            own = QIcon(QPixmap::fromImage(BoundedImageReader::readFile(name, getSize(Size256))));
        else if (!name.isEmpty())
            own = QIcon::fromTheme(name);
        if (usable(own))
            return own;
    }

    QIcon found = themeIcon(info);
    if (usable(found))
        return found;
    found = QFileIconProvider::icon(info);
    if (usable(found))
        return found;

    QIcon& fallback = info.isDir() ? folderFallback : fileFallback;
    if (fallback.isNull())
        fallback = fallbackFileIcon(info.isDir());
    return fallback;
}

QMimeType FileInfoProvider::mimeTypeOf(const QFileInfo& info) const
{
    static const QMimeDatabase database;
    if (info.isDir())
        return database.mimeTypeForName(QStringLiteral("inode/directory"));
    // A missing file is known by its name alone. Matching a name against the database's
    // patterns is slow and names of one suffix are of one type, so the type of a missing
    // file is looked up once for each suffix.
    const QString suffix = info.completeSuffix().toLower();
    if (suffix.isEmpty() || info.exists())
        return database.mimeTypeForFile(info);
    const auto known = suffixTypes.constFind(suffix);
    if (known != suffixTypes.constEnd())
        return known.value();
    const QMimeType type = database.mimeTypeForFile(QStringLiteral("x.") + suffix, QMimeDatabase::MatchExtension);
    if (suffixTypes.size() >= MAX_REMEMBERED)
        suffixTypes.clear();
    suffixTypes.insert(suffix, type);
    return type;
}

QIcon FileInfoProvider::themeIcon(const QFileInfo& info) const
{
    const QMimeType mime = mimeTypeOf(info);
    if (!mime.isValid())
        return QIcon();
    auto cached = mimeIcons.constFind(mime.name());
    if (cached != mimeIcons.constEnd())
        return *cached;

    QIcon icon = QIcon::fromTheme(mime.iconName());
    if (!usable(icon))
        icon = QIcon::fromTheme(mime.genericIconName());
    if (!usable(icon) && info.isDir())
        icon = QIcon::fromTheme(QStringLiteral("folder"));
    if (!usable(icon))
        icon = QIcon();
    mimeIcons.insert(mime.name(), icon);
    return icon;
}
