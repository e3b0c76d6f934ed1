#include "WindowFrameExtents.h"

#include <QWindow>
#include <QX11Info>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply
        = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

xcb_atom_t frameExtentsAtom(xcb_connection_t* connection)
{
    static const xcb_atom_t atom = internAtom(connection, "_NET_FRAME_EXTENTS");
    return atom;
}

// The window's 32-bit property `atom` of `type`, at most `count` values.
QVector<quint32> property32(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t atom, xcb_atom_t type,
                            quint32 count)
{
    QVector<quint32> values;
    xcb_get_property_reply_t* reply
        = xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, atom, type, 0, count), nullptr);
    if (reply && reply->format == 32 && reply->type == type) {
        const auto* data = static_cast<const quint32*>(xcb_get_property_value(reply));
        const int length = xcb_get_property_value_length(reply) / 4;
        for (int i = 0; i < length; ++i)
            values.append(data[i]);
    }
    std::free(reply);
    return values;
}

} // namespace

namespace WindowFrameExtents {

bool windowManagerRuns()
{
    if (!QX11Info::isPlatformX11())
        return false;
    xcb_connection_t* connection = QX11Info::connection();
    const xcb_atom_t check = internAtom(connection, "_NET_SUPPORTING_WM_CHECK");
    return check != XCB_ATOM_NONE
           && !property32(connection, xcb_window_t(QX11Info::appRootWindow()), check, XCB_ATOM_WINDOW, 1).isEmpty();
}

void request(QWindow* window)
{
    if (!QX11Info::isPlatformX11() || !window->handle())
        return;
    xcb_connection_t* connection = QX11Info::connection();
    const xcb_atom_t requestAtom = internAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    if (requestAtom == XCB_ATOM_NONE)
        return;
    xcb_client_message_event_t event;
    std::memset(&event, 0, sizeof event);
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window->winId());
    event.type = requestAtom;
    const xcb_window_t root = xcb_window_t(QX11Info::appRootWindow());
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(connection);
}

std::optional<QMargins> of(const QWindow* window)
{
    if (!QX11Info::isPlatformX11() || !window->handle())
        return std::nullopt;
    xcb_connection_t* connection = QX11Info::connection();
    const QVector<quint32> extents = property32(connection, xcb_window_t(window->winId()),
                                                frameExtentsAtom(connection), XCB_ATOM_CARDINAL, 4);
    if (extents.size() != 4)
        return std::nullopt;
    // Left, right, top, bottom; a window manager that answers nonsense is not believed.
    for (quint32 extent : extents) {
        if (extent > 1000)
            return std::nullopt;
    }
    return QMargins(int(extents[0]), int(extents[2]), int(extents[1]), int(extents[3]));
}

bool isChange(const QByteArray& eventType, void* message)
{
    if (eventType != "xcb_generic_event_t" || !QX11Info::isPlatformX11())
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
    return change->atom == frameExtentsAtom(QX11Info::connection());
}

} // namespace WindowFrameExtents
