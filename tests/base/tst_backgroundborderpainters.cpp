#include "PaintFixtures.h"
#include "TestEnvironment.h"

#include "BackgroundPainter.h"
#include "BorderPainter.h"

#include <QPainter>

namespace {

QImage paintBackground(const BackgroundPainter& background, const QSize& canvas, const QRectF& rect)
{
    QImage image = transparentCanvas(canvas.width(), canvas.height());
    QPainter painter(&image);
    background.paint(&painter, rect);
    return image;
}

QImage paintBorder(const BorderPainter& border, const QSize& canvas, const QRectF& rect)
{
    QImage image = transparentCanvas(canvas.width(), canvas.height());
    QPainter painter(&image);
    border.paint(&painter, rect);
    return image;
}

const QColor Top(255, 0, 0), Right(0, 255, 0), Bottom(0, 0, 255), Left(255, 255, 0);
const QColor TopLeftCorner(0, 255, 255), TopRightCorner(255, 0, 255), BottomRightCorner(128, 0, 0),
    BottomLeftCorner(0, 128, 0);

BorderPainter eightPieceBorder()
{
    BorderPainter border;
    border.setImages(solidPixmap(10, 10, TopLeftCorner), solidPixmap(10, 10, Top), solidPixmap(10, 10, TopRightCorner),
                     solidPixmap(10, 10, Right), solidPixmap(10, 10, BottomRightCorner), solidPixmap(10, 10, Bottom),
                     solidPixmap(10, 10, BottomLeftCorner), solidPixmap(10, 10, Left), false);
    return border;
}

} // namespace

class TestBackgroundBorderPainters : public QObject
{
    Q_OBJECT

private slots:
    void layersPaintInFixedOrder_data();
    void layersPaintInFixedOrder();
    void flagsDecideWhatPaints();
    void fillWithoutShapeCoversRect();
    void fillFollowsBorderShape();
    void tooSmallForShapeFillsRect();
    void outlinePen_data();
    void outlinePen();
    void invalidColourDrawsOnlyImages();
    void borderImagesTile();
    void missingCornerLetsEdgeRunOn();
    void imagesClipToShape();
    void shapeSource();
};

void TestBackgroundBorderPainters::layersPaintInFixedOrder_data()
{
    QTest::addColumn<QString>("order");
    QTest::newRow("paint order") << "fill image gradient border";
    QTest::newRow("reversed") << "border gradient image fill";
    QTest::newRow("mixed") << "image border fill gradient";
    QTest::newRow("from a colour") << "colour-constructor gradient border image";
    QTest::newRow("from a border") << "border-constructor image fill gradient";
}

void TestBackgroundBorderPainters::layersPaintInFixedOrder()
{
    QFETCH(QString, order);

    // Layers that overlap in different places of a 40 by 40 rect: the fill everywhere,
    // the image on the left half, the gradient on the top quarter, a border corner at
    // the top left.
    const QColor fill(Qt::red);
    const ImagePainter image(solidPixmap(20, 40, Qt::blue), ImagePainter::TopLeft);
    GradientPainter gradient(Qt::green, Qt::green, Qt::Vertical, QGradient::LinearGradient);
    gradient.setStops({{0.0, Qt::green}, {0.24, Qt::green}, {0.26, Qt::transparent}, {1.0, Qt::transparent}});
    BorderPainter border;
    border.setImages(solidPixmap(6, 6, Qt::yellow), QPixmap(), QPixmap(), QPixmap(), QPixmap(), QPixmap(), QPixmap(),
                     QPixmap(), false);

    BackgroundPainter background;
    for (const QString& layer : order.split(QLatin1Char(' '))) {
        if (layer == QLatin1String("fill"))
            background.setFillColor(fill);
        else if (layer == QLatin1String("colour-constructor"))
            background = BackgroundPainter(fill);
        else if (layer == QLatin1String("border-constructor"))
            background = BackgroundPainter(border);
        else if (layer == QLatin1String("image"))
            background.setImagePainter(image);
        else if (layer == QLatin1String("gradient"))
            background.setGradientPainter(gradient);
        else if (layer == QLatin1String("border"))
            background.setBorderPainter(border);
    }
    QCOMPARE(background.painterFlags(), BackgroundPainter::PainterFlags(BackgroundPainter::Border | BackgroundPainter::FillColor
                                                                        | BackgroundPainter::Gradient | BackgroundPainter::Image));

    const QImage painted = paintBackground(background, QSize(40, 40), QRectF(0, 0, 40, 40));
    QCOMPARE(painted.pixelColor(30, 30), QColor(Qt::red));    // fill alone
    QCOMPARE(painted.pixelColor(10, 30), QColor(Qt::blue));   // image over fill
    QCOMPARE(painted.pixelColor(30, 3), QColor(Qt::green));   // gradient over fill
    QCOMPARE(painted.pixelColor(10, 3), QColor(Qt::green));   // gradient over image
    QCOMPARE(painted.pixelColor(2, 2), QColor(Qt::yellow));   // border over everything
}

