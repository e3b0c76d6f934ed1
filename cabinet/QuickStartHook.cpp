#include "QuickStartHook.h"

QuickStartHook::Panel& QuickStartHook::current()
{
    static Panel panel;
    return panel;
}

void QuickStartHook::install(const Panel& panel)
{
    current() = panel;
}

void QuickStartHook::show(VorendaShelf* shelf)
{
    if (current().show)
        current().show(shelf);
}

bool QuickStartHook::isServing(const VorendaShelf* shelf)
{
    return shelf && current().servedShelf && current().servedShelf() == shelf;
}

void QuickStartHook::raise()
{
    if (current().raise)
        current().raise();
}
