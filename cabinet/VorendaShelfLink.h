#pragma once

#include "CabinetLink.h"

// The cabinet library's answer to the panels and dialogs below it; installed by the
// first cabinet built.
class VorendaShelfLink : public CabinetLink
{
public:
    // Installs the one link unless it is installed already.
    static void ensureInstalled();

    AbstractThumbnailView* itemView(VorendaShelf* shelf) const override;
    void applyMaxThumbSize(VorendaShelf* shelf) override;
    void applyPreferences(VorendaShelf* shelf) override;
    void rebaseStyles(VorendaShelf* shelf, const QString& from, const QString& to) override;
};
