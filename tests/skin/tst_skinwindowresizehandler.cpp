#include "TestEnvironment.h"

#include "SkinWindow.h"
#include "SkinWindowResizeHandler.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QWidget>

using Position = SkinWindowResizeHandler::MousePosition;
Q_DECLARE_METATYPE(Position)

namespace {

// Sends a mouse event to the window at a point in its own coordinates; true when consumed
// (the window's own handler would have ignored it).
bool sendMouse(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
    return event.isAccepted();
}

// A skinned, resizable window of 300 by 200 at (200, 150) whose minimum size is 120 by 80.
struct Fixture
{
    QWidget window;
    SkinWindow* skin;
    SkinWindowResizeHandler* handler;

    explicit Fixture(bool fixedSize = false, bool noDragMove = false)
    {
        window.setMinimumSize(120, 80);
        window.setGeometry(200, 150, 300, 200);
        skin = new SkinWindow(&window, &window);
        skin->start(BackgroundPainter(QColor(40, 40, 40)), MarginProperty(0.0), false, fixedSize, noDragMove,
                    false);
        handler = skin->getResizeHandler();
        window.show();
    }

    bool press(const QPoint& pos, Qt::MouseButton button = Qt::LeftButton)
    {
        return sendMouse(&window, QEvent::MouseButtonPress, pos, button, button);
    }
    // Window coordinates at the time of the press: the window moves under the cursor.
    void dragTo(const QPoint& global)
    {
        QMouseEvent event(QEvent::MouseMove, window.mapFromGlobal(global), global, Qt::NoButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    }
    void release(const QPoint& global)
    {
        QMouseEvent event(QEvent::MouseButtonRelease, window.mapFromGlobal(global), global, Qt::LeftButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    }
};

} // namespace

class TestSkinWindowResizeHandler : public QObject
{
    Q_OBJECT

private slots:
    void resizeRange_data();
    void resizeRange();
    void zones_data();
    void zones();
    void rightEdgeResizeStopsAtMinimum();
    void topLeftResizeKeepsBottomRight();
    void maximumSizeBoundsResize();
    void centreDragMovesUnlessSwitchedOff();
    void rightButtonDoesNothing();
    void popupBlocksTheHandler();
    void maximisedWindowStaysPut();
    void inactiveHandlerIgnoresEverything();
    void keyboardMoveNudgesAndEnds();
    void shortcutsWaitDuringDrag();
};

void TestSkinWindowResizeHandler::resizeRange_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("range");
    QTest::newRow("off") << false << 6 << -1;
    QTest::newRow("zero gives the smallest") << true << 0 << 4;
    QTest::newRow("three gives the smallest") << true << 3 << 4;
    QTest::newRow("six") << true << 6 << 6;
}

void TestSkinWindowResizeHandler::resizeRange()
{
    QFETCH(bool, on);
    QFETCH(int, margin);
    QFETCH(int, range);
    QWidget window;
    SkinWindow skin(&window, nullptr);
    SkinWindowResizeHandler handler(&skin, nullptr);
    QCOMPARE(handler.resizeRange(), -1);
    handler.setResizeEnabled(on, margin);
    QCOMPARE(handler.resizeRange(), range);
}

void TestSkinWindowResizeHandler::zones_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<Position>("zone");
    QTest::addColumn<int>("cursor");
    QTest::newRow("top-left") << QPoint(2, 3) << SkinWindowResizeHandler::TopLeft << int(Qt::SizeFDiagCursor);
    QTest::newRow("bottom-right") << QPoint(297, 198) << SkinWindowResizeHandler::BottomRight
                                  << int(Qt::SizeFDiagCursor);
    QTest::newRow("bottom-left") << QPoint(0, 199) << SkinWindowResizeHandler::BottomLeft
                                 << int(Qt::SizeBDiagCursor);
    QTest::newRow("top-right") << QPoint(299, 4) << SkinWindowResizeHandler::TopRight << int(Qt::SizeBDiagCursor);
    QTest::newRow("top") << QPoint(150, 4) << SkinWindowResizeHandler::Top << int(Qt::SizeVerCursor);
    QTest::newRow("bottom") << QPoint(150, 196) << SkinWindowResizeHandler::Bottom << int(Qt::SizeVerCursor);
    QTest::newRow("left") << QPoint(1, 100) << SkinWindowResizeHandler::Left << int(Qt::SizeHorCursor);
    QTest::newRow("right") << QPoint(297, 100) << SkinWindowResizeHandler::Right << int(Qt::SizeHorCursor);
    QTest::newRow("centre") << QPoint(150, 100) << SkinWindowResizeHandler::Center << int(Qt::ArrowCursor);
    QTest::newRow("just inside the zone") << QPoint(5, 100) << SkinWindowResizeHandler::Center
                                          << int(Qt::ArrowCursor);
}

