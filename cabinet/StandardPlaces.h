#pragma once

#include <QString>
#include <QStringList>

// Where the well-known places of the user's system are: the XDG user folders, the
// home, the root, the trash and the temporary folder. Places that have no folder here
// come back empty, so nothing is added for them.
class StandardPlaces
{
public:
    enum Place { Home, Desktop, Applications, Disk, Documents, Pictures, Music, Videos, Downloads, Trash, Temporary };

    // The folder of a place, without trailing separator; empty when the folder does not
    // exist on this system.
    static QString folder(Place place);
};
