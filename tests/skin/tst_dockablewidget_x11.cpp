#include "RunningVorenda.h"
#include "TestEnvironment.h"

#include "DockableWidget.h"
#include "GlobalHotkeyBackend.h"
#include "HotkeyManager.h"

#include <QScreen>
#include <QWidget>

// Runs on a 1440x900 screen with no window manager.
class TestDockableWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void nullWidgetIsInert();
    void stretchedDockFillsTheEdge_data();
    void stretchedDockFillsTheEdge();
    void switchingStretchAtOneEdgeTakesEffect();
    void showNormalAfterDockingMaximisedKeepsSize();
    void mouseAtEdgeShowsAndLeavingHides();
    void briefTouchWithShowDelayShowsNothing();
    void leftoverAutoHideNeverHidesFreshlyShownFrame();
    void vetoKeepsFrameShownUntilAllowed();
    void hideActsOnlyFromShownOrShowing();
    void showModifiersGateTheMouse();
    void showHotkeySlidesFrameIn();
    void stayOnTopKeepsWindowVisible();
    void childDocksToItsParentsEdge();

private:
    QWidget* window(const QRect& geometry);
    QWidget* current = nullptr;
};

namespace {

void moveMouse(int x, int y)
{
    RunningVorenda::xdotool({QStringLiteral("mousemove"), QString::number(x), QString::number(y)});
}

// Docked at the left edge and slid out of sight.
void dockHidden(DockableWidget& frame)
{
    frame.setMode(DockableWidget::DockedLeft);
    frame.hide();
    QTRY_COMPARE(frame.state(), DockableWidget::Hidden);
}

} // namespace

void TestDockableWidget::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
    QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1440, 900));
    HotkeyManager::setBackend(GlobalHotkeyBackend::create());
}

void TestDockableWidget::init()
{
    moveMouse(1000, 450);
}

void TestDockableWidget::cleanup()
{
    delete current;
    current = nullptr;
}

QWidget* TestDockableWidget::window(const QRect& geometry)
{
    current = new QWidget(nullptr, Qt::FramelessWindowHint);
    current->setGeometry(geometry);
    current->show();
    if (!QTest::qWaitForWindowExposed(current))
        qWarning("window not exposed");
    return current;
}

void TestDockableWidget::nullWidgetIsInert()
{
    DockableWidget frame(nullptr, 0);
    frame.setMode(DockableWidget::DockedLeft);
    frame.show();
    frame.showMaximized();
    QCOMPARE(frame.mode(), DockableWidget::Undocked);
    QCOMPARE(frame.screenNumber(), -1);
    QVERIFY(!frame.staysOnTop());
    QVERIFY(!frame.isUnderCursor());
    QVERIFY(!frame.setShowHotkey(QKeySequence(QStringLiteral("Ctrl+1"))));
    QVERIFY(!frame.setHideHotkey(QKeySequence(QStringLiteral("Ctrl+2"))));
}

void TestDockableWidget::stretchedDockFillsTheEdge_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QRect>("shown");
    QTest::addColumn<QRect>("docked");
    QTest::newRow("left") << 1 << QRect(0, 0, 300, 900) << QRect(-300, 0, 300, 900);
    QTest::newRow("top") << 2 << QRect(0, 0, 1440, 200) << QRect(0, -200, 1440, 200);
    QTest::newRow("right") << 3 << QRect(1140, 0, 300, 900) << QRect(1440, 0, 300, 900);
    QTest::newRow("bottom") << 4 << QRect(0, 700, 1440, 200) << QRect(0, 900, 1440, 200);
}

void TestDockableWidget::stretchedDockFillsTheEdge()
{
    QFETCH(int, mode);
    QFETCH(QRect, shown);
    QWidget* widget = window(QRect(500, 300, 300, 200));
    auto* frame = new DockableWidget(widget, 0);
    frame->setMode(DockableWidget::Mode(mode), true);
    QCOMPARE(widget->frameGeometry(), shown);
    QCOMPARE(frame->shownRect(), shown);
    QTEST(frame->dockedRect(), "docked");
    QCOMPARE(frame->state(), DockableWidget::Shown);

    frame->hide();
    QTRY_COMPARE(frame->state(), DockableWidget::Hidden);
    QTEST(widget->frameGeometry(), "docked");
    QVERIFY(!widget->isVisible());
}

