#include "StreamFixtures.h"
#include "TestEnvironment.h"

#include "BackgroundPainter.h"
#include "BackgroundProperty.h"
#include "BoundedStreamReaders.h"
#include "FontProperty.h"
#include "ImageResource.h"
#include "MarginProperty.h"
#include "PenProperty.h"

#include <QBuffer>
#include <QtEndian>

#include <atomic>
#include <functional>

using Check = std::function<void()>;
Q_DECLARE_METATYPE(Check)

// Hostile counts must be refused before anything is allocated for them. Under the
// address sanitizer every allocation is watched; elsewhere only the outcome is checked.
#if defined(__SANITIZE_ADDRESS__)
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*mallocHook)(const volatile void*, size_t),
                                                         void (*freeHook)(const volatile void*));
namespace {
std::atomic<bool> watching{false};
std::atomic<size_t> largestAllocation{0};
void onMalloc(const volatile void*, size_t size)
{
    if (!watching)
        return;
    size_t largest = largestAllocation;
    while (size > largest && !largestAllocation.compare_exchange_weak(largest, size)) {
    }
}
void onFree(const volatile void*) {}
} // namespace
#endif

namespace {

constexpr size_t AllocationLimit = 4 * 1024 * 1024;

void patch32(QByteArray& bytes, int offset, quint32 value)
{
    qToBigEndian(value, bytes.data() + offset);
}

QByteArray pngBytes(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(qRgba(10, 200, 30, 120));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

quint32 crc32(const QByteArray& data)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char byte : data) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A valid PNG whose header claims a picture far larger than its data.
QByteArray pngClaiming(int width, int height)
{
    QByteArray png = pngBytes(1, 1);
    patch32(png, 16, quint32(width));
    patch32(png, 20, quint32(height));
    patch32(png, 29, crc32(png.mid(12, 17)));
    return png;
}

QPixmap pattern(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba((x * 31 + seed) % 256, (y * 17) % 256, seed % 256, 200));
    return QPixmap::fromImage(image);
}

BackgroundPainter soundBackground()
{
    BackgroundPainter background(QColor(1, 2, 3));
    BorderPainter border(2.0, 5.0, Qt::red);
    border.setImages(pattern(3, 3, 1), pattern(4, 3, 2), QPixmap(), QPixmap(), QPixmap(), QPixmap(), QPixmap(),
                     pattern(3, 5, 3), true);
    background.setBorderPainter(border);
    GradientPainter gradient(Qt::white, Qt::black, Qt::Horizontal, QGradient::LinearGradient);
    gradient.setColorAt(0.3, Qt::green);
    background.setGradientPainter(gradient);
    background.setImagePainter(ImagePainter(pattern(6, 5, 4), ImagePainter::Fill));
    QPainterPath path;
    path.addEllipse(0, 0, 20, 10);
    background.setPainterPath(path);
    return background;
}

// Reads `bytes` over a filled record and expects a default record and a failed stream,
// without a large allocation on the way.
template <typename T>
void expectRefused(const QByteArray& bytes, T read)
{
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_5_15);
#if defined(__SANITIZE_ADDRESS__)
    largestAllocation = 0;
    watching = true;
#endif
    stream >> read;
#if defined(__SANITIZE_ADDRESS__)
    watching = false;
    QVERIFY2(largestAllocation < AllocationLimit,
             qPrintable(QStringLiteral("allocated %1 bytes at once").arg(quint64(largestAllocation))));
#endif
    QVERIFY(stream.status() != QDataStream::Ok);
    QVERIFY(read == T());
}

// Each cut of a sound record reads as a default record with the stream's status set.
// Qt's PNG reader forgives a final image that lacks only its closing checksum; that cut
// may read the whole record, all pixels present.
template <typename T>
void expectEveryCutRefused(const T& value)
{
    const QByteArray bytes = written(value);
    const int step = qMax(1, bytes.size() / 1500);
    for (int length = 0; length < bytes.size(); length += step) {
        QDataStream stream(bytes.left(length));
        stream.setVersion(QDataStream::Qt_5_15);
        T read = value;
        stream >> read;
        const bool refused = stream.status() != QDataStream::Ok && read == T();
        const bool whole = stream.status() == QDataStream::Ok && read == value && length >= bytes.size() - 4;
        if (!refused && !whole)
            QFAIL(qPrintable(QStringLiteral("cut at %1 of %2 bytes was accepted").arg(length).arg(bytes.size())));
    }
}

