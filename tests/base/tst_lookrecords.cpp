#include "StreamFixtures.h"
#include "TestEnvironment.h"

#include "BackgroundPainter.h"
#include "BackgroundProperty.h"
#include "FontProperty.h"
#include "ImageResource.h"
#include "MarginProperty.h"
#include "PenProperty.h"

#include <QBitmap>
#include <QBuffer>
#include <QPainter>

#include <functional>

using RoundTrip = std::function<void(QDataStream::Version)>;
Q_DECLARE_METATYPE(RoundTrip)

namespace {

QPixmap patternPixmap(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba((x * 13 + seed) % 256, (y * 29 + seed) % 256, seed % 256, 255 - (x + y) % 200));
    return QPixmap::fromImage(image);
}

template <typename T>
void checkRoundTrip(const T& original, QDataStream::Version version, T read = T())
{
    const QByteArray bytes = written(original, version);
    QDataStream stream(bytes);
    stream.setVersion(version);
    stream >> read;
    QCOMPARE(stream.status(), QDataStream::Ok);
    QVERIFY(stream.atEnd());
    QVERIFY(read == original);
}

BorderPainter fullBorder()
{
    QPainterPath path;
    path.moveTo(1, 2);
    path.cubicTo(10, 0, 20, 30, 40, 5);
    path.lineTo(3, 30);
    path.closeSubpath();
    path.addEllipse(5, 5, 10, 12);
    path.setFillRule(Qt::WindingFill);
    BorderPainter border(path, 1.5, QColor(10, 20, 30, 40));
    border.setRadius(4.0);
    border.setImages(patternPixmap(3, 4, 1), patternPixmap(5, 4, 2), QPixmap(), patternPixmap(4, 6, 4),
                     patternPixmap(7, 7, 5), patternPixmap(2, 9, 6), patternPixmap(1, 1, 7), patternPixmap(6, 3, 8), true);
    return border;
}

GradientPainter glossGradient()
{
    GradientPainter gradient(QColor(255, 255, 255, 200), QColor(255, 255, 255, 0), Qt::Horizontal,
                             QGradient::RadialGradient);
    gradient.setColorAt(0.5, QColor::fromHsv(120, 30, 40));
    gradient.setColorAt(0.5, Qt::red);
    return gradient;
}

BackgroundPainter fullBackground()
{
    BackgroundPainter background(QColor(1, 2, 3, 4));
    background.setBorderPainter(fullBorder());
    background.setGradientPainter(glossGradient());
    background.setImagePainter(ImagePainter(patternPixmap(9, 8, 3), ImagePainter::CenterBottom));
    QPainterPath own;
    own.addRoundedRect(0, 0, 50, 20, 4, 4);
    background.setPainterPath(own);
    return background;
}

QFont styledFont(int variant)
{
    QFont font(QStringLiteral("DejaVu Sans"), 9 + variant);
    font.setBold(variant % 2 == 1);
    font.setItalic(variant == 2);
    font.setLetterSpacing(QFont::AbsoluteSpacing, variant);
    font.setCapitalization(variant == 3 ? QFont::SmallCaps : QFont::MixedCase);
    if (variant == 4)
        font.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("DejaVu Sans Mono")});
    return font;
}

PenProperty variedPens()
{
    QPen dashed(QBrush(Qt::blue), 2.5, Qt::DashDotLine, Qt::RoundCap, Qt::SvgMiterJoin);
    QPen custom(Qt::green);
    custom.setDashPattern({1.0, 2.0, 3.0, 4.0});
    custom.setDashOffset(1.5);
    custom.setCosmetic(true);
    QLinearGradient gradient(0, 0, 10, 10);
    gradient.setColorAt(0.0, Qt::red);
    gradient.setColorAt(1.0, Qt::blue);
    gradient.setSpread(QGradient::ReflectSpread);
    QPen textured(QBrush(patternPixmap(4, 4, 9).toImage()), 3.0);
    QPen hairline(Qt::red);
    hairline.setWidthF(0.0);
    return PenProperty(dashed, custom, QPen(QBrush(gradient), 1.0), textured, hairline);
}

} // namespace

class TestLookRecords : public QObject
{
    Q_OBJECT

private slots:
    void imageResourceStates();
    void backgroundPropertyStates();
    void fontPropertyStates();
    void penAndMarginIndices();

    void roundTrip_data();
    void roundTrip();
    void fieldOrder();
    void backgroundPropertyIsFivePainters();
};

