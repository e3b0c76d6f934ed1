#pragma once

#include <functional>

class VorendaShelf;

// The quick-start panel lives in a library built on top of the cabinet, since it runs
// the cabinet's menus. It installs its entry points here, so a cabinet can show the
// panel for itself, ask whether the panel serves it and raise it; with nothing
// installed these do nothing.
class QuickStartHook
{
public:
    struct Panel
    {
        // Shows the panel with the cabinet chosen.
        std::function<void(VorendaShelf* shelf)> show;
        // The cabinet the shown panel works on; null while the panel is hidden or not made.
        std::function<VorendaShelf*()> servedShelf;
        // Puts the shown panel above the other windows.
        std::function<void()> raise;
    };

    // The panel's entry points, or an empty record to remove them.
    static void install(const Panel& panel);

    static void show(VorendaShelf* shelf);
    // True while the panel is shown with `shelf` chosen.
    static bool isServing(const VorendaShelf* shelf);
    static void raise();

private:
    static Panel& current();
};
