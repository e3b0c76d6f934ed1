#include "TestEnvironment.h"

#include "ShelfSkin.h"
#include "SkinWidget.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QPushButton>

// The icons the cabinet paints itself and the skin pieces of its bars.
class TestCabinetPainting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void closeCrossIsCentred_data();
    void closeCrossIsCentred();
    void trianglesPointDownAndUp();
    void pictureIconsDrawFrameMountainAndSun();
    void translucentColourKeepsItsAlpha();
    void transparentColourGivesTransparentIcons();
    void labelFontFollowsTheSizeCode_data();
    void labelFontFollowsTheSizeCode();
    void labelShadowFollowsTheDecoration_data();
    void labelShadowFollowsTheDecoration();
    void menuBarPiecesHaveTheirLook();
    void closeButtonShowsTheCrossOnItsDiscs();
    void commandsButtonIsSkinned();
};

void TestCabinetPainting::initTestCase()
{
    TestEnvironment::instance()->initializeGlobals();
}

void TestCabinetPainting::closeCrossIsCentred_data()
{
    QTest::addColumn<int>("side");
    QTest::newRow("odd, 15") << 15;
    QTest::newRow("even, 20") << 20;
}

void TestCabinetPainting::closeCrossIsCentred()
{
    QFETCH(int, side);
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    const QImage copy = paintCloseIcon(pixmap).toImage().convertToFormat(QImage::Format_ARGB32);
    // The argument is painted too.
    QCOMPARE(pixmap.toImage().convertToFormat(QImage::Format_ARGB32), copy);

    // The cross stands on (side / 2 - 0.5, side / 2 - 0.5): 7.0 for 15 pixels.
    double sum = 0.0;
    double sumX = 0.0;
    double sumY = 0.0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int alpha = qAlpha(copy.pixel(x, y));
            sum += alpha;
            sumX += alpha * (x + 0.5);
            sumY += alpha * (y + 0.5);
        }
    }
    const double centre = side * 0.5 - 0.5;
    QVERIFY2(qAbs(sumX / sum - centre) < 0.05, qPrintable(QString::number(sumX / sum)));
    QVERIFY2(qAbs(sumY / sum - centre) < 0.05, qPrintable(QString::number(sumY / sum)));
    // The centre pixel pair is covered; the far corners are not.
    const int c = (side - 1) / 2;
    QVERIFY(qAlpha(copy.pixel(c, c)) > 150);
    QCOMPARE(qAlpha(copy.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(copy.pixel(side - 1, side - 1)), 0);
    // White where it is painted.
    QCOMPARE(QColor(copy.pixel(c, c)).rgb(), QColor(Qt::white).rgb());
}

void TestCabinetPainting::trianglesPointDownAndUp()
{
    const QColor color(200, 30, 30);
    const QImage collapsed = VorendaShelf::getCollapsedIcon(color).toImage();
    const QImage expanded = VorendaShelf::getExpandedIcon(color).toImage();
    QCOMPARE(collapsed.size(), QSize(10, 10));
    QCOMPARE(expanded.size(), QSize(10, 9));
    // Inside each triangle: the colour itself.
    QCOMPARE(collapsed.pixelColor(5, 3).rgba(), color.rgba());
    QCOMPARE(expanded.pixelColor(5, 5).rgba(), color.rgba());
    // Down: wide at the top; up: wide at the bottom.
    QVERIFY(qAlpha(collapsed.pixel(3, 2)) > 100);
    QCOMPARE(qAlpha(collapsed.pixel(3, 7)), 0);
    QVERIFY(qAlpha(expanded.pixel(3, 6)) > 100);
    QCOMPARE(qAlpha(expanded.pixel(3, 1)), 0);
    QCOMPARE(qAlpha(collapsed.pixel(0, 0)), 0);
}

