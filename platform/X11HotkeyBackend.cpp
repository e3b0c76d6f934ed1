#include "X11HotkeyBackend.h"

#include "X11Keysyms.h"
#include "X11ModifierMasks.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>
#include <QX11Info>

#include <xcb/xcb_keysyms.h>

#include <cstdlib>

namespace {

// Modifier bits that tell hotkeys apart; the lock bits are masked out.
constexpr quint16 anyModifier = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_2
                                | XCB_MOD_MASK_3 | XCB_MOD_MASK_4 | XCB_MOD_MASK_5;

quint16 xModifiers(Qt::KeyboardModifiers modifiers, const X11ModifierMasks& masks)
{
    quint16 result = 0;
    if (modifiers & Qt::ShiftModifier)
        result |= XCB_MOD_MASK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        result |= XCB_MOD_MASK_CONTROL;
    if (modifiers & Qt::AltModifier)
        result |= masks.alt;
    if (modifiers & Qt::MetaModifier)
        result |= masks.super;
    return result;
}

QVector<xcb_keycode_t> keycodesOf(xcb_key_symbols_t* symbols, xcb_keysym_t keysym)
{
    QVector<xcb_keycode_t> result;
    xcb_keycode_t* keycodes = xcb_key_symbols_get_keycode(symbols, keysym);
    if (!keycodes)
        return result;
    for (xcb_keycode_t* keycode = keycodes; *keycode != XCB_NO_SYMBOL; ++keycode) {
        if (!result.contains(*keycode))
            result.append(*keycode);
    }
    std::free(keycodes);
    return result;
}

} // namespace

X11HotkeyBackend::X11HotkeyBackend() = default;

X11HotkeyBackend::~X11HotkeyBackend()
{
    if (connection && !grabs.isEmpty()) {
        for (const Grab& grab : qAsConst(grabs))
            ungrabAll(grab);
        xcb_flush(connection);
    }
    // QAbstractNativeEventFilter's destructor takes the filter off the dispatcher.
}

bool X11HotkeyBackend::ensureConnection()
{
    if (connection)
        return true;
    if (!QX11Info::isPlatformX11()) {
        error = QStringLiteral("global hotkeys need an X11 session (platform \"%1\")")
                    .arg(QGuiApplication::platformName());
        return false;
    }
    connection = QX11Info::connection();
    root = QX11Info::appRootWindow();
    if (!connection || !root) {
        connection = nullptr;
        error = QStringLiteral("no connection to the X server");
        return false;
    }
    if (!filterInstalled) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        filterInstalled = true;
    }
    return true;
}

QVector<quint16> X11HotkeyBackend::lockCombinations() const
{
    return {0, XCB_MOD_MASK_LOCK, numLockMask, quint16(XCB_MOD_MASK_LOCK | numLockMask)};
}

bool X11HotkeyBackend::registerHotkey(int id, const QKeySequence& sequence)
{
    error.clear();
    if (sequence.isEmpty()) {
        error = QStringLiteral("empty key sequence");
        return false;
    }
    if (!ensureConnection())
        return false;
    const int combined = sequence[0];
    const int key = combined & ~int(Qt::KeyboardModifierMask);
    const quint32 keysym = keysymForQtKey(key);
    if (keysym == 0) {
        error = QStringLiteral("no X key for \"%1\"").arg(sequence.toString(QKeySequence::PortableText));
        return false;
    }

    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection);
    const X11ModifierMasks masks = X11ModifierMasks::query(connection, symbols);
    Grab grab;
    grab.keycodes = keycodesOf(symbols, keysym);
    grab.modifiers = xModifiers(Qt::KeyboardModifiers(combined & int(Qt::KeyboardModifierMask)), masks);
    xcb_key_symbols_free(symbols);

    if (grab.keycodes.isEmpty()) {
        error = QStringLiteral("the keyboard layout has no key for \"%1\"")
                    .arg(sequence.toString(QKeySequence::PortableText));
        return false;
    }
    numLockMask = masks.numLock;
    unregisterHotkey(id);
    if (!grabAll(grab)) {
        ungrabAll(grab);
        xcb_flush(connection);
        return false;
    }
    grabs.insert(id, grab);
    return true;
}

bool X11HotkeyBackend::grabAll(const Grab& grab)
{
    QVector<xcb_void_cookie_t> cookies;
    const QVector<quint16> locks = lockCombinations();
    for (xcb_keycode_t keycode : grab.keycodes) {
        for (quint16 lock : locks)
            cookies.append(xcb_grab_key_checked(connection, 1, root, grab.modifiers | lock, keycode,
                                                XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
    bool ok = true;
    for (const xcb_void_cookie_t& cookie : qAsConst(cookies)) {
        if (xcb_generic_error_t* failure = xcb_request_check(connection, cookie)) {
            if (ok) {
                error = failure->error_code == XCB_ACCESS
                            ? QStringLiteral("another program holds the key combination")
                            : QStringLiteral("the X server refused the grab (error %1)").arg(failure->error_code);
            }
            ok = false;
            std::free(failure);
        }
    }
    return ok;
}

void X11HotkeyBackend::ungrabAll(const Grab& grab)
{
    // Ungrabbing a combination this client does not hold changes nothing.
    const QVector<quint16> locks = lockCombinations();
    for (xcb_keycode_t keycode : grab.keycodes) {
        for (quint16 lock : locks)
            xcb_ungrab_key(connection, keycode, root, grab.modifiers | lock);
    }
}

void X11HotkeyBackend::unregisterHotkey(int id)
{
    const auto found = grabs.constFind(id);
    if (found == grabs.constEnd() || !connection)
        return;
    ungrabAll(found.value());
    xcb_flush(connection);
    grabs.erase(found);
}

bool X11HotkeyBackend::nativeEventFilter(const QByteArray& eventType, void* message, long* result)
{
    Q_UNUSED(result)
    if (grabs.isEmpty() || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_KEY_PRESS)
        return false;
    const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
    if (press->event != root)
        return false;
    const quint16 modifiers = press->state & anyModifier & ~numLockMask;
    for (auto it = grabs.cbegin(); it != grabs.cend(); ++it) {
        if (it->modifiers != modifiers || !it->keycodes.contains(press->detail))
            continue;
        // The window manager gives the focus to a window that the program shows
        // in answer to the press only when its user time is that of the press.
        QX11Info::setAppUserTime(press->time);
        QX11Info::setAppTime(press->time);
        // Receivers run after the native event has been handled, never inside Qt's
        // event processing: they may open dialogs with their own event loops.
        const int id = it.key();
        QMetaObject::invokeMethod(
            this, [this, id] { emit activated(id); }, Qt::QueuedConnection);
        return true;
    }
    return false;
}
