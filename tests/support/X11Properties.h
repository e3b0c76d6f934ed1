#pragma once

#include <QVector>

#include <xcb/xcb.h>

// What the window manager is told about a window, read on the application's own X connection.
namespace X11Properties {

// The atom of that name; XCB_ATOM_NONE when the server gives none.
xcb_atom_t atom(const char* name);
// The values of a 32-bit property of `window` (the first 64 of them); none when the
// window lacks the property or it has another format.
QVector<quint32> property32(xcb_window_t window, const char* name, xcb_atom_t type);

} // namespace X11Properties
