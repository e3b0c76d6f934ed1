#pragma once

#include <QtGlobal>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

// Which of the eight X modifier bits carry Num Lock, Alt and Super on this
// server; the usual bits when the modifier map does not say.
struct X11ModifierMasks {
    quint16 numLock = XCB_MOD_MASK_2;
    quint16 alt = XCB_MOD_MASK_1;
    quint16 super = XCB_MOD_MASK_4;

    static X11ModifierMasks query(xcb_connection_t* connection, xcb_key_symbols_t* symbols);
};