void TestLookRecords::imageResourceStates()
{
    const QPixmap one = patternPixmap(2, 2, 1);
    const ImageResource same(one);
    for (int state = 0; state < 5; ++state)
        QCOMPARE(same[ImageResource::State(state)].cacheKey(), one.cacheKey());

    QPixmap pixmaps[5];
    for (int i = 0; i < 5; ++i)
        pixmaps[i] = patternPixmap(2, 2, i + 10);
    ImageResource each(pixmaps[0], pixmaps[1], pixmaps[2], pixmaps[3], pixmaps[4]);
    QCOMPARE(each[ImageResource::Normal].cacheKey(), pixmaps[0].cacheKey());
    QCOMPARE(each[ImageResource::Selected].cacheKey(), pixmaps[1].cacheKey());
    QCOMPARE(each[ImageResource::Hover].cacheKey(), pixmaps[2].cacheKey());
    QCOMPARE(each[ImageResource::SelectedHover].cacheKey(), pixmaps[3].cacheKey());
    QCOMPARE(each[ImageResource::Disabled].cacheKey(), pixmaps[4].cacheKey());
    QVERIFY(each[ImageResource::State(5)].isNull());
    QVERIFY(each[ImageResource::State(-1)].isNull());

    each.setImage(ImageResource::State(5), one);
    each.setImage(ImageResource::State(-1), one);
    QVERIFY(each == ImageResource(pixmaps[0], pixmaps[1], pixmaps[2], pixmaps[3], pixmaps[4]));
    each.setImage(ImageResource::Hover, one);
    QCOMPARE(each[ImageResource::Hover].cacheKey(), one.cacheKey());
    QCOMPARE(each[ImageResource::SelectedHover].cacheKey(), pixmaps[3].cacheKey());
}