// Two reads of one value agree: their encodings match.
template <typename T>
void expectSameValue(const T& ours, const T& qts)
{
    QCOMPARE(written(ours), written(qts));
}

// Images agree in what they show. Their encodings would carry the bits that pad each
// row, which no reader defines.
void expectSameValue(const QImage& ours, const QImage& qts)
{
    QCOMPARE(ours.size(), qts.size());
    QCOMPARE(ours.format(), qts.format());
    QCOMPARE(ours.colorTable(), qts.colorTable());
    QVERIFY(ours == qts); // pixel by pixel
}

// Our reader and Qt's read a sound value alike and stop at the same byte.
template <typename T>
void expectSameAsQt(const T& value, bool (*reader)(QDataStream&, T&))
{
    const QByteArray bytes = written(value) + QByteArray("tail");
    QDataStream qtStream(bytes);
    qtStream.setVersion(QDataStream::Qt_5_15);
    T qtRead;
    qtStream >> qtRead;
    QDataStream ourStream(bytes);
    ourStream.setVersion(QDataStream::Qt_5_15);
    T ourRead;
    QVERIFY(reader(ourStream, ourRead));
    QCOMPARE(ourStream.status(), QDataStream::Ok);
    QCOMPARE(ourStream.device()->pos(), qtStream.device()->pos());
    expectSameValue(ourRead, qtRead);
}

QByteArray borderWithPath(const QByteArray& pathBytes)
{
    return streamBytes([](QDataStream& s) {
               s << 1.0 << 2.0 << QColor(Qt::red);
               for (int i = 0; i < 8; ++i)
                   s << QPixmap();
               s << false;
           })
        + pathBytes;
}

QByteArray pathBytes(const QVector<QPair<qint32, QPointF>>& elements, qint32 subpathStart, qint32 fillRule,
                     quint32 count = 0)
{
    return streamBytes([&](QDataStream& s) {
        s << (count ? count : quint32(elements.size()));
        for (const auto& element : elements)
            s << element.first << element.second.x() << element.second.y();
        s << subpathStart << fillRule;
    });
}

QByteArray penBytes(const QPen& pen, int offset, quint32 value, int keep = 64)
{
    QByteArray bytes = written(pen);
    patch32(bytes, offset, value);
    return bytes.left(offset + 4 + keep);
}

} // namespace

class TestHostileStreams : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void hostileRecords_data();
    void hostileRecords();
    void everyCutIsRefused_data();
    void everyCutIsRefused();
    void readersMatchQt_data();
    void readersMatchQt();
    void failedStreamReadsDefaults();
};

void TestHostileStreams::initTestCase()
{
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_install_malloc_and_free_hooks(onMalloc, onFree);
#endif
}

