#pragma once

#include "StyleElement.h"

#include <functional>

class VorendaShelf;

// The personalization panel lives in a library built on top of the cabinet. It installs
// its entry points here, so a cabinet can open the panel for itself, ask whether the
// panel is editing it and have it reload; with nothing installed these do nothing.
class PersonalizationHook
{
public:
    struct Panel
    {
        // Shows the panel for a cabinet on a page with a style element selected.
        std::function<void(VorendaShelf* shelf, int panel, StyleElement element)> show;
        // The cabinet the shown panel edits; null while the panel is hidden or not made.
        std::function<VorendaShelf*()> editedShelf;
        // Reloads the controls that the cabinet's own commands change.
        std::function<void()> updateSettings;
        // Puts the shown panel above the other windows.
        std::function<void()> raise;
    };

    // The panel's entry points, or an empty record to remove them.
    static void install(const Panel& panel);

    static void show(VorendaShelf* shelf, int panel, StyleElement element);
    // True while the panel is shown and edits `shelf`.
    static bool isEditing(const VorendaShelf* shelf);
    // Reloads the panel when it is shown for `shelf`.
    static void settingsChanged(const VorendaShelf* shelf);
    static void raise();

private:
    static Panel& current();
};
