#include "ControllerFixture.h"

#include "VorendaGlobal.h"
#include "VorendaShelf.h"

namespace ControllerFixture {

void resetPreferences()
{
    VorendaGlobal::SHELF_MAXTHUMBSIZE = 128;
    VorendaGlobal::singleClickOpen = false;
    VorendaGlobal::showLabelMode = 2;
    VorendaGlobal::searchBoxOption = 1;
    VorendaGlobal::animHover = true;
    VorendaGlobal::animClick = true;
}

void deleteShelves()
{
    const QList<VorendaShelf*> shelves = VorendaGlobal::shelves;
    VorendaGlobal::shelves.clear();
    qDeleteAll(shelves);
}

} // namespace ControllerFixture