void TestHostileStreams::hostileRecords_data()
{
    QTest::addColumn<Check>("check");
    const QByteArray filler(64, '\x01');
    using Elements = QVector<QPair<qint32, QPointF>>;
    const QPair<qint32, QPointF> moveTo(QPainterPath::MoveToElement, QPointF(1, 1));
    const QPair<qint32, QPointF> lineTo(QPainterPath::LineToElement, QPointF(5, 1));
    const QPair<qint32, QPointF> curveTo(QPainterPath::CurveToElement, QPointF(5, 5));
    const QPair<qint32, QPointF> curveData(QPainterPath::CurveToDataElement, QPointF(6, 6));

    const QByteArray hugeStops = streamBytes([](QDataStream& s) { s << quint32(0x80000000u); }) + filler;
    QTest::newRow("gradient with 2^31 stops") << Check([=] { expectRefused(hugeStops, GradientPainter(Qt::red, Qt::blue, Qt::Horizontal, QGradient::RadialGradient)); });
    const QByteArray negativeStops = streamBytes([](QDataStream& s) { s << qint32(-1); }) + filler;
    QTest::newRow("gradient with a negative count") << Check([=] { expectRefused(negativeStops, GradientPainter(Qt::red, Qt::blue, Qt::Horizontal, QGradient::RadialGradient)); });
    const QByteArray shortStops = streamBytes([](QDataStream& s) {
        s << quint32(100000);
        for (int i = 0; i < 10; ++i)
            s << 0.5 << QColor(Qt::red);
    });
    QTest::newRow("gradient promising more stops than sent") << Check([=] { expectRefused(shortStops, GradientPainter(Qt::red)); });
    const QByteArray nanStop = streamBytes([](QDataStream& s) { s << quint32(1) << qQNaN() << QColor(Qt::red) << 0 << 2; });
    QTest::newRow("gradient stop at NaN") << Check([=] { expectRefused(nanStop, GradientPainter(Qt::red)); });
    QByteArray badSpec = streamBytes([](QDataStream& s) { s << quint32(1) << 0.5 << QColor(Qt::red) << 0 << 2; });
    badSpec[12] = char(42); // the colour's spec
    QTest::newRow("gradient stop of an unknown colour kind") << Check([=] { expectRefused(badSpec, GradientPainter(Qt::red)); });

    const QByteArray hugePath = borderWithPath(pathBytes({moveTo}, 0, 0, 0x7FFFFFFFu) + filler);
    QTest::newRow("path with 2^31 elements") << Check([=] { expectRefused(hugePath, BorderPainter(1, 2, Qt::red)); });
    const QByteArray negativePath = borderWithPath(pathBytes({moveTo}, 0, 0, 0xFFFFFFF0u) + filler);
    QTest::newRow("path with a negative count") << Check([=] { expectRefused(negativePath, BorderPainter(1, 2, Qt::red)); });
    const struct { const char* name; QByteArray bytes; } badPaths[] = {
        {"path starting with a line", pathBytes(Elements{lineTo, lineTo}, 0, 0)},
        {"path with an unknown element", pathBytes(Elements{moveTo, {7, QPointF(1, 2)}}, 0, 0)},
        {"curve missing its data", pathBytes(Elements{moveTo, curveTo, curveData, lineTo}, 0, 0)},
        {"curve at the end", pathBytes(Elements{moveTo, curveTo}, 0, 0)},
        {"stray curve data", pathBytes(Elements{moveTo, curveData}, 0, 0)},
        {"subpath start past the end", pathBytes(Elements{moveTo, lineTo}, 5, 0)},
        {"negative subpath start", pathBytes(Elements{moveTo, lineTo}, -1, 0)},
        {"unknown fill rule", pathBytes(Elements{moveTo, lineTo}, 0, 9)},
        {"NaN coordinate", pathBytes(Elements{moveTo, {QPainterPath::LineToElement, QPointF(qQNaN(), 1)}}, 0, 0)},
    };
    for (const auto& badPath : badPaths) {
        const QByteArray bytes = borderWithPath(badPath.bytes);
        QTest::newRow(badPath.name) << Check([=] { expectRefused(bytes, BorderPainter(1, 2, Qt::red)); });
    }

    const QByteArray png = pngBytes(8, 8);
    const QByteArray cutImage = streamBytes([](QDataStream& s) { s << qint32(1); }) + png.left(png.size() / 2);
    QTest::newRow("cut-off image") << Check([=] { expectRefused(cutImage, ImagePainter(pattern(2, 2, 1), ImagePainter::Fit)); });
    const QByteArray notAnImage = streamBytes([](QDataStream& s) { s << qint32(1); }) + filler;
    QTest::newRow("image that is no PNG") << Check([=] { expectRefused(notAnImage, ImagePainter(pattern(2, 2, 1), ImagePainter::Fit)); });
    const QByteArray giantImage = streamBytes([](QDataStream& s) { s << qint32(1); }) + pngClaiming(16000, 16000)
        + streamBytes([](QDataStream& s) { s << qint32(3); });
    QTest::newRow("image too large to decode") << Check([=] { expectRefused(giantImage, ImagePainter(pattern(2, 2, 1), ImagePainter::Fit)); });
    const QByteArray cutResource = streamBytes([](QDataStream& s) { s << QPixmap() << pattern(3, 3, 1) << qint32(1); })
        + png.left(30);
    QTest::newRow("image resource cut in its third image") << Check([=] { expectRefused(cutResource, ImageResource(pattern(2, 2, 1))); });

    // Pen layout: style, cosmetic, width, brush (style, colour, ..., transform), miter limit, dashes.
    const QPen solid(Qt::red, 2.0);
    const QByteArray hugeDashes = penBytes(solid, 103, 0x80000000u);
    QTest::newRow("pen with 2^31 dashes") << Check([=] { expectRefused(hugeDashes, PenProperty(QPen(Qt::blue))); });
    QLinearGradient linear(0, 0, 1, 1);
    linear.setColorAt(0, Qt::red);
    const QByteArray hugeBrushStops = penBytes(QPen(QBrush(linear), 1.0), 39, 0xFFFFFFFFu);
    QTest::newRow("pen brush with a negative stop count") << Check([=] { expectRefused(hugeBrushStops, PenProperty(QPen(Qt::blue))); });
    QByteArray badBrush = written(solid);
    badBrush[11] = char(200);
    QTest::newRow("pen brush of an unknown style") << Check([=] { expectRefused(badBrush, PenProperty(QPen(Qt::blue))); });
    QByteArray badPenStyle = written(solid);
    badPenStyle[1] = char(0x09);
    QTest::newRow("pen of an unknown line style") << Check([=] { expectRefused(badPenStyle, PenProperty(QPen(Qt::blue))); });
    QByteArray badTexture = written(QPen(QBrush(pattern(2, 2, 2).toImage()), 1.0));
    badTexture = badTexture.left(11 + 1 + 11 + 4) + pngClaiming(20000, 20000);
    QTest::newRow("pen texture too large to decode") << Check([=] { expectRefused(badTexture, PenProperty(QPen(Qt::blue))); });

    QByteArray hugeFamilies = written(QFont(QStringLiteral("DejaVu Sans"), 10));
    patch32(hugeFamilies, hugeFamilies.size() - 4, 0x7FFFFFFFu);
    hugeFamilies += filler;
    QTest::newRow("font with 2^31 families") << Check([=] { expectRefused(hugeFamilies, FontProperty(QFont(QStringLiteral("DejaVu Serif")))); });

    const QByteArray hostileThird = written(soundBackground()) + written(BackgroundPainter()) + written(QColor()) + written(BorderPainter())
        + hugeStops;
    QTest::newRow("background property with a hostile third painter")
        << Check([=] { expectRefused(hostileThird, BackgroundProperty(soundBackground())); });
}