void TestSkinWindowResizeHandler::zones()
{
    QFETCH(QPoint, pos);
    QFETCH(Position, zone);
    QFETCH(int, cursor);
    Fixture f;
    sendMouse(&f.window, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
    QCOMPARE(f.handler->mousePosition(), zone);
    QCOMPARE(int(f.window.cursor().shape()), cursor);

    // Without resizing every point inside is the middle.
    f.handler->setResizeEnabled(false, 0);
    sendMouse(&f.window, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
    QCOMPARE(f.handler->mousePosition(), SkinWindowResizeHandler::Center);
}

void TestSkinWindowResizeHandler::rightEdgeResizeStopsAtMinimum()
{
    Fixture f;
    const QRect start = f.window.geometry();
    QVERIFY(f.press(QPoint(297, 100)));
    QCOMPARE(f.handler->mousePosition(), SkinWindowResizeHandler::Right);
    QCOMPARE(f.window.cursor().shape(), Qt::SizeHorCursor);

    f.dragTo(f.window.mapToGlobal(QPoint(247, 100)));
    QCOMPARE(f.window.geometry(), QRect(start.topLeft(), QSize(250, 200)));
    f.dragTo(f.window.mapToGlobal(QPoint(-400, 120)));
    QCOMPARE(f.window.geometry(), QRect(start.topLeft(), QSize(120, 200)));
    f.release(QCursor::pos());
    QVERIFY(!f.handler->isButtonDown());
}

void TestSkinWindowResizeHandler::topLeftResizeKeepsBottomRight()
{
    Fixture f;
    const QRect start = f.window.geometry();
    QVERIFY(f.press(QPoint(1, 1)));
    f.dragTo(start.topLeft() + QPoint(51, 21));
    QCOMPARE(f.window.geometry(), QRect(start.topLeft() + QPoint(50, 20), start.bottomRight()));
    f.dragTo(start.bottomRight());
    QCOMPARE(f.window.geometry(), QRect(QPoint(start.right() - 119, start.bottom() - 79), start.bottomRight()));
}

void TestSkinWindowResizeHandler::maximumSizeBoundsResize()
{
    Fixture f;
    f.window.setMaximumSize(340, 230);
    const QRect start = f.window.geometry();
    QVERIFY(f.press(QPoint(298, 198)));
    QCOMPARE(f.handler->mousePosition(), SkinWindowResizeHandler::BottomRight);
    f.dragTo(start.topLeft() + QPoint(600, 500));
    QCOMPARE(f.window.geometry(), QRect(start.topLeft(), QSize(340, 230)));
}

void TestSkinWindowResizeHandler::centreDragMovesUnlessSwitchedOff()
{
    Fixture f;
    const QRect start = f.window.geometry();
    QVERIFY(f.press(QPoint(150, 100)));
    f.dragTo(start.topLeft() + QPoint(170, 90));
    QCOMPARE(f.window.geometry(), start.translated(20, -10));
    f.release(start.topLeft() + QPoint(170, 90));

    // With dragging off, a press in the middle goes on to the window (a button there gets its click).
    f.handler->setMovingEnabled(false);
    const QRect moved = f.window.geometry();
    QVERIFY(!f.press(QPoint(150, 100)));
    f.dragTo(moved.topLeft() + QPoint(200, 150));
    QCOMPARE(f.window.geometry(), moved);

    auto* button = new QPushButton(QStringLiteral("Press"), &f.window);
    button->setGeometry(100, 80, 100, 40);
    button->show();
    int clicks = 0;
    connect(button, &QPushButton::clicked, [&] { ++clicks; });
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks, 1);
}

void TestSkinWindowResizeHandler::rightButtonDoesNothing()
{
    Fixture f;
    const QRect start = f.window.geometry();
    QVERIFY(!f.press(QPoint(297, 100), Qt::RightButton));
    QVERIFY(!f.handler->isButtonDown());
    f.dragTo(start.topLeft() + QPoint(200, 100));
    QCOMPARE(f.window.geometry(), start);
}

void TestSkinWindowResizeHandler::popupBlocksTheHandler()
{
    Fixture f;
    const QRect start = f.window.geometry();
    QMenu menu;
    menu.addAction(QStringLiteral("Item"));
    menu.popup(QPoint(600, 500));
    QTRY_VERIFY(QApplication::activePopupWidget());

    QMouseEvent press(QEvent::MouseButtonPress, QPoint(150, 100), f.window.mapToGlobal(QPoint(150, 100)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QVERIFY(!f.handler->eventFilter(&f.window, &press));
    QVERIFY(!f.handler->isButtonDown());
    QMouseEvent move(QEvent::MouseMove, QPoint(190, 130), f.window.mapToGlobal(QPoint(190, 130)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QVERIFY(!f.handler->eventFilter(&f.window, &move));
    QCOMPARE(f.window.geometry(), start);
    menu.close();
}

void TestSkinWindowResizeHandler::maximisedWindowStaysPut()
{
    Fixture f;
    f.window.setWindowState(Qt::WindowMaximized);
    QVERIFY(f.window.isMaximized());
    const QRect start = f.window.geometry();
    QVERIFY(!f.press(QPoint(150, 100)));
    QVERIFY(!f.handler->isButtonDown());
    f.dragTo(start.topLeft() + QPoint(300, 300));
    QCOMPARE(f.window.geometry(), start);
}

void TestSkinWindowResizeHandler::inactiveHandlerIgnoresEverything()
{
    Fixture f;
    f.handler->setActive(SkinWindowResizeHandler::Move | SkinWindowResizeHandler::Resize, false);
    QVERIFY(!f.handler->isActive(SkinWindowResizeHandler::Move));
    QCOMPARE(f.window.cursor().shape(), Qt::ArrowCursor);
    const QRect start = f.window.geometry();
    QVERIFY(!f.press(QPoint(297, 100)));
    f.dragTo(start.topLeft() + QPoint(100, 100));
    QCOMPARE(f.window.geometry(), start);

    f.handler->setActive(SkinWindowResizeHandler::Move, true);
    QVERIFY(f.handler->isActive(SkinWindowResizeHandler::Move | SkinWindowResizeHandler::Resize));
    QVERIFY(!f.handler->isActive(SkinWindowResizeHandler::Resize));
}

void TestSkinWindowResizeHandler::keyboardMoveNudgesAndEnds()
{
    Fixture f;
    QCursor::setPos(f.window.mapToGlobal(QPoint(150, 100)));
    f.handler->doMove();
    QVERIFY(f.handler->isMoveResizeMode());
    QCOMPARE(f.handler->mousePosition(), SkinWindowResizeHandler::Center);
    const QPoint before = QCursor::pos();
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    f.handler->eventFilter(&f.window, &right);
    QCOMPARE(QCursor::pos(), before + QPoint(8, 0));
    QKeyEvent fine(QEvent::KeyPress, Qt::Key_Down, Qt::ControlModifier);
    f.handler->eventFilter(&f.window, &fine);
    QCOMPARE(QCursor::pos(), before + QPoint(8, 1));
    QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    f.handler->eventFilter(&f.window, &other);
    QCOMPARE(QCursor::pos(), before + QPoint(8, 1));
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    f.handler->eventFilter(&f.window, &escape);
    QVERIFY(!f.handler->isMoveResizeMode());

    // Outside a keyboard move the keys leave the cursor alone.
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    f.handler->eventFilter(&f.window, &left);
    QCOMPARE(QCursor::pos(), before + QPoint(8, 1));

    // A keyboard resize takes the corner of the cursor's quadrant; the first arrow picks the edge.
    QCursor::setPos(f.window.mapToGlobal(QPoint(250, 40)));
    f.handler->doResize();
    QCOMPARE(f.handler->mousePosition(), SkinWindowResizeHandler::TopRight);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    f.handler->eventFilter(&f.window, &down);
    QCOMPARE(f.handler->mousePosition(), SkinWindowResizeHandler::BottomRight);
    f.handler->eventFilter(&f.window, &escape);
}

void TestSkinWindowResizeHandler::shortcutsWaitDuringDrag()
{
    Fixture f;
    QKeyEvent idle(QEvent::ShortcutOverride, Qt::Key_W, Qt::ControlModifier);
    QVERIFY(!f.handler->eventFilter(&f.window, &idle));
    QVERIFY(f.press(QPoint(150, 100)));
    QKeyEvent dragging(QEvent::ShortcutOverride, Qt::Key_W, Qt::ControlModifier);
    QVERIFY(f.handler->eventFilter(&f.window, &dragging));
    QVERIFY(dragging.isAccepted());
}

VORENDA_TEST_MAIN(TestSkinWindowResizeHandler)
#include "tst_skinwindowresizehandler.moc"
