#include "VorendaShelfLink.h"

#include "StorePaths.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

void VorendaShelfLink::ensureInstalled()
{
    static VorendaShelfLink link;
    if (!CabinetLink::installed())
        CabinetLink::install(&link);
}

AbstractThumbnailView* VorendaShelfLink::itemView(VorendaShelf* shelf) const
{
    return shelf ? shelf->view : nullptr;
}

void VorendaShelfLink::applyMaxThumbSize(VorendaShelf* shelf)
{
    if (!shelf)
        return;
    shelf->onMaxThumbSizeChanged();
    // Set after the pictures: the cabinet tells from the old maximum which ones must be read again.
    shelf->thumbSizeSlider->setMaximum(VorendaGlobal::SHELF_MAXTHUMBSIZE);
}

void VorendaShelfLink::applyPreferences(VorendaShelf* shelf)
{
    if (shelf)
        shelf->onApplyPreferences();
}

void VorendaShelfLink::rebaseStyles(VorendaShelf* shelf, const QString& from, const QString& to)
{
    if (!shelf)
        return;
    StorePaths::rebase(shelf->style, from, to);
    StorePaths::rebase(shelf->committedStyle, from, to);
}
