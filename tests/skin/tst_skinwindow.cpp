#include "TestEnvironment.h"

#include "SkinWindow.h"
#include "SkinWindowResizeHandler.h"

#include <QBitmap>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWidget>

namespace {

BackgroundPainter roundSkin(double radius = 10.0)
{
    BackgroundPainter skin(QColor(32, 32, 32, 200));
    skin.setBorderPainter(BorderPainter(1.0, radius, QColor(32, 32, 32, 1)));
    return skin;
}

void sendMouse(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A top-level window with a children container frame and a label, 300 by 200 at (100, 100).
struct SkinnedWindow
{
    QWidget window;
    QFrame* container;
    QLabel* label;
    SkinWindow* skin;

    SkinnedWindow()
    {
        container = new QFrame(&window);
        container->setObjectName(QStringLiteral("childrenContainer"));
        container->setGeometry(20, 20, 100, 40);
        label = new QLabel(QStringLiteral("Drag me"), &window);
        label->setGeometry(150, 100, 80, 30);
        window.setGeometry(100, 100, 300, 200);
        skin = new SkinWindow(&window, &window);
    }
};

} // namespace

class TestSkinWindow : public QObject
{
    Q_OBJECT

private slots:
    void maskCutsRoundedCorners();
    void startTwiceChangesNothing();
    void toolTipKeepsItsFlags();
    void stopRestoresAndDestructorIsSafe();
    void pictureIsCachedBySizeAndSkin();
    void paintReplacesTheWindowsOwnPainting();
    void fadeHideRestoresGeometry();
    void showDuringHideReverses();
    void geometryShowGrowsFromRect();
    void hideDuringShowReverses();
    void plainHideEndsRunningShow();
    void showOnVisibleWindowOnlyRaises();
    void effectsNeedAlphaBlend();
    void dragOnChildLabelMovesWindow();
    void dragMoveSwitchedOff();
    void captureWritesObjectNamePng();
};

void TestSkinWindow::maskCutsRoundedCorners()
{
    SkinnedWindow w;
    w.skin->start(roundSkin(10.0), MarginProperty(0.0), true, false, false, true);
    const QRegion mask = w.window.mask();
    QVERIFY(!mask.isEmpty());
    QVERIFY(!mask.contains(QPoint(0, 0)));
    QVERIFY(!mask.contains(QPoint(299, 199)));
    QVERIFY(mask.contains(QPoint(150, 100)));
    QVERIFY(mask.contains(QPoint(150, 1)));

    // A square skin keeps every corner.
    w.skin->setSkin(roundSkin(0.0), true);
    QVERIFY(w.window.mask().contains(QPoint(1, 1)));
}

void TestSkinWindow::startTwiceChangesNothing()
{
    SkinnedWindow w;
    w.window.setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::Tool);
    w.skin->start(roundSkin(), MarginProperty(1.0, 2.0, 3.0, 4.0), true, false, false, true);
    const Qt::WindowFlags flags = w.window.windowFlags();
    QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
    QCOMPARE(w.window.contentsMargins(), QMargins(4, 1, 2, 3));
    SkinWindowResizeHandler* handler = w.skin->getResizeHandler();
    QVERIFY(handler);
    QCOMPARE(handler->resizeRange(), 4);

    w.skin->start(BackgroundPainter(), MarginProperty(9.0), false, true, true, false);
    QCOMPARE(w.window.windowFlags(), flags);
    QCOMPARE(w.window.contentsMargins(), QMargins(4, 1, 2, 3));
    QCOMPARE(w.skin->getResizeHandler(), handler);
    QCOMPARE(handler->resizeRange(), 4);
    QVERIFY(handler->isMovingEnabled());
    QCOMPARE(w.skin->getSkin(), roundSkin());
}

void TestSkinWindow::toolTipKeepsItsFlags()
{
    QWidget tip(nullptr, Qt::ToolTip);
    tip.resize(100, 50);
    SkinWindow skin(&tip, nullptr);
    skin.start(roundSkin(), MarginProperty(0.0), false, true, true, false);
    QCOMPARE(tip.windowFlags() & Qt::WindowType_Mask, Qt::ToolTip);
    QVERIFY(!tip.windowFlags().testFlag(Qt::FramelessWindowHint));
}

void TestSkinWindow::stopRestoresAndDestructorIsSafe()
{
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    window.resize(200, 100);
    const Qt::WindowFlags flags = window.windowFlags();
    auto* skin = new SkinWindow(&window, nullptr);
    skin->start(roundSkin(), MarginProperty(5.0), true, false, false, false);
    QVERIFY(!window.mask().isEmpty());
    skin->stop();
    QCOMPARE(window.windowFlags(), flags);
    QCOMPARE(window.contentsMargins(), QMargins());
    QVERIFY(window.mask().isEmpty());
    QVERIFY(!skin->getResizeHandler());
    QVERIFY(!window.testAttribute(Qt::WA_PaintOnScreen));

    // Start again after stop, then stop and delete: nothing is deleted twice (ASan watches).
    skin->start(roundSkin(), MarginProperty(0.0), true, false, false, true);
    QVERIFY(skin->getResizeHandler());
    skin->stop();
    delete skin;
    QVERIFY(window.mask().isEmpty());
}

