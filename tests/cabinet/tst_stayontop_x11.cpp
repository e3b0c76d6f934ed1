#include "TestEnvironment.h"
#include "X11Properties.h"

#include "DockableWidget.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QAction>
#include <QWindow>
#include <QProcess>
#include <QX11Info>

namespace {

// New window flags can give the widget a new X window, which QWidget::winId() does not
// always follow; the window handle knows the current one.
bool staysAbove(QWidget& window)
{
    if (!window.windowHandle())
        return false;
    return X11Properties::property32(xcb_window_t(window.windowHandle()->winId()), "_NET_WM_STATE", XCB_ATOM_ATOM)
        .contains(X11Properties::atom("_NET_WM_STATE_ABOVE"));
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
    const auto announced = [&] {
        return !X11Properties::property32(root, "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW).isEmpty();
    };
    QVERIFY2(QTest::qWaitFor(announced, 10000), "the window manager did not take the screen");
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
