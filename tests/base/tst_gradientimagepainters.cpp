#include "PaintFixtures.h"
#include "TestEnvironment.h"

#include "GradientPainter.h"
#include "ImagePainter.h"

#include <QPainter>

#include <cmath>

using Stops = GradientPainter::Stops;
Q_DECLARE_METATYPE(Stops)

namespace {

QImage paintImage(const ImagePainter& painter, const QSize& canvas, const QRectF& rect,
                  const QPainterPath& clip = QPainterPath())
{
    QImage image = transparentCanvas(canvas.width(), canvas.height());
    QPainter p(&image);
    painter.paint(&p, rect, clip);
    return image;
}

} // namespace

class TestGradientImagePainters : public QObject
{
    Q_OBJECT

private slots:
    void stopsStaySorted_data();
    void stopsStaySorted();
    void setStopsSortsAndDrops();
    void lastStopAtAPositionIsPainted();
    void clearedPaintsNothing();
    void gradientGeometry_data();
    void gradientGeometry();
    void gradientFillsPathOnly();
    void unknownTypePaintsNothing();

    void placement_data();
    void placement();
    void fillOverflowsUnlessClipped();
    void nullPixmapPaintsNothing();
    void scaledPixmapFollowsChanges();
    void cachedScaleHasSamePixels();
};

void TestGradientImagePainters::stopsStaySorted_data()
{
    QTest::addColumn<Stops>("added");
    QTest::addColumn<Stops>("expected");

    const QColor red(Qt::red), blue(Qt::blue), green(Qt::green), white(Qt::white), yellow(Qt::yellow);
    QTest::newRow("between") << Stops{{0.5, green}} << Stops{{0.0, red}, {0.5, green}, {1.0, blue}};
    QTest::newRow("equal position goes after") << Stops{{0.5, green}, {0.5, white}}
                                               << Stops{{0.0, red}, {0.5, green}, {0.5, white}, {1.0, blue}};
    QTest::newRow("at the ends") << Stops{{1.0, green}, {0.0, yellow}}
                                 << Stops{{0.0, red}, {0.0, yellow}, {1.0, blue}, {1.0, green}};
    QTest::newRow("outside 0..1 dropped") << Stops{{1.5, green}, {-0.1, white}, {qQNaN(), yellow}}
                                          << Stops{{0.0, red}, {1.0, blue}};
}

void TestGradientImagePainters::stopsStaySorted()
{
    QFETCH(Stops, added);
    QFETCH(Stops, expected);
    GradientPainter gradient(Qt::red, Qt::blue, Qt::Vertical, QGradient::LinearGradient);
    for (const auto& stop : added)
        gradient.setColorAt(stop.first, stop.second);
    QCOMPARE(gradient.stops(), expected);
}

void TestGradientImagePainters::setStopsSortsAndDrops()
{
    GradientPainter gradient(Qt::red, Qt::blue, Qt::Horizontal, QGradient::RadialGradient);
    gradient.setStops({{1.0, Qt::green}, {0.0, Qt::white}, {2.0, Qt::black}});
    QCOMPARE(gradient.stops(), (Stops{{0.0, QColor(Qt::white)}, {1.0, QColor(Qt::green)}}));
    QCOMPARE(gradient.typeValue(), int(QGradient::RadialGradient));
    QCOMPARE(gradient.orientationValue(), int(Qt::Horizontal));
}

void TestGradientImagePainters::lastStopAtAPositionIsPainted()
{
    // The skins add their own end stops to the black-to-white default.
    GradientPainter gradient(Qt::black, Qt::white, Qt::Vertical, QGradient::LinearGradient);
    gradient.setColorAt(0.0, Qt::red);
    gradient.setColorAt(1.0, Qt::red);
    QImage image = transparentCanvas(10, 100);
    QPainter painter(&image);
    gradient.paint(&painter, QRectF(0, 0, 10, 100));
    painter.end();
    QCOMPARE(image.pixelColor(5, 0), QColor(Qt::red));
    QCOMPARE(image.pixelColor(5, 50), QColor(Qt::red));
    QCOMPARE(image.pixelColor(5, 99), QColor(Qt::red));
}