void TestDockableWidget::switchingStretchAtOneEdgeTakesEffect()
{
    QWidget* widget = window(QRect(500, 300, 300, 200));
    auto* frame = new DockableWidget(widget, 0);
    frame->setMode(DockableWidget::DockedLeft);
    QCOMPARE(widget->frameGeometry(), QRect(0, 300, 300, 200));
    frame->setMode(DockableWidget::DockedLeft, true);
    QVERIFY(frame->isStretched());
    QCOMPARE(widget->frameGeometry(), QRect(0, 0, 300, 900));
    frame->setMode(DockableWidget::DockedLeft, false);
    QVERIFY(!frame->isStretched());
    QCOMPARE(widget->frameGeometry().size(), QSize(300, 200));
    QCOMPARE(frame->dockedRect(), QRect(QPoint(-300, widget->y()), QSize(300, 200)));

    // Out-of-range modes change nothing.
    frame->setMode(DockableWidget::Mode(7));
    frame->setMode(DockableWidget::Mode(-1));
    QCOMPARE(frame->mode(), DockableWidget::DockedLeft);
}

void TestDockableWidget::showNormalAfterDockingMaximisedKeepsSize()
{
    QWidget* widget = window(QRect(100, 100, 400, 300));
    auto* frame = new DockableWidget(widget, 0);
    frame->showMaximized();
    QCOMPARE(widget->geometry(), QRect(0, 0, 1440, 900));
    frame->setMode(DockableWidget::DockedLeft);
    frame->showNormal();
    QVERIFY(!frame->isMaximized());
    QCOMPARE(widget->frameGeometry().size(), QSize(400, 300));
    QCOMPARE(widget->x(), 0);
    QCOMPARE(frame->dockedRect().left(), -400);

    frame->setMode(DockableWidget::Undocked);
    QCOMPARE(widget->geometry(), QRect(100, 100, 400, 300));
}

void TestDockableWidget::mouseAtEdgeShowsAndLeavingHides()
{
    QWidget* widget = window(QRect(500, 300, 300, 200));
    auto* frame = new DockableWidget(widget, 0);
    frame->setAutoHideDelay(500);
    QSignalSpy shown(frame, &DockableWidget::shown);
    dockHidden(*frame);
    QVERIFY(!widget->isVisible());

    moveMouse(0, 400);
    QTRY_VERIFY_WITH_TIMEOUT(frame->state() == DockableWidget::Shown, 1000);
    QCOMPARE(widget->x(), 0);
    QVERIFY(widget->isVisible());
    QCOMPARE(shown.size(), 1);

    // Kept while the cursor is over it, hidden once it leaves.
    QTest::qWait(800);
    QCOMPARE(frame->state(), DockableWidget::Shown);
    moveMouse(1000, 400);
    QTRY_COMPARE_WITH_TIMEOUT(frame->state(), DockableWidget::Hidden, 2000);
    QCOMPARE(widget->x(), -300);
}

void TestDockableWidget::briefTouchWithShowDelayShowsNothing()
{
    QWidget* widget = window(QRect(500, 300, 300, 200));
    auto* frame = new DockableWidget(widget, 0);
    frame->setShowDelay(600);
    dockHidden(*frame);

    moveMouse(0, 400);
    QTest::qWait(250);
    moveMouse(1000, 400);
    QTest::qWait(700);
    QCOMPARE(frame->state(), DockableWidget::Hidden);

    moveMouse(0, 400);
    QTest::qWait(300);
    QCOMPARE(frame->state(), DockableWidget::Hidden);
    QTRY_COMPARE(frame->state(), DockableWidget::Shown);
}

void TestDockableWidget::leftoverAutoHideNeverHidesFreshlyShownFrame()
{
    QWidget* widget = window(QRect(500, 300, 300, 200));
    auto* frame = new DockableWidget(widget, 0);
    frame->setAnimationParams(60, QTimeLine::LinearCurve);
    frame->setAutoHideDelay(1200);
    QElapsedTimer clock;
    clock.start();
    frame->setMode(DockableWidget::DockedLeft); // auto-hide due at 1200 ms
    QTest::qWait(500);
    frame->hide();
    QTRY_COMPARE(frame->state(), DockableWidget::Hidden);
    frame->show();
    QTRY_COMPARE(frame->state(), DockableWidget::Shown);
    const qint64 shownAt = clock.elapsed();
    QVERIFY(shownAt < 1000);

    QTest::qWait(int(1500 - shownAt)); // past the first arming
    QCOMPARE(frame->state(), DockableWidget::Shown);
    QTRY_COMPARE_WITH_TIMEOUT(frame->state(), DockableWidget::Hidden, 2000);
}

