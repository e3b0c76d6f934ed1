#include "PersonalizationHook.h"

PersonalizationHook::Panel& PersonalizationHook::current()
{
    static Panel panel;
    return panel;
}

void PersonalizationHook::install(const Panel& panel)
{
    current() = panel;
}

void PersonalizationHook::show(VorendaShelf* shelf, int panel, StyleElement element)
{
    if (shelf && current().show)
        current().show(shelf, panel, element);
}

bool PersonalizationHook::isEditing(const VorendaShelf* shelf)
{
    return shelf && current().editedShelf && current().editedShelf() == shelf;
}

void PersonalizationHook::settingsChanged(const VorendaShelf* shelf)
{
    if (isEditing(shelf) && current().updateSettings)
        current().updateSettings();
}

void PersonalizationHook::raise()
{
    if (current().raise)
        current().raise();
}
