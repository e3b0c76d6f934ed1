#include "TestEnvironment.h"

#include "BorderPathFunctions.h"
#include "ColorFunctions.h"
#include "ImageFunctions.h"

#include <QPainter>
#include <QWidget>

using Points = QVector<QPoint>;
Q_DECLARE_METATYPE(Points)

class TestPaintFunctions : public QObject
{
    Q_OBJECT

private slots:
    void roundRectPath_data();
    void roundRectPath();
    void hasOneColor_data();
    void hasOneColor();
    void getPixelFallsBackOutside();
    void mergedColors_data();
    void mergedColors();
    void alphaImageScalesStraightAlpha_data();
    void alphaImageScalesStraightAlpha();
    void mirrorFlips_data();
    void mirrorFlips();
    void mirrorFades_data();
    void mirrorFades();
    void thumbnailCanvas();
    void paletteSetters();
};

void TestPaintFunctions::roundRectPath_data()
{
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("radius");
    QTest::addColumn<QRectF>("inner"); // null: empty path
    QTest::addColumn<bool>("rounded");

    QTest::newRow("rounded, inset by half the pen") << QRectF(0, 0, 100, 40) << 1.0 << 10.0 << QRectF(0.5, 0.5, 99, 39) << true;
    QTest::newRow("no radius: plain") << QRectF(0, 0, 100, 40) << 1.0 << 0.0 << QRectF(0.5, 0.5, 99, 39) << false;
    QTest::newRow("width 0 with radius counts as 1") << QRectF(0, 0, 100, 40) << 0.0 << 10.0 << QRectF(0.5, 0.5, 99, 39) << true;
    QTest::newRow("width 0, no radius: the rect") << QRectF(0, 0, 100, 40) << 0.0 << 0.0 << QRectF(0, 0, 100, 40) << false;
    QTest::newRow("fractional x shifts right") << QRectF(0.5, 0, 100, 40) << 1.0 << 0.0 << QRectF(1.5, 0.5, 99, 39) << false;
    QTest::newRow("fractional y shifts down") << QRectF(0, 2.25, 100, 40) << 1.0 << 0.0 << QRectF(0.5, 3.25, 99, 39) << false;
    QTest::newRow("fractional offset, not inner rect") << QRectF(3, 3, 20, 20) << 1.0 << 0.0 << QRectF(3.5, 3.5, 19, 19) << false;
    QTest::newRow("too small: empty") << QRectF(0, 0, 10, 40) << 5.0 << 0.0 << QRectF() << false;
    QTest::newRow("exactly twice the pen: empty") << QRectF(0, 0, 3, 40) << 1.0 << 0.0 << QRectF() << false;
    QTest::newRow("radius below side: rounded") << QRectF(0, 0, 30, 30) << 1.0 << 20.0 << QRectF(0.5, 0.5, 29, 29) << true;
    QTest::newRow("radius above side: plain") << QRectF(0, 0, 30, 30) << 1.0 << 30.0 << QRectF(0.5, 0.5, 29, 29) << false;
}

void TestPaintFunctions::roundRectPath()
{
    QFETCH(QRectF, rect);
    QFETCH(double, width);
    QFETCH(double, radius);
    QFETCH(QRectF, inner);
    QFETCH(bool, rounded);

    QPainterPath expected;
    if (rounded)
        expected.addRoundedRect(inner, radius, radius, Qt::AbsoluteSize);
    else if (!inner.isNull())
        expected.addRect(inner);
    const QPainterPath path = getRoundRectPath(rect, width, radius);
    QCOMPARE(path, expected);
    if (!inner.isNull())
        QCOMPARE(path.boundingRect(), inner);
    if (radius == 0.0)
        QCOMPARE(getRectPath(rect, width), expected);
}

