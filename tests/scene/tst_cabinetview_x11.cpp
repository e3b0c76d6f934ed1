#include "RunningVorenda.h"
#include "TestEnvironment.h"

#include "CabinetStyleFixtures.h"

#include <QScreen>
#include <QX11Info>

// A cabinet in the "Wood #2" style as the X server shows it: written to
// build/screenshots/ for inspection and checked at a few points.
class TestCabinetViewX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void screenShowsCabinet();
};

void TestCabinetViewX11::initTestCase()
{
    if (!QX11Info::isPlatformX11())
        QSKIP("needs an X server");
    TestEnvironment::instance()->initializeGlobals();
    VorendaGlobal::load();
}

void TestCabinetViewX11::screenShowsCabinet()
{
    const ShelfStyle style = styleNamed(QStringLiteral("Wood #2"));
    QCOMPARE(style.name, QStringLiteral("Wood #2"));

    MyThumbnailView view;
    view.setWindowFlags(Qt::FramelessWindowHint);
    view.setGeometry(100, 100, 800, 600);
    view.setSpacing(0, 8, false);
    const QStringList names = {QStringLiteral("Documents"), QStringLiteral("Holiday photos 2023"),
                               QStringLiteral("Budget.ods"), QStringLiteral("https://www.example.org/news"),
                               QStringLiteral("Music"), QStringLiteral("A very long name that cannot fit on two lines"),
                               QStringLiteral("Notes"), QStringLiteral("Terminal"), QStringLiteral("Projects"),
                               QStringLiteral("Letter to the bank.odt"), QStringLiteral("Downloads"),
                               QStringLiteral("Recipes"), QStringLiteral("Calendar"), QStringLiteral("Videos"),
                               QStringLiteral("Invoices 2024"), QStringLiteral("Scanner"), QStringLiteral("Games"),
                               QStringLiteral("Backup")};
    const QList<QColor> colors = {QColor(70, 130, 200), QColor(220, 160, 40), QColor(90, 170, 90),
                                  QColor(190, 80, 80), QColor(140, 90, 180), QColor(60, 160, 170)};
    for (int i = 0; i < names.size(); ++i) {
        const int w = i % 4 == 1 ? 120 : 96;
        const int h = i % 4 == 1 ? 80 : 96;
        view.addItem(makeCabinetItem(cardPicture(w, h, colors.at(i % colors.size())), 96, names.at(i)), false);
    }
    applyViewStyle(view, style);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.updateLayout();
    view.getAllItems().at(2)->setSelected(true);
    QTest::qWait(400);

    const QVector<int> rows = view.getShelfRows();
    QCOMPARE(rows.size(), 3);

    const QRect frame = view.geometry();
    const QImage screen = QGuiApplication::primaryScreen()
                              ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                              .toImage();
    QCOMPARE(screen.size(), frame.size());
    QVERIFY(RunningVorenda::saveScreenshot(screen, QStringLiteral("cabinetview.png")));

    // Each board's front face, mid-way across the cabinet.
    for (const int top : rows) {
        const QColor front = screen.pixelColor(400, top + view.getShelfHeight() + 2);
        QVERIFY2(isBoardColor(front), qPrintable(front.name()));
    }

    // Side panels: dark brown wood.
    for (const int x : {4, 795}) {
        const QColor side = screen.pixelColor(x, 300);
        QVERIFY2(side.red() >= side.blue() && side.lightness() < 110 && side.lightness() > 5,
                 qPrintable(side.name()));
    }

    // The back panel between two items of the first row: the cabinet colour, darkened.
    const QRectF first = view.getAllItems().at(0)->sceneBoundingRect();
    const QRectF second = view.getAllItems().at(1)->sceneBoundingRect();
    const QPoint gap(int((first.right() + second.left()) / 2), int(first.center().y()));
    const QColor back = screen.pixelColor(gap);
    QVERIFY2(back.lightness() < 60 && back.red() >= back.blue(), qPrintable(back.name()));
    QVERIFY(!isBoardColor(back));

    // The frame line round the viewport is darker than the panel beside it.
    QVERIFY(qGray(screen.pixel(0, 300)) <= qGray(screen.pixel(2, 300)));
}

VORENDA_TEST_MAIN(TestCabinetViewX11)
#include "tst_cabinetview_x11.moc"
