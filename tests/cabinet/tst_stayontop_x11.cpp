#include "TestEnvironment.h"
#include "WindowManagerRun.h"
#include "X11Properties.h"

#include "DockableWidget.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QAction>
#include <QWindow>
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
    void stayOnTopRaisesTheWindowAboveOthers();

private:
    WindowManagerRun windowManager;
};

void TestStayOnTopX11::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
    VorendaGlobal::searchBoxOption = 2;
    QString error;
    QVERIFY2(windowManager.start(&error), qPrintable(error));
}

void TestStayOnTopX11::stayOnTopRaisesTheWindowAboveOthers()
{
    VorendaShelf shelf;
    shelf.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shelf, 60000));
    QVERIFY(!staysAbove(shelf));

    shelf.stayOnTopAction->trigger();
    QVERIFY(shelf.frame->staysOnTop());
    QTRY_VERIFY_WITH_TIMEOUT(staysAbove(shelf), 60000);

    // Kiosk mode takes the window off the top; leaving it puts it back.
    shelf.onToggleKioskMode();
    QTRY_VERIFY_WITH_TIMEOUT(!staysAbove(shelf), 60000);
    shelf.onToggleKioskMode();
    QTRY_VERIFY_WITH_TIMEOUT(staysAbove(shelf), 60000);

    shelf.stayOnTopAction->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!staysAbove(shelf), 60000);
    QVERIFY(shelf.isVisible());
}

VORENDA_TEST_MAIN(TestStayOnTopX11)

#include "tst_stayontop_x11.moc"
