#pragma once

#include "MenuType.h"

#include <QString>
#include <QStringList>

// Where the well-known places of the user's system are: the XDG user folders, the
// home, the root, the trash and the temporary folder. Places that have no folder here
// come back empty, so nothing is added for them.
class StandardPlaces
{
public:
    // The folder a place command adds or walks, without trailing separator; empty
    // when the place has no folder on this system or the folder does not exist.
    static QString folder(MenuType type);
};
