#include "X11ModifierMasks.h"

#include <X11/keysym.h>

#include <cstdlib>

namespace {

quint16 maskHolding(xcb_get_modifier_mapping_reply_t* reply, xcb_key_symbols_t* symbols,
                    xcb_keysym_t first, xcb_keysym_t second)
{
    const xcb_keycode_t* keycodes = xcb_get_modifier_mapping_keycodes(reply);
    const int perModifier = reply->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            const xcb_keycode_t keycode = keycodes[modifier * perModifier + i];
            if (keycode == 0)
                continue;
            for (int column = 0; column < 2; ++column) {
                const xcb_keysym_t keysym = xcb_key_symbols_get_keysym(symbols, keycode, column);
                if (keysym == first || keysym == second)
                    return quint16(1u << modifier);
            }
        }
    }
    return 0;
}

} // namespace

X11ModifierMasks X11ModifierMasks::query(xcb_connection_t* connection, xcb_key_symbols_t* symbols)
{
    X11ModifierMasks masks;
    xcb_get_modifier_mapping_reply_t* reply =
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr);
    if (!reply)
        return masks;
    if (const quint16 mask = maskHolding(reply, symbols, XK_Num_Lock, XK_Num_Lock))
        masks.numLock = mask;
    if (const quint16 mask = maskHolding(reply, symbols, XK_Alt_L, XK_Alt_R))
        masks.alt = mask;
    if (const quint16 mask = maskHolding(reply, symbols, XK_Super_L, XK_Super_R))
        masks.super = mask;
    std::free(reply);
    return masks;
}