void TestHostileStreams::hostileRecords()
{
    QFETCH(Check, check);
    check();
}

void TestHostileStreams::everyCutIsRefused_data()
{
    QTest::addColumn<Check>("check");
    QTest::newRow("gradient") << Check([] { expectEveryCutRefused(soundBackground().gradientPainter()); });
    QTest::newRow("image") << Check([] { expectEveryCutRefused(soundBackground().imagePainter()); });
    QTest::newRow("border") << Check([] { expectEveryCutRefused(soundBackground().borderPainter()); });
    QTest::newRow("background") << Check([] { expectEveryCutRefused(soundBackground()); });
    QTest::newRow("image resource") << Check([] { expectEveryCutRefused(ImageResource(pattern(4, 4, 1), QPixmap(), pattern(2, 3, 2), QPixmap(), pattern(1, 1, 3))); });
    QTest::newRow("background property") << Check([] { expectEveryCutRefused(BackgroundProperty(soundBackground(), BackgroundPainter(QColor(Qt::red)), BackgroundPainter(), BackgroundPainter(), soundBackground())); });
    QTest::newRow("font property") << Check([] {
        QFont font(QStringLiteral("DejaVu Sans"), 12);
        font.setFamilies({QStringLiteral("DejaVu Serif")});
        expectEveryCutRefused(FontProperty(font, QFont(), font, QFont(), font));
    });
    QTest::newRow("pen property") << Check([] {
        QPen custom(Qt::green);
        custom.setDashPattern({1.0, 2.0});
        QRadialGradient radial(5, 5, 4);
        radial.setColorAt(0.2, Qt::blue);
        expectEveryCutRefused(PenProperty(custom, QPen(QBrush(radial), 2.0), QPen(QBrush(pattern(3, 3, 5).toImage()), 1.0),
                                          QPen(), QPen(Qt::red)));
    });
    QTest::newRow("margins") << Check([] { expectEveryCutRefused(MarginProperty(1, 2, 3, 4)); });
}

void TestHostileStreams::everyCutIsRefused()
{
    QFETCH(Check, check);
    check();
}

