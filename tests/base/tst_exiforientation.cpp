#include "TestEnvironment.h"
#include "TestPictures.h"

#include "BoundedImageReader.h"
#include "ExifOrientation.h"

#include <QBuffer>
#include <QImageWriter>

// Pictures stored turned, with the turn in their metadata, as phones and cameras write
// them: each of the eight orientations stands upright whatever the format carries it,
// and metadata that is damaged or lies about its lengths is no turn.
class TestExifOrientation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void picturesStandUpright_data();
    void picturesStandUpright();
    void damagedMetadataIsNoTurn_data();
    void damagedMetadataIsNoTurn();

private:
    QTemporaryDir dir;
};

namespace {

const QRgb red = qRgb(220, 30, 30);
const QRgb green = qRgb(30, 200, 30);
const QRgb blue = qRgb(30, 30, 220);
const QRgb yellow = qRgb(230, 220, 20);

// Four quarters of one colour each, wider than high: any turn or mirror shows.
QImage quarters()
{
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool right = x >= image.width() / 2;
            const bool bottom = y >= image.height() / 2;
            image.setPixel(x, y, bottom ? (right ? yellow : blue) : (right ? green : red));
        }
    return image;
}

bool near(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) < 24 && qAbs(qGreen(a) - qGreen(b)) < 24 && qAbs(qBlue(a) - qBlue(b)) < 24;
}

} // namespace

void TestExifOrientation::initTestCase()
{
    QVERIFY(dir.isValid());
}

void TestExifOrientation::picturesStandUpright_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<int>("orientation");
    // The colours seen at the upright picture's corners: top left, top right, bottom
    // left, bottom right; stored, red is top left, green top right, blue bottom left.
    QTest::addColumn<QList<QRgb>>("corners");

    const QList<QList<QRgb>> seen = {
        {red, green, blue, yellow},   // 1: as stored
        {green, red, yellow, blue},   // 2: mirrored
        {yellow, blue, green, red},   // 3: half a turn
        {blue, yellow, red, green},   // 4: upside down
        {red, blue, green, yellow},   // 5: rows become columns
        {blue, red, yellow, green},   // 6: a quarter clockwise, as phones hold portraits
        {yellow, green, blue, red},   // 7: rows become columns the other way
        {green, yellow, red, blue},   // 8: a quarter anticlockwise
    };
    for (const char* suffix : {"jpg", "png", "webp", "tiff"})
        for (int orientation = 1; orientation <= 8; ++orientation)
            QTest::addRow("%s %d", suffix, orientation)
                << QString::fromLatin1(suffix) << orientation << seen.at(orientation - 1);
}

void TestExifOrientation::picturesStandUpright()
{
    QFETCH(QString, suffix);
    QFETCH(int, orientation);
    QFETCH(QList<QRgb>, corners);

    const QString path = dir.filePath(QStringLiteral("turned%1.%2").arg(orientation).arg(suffix));
    if (suffix == QLatin1String("tiff")) {
        // TIFF keeps the turn in a tag of its own, which Qt's reader tells.
        QImageWriter writer(path, "tiff");
        writer.setTransformation(ExifOrientation::transformation(orientation));
        QVERIFY2(writer.write(quarters()), qPrintable(writer.errorString()));
    } else {
        const QByteArray file = TestPictures::withOrientation(quarters(), suffix, orientation);
        QVERIFY2(!file.isEmpty(), "no writer for the format: is its image plug-in installed?");
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
    }

    const bool sideways = orientation >= 5;
    BoundedImageReader reader(path);
    reader.setAutoTransform(true);
    QVERIFY(reader.measure());
    QCOMPARE(reader.sourceSize(), QSize(64, 48));
    QCOMPARE(reader.uprightSize(), sideways ? QSize(48, 64) : QSize(64, 48));
    const QImage upright = reader.readFitting(QSize(200, 200));
    QCOMPARE(upright.size(), reader.uprightSize());
    const int right = upright.width() - 4;
    const int bottom = upright.height() - 4;
    const QList<QRgb> found = {upright.pixel(3, 3), upright.pixel(right, 3), upright.pixel(3, bottom),
                               upright.pixel(right, bottom)};
    for (int corner = 0; corner < 4; ++corner)
        QVERIFY2(near(found.at(corner), corners.at(corner)),
                 qPrintable(QStringLiteral("corner %1 is #%2").arg(corner).arg(found.at(corner), 6, 16)));

    // Qt's own JPEG reader agrees, pixel for pixel.
    if (suffix == QLatin1String("jpg")) {
        QImageReader qt(path);
        qt.setAutoTransform(true);
        QCOMPARE(qt.read().convertToFormat(upright.format()), upright);
    }
    // Without the switch the picture stays as it is stored.
    BoundedImageReader stored(path);
    QCOMPARE(stored.read().size(), QSize(64, 48));
    QCOMPARE(stored.transformation(), QImageIOHandler::TransformationNone);
}