void TestPaintFunctions::hasOneColor_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Points>("blackPixels");
    QTest::addColumn<bool>("expected");

    QTest::newRow("white") << QSize(100, 100) << Points{} << true;
    QTest::newRow("sampled below the centre") << QSize(100, 100) << Points{{50, 51}} << false;
    QTest::newRow("sampled on the lower diagonal") << QSize(100, 100) << Points{{70, 70}} << false;
    QTest::newRow("between the samples") << QSize(100, 100) << Points{{60, 40}} << true;
    QTest::newRow("top-right corner sample") << QSize(100, 100) << Points{{90, 12}} << false;
    QTest::newRow("black with a white centre") << QSize(100, 100) << Points{{-1, -1}} << false;
    QTest::newRow("small, white") << QSize(20, 12) << Points{} << true;
    QTest::newRow("small, quarter point black") << QSize(20, 12) << Points{{5, 3}} << false;
    QTest::newRow("one pixel") << QSize(1, 1) << Points{} << true;
    QTest::newRow("null image") << QSize() << Points{} << true;
}

void TestPaintFunctions::hasOneColor()
{
    QFETCH(QSize, size);
    QFETCH(Points, blackPixels);
    QFETCH(bool, expected);

    QImage image;
    if (size.isValid()) {
        image = QImage(size, QImage::Format_RGB32);
        image.fill(Qt::white);
    }
    for (const QPoint& point : blackPixels) {
        if (point.x() < 0) { // the whole image black but its centre
            image.fill(Qt::black);
            image.setPixel(size.width() / 2, size.height() / 2, qRgb(255, 255, 255));
        } else {
            image.setPixel(point, qRgb(0, 0, 0));
        }
    }
    QCOMPARE(::hasOneColor(image), expected);
    QCOMPARE(::hasOneColor(QPixmap::fromImage(image)), expected);
}

void TestPaintFunctions::getPixelFallsBackOutside()
{
    QImage image(4, 3, QImage::Format_ARGB32);
    image.fill(qRgb(1, 2, 3));
    QCOMPARE(getPixel(image, 3, 2, 7), uint(qRgb(1, 2, 3)));
    QCOMPARE(getPixel(image, 4, 0, 7), 7u);
    QCOMPARE(getPixel(image, 0, 3, 7), 7u);
    QCOMPARE(getPixel(image, -1, 0, 7), 7u);
    QCOMPARE(getPixel(image, 0, -5, 7), 7u);
}

void TestPaintFunctions::mergedColors_data()
{
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("quarter red") << QColor(255, 0, 0, 200) << QColor(0, 0, 255) << 25 << QColor(63, 0, 191, 200);
    QTest::newRow("truncates each share") << QColor(101, 3, 99) << QColor(1, 5, 0) << 50 << QColor(50, 3, 49);
    QTest::newRow("all of a") << QColor(10, 20, 30) << QColor(200, 200, 200) << 100 << QColor(10, 20, 30);
    QTest::newRow("all of b, a's alpha") << QColor(10, 20, 30, 40) << QColor(200, 100, 0, 255) << 0 << QColor(200, 100, 0, 40);
    QTest::newRow("hsv colour merges its rgb") << QColor::fromHsv(0, 255, 255) << QColor(0, 0, 255) << 25 << QColor(63, 0, 191);
    QTest::newRow("out of range stays a colour") << QColor(255, 255, 255) << QColor(0, 0, 0) << 150 << QColor(255, 255, 255);
}

void TestPaintFunctions::mergedColors()
{
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(int, percent);
    QFETCH(QColor, expected);
    const QColor merged = ::mergedColors(a, b, percent);
    QVERIFY(merged.isValid());
    QCOMPARE(merged.rgba(), expected.rgba());
}

void TestPaintFunctions::alphaImageScalesStraightAlpha_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("opaque halves") << int(QImage::Format_ARGB32) << QColor(10, 20, 30, 255) << 50 << QColor(10, 20, 30, 127);
    QTest::newRow("alpha 1 vanishes") << int(QImage::Format_ARGB32) << QColor(10, 20, 30, 1) << 50 << QColor(10, 20, 30, 0);
    QTest::newRow("premultiplied keeps its colour") << int(QImage::Format_ARGB32_Premultiplied) << QColor(255, 0, 0, 128) << 50 << QColor(255, 0, 0, 64);
    QTest::newRow("no alpha channel") << int(QImage::Format_RGB32) << QColor(0, 255, 0) << 20 << QColor(0, 255, 0, 51);
    QTest::newRow("above 100 saturates") << int(QImage::Format_ARGB32) << QColor(1, 2, 3, 200) << 200 << QColor(1, 2, 3, 255);
    QTest::newRow("zero clears") << int(QImage::Format_ARGB32) << QColor(1, 2, 3, 200) << 0 << QColor(1, 2, 3, 0);
}