void TestBackgroundBorderPainters::flagsDecideWhatPaints()
{
    QCOMPARE(paintedPixels(paintBackground(BackgroundPainter(), QSize(10, 10), QRectF(0, 0, 10, 10))), 0);

    BackgroundPainter background{QColor(Qt::red)};
    background.setGradientPainter(GradientPainter(Qt::blue, Qt::blue, Qt::Vertical, QGradient::LinearGradient));
    QVERIFY(background.painterFlags().testFlag(BackgroundPainter::FillColor));
    // A later setter adds its layer; the earlier one stays.
    background.setPainterFlags(BackgroundPainter::FillColor);
    QCOMPARE(paintBackground(background, QSize(10, 10), QRectF(0, 0, 10, 10)).pixelColor(5, 5), QColor(Qt::red));
    background.setPainterFlags({});
    QCOMPARE(paintedPixels(paintBackground(background, QSize(10, 10), QRectF(0, 0, 10, 10))), 0);
    background.setPainterFlags(BackgroundPainter::Gradient);
    QCOMPARE(paintBackground(background, QSize(10, 10), QRectF(0, 0, 10, 10)).pixelColor(5, 5), QColor(Qt::blue));
    background.paint(nullptr, QRectF(0, 0, 10, 10));
}

void TestBackgroundBorderPainters::fillWithoutShapeCoversRect()
{
    const QImage painted = paintBackground(BackgroundPainter(QColor(Qt::red)), QSize(30, 30), QRectF(5, 5, 20, 10));
    QCOMPARE(paintedPixels(painted), 200);
    QCOMPARE(painted.pixelColor(5, 5), QColor(Qt::red));
    QCOMPARE(painted.pixelColor(24, 14), QColor(Qt::red));

    BackgroundPainter shaped{QColor(Qt::red)};
    QPainterPath path;
    path.addRect(0, 0, 4, 4);
    shaped.setPainterPath(path);
    QCOMPARE(paintedPixels(paintBackground(shaped, QSize(30, 30), QRectF(5, 5, 20, 10))), 16);
}

void TestBackgroundBorderPainters::fillFollowsBorderShape()
{
    BackgroundPainter background(BorderPainter(1.0, 10.0, QColor()));
    background.setFillColor(Qt::red);
    const QImage painted = paintBackground(background, QSize(100, 40), QRectF(0, 0, 100, 40));
    QCOMPARE(painted.pixelColor(50, 20), QColor(Qt::red));
    QCOMPARE(painted.pixelColor(1, 1).alpha(), 0);         // the rounded corner
    QCOMPARE(painted.pixelColor(98, 38).alpha(), 0);
    const int edge = painted.pixelColor(50, 0).alpha();    // half a pixel inset
    QVERIFY2(edge > 100 && edge < 160, qPrintable(QString::number(edge)));
}

void TestBackgroundBorderPainters::tooSmallForShapeFillsRect()
{
    BackgroundPainter background(BorderPainter(5.0, 0.0, QColor(Qt::black)));
    background.setFillColor(Qt::red);
    background.setGradientPainter(GradientPainter(QColor(0, 0, 255, 128), QColor(0, 0, 255, 128), Qt::Vertical,
                                                  QGradient::LinearGradient));
    QVERIFY(background.getPainterPath(QRectF(0, 0, 8, 8)).isEmpty());
    const QImage painted = paintBackground(background, QSize(8, 8), QRectF(0, 0, 8, 8));
    // Fill and gradient cover the whole rect; no black outline anywhere.
    const QColor corner = painted.pixelColor(0, 0);
    QCOMPARE(corner, painted.pixelColor(4, 4));
    QVERIFY(corner.red() > 100 && corner.blue() > 100);
}

void TestBackgroundBorderPainters::outlinePen_data()
{
    QTest::addColumn<double>("radius");
    QTest::addColumn<int>("cap");
    QTest::addColumn<int>("join");
    QTest::newRow("rounded") << 10.0 << int(Qt::RoundCap) << int(Qt::RoundJoin);
    QTest::newRow("radius 1 is square") << 1.0 << int(Qt::FlatCap) << int(Qt::MiterJoin);
    QTest::newRow("no radius") << 0.0 << int(Qt::FlatCap) << int(Qt::MiterJoin);
}

void TestBackgroundBorderPainters::outlinePen()
{
    QFETCH(double, radius);
    QFETCH(int, cap);
    QFETCH(int, join);

    const BorderPainter border(2.0, radius, Qt::blue);
    QImage image = transparentCanvas(100, 40);
    QPainter painter(&image);
    border.paint(&painter, QRectF(0, 0, 100, 40));
    QCOMPARE(int(painter.pen().capStyle()), cap);
    QCOMPARE(int(painter.pen().joinStyle()), join);
    QCOMPARE(painter.pen().widthF(), 2.0);
    QCOMPARE(painter.pen().color(), QColor(Qt::blue));
    QCOMPARE(painter.brush().style(), Qt::NoBrush);
    painter.end();
    // The outline's outer edge meets the rect's edge; the inside stays empty.
    QCOMPARE(image.pixelColor(50, 0), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(50, 1), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(50, 2).alpha(), 0);
    QCOMPARE(image.pixelColor(0, 20), QColor(Qt::blue));
}