void TestExifOrientation::damagedMetadataIsNoTurn_data()
{
    QTest::addColumn<QByteArray>("file");

    const QByteArray exif = TestPictures::exifOrientation(6);
    const QByteArray jpeg = TestPictures::encoded(quarters(), "jpeg");
    const QByteArray png = TestPictures::encoded(quarters(), "png");
    auto withValue = [&exif](int at, const QByteArray& bytes) { return QByteArray(exif).replace(at, bytes.size(), bytes); };
    // The orientation entry starts at 22: tag, type, count, value.
    QTest::newRow("value 9") << TestPictures::withJpegExif(jpeg, withValue(30, QByteArray("\x09\x00", 2)));
    QTest::newRow("value 0") << TestPictures::withJpegExif(jpeg, withValue(30, QByteArray("\x00\x00", 2)));
    QTest::newRow("type long") << TestPictures::withJpegExif(jpeg, withValue(24, QByteArray("\x04\x00", 2)));
    QTest::newRow("count 2") << TestPictures::withJpegExif(jpeg, withValue(26, QByteArray("\x02\x00\x00\x00", 4)));
    QTest::newRow("no TIFF mark") << TestPictures::withJpegExif(jpeg, withValue(2, QByteArray("\x2b\x00", 2)));
    QTest::newRow("unknown byte order") << TestPictures::withJpegExif(jpeg, withValue(0, QByteArray("IM")));
    QTest::newRow("directory past the end")
        << TestPictures::withJpegExif(jpeg, withValue(4, QByteArray("\xff\xff\xff\x7f", 4)));
    QTest::newRow("directory inside the header")
        << TestPictures::withJpegExif(jpeg, withValue(4, QByteArray("\x02\x00\x00\x00", 4)));
    QTest::newRow("more entries than bytes")
        << TestPictures::withJpegExif(jpeg, withValue(8, QByteArray("\xff\xff", 2)).left(20));
    QTest::newRow("block cut short") << TestPictures::withJpegExif(jpeg, exif.left(28));
    QTest::newRow("block empty") << TestPictures::withJpegExif(jpeg, QByteArray());
    // Lengths that reach past the file.
    QByteArray longSegment = TestPictures::withJpegExif(jpeg, exif);
    longSegment[4] = char(0xff);
    longSegment[5] = char(0xff);
    QTest::newRow("JPEG segment past the end") << longSegment.left(200);
    QTest::newRow("JPEG segment of length 1") << QByteArray("\xff\xd8\xff\xe1\x00\x01", 6) + exif;
    QTest::newRow("EXIF after the scan") << jpeg + QByteArray("\xff\xe1\x00\x30" "Exif\0\0", 10) + exif;
    QByteArray longChunk = TestPictures::withPngExif(png, exif);
    longChunk.replace(33, 4, QByteArray("\x7f\xff\xff\xff", 4));
    QTest::newRow("PNG chunk past the end") << longChunk;
    QByteArray hugeChunk = TestPictures::withPngExif(png, exif);
    hugeChunk.replace(33, 4, QByteArray("\xff\xff\xff\xff", 4));
    QTest::newRow("PNG chunk longer than a file") << hugeChunk;
    QTest::newRow("WebP chunk past the end")
        << QByteArray("RIFF\x20\x00\x00\x00WEBPEXIF\xff\xff\xff\x0f", 20) + exif;
    QTest::newRow("WebP cut in a chunk header") << QByteArray("RIFF\x20\x00\x00\x00WEBPEX", 14);
}

void TestExifOrientation::damagedMetadataIsNoTurn()
{
    QFETCH(QByteArray, file);

    QBuffer buffer(&file);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QVERIFY(buffer.seek(0));
    bool container = false;
    QCOMPARE(ExifOrientation::read(&buffer, &container), 0);
    QVERIFY(container);
    QCOMPARE(buffer.pos(), qint64(0));
}

VORENDA_TEST_MAIN(TestExifOrientation)
#include "tst_exiforientation.moc"
