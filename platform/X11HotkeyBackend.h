#pragma once

#include "GlobalHotkeyBackend.h"

#include <QAbstractNativeEventFilter>
#include <QHash>
#include <QVector>

#include <xcb/xcb.h>

// Global hotkeys on X11: a passive key grab on the root window for each lock
// state (none, Caps Lock, Num Lock, both), and a native event filter that turns
// the grabbed key presses into activated(id). A grab that another client holds
// makes the X server answer BadAccess, and the registration fails.
class X11HotkeyBackend : public GlobalHotkeyBackend, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    X11HotkeyBackend();
    ~X11HotkeyBackend() override;

    bool registerHotkey(int id, const QKeySequence& sequence) override;
    void unregisterHotkey(int id) override;
    QString errorString() const override { return error; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, long* result) override;

private:
    struct Grab {
        QVector<xcb_keycode_t> keycodes;
        quint16 modifiers = 0;
    };

    bool ensureConnection();
    bool grabAll(const Grab& grab);
    void ungrabAll(const Grab& grab);
    QVector<quint16> lockCombinations() const;

    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    bool filterInstalled = false;
    quint16 numLockMask = 0;
    QHash<int, Grab> grabs;
    QString error;
};
