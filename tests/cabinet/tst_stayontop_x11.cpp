#include "TestEnvironment.h"

#include "DockableWidget.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QAction>
#include <QWindow>
#include <QProcess>
#include <QX11Info>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

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

// New window flags can give the widget a new X window, which QWidget::winId() does not
// always follow; the window handle knows the current one.
bool staysAbove(QWidget& window)
{
    if (!window.windowHandle())
        return false;
    return property32(xcb_window_t(window.windowHandle()->winId()), "_NET_WM_STATE", XCB_ATOM_ATOM)
        .contains(atom("_NET_WM_STATE_ABOVE"));
}

} // namespace

// "Stay On Top" as a window manager sees it on a real X server.
class TestStayOnTopX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void stayOnTopRaisesTheWindowAboveOthers();

private:
    QProcess windowManager;
};

void TestStayOnTopX11::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    VorendaGlobal::searchBoxOption = 2;
    if (!QX11Info::isPlatformX11())
        QSKIP("needs an X server");

    // The window manager answers for _NET_WM_STATE once it has taken the screen and
    // announced itself on the root window.
    windowManager.setProgram(QStringLiteral("openbox"));
    windowManager.setArguments({QStringLiteral("--sm-disable"), QStringLiteral("--replace")});
    windowManager.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    windowManager.start();
    QVERIFY2(windowManager.waitForStarted(5000), qPrintable(windowManager.errorString()));
    const xcb_window_t root = xcb_window_t(QX11Info::appRootWindow());
    QVERIFY2(QTest::qWaitFor(
                 [&] { return !property32(root, "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW).isEmpty(); }, 10000),
             "the window manager did not take the screen");
}

void TestStayOnTopX11::cleanupTestCase()
{
    if (windowManager.state() == QProcess::NotRunning)
        return;
    windowManager.terminate();
    if (!windowManager.waitForFinished(5000)) {
        windowManager.kill();
        windowManager.waitForFinished(2000);
    }
}

void TestStayOnTopX11::stayOnTopRaisesTheWindowAboveOthers()
{
    VorendaShelf shelf;
    shelf.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shelf));
    QVERIFY(!staysAbove(shelf));

    shelf.stayOnTopAction->trigger();
    QVERIFY(shelf.frame->staysOnTop());
    QTRY_VERIFY_WITH_TIMEOUT(staysAbove(shelf), 5000);

    // Kiosk mode takes the window off the top; leaving it puts it back.
    shelf.onToggleKioskMode();
    QTRY_VERIFY_WITH_TIMEOUT(!staysAbove(shelf), 5000);
    shelf.onToggleKioskMode();
    QTRY_VERIFY_WITH_TIMEOUT(staysAbove(shelf), 5000);

    shelf.stayOnTopAction->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!staysAbove(shelf), 5000);
    QVERIFY(shelf.isVisible());
}

VORENDA_TEST_MAIN(TestStayOnTopX11)

#include "tst_stayontop_x11.moc"