void TestSkinWindow::pictureIsCachedBySizeAndSkin()
{
    SkinnedWindow w;
    w.skin->start(roundSkin(), MarginProperty(0.0), true, false, false, true);
    w.window.grab();
    const qint64 key = w.skin->getPicture().cacheKey();
    w.window.grab();
    w.window.repaint();
    QCOMPARE(w.skin->getPicture().cacheKey(), key);

    w.window.resize(320, 200);
    w.window.grab();
    QVERIFY(w.skin->getPicture().cacheKey() != key);
    QCOMPARE(w.skin->getPicture().size(), QSize(320, 200));
    QVERIFY(!w.window.mask().contains(QPoint(319, 0)));

    const qint64 resizedKey = w.skin->getPicture().cacheKey();
    w.skin->setSkin(roundSkin(4.0), false);
    w.window.grab();
    QVERIFY(w.skin->getPicture().cacheKey() != resizedKey);
    QVERIFY(w.window.mask().contains(QPoint(3, 3)));
}

void TestSkinWindow::paintReplacesTheWindowsOwnPainting()
{
    QWidget window;
    window.resize(60, 40);
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::red);
    window.setPalette(palette);
    SkinWindow skin(&window, nullptr);
    skin.start(BackgroundPainter(QColor(0, 0, 255)), MarginProperty(0.0), false, false, false, false);
    const QImage image = window.grab().toImage();
    QCOMPARE(image.pixelColor(30, 20), QColor(0, 0, 255));
}

void TestSkinWindow::fadeHideRestoresGeometry()
{
    SkinnedWindow w;
    w.skin->start(roundSkin(), MarginProperty(0.0), true, false, false, true);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    const QRect geometry = w.window.geometry();

    w.skin->hide(SkinWindow::FadeEffect, QRect(), 300, 20, QTimeLine::EaseInOutCurve);
    QVERIFY(w.skin->isEffectRunning());
    QVERIFY(w.container->isHidden());
    QVERIFY(w.window.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!w.skin->isEffectRunning(), 3000);
    QVERIFY(!w.window.isVisible());
    QCOMPARE(w.window.geometry(), geometry);
    QVERIFY(!w.container->isHidden());
}

void TestSkinWindow::showDuringHideReverses()
{
    SkinnedWindow w;
    w.skin->start(roundSkin(), MarginProperty(0.0), true, false, false, true);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));

    w.skin->hide(SkinWindow::FadeEffect, QRect(), 400, 20, QTimeLine::LinearCurve);
    QTest::qWait(100);
    w.skin->show(SkinWindow::FadeEffect, QRect(), 400, 20, QTimeLine::LinearCurve);
    QVERIFY(w.skin->isEffectRunning());
    QVERIFY(!w.skin->isEffectHiding());
    QTRY_VERIFY_WITH_TIMEOUT(!w.skin->isEffectRunning(), 3000);
    QVERIFY(w.window.isVisible());
    QVERIFY(!w.container->isHidden());
}

void TestSkinWindow::geometryShowGrowsFromRect()
{
    SkinnedWindow w;
    w.skin->start(roundSkin(), MarginProperty(0.0), true, false, false, true);
    const QRect target = w.window.geometry();
    const QRect from(150, 150, 40, 30);
    QList<QSize> sizes;
    QObject::connect(w.skin->findChild<QTimeLine*>(), &QTimeLine::valueChanged,
                     [&](qreal) { sizes << w.window.size(); });

    w.skin->show(SkinWindow::GeometryEffect, from, 300, 20, QTimeLine::LinearCurve);
    QVERIFY(w.skin->isEffectRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!w.skin->isEffectRunning(), 3000);
    QVERIFY(w.window.isVisible());
    QCOMPARE(w.window.geometry(), target);
    QVERIFY(sizes.size() > 3);
    QVERIFY(sizes.first().width() < 120);
    QVERIFY(sizes.first().width() < sizes.at(sizes.size() / 2).width());
}

void TestSkinWindow::hideDuringShowReverses()
{
    SkinnedWindow w;
    w.skin->start(roundSkin(), MarginProperty(0.0), true, false, false, true);
    const QRect target = w.window.geometry();
    w.skin->show(SkinWindow::GeometryEffect, QRect(150, 150, 40, 30), 400, 20, QTimeLine::LinearCurve);
    QTRY_VERIFY_WITH_TIMEOUT(w.window.isVisible(), 1000);
    QTest::qWait(60);
    w.skin->hide(SkinWindow::GeometryEffect, QRect(150, 150, 40, 30), 400, 20, QTimeLine::LinearCurve);
    QVERIFY(w.skin->isEffectRunning());
    QVERIFY(w.skin->isEffectHiding());
    QTRY_VERIFY_WITH_TIMEOUT(!w.skin->isEffectRunning(), 3000);
    QVERIFY(!w.window.isVisible());
    QCOMPARE(w.window.geometry(), target);
}