void TestGradientImagePainters::clearedPaintsNothing()
{
    GradientPainter gradient(Qt::red, Qt::blue, Qt::Horizontal, QGradient::ConicalGradient);
    gradient.clear();
    QVERIFY(gradient.stops().isEmpty());
    QCOMPARE(gradient.typeValue(), int(QGradient::ConicalGradient));
    QCOMPARE(gradient.orientationValue(), int(Qt::Horizontal));
    QImage image = transparentCanvas(20, 20);
    QPainter painter(&image);
    gradient.paint(&painter, QRectF(0, 0, 20, 20));
    gradient.paint(nullptr, QRectF(0, 0, 20, 20));
    painter.end();
    QCOMPARE(paintedPixels(image), 0);
}

void TestGradientImagePainters::gradientGeometry_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<QPointF>("first");  // start, centre
    QTest::addColumn<QPointF>("second"); // final stop, focal point
    QTest::addColumn<double>("measure"); // radius, angle

    QTest::newRow("linear vertical") << int(QGradient::LinearGradient) << int(Qt::Vertical) << QRectF(10, 20, 30, 40)
                                     << QPointF(10, 20) << QPointF(10, 60) << 0.0;
    QTest::newRow("linear horizontal") << int(QGradient::LinearGradient) << int(Qt::Horizontal) << QRectF(10, 20, 30, 40)
                                       << QPointF(10, 20) << QPointF(40, 20) << 0.0;
    QTest::newRow("radial: radius from the width") << int(QGradient::RadialGradient) << int(Qt::Vertical)
                                                   << QRectF(0, 0, 200, 50) << QPointF(100, 25) << QPointF(100, 25) << 100.0;
    QTest::newRow("conical: bottom-left at 270") << int(QGradient::ConicalGradient) << int(Qt::Vertical)
                                                 << QRectF(10, 20, 30, 40) << QPointF(10, 60) << QPointF() << 270.0;
}

void TestGradientImagePainters::gradientGeometry()
{
    QFETCH(int, type);
    QFETCH(int, orientation);
    QFETCH(QRectF, rect);
    QFETCH(QPointF, first);
    QFETCH(QPointF, second);
    QFETCH(double, measure);

    const GradientPainter painter(Qt::red, Qt::blue, Qt::Orientation(orientation), QGradient::Type(type));
    const QBrush brush = painter.brush(rect);
    const QGradient* gradient = brush.gradient();
    QVERIFY(gradient);
    QCOMPARE(int(gradient->type()), type);
    QCOMPARE(gradient->spread(), QGradient::PadSpread);
    QCOMPARE(gradient->coordinateMode(), QGradient::LogicalMode);
    if (type == QGradient::LinearGradient) {
        const auto* linear = static_cast<const QLinearGradient*>(gradient);
        QCOMPARE(linear->start(), first);
        QCOMPARE(linear->finalStop(), second);
    } else if (type == QGradient::RadialGradient) {
        const auto* radial = static_cast<const QRadialGradient*>(gradient);
        QCOMPARE(radial->center(), first);
        QCOMPARE(radial->focalPoint(), second);
        QCOMPARE(radial->radius(), measure);
    } else {
        const auto* conical = static_cast<const QConicalGradient*>(gradient);
        QCOMPARE(conical->center(), first);
        QCOMPARE(conical->angle(), measure);
    }

    // And it really paints that way: the first colour where the gradient starts.
    QImage image = transparentCanvas(220, 80);
    QPainter p(&image);
    painter.paint(&p, rect);
    p.end();
    const QColor start = type == QGradient::RadialGradient ? image.pixelColor(100, 25)
                                                            : image.pixelColor(int(rect.x()), int(rect.y()));
    if (type != QGradient::ConicalGradient)
        QVERIFY2(start.red() > 200 && start.blue() < 60, qPrintable(start.name()));
    QCOMPARE(paintedPixels(image), int(rect.width() * rect.height()));
}

void TestGradientImagePainters::gradientFillsPathOnly()
{
    GradientPainter gradient(Qt::red, Qt::red, Qt::Vertical, QGradient::LinearGradient);
    QPainterPath path;
    path.addRect(5, 5, 10, 10);
    QImage image = transparentCanvas(40, 40);
    QPainter painter(&image);
    gradient.paint(&painter, QRectF(0, 0, 40, 40), path);
    painter.end();
    QCOMPARE(paintedPixels(image), 100);
    QCOMPARE(image.pixelColor(10, 10), QColor(Qt::red));
}