void TestLookRecords::backgroundPropertyStates()
{
    const BackgroundProperty property{BackgroundPainter(QColor(Qt::red)), BackgroundPainter(QColor(Qt::green)),
                                      BackgroundPainter(QColor(Qt::blue)), BackgroundPainter(QColor(Qt::white)),
                                      BackgroundPainter(QColor(Qt::black))};
    QCOMPARE(property[BackgroundProperty::Hover].fillColor(), QColor(Qt::blue));
    QCOMPARE(property[BackgroundProperty::Disabled].fillColor(), QColor(Qt::black));
    const BackgroundPainter outside = property[BackgroundProperty::State(5)];
    QCOMPARE(int(outside.painterFlags()), 0);
    QImage image(4, 4, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    outside.paint(&painter, QRectF(0, 0, 4, 4));
    painter.end();
    QCOMPARE(image.pixelColor(2, 2).alpha(), 0);
}

void TestLookRecords::fontPropertyStates()
{
    const QFont base(QStringLiteral("DejaVu Sans"), 11);
    FontProperty fonts(base);
    fonts[FontProperty::Hover].setBold(true);
    QVERIFY(fonts[FontProperty::Hover].bold());
    for (FontProperty::State state : {FontProperty::Normal, FontProperty::Selected, FontProperty::SelectedHover,
                                      FontProperty::Disabled})
        QCOMPARE(static_cast<const FontProperty&>(fonts)[state], base);

    const FontProperty& constFonts = fonts;
    QCOMPARE(constFonts[FontProperty::State(5)], QFont());

    // Out of range, every record reaches one spare font that keeps what was written.
    FontProperty other(base);
    fonts[FontProperty::State(7)].setPointSize(33);
    QCOMPARE(other[FontProperty::State(-3)].pointSize(), 33);
    QCOMPARE(&other[FontProperty::State(9)], &fonts[FontProperty::State(5)]);
    QCOMPARE(constFonts[FontProperty::State(7)], QFont());
    other[FontProperty::State(-3)] = QFont();
}

void TestLookRecords::penAndMarginIndices()
{
    const QPen red(Qt::red, 3.0);
    const PenProperty pens(red);
    QCOMPARE(pens[PenProperty::Disabled], red);
    QCOMPARE(pens[PenProperty::State(5)], QPen());
    const PenProperty each{QPen(Qt::red), QPen(Qt::green), QPen(Qt::blue), QPen(Qt::white), QPen(Qt::black)};
    QCOMPARE(each[PenProperty::SelectedHover].color(), QColor(Qt::white));

    const MarginProperty margins(1, 2, 3, 4);
    QCOMPARE(margins[MarginProperty::Top], 1.0);
    QCOMPARE(margins[MarginProperty::Right], 2.0);
    QCOMPARE(margins[MarginProperty::Bottom], 3.0);
    QCOMPARE(margins[MarginProperty::Left], 4.0);
    QCOMPARE(margins[MarginProperty::Type(4)], 0.0);
    QCOMPARE(margins[MarginProperty::Type(-1)], 0.0);
    QCOMPARE(MarginProperty(2.5)[MarginProperty::Left], 2.5);
}

void TestLookRecords::roundTrip_data()
{
    QTest::addColumn<RoundTrip>("check");
    QTest::addColumn<int>("version");

    const int current = QDataStream::Qt_5_15;
    QTest::newRow("gradient") << RoundTrip([](QDataStream::Version v) { checkRoundTrip(glossGradient(), v); }) << current;
    QTest::newRow("gradient without stops") << RoundTrip([](QDataStream::Version v) {
        GradientPainter empty(Qt::red, Qt::blue, Qt::Vertical, QGradient::ConicalGradient);
        empty.clear();
        checkRoundTrip(empty, v);
    }) << current;
    QTest::newRow("image") << RoundTrip([](QDataStream::Version v) {
        checkRoundTrip(ImagePainter(patternPixmap(17, 5, 2), ImagePainter::BottomLeft), v);
    }) << current;
    QTest::newRow("image: null, unknown style") << RoundTrip([](QDataStream::Version v) {
        checkRoundTrip(ImagePainter(ImagePainter::Style(13)), v, ImagePainter(patternPixmap(2, 2, 2), ImagePainter::Fit));
    }) << current;
    QTest::newRow("border") << RoundTrip([](QDataStream::Version v) { checkRoundTrip(fullBorder(), v); }) << current;
    QTest::newRow("background, every layer") << RoundTrip([](QDataStream::Version v) {
        checkRoundTrip(fullBackground(), v);
    }) << current;
    QTest::newRow("background, default over a full one") << RoundTrip([](QDataStream::Version v) {
        checkRoundTrip(BackgroundPainter(), v, fullBackground());
    }) << current;
    QTest::newRow("image resource") << RoundTrip([](QDataStream::Version v) {
        QBitmap mask = QBitmap::fromImage(QImage(8, 8, QImage::Format_Mono));
        mask.clear();
        checkRoundTrip(ImageResource(patternPixmap(3, 3, 1), QPixmap(), patternPixmap(1, 5, 3), mask, patternPixmap(4, 4, 4)), v);
    }) << current;
    QTest::newRow("background property") << RoundTrip([](QDataStream::Version v) {
        checkRoundTrip(BackgroundProperty(fullBackground(), BackgroundPainter(QColor(Qt::red)), BackgroundPainter(),
                                          BackgroundPainter(glossGradient()), BackgroundPainter(fullBorder())), v);
    }) << current;
    QTest::newRow("font property") << RoundTrip([](QDataStream::Version v) {
        checkRoundTrip(FontProperty(styledFont(0), styledFont(1), styledFont(2), styledFont(3), styledFont(4)), v);
    }) << current;
    QTest::newRow("pen property") << RoundTrip([](QDataStream::Version v) { checkRoundTrip(variedPens(), v); }) << current;
    QTest::newRow("margins") << RoundTrip([](QDataStream::Version v) {
        checkRoundTrip(MarginProperty(1.25, -2, 3e6, 0), v);
    }) << current;
    // Callers choose the stream version; older layouts read back too.
    QTest::newRow("pen property, Qt 5.6") << RoundTrip([](QDataStream::Version v) { checkRoundTrip(variedPens(), v); })
                                          << int(QDataStream::Qt_5_6);
    QTest::newRow("font property, Qt 5.6") << RoundTrip([](QDataStream::Version v) {
        checkRoundTrip(FontProperty(styledFont(0), styledFont(1), styledFont(2), styledFont(3), styledFont(1)), v);
    }) << int(QDataStream::Qt_5_6);
    QTest::newRow("background, Qt 4.8") << RoundTrip([](QDataStream::Version v) {
        checkRoundTrip(fullBackground(), v);
    }) << int(QDataStream::Qt_4_8);
}

void TestLookRecords::roundTrip()
{
    QFETCH(RoundTrip, check);
    QFETCH(int, version);
    check(QDataStream::Version(version));
}

void TestLookRecords::fieldOrder()
{
    // No header, no count of their own: the fields one after another in Qt's encodings.
    const GradientPainter gradient = glossGradient();
    QByteArray expected;
    {
        QDataStream stream(&expected, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_5_15);
        stream << gradient.stops() << qint32(QGradient::RadialGradient) << qint32(Qt::Horizontal);
    }
    QCOMPARE(written(gradient), expected);

    const BorderPainter border = fullBorder();
    expected.clear();
    {
        QDataStream stream(&expected, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_5_15);
        stream << border.width() << border.radius() << border.color();
        for (int i = 0; i < 8; ++i)
            stream << border.image(i);
        stream << border.clipImages() << border.path();
    }
    QCOMPARE(written(border), expected);

    const BackgroundPainter background = fullBackground();
    expected.clear();
    {
        QDataStream stream(&expected, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_5_15);
        stream << background.fillColor() << background.borderPainter() << background.gradientPainter();
        stream << background.imagePainter().image() << qint32(background.imagePainter().style());
        stream << background.painterPath() << qint32(background.painterFlags());
    }
    QCOMPARE(written(background), expected);

    expected.clear();
    {
        QDataStream stream(&expected, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_5_15);
        stream << 1.0 << 2.0 << 3.0 << 4.0;
    }
    QCOMPARE(written(MarginProperty(1, 2, 3, 4)), expected);
}

void TestLookRecords::backgroundPropertyIsFivePainters()
{
    const BackgroundPainter painters[5] = {fullBackground(), BackgroundPainter(QColor(Qt::red)), BackgroundPainter(),
                                           BackgroundPainter(glossGradient()), BackgroundPainter(fullBorder())};
    const BackgroundProperty property(painters[0], painters[1], painters[2], painters[3], painters[4]);
    const QByteArray bytes = written(property);
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_5_15);
    for (const BackgroundPainter& expected : painters) {
        BackgroundPainter read;
        stream >> read;
        QVERIFY(read == expected);
    }
    QCOMPARE(stream.status(), QDataStream::Ok);
    QVERIFY(stream.atEnd());
}

VORENDA_TEST_MAIN(TestLookRecords)
#include "tst_lookrecords.moc"