void TestDockableWidget::vetoKeepsFrameShownUntilAllowed()
{
    QWidget* widget = window(QRect(500, 300, 300, 200));
    auto* frame = new DockableWidget(widget, 0);
    frame->setAutoHideDelay(150);
    bool allow = false;
    int requests = 0;
    connect(frame, &DockableWidget::autoHideRequest, this, [&](bool* ok) {
        ++requests;
        *ok = allow;
    });
    frame->setMode(DockableWidget::DockedLeft);
    QTRY_VERIFY(requests >= 3);
    QCOMPARE(frame->state(), DockableWidget::Shown);
    allow = true;
    QTRY_COMPARE(frame->state(), DockableWidget::Hidden);
}

void TestDockableWidget::hideActsOnlyFromShownOrShowing()
{
    QWidget* widget = window(QRect(500, 300, 300, 200));
    auto* frame = new DockableWidget(widget, 20);
    frame->setAnimationParams(300, QTimeLine::LinearCurve);
    dockHidden(*frame);
    QVERIFY(widget->isVisible()); // 20 px stay in sight
    QCOMPARE(widget->x(), -280);
    QSignalSpy hidden(frame, &DockableWidget::hidden);
    frame->hide();
    QTest::qWait(400);
    QCOMPARE(frame->state(), DockableWidget::Hidden);
    QCOMPARE(hidden.size(), 0);

    // Turning auto-hide off during a hide slide brings the frame back.
    frame->show();
    QTRY_COMPARE(frame->state(), DockableWidget::Shown);
    frame->hide();
    QCOMPARE(frame->state(), DockableWidget::Hiding);
    QTest::qWait(100);
    frame->setAutoHide(false);
    QCOMPARE(frame->state(), DockableWidget::Showing);
    QTRY_COMPARE(frame->state(), DockableWidget::Shown);
    QCOMPARE(widget->x(), 0);
}

void TestDockableWidget::showModifiersGateTheMouse()
{
    QWidget* widget = window(QRect(500, 300, 300, 200));
    auto* frame = new DockableWidget(widget, 0);
    frame->setShowModifiers(Qt::ShiftModifier | Qt::ControlModifier);
    dockHidden(*frame);
    moveMouse(0, 400);
    QTest::qWait(500);
    QCOMPARE(frame->state(), DockableWidget::Hidden);
    RunningVorenda::xdotool({QStringLiteral("keydown"), QStringLiteral("shift")});
    QTRY_COMPARE(frame->state(), DockableWidget::Shown);
    RunningVorenda::xdotool({QStringLiteral("keyup"), QStringLiteral("shift")});
}

void TestDockableWidget::showHotkeySlidesFrameIn()
{
    QWidget* widget = window(QRect(500, 300, 300, 200));
    auto* frame = new DockableWidget(widget, 0);
    QVERIFY(frame->setShowHotkey(QKeySequence(QStringLiteral("Ctrl+F9"))));
    dockHidden(*frame);
    RunningVorenda::xdotool({QStringLiteral("key"), QStringLiteral("ctrl+F9")});
    QTRY_COMPARE(frame->state(), DockableWidget::Shown);
    QCOMPARE(widget->x(), 0);
    QVERIFY(widget->isVisible());
}

void TestDockableWidget::stayOnTopKeepsWindowVisible()
{
    QWidget* widget = window(QRect(500, 300, 300, 200));
    auto* frame = new DockableWidget(widget, 0);
    frame->stayOnTop(true);
    QVERIFY(frame->staysOnTop());
    QVERIFY(widget->isVisible());
    QCOMPARE(widget->geometry(), QRect(500, 300, 300, 200));
    frame->stayOnTop(false);
    QVERIFY(!frame->staysOnTop());
    QVERIFY(widget->isVisible());
}

void TestDockableWidget::childDocksToItsParentsEdge()
{
    QWidget* parent = window(QRect(200, 200, 600, 400));
    auto* child = new QWidget(parent);
    child->setGeometry(100, 50, 150, 120);
    child->show();
    auto* frame = new DockableWidget(child, 10);
    frame->setAnimationParams(100, QTimeLine::LinearCurve);
    frame->setMode(DockableWidget::DockedRight);
    QCOMPARE(frame->dockedRect(), QRect(590, 50, 150, 120));
    QCOMPARE(child->geometry(), QRect(450, 50, 150, 120));
    frame->hide();
    QTRY_COMPARE(frame->state(), DockableWidget::Hidden);
    QCOMPARE(child->x(), 590);
    QVERIFY(child->isVisible());

    // The parent grows: the child keeps to its edge.
    parent->resize(700, 400);
    QTRY_COMPARE(child->x(), 690);
    QCOMPARE(frame->shownRect().left(), 550);
}

VORENDA_TEST_MAIN(TestDockableWidget)
#include "tst_dockablewidget_x11.moc"
