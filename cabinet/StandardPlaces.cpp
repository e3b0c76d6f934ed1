#include "StandardPlaces.h"

#include "PathFunctions.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString location(QStandardPaths::StandardLocation type)
{
    return removeTrailingSeparator(QStandardPaths::writableLocation(type));
}

QString placeFolder(MenuType type)
{
    switch (type) {
    case HomeShortcut:
        return location(QStandardPaths::HomeLocation);
    case DesktopShortcut:
    case AddDesktopItems:
        return location(QStandardPaths::DesktopLocation);
    case ApplicationsShortcut:
        return location(QStandardPaths::ApplicationsLocation);
    case DiskShortcut:
        return QStringLiteral("/");
    case DocumentsShortcut:
    case AddDocuments:
        return location(QStandardPaths::DocumentsLocation);
    case PicturesShortcut:
    case AddPictures:
        return location(QStandardPaths::PicturesLocation);
    case MusicShortcut:
    case AddMusic:
        return location(QStandardPaths::MusicLocation);
    case VideosShortcut:
    case AddVideos:
        return location(QStandardPaths::MoviesLocation);
    case DownloadsShortcut:
        return location(QStandardPaths::DownloadLocation);
    case TrashShortcut:
        return location(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash/files");
    case TemporaryShortcut:
        return location(QStandardPaths::TempLocation);
    default:
        // Favorites and Utilities have no one folder here: they are the file manager's
        // bookmarks and the menus' utility entries, which the cabinet's walks read.
        return QString();
    }
}

} // namespace

QString StandardPlaces::folder(MenuType type)
{
    const QString path = placeFolder(type);
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return QString();
    return path;
}
