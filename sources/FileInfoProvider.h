#pragma once

#include <QDateTime>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QMimeType>
#include <QPixmap>
#include <QSize>
#include <QString>

// Answers what the program asks about a file before it becomes an item: its icon at
// a size class, its type name, which thumbnail helper can picture it, whether a
// symbolic link is worth following, whether its icon is a plain type icon, its size
// and date. Application ".desktop" entries stand for themselves: their own name,
// icon and the type "Application". Icons come from the icon theme by the file's MIME
// type, then from the platform, then from the program's own drawings: never null.
// Icons are Qt GUI objects: use a provider on the GUI thread only.
class FileInfoProvider : public QFileIconProvider
{
public:
    // Square icon sizes: 16, 32, 48 and 256 pixels; any other value gives 48.
    enum IconSize { Size16 = 0, Size32 = 1, Size48 = 2, Size256 = 3 };

    FileInfoProvider();
    ~FileInfoProvider() override;

    static QSize getSize(IconSize size);

    using QFileIconProvider::icon;
    // The entry's own icon (a link is not followed) rendered at the size class; with
    // `scale`, a smaller picture is scaled up smoothly to the class's size.
    QPixmap icon(const QFileInfo& info, IconSize size, bool scale) const;
    // The icon of a valid link's target, else of the entry.
    QIcon icon(const QFileInfo& info) const override;
    // The type name: "Application" for a program's desktop entry, else the system's.
    QString type(const QFileInfo& info) const override;

    // The name to show: a desktop entry's own name in the user's language, else the file name.
    QString displayName(const QFileInfo& info) const;

    bool isAudio(const QFileInfo& info) const;
    bool isVideo(const QFileInfo& info) const;
    bool isWebPage(const QFileInfo& info) const;
    bool isImage(const QFileInfo& info) const;
    // The name patterns ("*.jpg", ...) of the picture files a file dialog offers: the
    // common formats and the photo formats whose readers are installed.
    static QStringList imageFilePatterns();
    // A program's desktop entry, the counterpart of an application bundle.
    bool isBundle(const QFileInfo& info) const;
    // A file that only points at a web address: a ".webloc" or ".url" file, or a
    // ".desktop" entry of type Link. The address is read later (WeblocParser).
    bool isWebLocation(const QFileInfo& info) const;
    // A symbolic link to a web location, web page, image, audio or video file.
    bool isValidSymLink(const QFileInfo& info) const;
    // A plain document, whose icon is that of its file type.
    bool isGenericIcon(const QString& path) const;

    qint64 size(const QFileInfo& info) const;
    QDateTime lastModified(const QFileInfo& info) const;

private:
    QFileInfo followValidLink(const QFileInfo& info) const;
    QIcon entryIcon(const QFileInfo& info) const;
    QIcon themeIcon(const QFileInfo& info) const;
    QMimeType mimeTypeOf(const QFileInfo& info) const;

    // Icons by MIME type: a folder of ten thousand pictures asks the theme once.
    mutable QHash<QString, QIcon> mimeIcons;
    // Icons as drawn, by icon, size and scaling; a desktop entry's own icon is a new
    // icon each time, so the table is emptied when it grows past a bound.
    static constexpr int MAX_REMEMBERED = 256;
    mutable QHash<QString, QPixmap> iconPixmaps;
    // The types of missing files by suffix (lower case); bounded like the icons.
    mutable QHash<QString, QMimeType> suffixTypes;
    mutable QIcon fileFallback;
    mutable QIcon folderFallback;
};
