#include "HotkeyReceiver.h"
#include "RunningVorenda.h"
#include "TestEnvironment.h"

#include "GlobalHotkeyBackend.h"
#include "HotkeyManager.h"

#include <QX11Info>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <X11/keysym.h>

#include <cstdlib>

class TestX11Hotkeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void pressRunsSlotOnceWhateverTheLocks_data();
    void pressRunsSlotOnceWhateverTheLocks();
    void combinationHeldByAnotherClientFails();
    void destroyedReceiverReleasesGrab();

private:
    xcb_connection_t* other = nullptr;
};

namespace {

// A second X client, as another program on the desktop would be.
bool otherClientGrabs(xcb_connection_t* connection, xcb_keysym_t keysym, quint16 modifiers)
{
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection);
    xcb_keycode_t* keycodes = xcb_key_symbols_get_keycode(symbols, keysym);
    const xcb_keycode_t keycode = keycodes ? keycodes[0] : 0;
    std::free(keycodes);
    xcb_key_symbols_free(symbols);
    xcb_generic_error_t* error = xcb_request_check(
        connection, xcb_grab_key_checked(connection, 1, screen->root, modifiers, keycode, XCB_GRAB_MODE_ASYNC,
                                         XCB_GRAB_MODE_ASYNC));
    std::free(error);
    return keycode != 0 && !error;
}

// Caps Lock and Num Lock as the X server holds them (Num Lock is Mod2 on Xvfb).
quint16 lockState(xcb_connection_t* connection)
{
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_query_pointer_reply_t* reply =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root), nullptr);
    const quint16 state = reply ? reply->mask & (XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2) : 0;
    std::free(reply);
    return state;
}

void releaseLocks(xcb_connection_t* connection)
{
    const quint16 state = lockState(connection);
    if (state & XCB_MOD_MASK_LOCK)
        RunningVorenda::xdotool({QStringLiteral("key"), QStringLiteral("Caps_Lock")});
    if (state & XCB_MOD_MASK_2)
        RunningVorenda::xdotool({QStringLiteral("key"), QStringLiteral("Num_Lock")});
}

void otherClientUngrabs(xcb_connection_t* connection)
{
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    // Checked: the server has let go before the test's own client asks for the keys
    // on its connection; a flush alone leaves the order of the two to the server.
    std::free(xcb_request_check(connection, xcb_ungrab_key_checked(connection, XCB_GRAB_ANY, screen->root,
                                                                    XCB_MOD_MASK_ANY)));
}

} // namespace

void TestX11Hotkeys::initTestCase()
{
    QVERIFY(QX11Info::isPlatformX11());
    TestEnvironment::instance()->initializeGlobals();
    HotkeyManager::setBackend(GlobalHotkeyBackend::create());
    other = xcb_connect(nullptr, nullptr);
    QVERIFY(!xcb_connection_has_error(other));
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { xcb_disconnect(other); });
}

void TestX11Hotkeys::cleanup()
{
    HotkeyManager::clear();
    otherClientUngrabs(other);
    releaseLocks(other);
}

void TestX11Hotkeys::pressRunsSlotOnceWhateverTheLocks_data()
{
    QTest::addColumn<QStringList>("locks");
    QTest::addColumn<int>("state");
    QTest::newRow("no lock") << QStringList() << 0;
    QTest::newRow("Num Lock") << QStringList{QStringLiteral("Num_Lock")} << int(XCB_MOD_MASK_2);
    QTest::newRow("Caps Lock") << QStringList{QStringLiteral("Caps_Lock")} << int(XCB_MOD_MASK_LOCK);
    QTest::newRow("both") << QStringList{QStringLiteral("Num_Lock"), QStringLiteral("Caps_Lock")}
                          << int(XCB_MOD_MASK_2 | XCB_MOD_MASK_LOCK);
}

void TestX11Hotkeys::pressRunsSlotOnceWhateverTheLocks()
{
    QFETCH(QStringList, locks);
    HotkeyReceiver receiver;
    QVERIFY(HotkeyManager::connect(QKeySequence(QStringLiteral("Ctrl+F10")), &receiver, SLOT(onHotkey())));
    for (const QString& lock : qAsConst(locks))
        QVERIFY(RunningVorenda::xdotool({QStringLiteral("key"), lock}));
    QTEST(int(lockState(other)), "state");
    const unsigned long timeBefore = QX11Info::appUserTime();

    QVERIFY(RunningVorenda::xdotool({QStringLiteral("key"), QStringLiteral("ctrl+F10")}));
    QTRY_COMPARE(receiver.calls, 1);
    QTest::qWait(300);
    QCOMPARE(receiver.calls, 1);
    // Windows shown in answer carry the press's time, so they may take the focus.
    QVERIFY(QX11Info::appUserTime() != timeBefore);

    // Other modifiers are other combinations.
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("key"), QStringLiteral("ctrl+shift+F10")}));
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("key"), QStringLiteral("F10")}));
    QTest::qWait(300);
    QCOMPARE(receiver.calls, 1);
}

void TestX11Hotkeys::combinationHeldByAnotherClientFails()
{
    QVERIFY(otherClientGrabs(other, XK_F11, XCB_MOD_MASK_CONTROL));
    HotkeyReceiver receiver;
    const QKeySequence sequence(QStringLiteral("Ctrl+F11"));
    QVERIFY(!HotkeyManager::connect(sequence, &receiver, SLOT(onHotkey())));
    QCOMPARE(HotkeyManager::hotkeyId(sequence), 0);
    // A failed registration leaves no partial grab behind: the lock variants are free.
    QVERIFY(otherClientGrabs(other, XK_F11, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_LOCK));

    otherClientUngrabs(other);
    QVERIFY(HotkeyManager::connect(sequence, &receiver, SLOT(onHotkey())));
    QVERIFY(HotkeyManager::hotkeyId(sequence) > 0);
    QVERIFY(RunningVorenda::xdotool({QStringLiteral("key"), QStringLiteral("ctrl+F11")}));
    QTRY_COMPARE(receiver.calls, 1);
}

void TestX11Hotkeys::destroyedReceiverReleasesGrab()
{
    auto* receiver = new HotkeyReceiver;
    QVERIFY(HotkeyManager::connect(QKeySequence(QStringLiteral("Meta+Space")), receiver, SLOT(onHotkey())));
    QVERIFY(HotkeyManager::connect(QKeySequence(QStringLiteral("Ctrl+Alt+V")), receiver, SLOT(onHotkey())));
    QVERIFY(!otherClientGrabs(other, XK_v, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1));
    delete receiver;
    QVERIFY(otherClientGrabs(other, XK_v, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1));
    QVERIFY(otherClientGrabs(other, XK_space, XCB_MOD_MASK_4));
}

VORENDA_TEST_MAIN(TestX11Hotkeys)
#include "tst_x11hotkeys_x11.moc"
