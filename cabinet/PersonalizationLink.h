#pragma once

#include "InstalledLink.h"
#include "StyleElement.h"

class VorendaShelf;

// What a cabinet asks of the personalization panel. The panel's library lies above the
// cabinet's, so the panel installs its link; until then installed() is null and there
// is no panel to ask.
class PersonalizationLink : public InstalledLink<PersonalizationLink>
{
public:
    virtual ~PersonalizationLink() = default;

    // Shows the panel for `shelf` on page `panel` with `element` selected.
    virtual void show(VorendaShelf* shelf, int panel, StyleElement element) = 0;
    // The cabinet the shown panel edits; null while the panel is hidden or not made.
    virtual VorendaShelf* editedShelf() const = 0;
    // Reloads the controls that the cabinet's own commands change.
    virtual void updateSettings() = 0;
    // `shelf` was locked in kiosk mode: a panel open on it closes as Cancel closes it,
    // unless the panel is itself writing the lock.
    virtual void cabinetLocked(VorendaShelf* shelf) = 0;
    // Puts the shown panel above the other windows.
    virtual void raise() = 0;
};