void TestBackgroundBorderPainters::invalidColourDrawsOnlyImages()
{
    BorderPainter border = eightPieceBorder();
    border.setWidth(4.0);
    const QImage painted = paintBorder(border, QSize(100, 50), QRectF(0, 0, 100, 50));
    QCOMPARE(paintedPixels(painted), 100 * 50 - 80 * 30);
}

void TestBackgroundBorderPainters::borderImagesTile()
{
    const QImage painted = paintBorder(eightPieceBorder(), QSize(100, 50), QRectF(0, 0, 100, 50));
    struct Region { QRect rect; QColor color; };
    const Region regions[] = {
        {{0, 0, 10, 10}, TopLeftCorner},   {{10, 0, 80, 10}, Top},     {{90, 0, 10, 10}, TopRightCorner},
        {{90, 10, 10, 30}, Right},         {{90, 40, 10, 10}, BottomRightCorner},
        {{10, 40, 80, 10}, Bottom},        {{0, 40, 10, 10}, BottomLeftCorner},
        {{0, 10, 10, 30}, Left},
    };
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 100; ++x) {
            QColor expected = Qt::transparent;
            for (const Region& region : regions) {
                if (region.rect.contains(x, y))
                    expected = region.color;
            }
            const QColor actual = painted.pixelColor(x, y);
            if (actual.rgba() != expected.rgba() && !(expected.alpha() == 0 && actual.alpha() == 0))
                QFAIL(qPrintable(QStringLiteral("(%1, %2) is %3, expected %4").arg(x).arg(y).arg(actual.name(QColor::HexArgb), expected.name(QColor::HexArgb))));
        }
    }
}

void TestBackgroundBorderPainters::missingCornerLetsEdgeRunOn()
{
    BorderPainter border;
    border.setImages(QPixmap(), solidPixmap(10, 10, Top), QPixmap(), QPixmap(), QPixmap(), QPixmap(), QPixmap(),
                     QPixmap(), false);
    const QImage painted = paintBorder(border, QSize(120, 60), QRectF(5, 5, 100, 50));
    QCOMPARE(paintedPixels(painted), 100 * 10);
    QCOMPARE(painted.pixelColor(5, 5), Top);
    QCOMPARE(painted.pixelColor(104, 14), Top);
    // A rect too small for its corners leaves the edges out.
    const QImage small = paintBorder(eightPieceBorder(), QSize(30, 30), QRectF(0, 0, 15, 15));
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            const QColor color = small.pixelColor(x, y);
            QVERIFY(color != Top && color != Right && color != Bottom && color != Left);
        }
    }
    QCOMPARE(small.pixelColor(7, 1), TopRightCorner);
}

void TestBackgroundBorderPainters::imagesClipToShape()
{
    QPainterPath round;
    round.addEllipse(0, 0, 100, 50);
    BorderPainter border = eightPieceBorder();
    BorderPainter clipped(round, 0.0, QColor());
    clipped.setImages(border.image(0), border.image(1), border.image(2), border.image(3), border.image(4),
                      border.image(5), border.image(6), border.image(7), true);
    QVERIFY(clipped.clipImages());
    const QImage unclipped = paintBorder(border, QSize(100, 50), QRectF(0, 0, 100, 50));
    const QImage cut = paintBorder(clipped, QSize(100, 50), QRectF(0, 0, 100, 50));
    QCOMPARE(unclipped.pixelColor(1, 1), TopLeftCorner);
    QCOMPARE(cut.pixelColor(1, 1).alpha(), 0);
    QCOMPARE(cut.pixelColor(50, 2), Top);
}

void TestBackgroundBorderPainters::shapeSource()
{
    QPainterPath own;
    own.addEllipse(0, 0, 10, 10);
    BackgroundPainter background{QColor(Qt::red)};
    background.setPainterPath(own);
    QCOMPARE(background.getPainterPath(QRectF(0, 0, 50, 50)), own);
    background.setBorderPainter(BorderPainter(1.0, 0.0, Qt::black));
    QCOMPARE(background.getPainterPath(QRectF(0, 0, 50, 50)).boundingRect(), QRectF(0.5, 0.5, 49, 49));

    QPainterPath borderPath;
    borderPath.addRect(1, 2, 3, 4);
    QCOMPARE(BorderPainter(borderPath, 2.0, Qt::red).painterPath(QRectF(0, 0, 50, 50)), borderPath);
    QVERIFY(BorderPainter().image(8).isNull());
    QVERIFY(BorderPainter().image(-1).isNull());
}

VORENDA_TEST_MAIN(TestBackgroundBorderPainters)
#include "tst_backgroundborderpainters.moc"
