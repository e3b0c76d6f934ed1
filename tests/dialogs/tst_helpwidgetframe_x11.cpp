#include "TestEnvironment.h"
#include "WindowManagerRun.h"
#include "X11Properties.h"

#include "HelpWidget.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace {

// The window's frame as the window manager draws it: the client area as the X server
// has it, grown by the extents the window manager announced; empty until it has.
QRect drawnFrame(QWidget* window)
{
    const QVector<quint32> extents = X11Properties::property32(xcb_window_t(window->windowHandle()->winId()),
                                                               "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL);
    if (extents.size() != 4)
        return QRect();
    return window->geometry().marginsAdded(QMargins(int(extents[0]), int(extents[2]), int(extents[1]), int(extents[3])));
}

} // namespace

// The help window under a window manager that frames it: title bar and borders lie on
// the screen, along its right edge, over its whole height.
class TestHelpWidgetFrameX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void frameLiesOnTheScreen();

private:
    WindowManagerRun windowManager;
};

void TestHelpWidgetFrameX11::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    QString error;
    QVERIFY2(windowManager.start(&error), qPrintable(error));
}

void TestHelpWidgetFrameX11::frameLiesOnTheScreen()
{
    HelpWidget* help = HelpWidget::instance();
    help->show();
    QVERIFY(QTest::qWaitForWindowExposed(help, 60000));
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const auto alongTheRightEdge = [&] {
        const QRect frame = drawnFrame(help);
        return frame.top() == available.top() && frame.bottom() == available.bottom()
               && frame.right() == available.right() && help->frameGeometry() == frame;
    };
    QVERIFY2(QTest::qWaitFor(alongTheRightEdge, 60000),
             qPrintable(QStringLiteral("frame %1,%2 %3x%4 on %5x%6")
                            .arg(drawnFrame(help).x())
                            .arg(drawnFrame(help).y())
                            .arg(drawnFrame(help).width())
                            .arg(drawnFrame(help).height())
                            .arg(available.width())
                            .arg(available.height())));
    // The window manager did draw a frame: the client area lies inside it.
    QVERIFY(help->geometry().top() > available.top());
    QCOMPARE(help->width(), 662);

    // Hidden and shown again, it stays where it was.
    const QRect shown = help->geometry();
    help->close();
    QTRY_VERIFY(!help->isVisible());
    help->show();
    QVERIFY(QTest::qWaitForWindowExposed(help, 60000));
    QTRY_COMPARE_WITH_TIMEOUT(help->geometry(), shown, 60000);
    delete help;
}

VORENDA_TEST_MAIN(TestHelpWidgetFrameX11)
#include "tst_helpwidgetframe_x11.moc"