void TestCabinetPainting::pictureIconsDrawFrameMountainAndSun()
{
    const QColor color(20, 120, 220);
    const QImage small = VorendaShelf::getSmallThumbIcon(color).toImage();
    const QImage large = VorendaShelf::getLargeThumbIcon(color).toImage();
    QCOMPARE(small.size(), QSize(9, 11));
    QCOMPARE(large.size(), QSize(14, 15));

    // Small: frame lines at rows 3 and 9, columns 0 and 8, plain colour; nothing above.
    for (const QPoint& p : {QPoint(0, 3), QPoint(8, 3), QPoint(4, 3), QPoint(0, 9), QPoint(8, 6), QPoint(0, 6)})
        QCOMPARE(small.pixelColor(p).rgba(), color.rgba());
    QCOMPARE(qAlpha(small.pixel(4, 1)), 0);
    QCOMPARE(qAlpha(small.pixel(4, 10)), 0);
    // Large: frame rows 3 and 12; the mountain filled with alpha 220 inside the frame.
    for (const QPoint& p : {QPoint(0, 3), QPoint(13, 12), QPoint(13, 7), QPoint(0, 11)})
        QCOMPARE(large.pixelColor(p).rgba(), color.rgba());
    const QColor mountain = large.pixelColor(7, 11);
    QVERIFY(qAbs(mountain.blue() - color.blue()) <= 2 && qAbs(mountain.red() - color.red()) <= 2);
    QVERIFY(mountain.alpha() >= 210 && mountain.alpha() <= 230);
    // The sun above the mountain: a 4 by 4 disc from (5, 5).
    QVERIFY(qAlpha(large.pixel(6, 6)) > 150);
    QCOMPARE(qAlpha(large.pixel(2, 5)), 0);
    QCOMPARE(qAlpha(large.pixel(7, 14)), 0);
}

void TestCabinetPainting::translucentColourKeepsItsAlpha()
{
    // The fill is the colour as given; the faint outline does not darken it.
    const QImage opaque = VorendaShelf::getCollapsedIcon(QColor(0, 0, 0)).toImage();
    const QImage translucent = VorendaShelf::getCollapsedIcon(QColor(0, 0, 0, 120)).toImage();
    QVERIFY(qAlpha(opaque.pixel(5, 3)) == 255);
    QVERIFY(qAbs(qAlpha(translucent.pixel(5, 3)) - 120) <= 30);
}

void TestCabinetPainting::transparentColourGivesTransparentIcons()
{
    const QColor none(0, 0, 0, 0);
    for (const QPixmap& pixmap : {VorendaShelf::getCollapsedIcon(none), VorendaShelf::getExpandedIcon(none),
                                  VorendaShelf::getSmallThumbIcon(none), VorendaShelf::getLargeThumbIcon(none)}) {
        const QImage image = pixmap.toImage();
        int ink = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                ink += qAlpha(image.pixel(x, y));
        }
        QCOMPARE(ink, 0);
    }
}

void TestCabinetPainting::labelFontFollowsTheSizeCode_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("extraPoints");
    QTest::newRow("small") << 7 << 0;
    QTest::newRow("large") << 10 << 0;
    QTest::newRow("huge") << 12 << 2;
    QTest::newRow("other") << 9 << 0;
}

void TestCabinetPainting::labelFontFollowsTheSizeCode()
{
    QFETCH(int, size);
    QFETCH(int, extraPoints);
    VorendaShelf shelf;
    QLabel label;
    label.setAlignment(Qt::AlignRight | Qt::AlignBottom);
    SkinWidget* skin = shelf.skinCabinetLabel(&label, size, true);
    QCOMPARE(skin->parent(), &label);
    const QFont font = skin->getTextFont()[FontProperty::Normal];
    QVERIFY(font.bold());
    QCOMPARE(font.pointSizeF(), VorendaGlobal::getNormalFont(true, QString()).pointSizeF() + extraPoints);
    QCOMPARE(skin->getTextAlignment(), Qt::AlignRight | Qt::AlignBottom);
    QCOMPARE(skin->getTextPen()[PenProperty::Normal].color(), QColor(Qt::white));
    QCOMPARE(skin->getBackground(), BackgroundProperty());
}

