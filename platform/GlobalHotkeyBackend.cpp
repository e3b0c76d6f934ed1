#include "GlobalHotkeyBackend.h"

#include "X11HotkeyBackend.h"

std::unique_ptr<GlobalHotkeyBackend> GlobalHotkeyBackend::create()
{
    return std::make_unique<X11HotkeyBackend>();
}
