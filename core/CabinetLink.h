#pragma once

#include "InstalledLink.h"

class AbstractThumbnailView;
class QString;
class VorendaShelf;

// What the panels and dialogs ask of a cabinet. Their libraries lie below the cabinet's
// and cannot call it, so the cabinet library installs its link when it builds a cabinet;
// until then installed() is null and there is no cabinet to ask.
class CabinetLink : public InstalledLink<CabinetLink>
{
public:
    virtual ~CabinetLink() = default;

    // The view that shows the cabinet's items.
    virtual AbstractThumbnailView* itemView(VorendaShelf* shelf) const = 0;
    // Fits the cabinet's pictures and its size slider to a new largest thumbnail size.
    virtual void applyMaxThumbSize(VorendaShelf* shelf) = 0;
    // Passes the global item preferences on to the cabinet's items.
    virtual void applyPreferences(VorendaShelf* shelf) = 0;
    // Points the paths of the cabinet's styles that lie below the folder `from` to the
    // same places below `to`.
    virtual void rebaseStyles(VorendaShelf* shelf, const QString& from, const QString& to) = 0;
};