void TestPaintFunctions::alphaImageScalesStraightAlpha()
{
    QFETCH(int, format);
    QFETCH(QColor, color);
    QFETCH(int, percent);
    QFETCH(QColor, expected);

    QImage image(3, 2, QImage::Format(format));
    image.fill(color);
    const QImage result = alphaImage(image, percent);
    QCOMPARE(result.size(), image.size());
    QCOMPARE(result.format(), QImage::Format_ARGB32);
    const QRgb pixel = result.pixel(2, 1);
    QCOMPARE(qAlpha(pixel), expected.alpha());
    if (expected.alpha() > 0)
        QCOMPARE(QColor(pixel).rgb(), expected.rgb());
}

void TestPaintFunctions::mirrorFlips_data()
{
    QTest::addColumn<int>("mirror");
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QColor>("bottomRight");

    // The source: red top-left, green top-right, blue bottom-left, white bottom-right.
    QTest::newRow("none") << int(NoMirror) << QColor(Qt::red) << QColor(Qt::white);
    QTest::newRow("vertical") << int(MirrorVertical) << QColor(Qt::blue) << QColor(Qt::green);
    QTest::newRow("horizontal") << int(MirrorHorizontal) << QColor(Qt::green) << QColor(Qt::blue);
    QTest::newRow("unknown flips nothing") << 7 << QColor(Qt::red) << QColor(Qt::white);
}

void TestPaintFunctions::mirrorFlips()
{
    QFETCH(int, mirror);
    QFETCH(QColor, topLeft);
    QFETCH(QColor, bottomRight);

    QImage image(2, 2, QImage::Format_ARGB32_Premultiplied);
    image.setPixelColor(0, 0, Qt::red);
    image.setPixelColor(1, 0, Qt::green);
    image.setPixelColor(0, 1, Qt::blue);
    image.setPixelColor(1, 1, Qt::white);
    const QImage result = mirrorImage(image, MirrorStyle(mirror), NoFade, 255);
    QCOMPARE(result.pixelColor(0, 0), topLeft);
    QCOMPARE(result.pixelColor(1, 1), bottomRight);
}

void TestPaintFunctions::mirrorFades_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("fade");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("alpha");
    // Alpha at 0 %, 50 % and 100 % along the fade's axis (left to right or top to bottom).
    QTest::addColumn<int>("atStart");
    QTest::addColumn<int>("atMiddle");
    QTest::addColumn<int>("atEnd");

    const int premultiplied = QImage::Format_ARGB32_Premultiplied;
    QTest::newRow("down") << premultiplied << int(FadeDown) << -1 << 255 << 255 << 128 << 0;
    QTest::newRow("up") << premultiplied << int(FadeUp) << -1 << 255 << 0 << 128 << 255;
    QTest::newRow("right") << premultiplied << int(FadeRight) << -1 << 255 << 255 << 128 << 0;
    QTest::newRow("left") << premultiplied << int(FadeLeft) << -1 << 255 << 0 << 128 << 255;
    QTest::newRow("down over half") << premultiplied << int(FadeDown) << 50 << 255 << 255 << 0 << 0;
    QTest::newRow("up over half") << premultiplied << int(FadeUp) << 50 << 255 << 0 << 255 << 255;
    QTest::newRow("starting alpha") << premultiplied << int(FadeDown) << -1 << 100 << 100 << 50 << 0;
    QTest::newRow("straight alpha input") << int(QImage::Format_ARGB32) << int(FadeRight) << -1 << 255 << 255 << 128 << 0;
    QTest::newRow("input without alpha") << int(QImage::Format_RGB32) << int(FadeDown) << -1 << 255 << 255 << 128 << 0;
    QTest::newRow("indexed input") << int(QImage::Format_Indexed8) << int(FadeDown) << -1 << 255 << 255 << 128 << 0;
    QTest::newRow("no fade") << premultiplied << int(NoFade) << -1 << 10 << 255 << 255 << 255;
}