void TestSkinWindow::plainHideEndsRunningShow()
{
    SkinnedWindow w;
    w.skin->start(roundSkin(), MarginProperty(0.0), true, false, false, true);
    const QRect target = w.window.geometry();
    w.skin->show(SkinWindow::GeometryEffect, QRect(150, 150, 40, 30), 400, 20, QTimeLine::LinearCurve);
    QTRY_VERIFY_WITH_TIMEOUT(w.window.isVisible(), 1000);
    w.skin->hide(SkinWindow::NoEffect, QRect(), 0, 0, QTimeLine::LinearCurve);
    QVERIFY(!w.skin->isEffectRunning());
    QVERIFY(!w.window.isVisible());
    QCOMPARE(w.window.geometry(), target);
    // The stopped time line must not bring the window back.
    QTest::qWait(100);
    QVERIFY(!w.window.isVisible());
    QVERIFY(!w.container->isHidden());
}

void TestSkinWindow::showOnVisibleWindowOnlyRaises()
{
    SkinnedWindow w;
    w.skin->start(roundSkin(), MarginProperty(0.0), true, false, false, true);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    w.skin->show(SkinWindow::FadeEffect, QRect(), 300, 20, QTimeLine::LinearCurve);
    QVERIFY(!w.skin->isEffectRunning());
    QVERIFY(w.window.isVisible());
}

void TestSkinWindow::effectsNeedAlphaBlend()
{
    SkinnedWindow w;
    w.skin->start(roundSkin(), MarginProperty(0.0), false, false, false, false);
    w.skin->show(SkinWindow::FadeEffect, QRect(), 300, 20, QTimeLine::LinearCurve);
    QVERIFY(!w.skin->isEffectRunning());
    QVERIFY(w.window.isVisible());
    w.skin->hide(SkinWindow::FadeEffect, QRect(), 300, 20, QTimeLine::LinearCurve);
    QVERIFY(!w.skin->isEffectRunning());
    QVERIFY(!w.window.isVisible());
}

void TestSkinWindow::dragOnChildLabelMovesWindow()
{
    SkinnedWindow w;
    w.skin->start(roundSkin(), MarginProperty(0.0), true, false, false, true);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    const QPoint start = w.window.pos();
    int activations = 0;
    connect(w.skin->getResizeHandler(), &SkinWindowResizeHandler::activate, [&] { ++activations; });

    sendMouse(w.label, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(activations, 1);
    sendMouse(w.label, QEvent::MouseMove, QPoint(40, 25), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(w.window.pos(), start + QPoint(30, 15));
    sendMouse(w.label, QEvent::MouseButtonRelease, QPoint(40, 25), Qt::LeftButton, Qt::NoButton);
    QVERIFY(!w.skin->getResizeHandler()->isButtonDown());
}

void TestSkinWindow::dragMoveSwitchedOff()
{
    SkinnedWindow w;
    w.skin->start(roundSkin(), MarginProperty(0.0), true, false, true, true);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    const QPoint start = w.window.pos();
    sendMouse(w.label, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
    sendMouse(w.label, QEvent::MouseMove, QPoint(40, 25), Qt::NoButton, Qt::LeftButton);
    sendMouse(w.label, QEvent::MouseButtonRelease, QPoint(40, 25), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(w.window.pos(), start);
}

void TestSkinWindow::captureWritesObjectNamePng()
{
    QTemporaryDir dir;
    SkinnedWindow w;
    w.skin->start(roundSkin(), MarginProperty(0.0), true, false, false, true);
    const QString folder = dir.filePath(QStringLiteral("Screenshots/deep"));
    w.skin->setCaptureFolder(folder);
    w.skin->captureWindow();
    const QImage unnamed(QDir(folder).filePath(QStringLiteral(".png")));
    QCOMPARE(unnamed.size(), QSize(300, 200));
    QCOMPARE(qAlpha(unnamed.pixel(0, 0)), 0);
    QVERIFY(qAlpha(unnamed.pixel(150, 10)) > 150);

    w.window.setObjectName(QStringLiteral("QuickSearch"));
    w.skin->captureWindow();
    QVERIFY(QFile::exists(QDir(folder).filePath(QStringLiteral("QuickSearch.png"))));

    // A folder that cannot be made saves nothing and reports nothing.
    QFile blocker(dir.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    w.skin->setCaptureFolder(blocker.fileName() + QStringLiteral("/sub"));
    w.skin->captureWindow();
    QVERIFY(!QFile::exists(blocker.fileName() + QStringLiteral("/sub/QuickSearch.png")));
}

VORENDA_TEST_MAIN(TestSkinWindow)
#include "tst_skinwindow.moc"