void TestGradientImagePainters::unknownTypePaintsNothing()
{
    GradientPainter gradient(Qt::red, Qt::red, Qt::Vertical, QGradient::NoGradient);
    QImage image = transparentCanvas(20, 20);
    QPainter painter(&image);
    gradient.paint(&painter, QRectF(0, 0, 20, 20));
    // A stream may carry any type number.
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << quint32(1) << 0.5 << QColor(Qt::red) << qint32(9) << qint32(Qt::Vertical);
    QDataStream in(bytes);
    GradientPainter unknown;
    in >> unknown;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(unknown.typeValue(), 9);
    unknown.paint(&painter, QRectF(0, 0, 20, 20));
    painter.end();
    QCOMPARE(paintedPixels(image), 0);
    QCOMPARE(gradient.brush(QRectF(0, 0, 1, 1)).style(), Qt::NoBrush);
    QCOMPARE(unknown.brush(QRectF(0, 0, 1, 1)).style(), Qt::NoBrush);
}

void TestGradientImagePainters::placement_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QSize>("pixmapSize");
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<QRectF>("expected");

    const QSize small(16, 16);
    const QRectF r(0, 0, 100, 50);
    QTest::newRow("stretch") << int(ImagePainter::Stretch) << small << r << QRectF(0, 0, 100, 50);
    QTest::newRow("stretch rounds the size") << int(ImagePainter::Stretch) << small << QRectF(2, 3, 20.4, 9.6)
                                             << QRectF(2, 3, 20, 10);
    QTest::newRow("fit") << int(ImagePainter::Fit) << QSize(200, 100) << QRectF(0, 0, 100, 100) << QRectF(0, 25, 100, 50);
    QTest::newRow("fill") << int(ImagePainter::Fill) << QSize(200, 100) << QRectF(0, 0, 100, 100) << QRectF(-50, 0, 200, 100);
    QTest::newRow("tile") << int(ImagePainter::Tile) << small << QRectF(4, 6, 90, 40) << QRectF(4, 6, 90, 40);
    QTest::newRow("center") << int(ImagePainter::Center) << small << r << QRectF(42, 17, 16, 16);
    QTest::newRow("center keeps fractions") << int(ImagePainter::Center) << small << QRectF(0, 0, 101, 51)
                                            << QRectF(42.5, 17.5, 16, 16);
    QTest::newRow("fit keeps fractions") << int(ImagePainter::Fit) << QSize(20, 20) << QRectF(0, 0, 41, 20)
                                         << QRectF(10.5, 0, 20, 20);
    QTest::newRow("center top") << int(ImagePainter::CenterTop) << small << r << QRectF(42, 0, 16, 16);
    QTest::newRow("center right") << int(ImagePainter::CenterRight) << small << r << QRectF(84, 17, 16, 16);
    QTest::newRow("center bottom") << int(ImagePainter::CenterBottom) << small << r << QRectF(42, 34, 16, 16);
    QTest::newRow("center left") << int(ImagePainter::CenterLeft) << small << r << QRectF(0, 17, 16, 16);
    QTest::newRow("top left") << int(ImagePainter::TopLeft) << small << QRectF(10, 20, 100, 40) << QRectF(10, 20, 16, 16);
    QTest::newRow("top right") << int(ImagePainter::TopRight) << small << r << QRectF(84, 0, 16, 16);
    QTest::newRow("bottom left") << int(ImagePainter::BottomLeft) << small << r << QRectF(0, 34, 16, 16);
    QTest::newRow("bottom right") << int(ImagePainter::BottomRight) << small << r << QRectF(84, 34, 16, 16);
    QTest::newRow("13 places like stretch") << 13 << small << r << QRectF(0, 0, 100, 50);
    QTest::newRow("negative places like stretch") << -2 << small << r << QRectF(0, 0, 100, 50);
}