void TestPaintFunctions::mirrorFades()
{
    QFETCH(int, format);
    QFETCH(int, fade);
    QFETCH(int, size);
    QFETCH(int, alpha);
    QFETCH(int, atStart);
    QFETCH(int, atMiddle);
    QFETCH(int, atEnd);

    QImage image(101, 101, QImage::Format_ARGB32);
    image.fill(QColor(40, 200, 90));
    image = image.convertToFormat(QImage::Format(format));
    const QColor source = image.pixelColor(50, 50);
    const QImage result = mirrorImage(image, NoMirror, FadeStyle(fade), alpha, size);
    QCOMPARE(result.size(), image.size());
    QVERIFY(result.hasAlphaChannel() || fade == NoFade);

    const bool vertical = fade == FadeDown || fade == FadeUp;
    auto alphaAt = [&](int position) {
        return result.pixelColor(vertical ? 50 : position, vertical ? position : 50).alpha();
    };
    QVERIFY2(qAbs(alphaAt(0) - atStart) <= 3, qPrintable(QString::number(alphaAt(0))));
    QVERIFY2(qAbs(alphaAt(50) - atMiddle) <= 3, qPrintable(QString::number(alphaAt(50))));
    QVERIFY2(qAbs(alphaAt(100) - atEnd) <= 3, qPrintable(QString::number(alphaAt(100))));
    // Colours stay where anything is left to see.
    const QColor middle = result.pixelColor(50, 50);
    if (middle.alpha() > 60) {
        QVERIFY(qAbs(middle.red() - source.red()) <= 3);
        QVERIFY(qAbs(middle.green() - source.green()) <= 3);
    }
}

void TestPaintFunctions::thumbnailCanvas()
{
    QImage wide(200, 100, QImage::Format_RGB32);
    wide.fill(Qt::red);
    const QImage thumbnail = convertToThumbnail(wide, QSize(50, 50), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QCOMPARE(thumbnail.size(), QSize(50, 50));
    QCOMPARE(thumbnail.format(), QImage::Format_ARGB32);
    // The 50 by 25 picture lies centred: rows 12 to 36.
    QCOMPARE(thumbnail.pixelColor(25, 0).alpha(), 0);
    QCOMPARE(thumbnail.pixelColor(25, 11).alpha(), 0);
    QCOMPARE(thumbnail.pixelColor(25, 13), QColor(Qt::red));
    QCOMPARE(thumbnail.pixelColor(0, 30), QColor(Qt::red));
    QCOMPARE(thumbnail.pixelColor(25, 49).alpha(), 0);

    const QImage empty = convertToThumbnail(QImage(), QSize(8, 8), Qt::KeepAspectRatio, Qt::FastTransformation);
    QCOMPARE(empty.size(), QSize(8, 8));
    QCOMPARE(empty.pixelColor(4, 4).alpha(), 0);
    QVERIFY(convertToThumbnail(wide, QSize(0, 5), Qt::KeepAspectRatio, Qt::FastTransformation).isNull());
}

void TestPaintFunctions::paletteSetters()
{
    QWidget widget;
    const QColor disabledText = widget.palette().color(QPalette::Disabled, QPalette::Window);
    setPaletteColor(&widget, QPalette::Window, Qt::red);
    QCOMPARE(widget.palette().color(QPalette::Active, QPalette::Window), QColor(Qt::red));
    QCOMPARE(widget.palette().color(QPalette::Inactive, QPalette::Window), QColor(Qt::red));
    QCOMPARE(widget.palette().color(QPalette::Disabled, QPalette::Window), disabledText);
    QVERIFY(widget.autoFillBackground());

    QWidget label;
    const QColor activeText = label.palette().color(QPalette::Active, QPalette::WindowText);
    setPaletteDisabledColor(&label, QPalette::WindowText, Qt::blue);
    QCOMPARE(label.palette().color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::blue));
    QCOMPARE(label.palette().color(QPalette::Active, QPalette::WindowText), activeText);
    QVERIFY(!label.autoFillBackground());

    setPaletteColor(nullptr, QPalette::Window, Qt::red);
    setPaletteDisabledColor(nullptr, QPalette::Window, Qt::red);
}

VORENDA_TEST_MAIN(TestPaintFunctions)
#include "tst_paintfunctions.moc"
