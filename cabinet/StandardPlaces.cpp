#include "StandardPlaces.h"

#include "PathFunctions.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString location(QStandardPaths::StandardLocation type)
{
    return removeTrailingSeparator(QStandardPaths::writableLocation(type));
}

QString placeFolder(StandardPlaces::Place place)
{
    switch (place) {
    case StandardPlaces::Home:
        return location(QStandardPaths::HomeLocation);
    case StandardPlaces::Desktop:
        return location(QStandardPaths::DesktopLocation);
    case StandardPlaces::Applications:
        return location(QStandardPaths::ApplicationsLocation);
    case StandardPlaces::Disk:
        return QStringLiteral("/");
    case StandardPlaces::Documents:
        return location(QStandardPaths::DocumentsLocation);
    case StandardPlaces::Pictures:
        return location(QStandardPaths::PicturesLocation);
    case StandardPlaces::Music:
        return location(QStandardPaths::MusicLocation);
    case StandardPlaces::Videos:
        return location(QStandardPaths::MoviesLocation);
    case StandardPlaces::Downloads:
        return location(QStandardPaths::DownloadLocation);
    case StandardPlaces::Trash:
        return location(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash/files");
    case StandardPlaces::Temporary:
        return location(QStandardPaths::TempLocation);
    }
    return QString();
}

} // namespace

QString StandardPlaces::folder(Place place)
{
    const QString path = placeFolder(place);
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return QString();
    return path;
}
