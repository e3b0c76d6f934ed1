#include "X11Properties.h"

#include <QX11Info>

#include <cstdlib>

namespace X11Properties {

xcb_atom_t atom(const char* name)
{
    xcb_connection_t* connection = QX11Info::connection();
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

QVector<quint32> property32(xcb_window_t window, const char* name, xcb_atom_t type)
{
    xcb_connection_t* connection = QX11Info::connection();
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, atom(name), type, 0, 64), nullptr);
    QVector<quint32> values;
    if (reply && reply->format == 32) {
        const auto* data = static_cast<const quint32*>(xcb_get_property_value(reply));
        for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i)
            values << data[i];
    }
    std::free(reply);
    return values;
}

} // namespace X11Properties
