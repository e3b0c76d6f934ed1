#include "TrayHost.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QX11Info>

#include <xcb/xcb.h>

#include <algorithm>

namespace {

const QSize iconSize(22, 22);
const int spacing = 4;

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return found;
}

} // namespace

TrayHost::TrayHost()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint)
{
    setWindowTitle(QStringLiteral("Status Area"));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    setGeometry(screen.right() - 200, screen.top(), 200, iconSize.height() + 2 * spacing);
    setStyleSheet(QStringLiteral("background: #303030;"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    show();

    xcb_connection_t* connection = QX11Info::connection();
    if (!connection)
        return;
    selection = atom(connection, "_NET_SYSTEM_TRAY_S0");
    opcode = atom(connection, "_NET_SYSTEM_TRAY_OPCODE");
    QCoreApplication::instance()->installNativeEventFilter(this);
    xcb_set_selection_owner(connection, xcb_window_t(winId()), selection, XCB_CURRENT_TIME);
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
    ready = owner && owner->owner == xcb_window_t(winId());
    free(owner);
    if (!ready)
        return;
    // Programs already running learn of the new tray from this message on the root window.
    xcb_client_message_event_t manager = {};
    manager.response_type = XCB_CLIENT_MESSAGE;
    manager.format = 32;
    manager.window = QX11Info::appRootWindow();
    manager.type = atom(connection, "MANAGER");
    manager.data.data32[0] = XCB_CURRENT_TIME;
    manager.data.data32[1] = selection;
    manager.data.data32[2] = xcb_window_t(winId());
    xcb_send_event(connection, 0, QX11Info::appRootWindow(), XCB_EVENT_MASK_STRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&manager));
    xcb_flush(connection);
}

TrayHost::~TrayHost()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
    if (xcb_connection_t* connection = QX11Info::connection(); connection && ready) {
        xcb_set_selection_owner(connection, XCB_NONE, selection, XCB_CURRENT_TIME);
        xcb_flush(connection);
    }
}

QList<quint32> TrayHost::children() const
{
    xcb_connection_t* connection = QX11Info::connection();
    xcb_query_tree_reply_t* tree =
        xcb_query_tree_reply(connection, xcb_query_tree(connection, xcb_window_t(winId())), nullptr);
    if (!tree)
        return {};
    const xcb_window_t* first = xcb_query_tree_children(tree);
    const QList<quint32> found(first, first + xcb_query_tree_children_length(tree));
    free(tree);
    return found;
}

QList<QRect> TrayHost::icons() const
{
    // An icon whose program ended is gone from the host's children.
    const QList<quint32> present = children();
    QList<QRect> rects;
    for (const auto& [icon, place] : docked)
        if (present.contains(icon))
            rects << place.translated(geometry().topLeft());
    return rects;
}

bool TrayHost::nativeEventFilter(const QByteArray& eventType, void* message, long*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
        return false;
    const auto* request = reinterpret_cast<const xcb_client_message_event_t*>(event);
    // SYSTEM_TRAY_REQUEST_DOCK is opcode 0; the window to dock comes with it.
    if (request->type != opcode || request->window != xcb_window_t(winId()) || request->data.data32[1] != 0)
        return false;
    dock(request->data.data32[2]);
    return true;
}

void TrayHost::dock(quint32 icon)
{
    xcb_connection_t* connection = QX11Info::connection();
    // The server hands the ids of ended programs to new ones: an id may come again.
    const QList<quint32> present = children();
    docked.erase(std::remove_if(docked.begin(), docked.end(),
                                [&](const QPair<quint32, QRect>& entry) {
                                    return entry.first == icon || !present.contains(entry.first);
                                }),
                 docked.end());
    // The first free place from the left.
    QRect place(QPoint(spacing, spacing), iconSize);
    while (std::any_of(docked.cbegin(), docked.cend(), [&](const QPair<quint32, QRect>& entry) { return entry.second == place; }))
        place.translate(iconSize.width() + spacing, 0);
    xcb_reparent_window(connection, icon, xcb_window_t(winId()), int16_t(place.x()), int16_t(place.y()));
    const uint32_t size[] = {uint32_t(iconSize.width()), uint32_t(iconSize.height())};
    xcb_configure_window(connection, icon, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, size);
    xcb_map_window(connection, icon);
    xcb_flush(connection);
    docked.append({icon, place});
}