void TestCabinetPainting::labelShadowFollowsTheDecoration_data()
{
    QTest::addColumn<int>("decoration");
    QTest::addColumn<bool>("shadow");
    QTest::addColumn<bool>("up");
    QTest::newRow("plain") << 0 << false << false;
    QTest::newRow("shadow") << 1 << true << false;
    QTest::newRow("shadow up") << 2 << true << true;
    QTest::newRow("bold") << 3 << false << false;
}

void TestCabinetPainting::labelShadowFollowsTheDecoration()
{
    QFETCH(int, decoration);
    QFETCH(bool, shadow);
    QFETCH(bool, up);
    VorendaShelf shelf;
    shelf.textdecoration = decoration;
    QLabel label;
    SkinWidget* skin = shelf.skinCabinetLabel(&label, 10, false);
    QCOMPARE(skin->hasTextShadow(), shadow);
    QCOMPARE(skin->isTextShadowUp(), up);
}

void TestCabinetPainting::menuBarPiecesHaveTheirLook()
{
    VorendaShelf shelf;
    const BackgroundPainter dark(QColor(0, 0, 0, 80));
    QCOMPARE(shelf.menuButtonBackground,
             BackgroundProperty(BackgroundPainter(), dark, dark, BackgroundPainter(), BackgroundPainter()));
    QFrame frame;
    SkinWidget* frameSkin = shelf.skinMenuBarFrame(&frame);
    QCOMPARE(frameSkin->getBackground(),
             BackgroundProperty(dark, dark, BackgroundPainter(), BackgroundPainter(), dark));

    SkinWidget* button = shelf.cabinetMenuButtonSkin;
    QCOMPARE(button->getTextAlignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    QCOMPARE(button->getTextPen()[PenProperty::Hover].color(), QColor(Qt::white));
    QVERIFY(!button->hasTextShadow());
    QCOMPARE(button->hoverTimeLine()->duration(), 400);
    QVERIFY(!button->getTextFont()[FontProperty::Normal].bold());
}

void TestCabinetPainting::closeButtonShowsTheCrossOnItsDiscs()
{
    VorendaShelf shelf;
    const BackgroundProperty look = shelf.closeButtonSkin->getBackground();
    const BackgroundPainter normal = look[BackgroundProperty::Normal];
    const BackgroundPainter pressed = look[BackgroundProperty::Selected];
    QCOMPARE(normal.imagePainter().style(), ImagePainter::TopLeft);
    QCOMPARE(look[BackgroundProperty::Hover], BackgroundPainter());
    QCOMPARE(look[BackgroundProperty::Disabled], BackgroundPainter());
    const QImage disc = normal.imagePainter().image().toImage();
    QCOMPARE(disc.size(), QSize(20, 20));
    // White cross in the middle of a dark disc; the pressed disc is darker.
    QCOMPARE(QColor(disc.pixel(9, 9)).rgb(), QColor(Qt::white).rgb());
    const QImage pressedDisc = pressed.imagePainter().image().toImage();
    QVERIFY(qAlpha(pressedDisc.pixel(9, 3)) > qAlpha(disc.pixel(9, 3)));
    QCOMPARE(qAlpha(disc.pixel(0, 0)), 0);
}

void TestCabinetPainting::commandsButtonIsSkinned()
{
    VorendaShelf shelf;
    QPushButton button(QStringLiteral("Go"));
    SkinWidget* skin = shelf.skinCommandsButton(&button);
    QCOMPARE(skin->parent(), &button);
    QVERIFY(!skin->getIcon()[ImageResource::Normal].isNull());
    QCOMPARE(skin->getIcon()[ImageResource::Normal].size(), QSize(9, 9));
}

VORENDA_TEST_MAIN(TestCabinetPainting)
#include "tst_cabinetpainting.moc"
