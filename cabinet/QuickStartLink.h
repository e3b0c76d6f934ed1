#pragma once

#include "InstalledLink.h"

class VorendaShelf;

// What a cabinet asks of the quick-start panel. The panel's library lies above the
// cabinet's, since it runs the cabinet's menus, so the panel installs its link; until
// then installed() is null and there is no panel to ask.
class QuickStartLink : public InstalledLink<QuickStartLink>
{
public:
    virtual ~QuickStartLink() = default;

    // Shows the panel with `shelf` chosen.
    virtual void show(VorendaShelf* shelf) = 0;
    // The cabinet the shown panel works on; null while the panel is hidden or not made.
    virtual VorendaShelf* servedShelf() const = 0;
    // Puts the shown panel above the other windows.
    virtual void raise() = 0;
};
