#include "RunningVorenda.h"
#include "TestEnvironment.h"

#include "CabinetTestFixtures.h"
#include "DockableWidget.h"

#include <QScreen>
#include <QX11Info>

// A shown cabinet in the "Wood #2" style as the X server shows it: written to
// build/screenshots/ for inspection and checked at a few points.
class TestCabinetScreenshotX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void screenShowsCabinet();
};

void TestCabinetScreenshotX11::initTestCase()
{
    if (!QX11Info::isPlatformX11())
        QSKIP("needs an X server");
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
}

static bool isCabinetColor(const QColor& c, const QColor& cabinet)
{
    // The dark wood of the body: the cabinet colour's hue, about as dark.
    return qAbs(c.hue() - cabinet.hue()) <= 15 && qAbs(c.lightness() - cabinet.lightness()) <= 45;
}

void TestCabinetScreenshotX11::screenShowsCabinet()
{
    const ShelfStyle style = VorendaGlobal::shelfStyles.value(17);
    QCOMPARE(style.name, QStringLiteral("Wood #2"));

    VorendaShelf shelf;
    shelf.name = QStringLiteral("Cabinet 1");
    shelf.fileName = QStringLiteral("screenshot.dat");
    shelf.style = style;
    shelf.initialize();
    shelf.nameLabel->setText(shelf.name);
    addCabinetCategory(shelf, 0, QStringLiteral("Documents"));
    const QList<QColor> colors = {QColor(70, 130, 200), QColor(220, 160, 40), QColor(90, 170, 90),
                                  QColor(190, 80, 80), QColor(140, 90, 180)};
    const QStringList names = {QStringLiteral("Budget.ods"), QStringLiteral("Holiday photos"),
                               QStringLiteral("Music"), QStringLiteral("Letter to the bank.odt"),
                               QStringLiteral("Projects")};
    for (int i = 0; i < names.size(); ++i)
        addCabinetItem(shelf, i < 3 ? -1 : 0, names.at(i), colors.at(i));
    shelf.view->resetModel();
    shelf.updateStatusLabel();

    shelf.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shelf));
    shelf.view->updateLayout();
    QTest::qWait(500);

    const QRect frame = shelf.frameGeometry();
    const QImage screen = QGuiApplication::primaryScreen()
                              ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                              .toImage();
    QCOMPARE(screen.size(), frame.size());
    QVERIFY(RunningVorenda::saveScreenshot(screen, QStringLiteral("cabinetwindow.png")));

    QCOMPARE(shelf.statusLabel->text(), QStringLiteral("1 Categories, 5 Items"));

    // The body: between the status label and the window's edge, the cabinet's wood.
    const QPoint bottomBar = shelf.bottomFrame->mapTo(&shelf, QPoint(2, shelf.bottomFrame->height() / 2));
    const QColor body = screen.pixelColor(bottomBar);
    QVERIFY2(isCabinetColor(body, style.cabinetColor), qPrintable(body.name()));

    // Under the first row of items, the front of a shelf board.
    const QVector<int> rows = shelf.view->getShelfRows();
    QVERIFY(!rows.isEmpty());
    const QPoint viewOrigin = shelf.view->viewport()->mapTo(&shelf, QPoint(0, 0));
    const QPoint sceneOrigin = shelf.view->mapFromScene(QPointF(0, 0));
    const QPoint board = viewOrigin + sceneOrigin
                         + QPoint(shelf.view->viewport()->width() / 2, rows.first() + shelf.view->getShelfHeight() + 2);
    const QColor front = screen.pixelColor(board);
    QVERIFY2(isBoardColor(front), qPrintable(front.name()));
}

VORENDA_TEST_MAIN(TestCabinetScreenshotX11)
#include "tst_cabinetscreenshot_x11.moc"