void TestHostileStreams::readersMatchQt_data()
{
    QTest::addColumn<Check>("check");

    QTest::newRow("colours") << Check([] {
        for (const QColor& color : {QColor(), QColor(1, 2, 3, 4), QColor::fromHsv(200, 20, 30), QColor::fromCmyk(1, 2, 3, 4),
                                    QColor::fromHsl(10, 20, 30), QColor::fromRgbF(1.5, -0.2, 0.3)})
            expectSameAsQt(color, readColor);
    });
    QTest::newRow("paths") << Check([] {
        QPainterPath rect;
        rect.addRect(0, 0, 10, 10);
        QPainterPath degenerate;
        degenerate.addRect(3, 3, 0, 0);
        QPainterPath mixed;
        mixed.moveTo(1, 1);
        mixed.cubicTo(2, 2, 3, 3, 4, 1);
        mixed.closeSubpath();
        mixed.lineTo(9, 9);
        mixed.addEllipse(0, 0, 5, 7);
        mixed.setFillRule(Qt::WindingFill);
        QPainterPath text;
        text.addText(0, 20, QFont(QStringLiteral("DejaVu Sans"), 14), QStringLiteral("Ag&"));
        QPainterPath lone;
        lone.moveTo(4, 4);
        for (const QPainterPath& path : {QPainterPath(), rect, degenerate, mixed, text, lone})
            expectSameAsQt(path, readPainterPath);
    });
    QTest::newRow("pens") << Check([] {
        QPen custom(Qt::green);
        custom.setDashPattern({1.0, 2.0, 3.0, 4.0});
        custom.setDashOffset(0.5);
        custom.setCosmetic(true);
        QLinearGradient linear(0, 0, 10, 10);
        linear.setColorAt(0.0, Qt::red);
        linear.setColorAt(1.0, Qt::blue);
        linear.setSpread(QGradient::RepeatSpread);
        linear.setCoordinateMode(QGradient::ObjectMode);
        QRadialGradient radial(5, 5, 4, 3, 3);
        radial.setColorAt(0.5, Qt::yellow);
        QConicalGradient conical(2, 3, 45);
        conical.setColorAt(0.1, Qt::cyan);
        conical.setInterpolationMode(QGradient::ComponentInterpolation);
        QBrush transformed(Qt::Dense3Pattern);
        transformed.setTransform(QTransform::fromScale(2, 3));
        QPen zero(Qt::red);
        zero.setWidthF(0);
        for (const QPen& pen : {QPen(), QPen(Qt::red), zero, custom, QPen(QBrush(Qt::blue), 2.5, Qt::DashLine, Qt::RoundCap, Qt::SvgMiterJoin),
                                QPen(QBrush(linear), 1), QPen(QBrush(radial), 2), QPen(QBrush(conical), 3), QPen(transformed, 4),
                                QPen(QBrush(pattern(3, 2, 1).toImage()), 1), QPen(Qt::NoPen)})
            expectSameAsQt(pen, readPen);
    });
    QTest::newRow("fonts") << Check([] {
        QFont families(QStringLiteral("DejaVu Sans"), 10);
        families.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("DejaVu Sans Mono")});
        QFont styled(QStringLiteral("DejaVu Serif"));
        styled.setPixelSize(13);
        styled.setStretch(QFont::Condensed);
        styled.setWordSpacing(3);
        styled.setHintingPreference(QFont::PreferNoHinting);
        styled.setStyleStrategy(QFont::PreferAntialias);
        for (const QFont& font : {QFont(), families, styled})
            expectSameAsQt(font, readFont);
    });
    QTest::newRow("images") << Check([] {
        QImage mono(9, 9, QImage::Format_Mono);
        mono.fill(1);
        for (const QImage& image : {QImage(), pattern(5, 7, 3).toImage(), mono})
            expectSameAsQt(image, readImage);
    });
}

void TestHostileStreams::readersMatchQt()
{
    QFETCH(Check, check);
    check();
}

void TestHostileStreams::failedStreamReadsDefaults()
{
    const QByteArray bytes = written(soundBackground());
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_5_15);
    stream.setStatus(QDataStream::ReadCorruptData);
    BackgroundPainter read = soundBackground();
    stream >> read;
    QVERIFY(read == BackgroundPainter());
    QCOMPARE(stream.status(), QDataStream::ReadCorruptData);
}

VORENDA_TEST_MAIN(TestHostileStreams)
#include "tst_hostilestreams.moc"