void TestGradientImagePainters::placement()
{
    QFETCH(int, style);
    QFETCH(QSize, pixmapSize);
    QFETCH(QRectF, rect);
    QFETCH(QRectF, expected);

    const ImagePainter painter(solidPixmap(pixmapSize, Qt::red), ImagePainter::Style(style));
    const QRectF target = painter.targetRect(rect);
    QCOMPARE(target, expected);

    // Where the target lies on whole pixels, exactly its pixels are painted.
    if (QRectF(target.toRect()) != target)
        return;
    const QSize canvas(120, 110);
    const QImage image = paintImage(painter, canvas, rect);
    const QRect visible = target.toRect() & QRect(QPoint(), canvas);
    QCOMPARE(paintedPixels(image), visible.width() * visible.height());
    QCOMPARE(image.pixelColor(visible.center()), QColor(Qt::red));
}

void TestGradientImagePainters::fillOverflowsUnlessClipped()
{
    const ImagePainter painter(solidPixmap(QSize(200, 100), Qt::blue), ImagePainter::Fill);
    const QRectF rect(60, 10, 100, 100);
    const QImage overflowing = paintImage(painter, QSize(220, 120), rect);
    QCOMPARE(overflowing.pixelColor(20, 50), QColor(Qt::blue)); // left of the rect
    QCOMPARE(paintedPixels(overflowing), 200 * 100);

    QPainterPath clip;
    clip.addRect(rect);
    const QImage clipped = paintImage(painter, QSize(220, 120), rect, clip);
    QCOMPARE(clipped.pixelColor(20, 50).alpha(), 0);
    QCOMPARE(paintedPixels(clipped), 100 * 100);
}

void TestGradientImagePainters::nullPixmapPaintsNothing()
{
    const ImagePainter painter(ImagePainter::Tile);
    QCOMPARE(paintedPixels(paintImage(painter, QSize(20, 20), QRectF(0, 0, 20, 20))), 0);
    QVERIFY(painter.targetRect(QRectF(0, 0, 20, 20)).isEmpty());
    ImagePainter(solidPixmap(QSize(4, 4), Qt::red), ImagePainter::Center).paint(nullptr, QRectF(0, 0, 20, 20));
}

void TestGradientImagePainters::scaledPixmapFollowsChanges()
{
    const QRectF rect(0, 0, 40, 20);
    ImagePainter original(solidPixmap(QSize(8, 8), Qt::red), ImagePainter::Stretch);
    QCOMPARE(paintImage(original, QSize(40, 20), rect).pixelColor(20, 10), QColor(Qt::red));

    // A copy shares the scaled pixmap only while it paints the same picture.
    ImagePainter copy = original;
    copy.setImage(solidPixmap(QSize(8, 8), Qt::green));
    QCOMPARE(paintImage(copy, QSize(40, 20), rect).pixelColor(20, 10), QColor(Qt::green));
    QCOMPARE(paintImage(original, QSize(40, 20), rect).pixelColor(20, 10), QColor(Qt::red));

    // Another style at the same size must not reuse the stretched pixmap.
    original.setStyle(ImagePainter::Fit);
    const QImage fitted = paintImage(original, QSize(40, 20), rect);
    QCOMPARE(paintedPixels(fitted), 20 * 20);
    QCOMPARE(fitted.pixelColor(2, 10).alpha(), 0);
}

void TestGradientImagePainters::cachedScaleHasSamePixels()
{
    QImage picture(37, 23, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgba(x * 7, y * 11, (x * y) % 256, 128 + x));
    const QPixmap pixmap = QPixmap::fromImage(picture);
    const QRectF rect(3, 4, 150, 90);

    QImage plain = transparentCanvas(160, 100);
    {
        QPainter p(&plain);
        p.setRenderHint(QPainter::Antialiasing);
        p.drawPixmap(QPointF(3, 4), pixmap.scaled(150, 90, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    const ImagePainter painter(pixmap, ImagePainter::Stretch);
    const QImage first = paintImage(painter, QSize(160, 100), rect);
    const QImage second = paintImage(painter, QSize(160, 100), rect);
    QCOMPARE(first, plain);
    QCOMPARE(second, plain);
    // A new size scales anew.
    const QImage smaller = paintImage(painter, QSize(160, 100), QRectF(3, 4, 50, 30));
    QCOMPARE(paintedPixels(smaller), 50 * 30);
}

VORENDA_TEST_MAIN(TestGradientImagePainters)
#include "tst_gradientimagepainters.moc"
