#include "ParallelPngEncoder.h"
#include "TestEnvironment.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageWriter>
#include <QRandomGenerator>

#include <QtTest>

// The helper's own PNG encoder: the pixels come back exactly, the file does not depend
// on the number of threads, and it is about as small as the image writer's.
class TestParallelPngEncoder : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void leavesOthersToTheWriter_data();
    void leavesOthersToTheWriter();
};

namespace {

// Shading with grain, as in a photo: the rows' filters differ and the data deflates
// about as badly as a thumbnail of a photo does.
QImage photoLike(int width, int height, QImage::Format format)
{
    QImage image(width, height, format);
    QRandomGenerator grain(7);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int noise = int(grain.bounded(24));
            const int alpha = format == QImage::Format_ARGB32 ? (x * 255 / qMax(1, width - 1)) : 255;
            image.setPixel(x, y, qRgba((x * 200 / qMax(1, width)) + noise, (y * 180 / qMax(1, height)) + noise,
                                       120 + noise, alpha));
        }
    return image;
}

QByteArray writtenByQt(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // The writer's fastest deflate level, which the encoder takes too.
    writer.setQuality(80);
    writer.write(image);
    return buffer.data();
}

} // namespace

void TestParallelPngEncoder::roundTrip_data()
{
    QTest::addColumn<QImage>("image");
    // Several parts, each primed with the one before.
    QTest::newRow("photo, RGB") << photoLike(300, 200, QImage::Format_RGB32);
    QTest::newRow("photo, alpha") << photoLike(256, 171, QImage::Format_ARGB32);
    QTest::newRow("one pixel") << photoLike(1, 1, QImage::Format_RGB32);
    // Rows of four bytes: parts of thousands of rows; the last part shorter.
    QTest::newRow("one column") << photoLike(1, 20001, QImage::Format_ARGB32);
    QTest::newRow("one row") << photoLike(5000, 1, QImage::Format_RGB32);
    QImage dense = photoLike(64, 48, QImage::Format_RGB32);
    dense.setDotsPerMeterX(11811);
    dense.setDotsPerMeterY(5906);
    QTest::newRow("own resolution") << dense;
}

void TestParallelPngEncoder::roundTrip()
{
    QFETCH(QImage, image);
    QVERIFY(ParallelPngEncoder::encodes(image));
    const QByteArray alone = ParallelPngEncoder::encode(image, 1);
    QVERIFY(!alone.isEmpty());
    QCOMPARE(ParallelPngEncoder::encode(image, 4), alone);
    QCOMPARE(ParallelPngEncoder::encode(image, 64), alone);

    const QImage read = QImage::fromData(alone, "png");
    QCOMPARE(read.size(), image.size());
    QCOMPARE(read.hasAlphaChannel(), image.hasAlphaChannel());
    QCOMPARE(read.convertToFormat(image.format()), image);
    QCOMPARE(read.dotsPerMeterX(), image.dotsPerMeterX());
    QCOMPARE(read.dotsPerMeterY(), image.dotsPerMeterY());
    // Filtered and deflated as well as the image writer does, give or take a little.
    const QByteArray byQt = writtenByQt(image);
    QVERIFY2(alone.size() <= byQt.size() + byQt.size() / 50 + 64,
             qPrintable(QStringLiteral("%1 bytes against %2").arg(alone.size()).arg(byQt.size())));
}

void TestParallelPngEncoder::leavesOthersToTheWriter_data()
{
    QTest::addColumn<QImage>("image");
    const QImage photo = photoLike(40, 30, QImage::Format_RGB32);
    QTest::newRow("premultiplied") << photo.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QTest::newRow("indexed") << photo.convertToFormat(QImage::Format_Indexed8);
    QTest::newRow("grey") << photo.convertToFormat(QImage::Format_Grayscale8);
    QImage profiled = photo;
    profiled.setColorSpace(QColorSpace::SRgb);
    QTest::newRow("colour profile") << profiled;
    QImage described = photo;
    described.setText(QStringLiteral("Description"), QStringLiteral("a photo"));
    QTest::newRow("text") << described;
    QImage moved = photo;
    moved.setOffset(QPoint(3, 4));
    QTest::newRow("offset") << moved;
    QTest::newRow("null") << QImage();
}

void TestParallelPngEncoder::leavesOthersToTheWriter()
{
    QFETCH(QImage, image);
    QVERIFY(!ParallelPngEncoder::encodes(image));
    QVERIFY(ParallelPngEncoder::encode(image, 4).isEmpty());
}

VORENDA_TEST_MAIN(TestParallelPngEncoder)
#include "tst_parallelpngencoder.moc"
