#include "HostileImages.h"
#include "TestEnvironment.h"
#include "TestPictures.h"

#include "BoundedImageReader.h"
#include "StreamLimits.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImageWriter>

#include <sys/stat.h>

using namespace HostileImages;

// The one reader every decoded picture goes through, over pictures that cost far more
// than their bytes and over files that are no pictures at all: each is refused or
// read without a crash, without waiting, and without more memory than the cap.
class TestBoundedImageReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void hostileInputs_data();
    void hostileInputs();
    void decodesAtReducedSize();
    void streamFormatIsTakenAsGiven();
    void fileFormatIsFoundByContent_data();
    void fileFormatIsFoundByContent();
    void cameraRawIsDevelopedAtHalfSize();

private:
    QString path(const QString& name) const { return dir.filePath(name); }
    bool writePicture(const QString& name, const QImage& image, const char* format, bool progressive = false);

    QTemporaryDir dir;
};

bool TestBoundedImageReader::writePicture(const QString& name, const QImage& image, const char* format,
                                          bool progressive)
{
    QImageWriter writer(path(name), format);
    writer.setProgressiveScanWrite(progressive);
    return writer.write(image);
}

void TestBoundedImageReader::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(write(path(QStringLiteral("grey60000.jpg")), jpeg(60000, 60000, 1, Progressive)));
    QVERIFY(write(path(QStringLiteral("colour30000.jpg")), jpeg(30000, 30000, 3, Progressive)));
    QVERIFY(write(path(QStringLiteral("cmyk20000.jpg")), jpeg(20000, 20000, 4, Progressive)));
    QVERIFY(write(path(QStringLiteral("grey16000.jpg")), jpeg(16000, 16000, 1, Progressive)));
    QVERIFY(write(path(QStringLiteral("multiscan20000.jpg")), jpeg(20000, 20000, 3, MultiScan)));
    QVERIFY(write(path(QStringLiteral("sequential20000.jpg")), jpeg(20000, 20000, 3, Sequential)));
    QVERIFY(write(path(QStringLiteral("progressive2000.jpg")), jpeg(2000, 2000, 3, Progressive)));
    // A sequential frame behind thousands of comments: past the headers the reader
    // looks through, its layout is unknown and taken at its worst.
    QByteArray commented = jpeg(16000, 16000, 1, Sequential);
    QByteArray comment("\xFF\xFE\x00\x02", 4);
    QVERIFY(write(path(QStringLiteral("commented16000.jpg")), commented.insert(2, comment.repeated(5000))));

    QImage photo(640, 480, QImage::Format_RGB32);
    photo.fill(qRgb(30, 90, 200));
    QVERIFY(writePicture(QStringLiteral("progressive.jpg"), photo, "jpeg", true));
    QVERIFY(writePicture(QStringLiteral("photo.png"), photo, "png"));

    // A BMP whose header claims 16000 x 16000 pixels of 32 bits.
    QByteArray bmp("BM");
    const auto little = [&bmp](quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            bmp.append(char((value >> (8 * i)) & 0xFF));
    };
    little(54 + 16, 4);
    little(0, 4);
    little(54, 4);
    little(40, 4);
    little(16000, 4);
    little(16000, 4);
    little(1, 2);
    little(32, 2);
    little(0, 4);
    little(16, 4);
    little(2835, 4);
    little(2835, 4);
    little(0, 4);
    little(0, 4);
    bmp.append(QByteArray(16, '\x7F'));
    QVERIFY(write(path(QStringLiteral("huge.bmp")), bmp));

    QVERIFY(write(path(QStringLiteral("huge.svg")),
                  "<svg xmlns='http://www.w3.org/2000/svg' width='100000' height='100000'>"
                  "<rect width='100000' height='100000' fill='red'/></svg>"));
    QVERIFY(write(path(QStringLiteral("empty.png")), QByteArray()));
    QVERIFY(write(path(QStringLiteral("noise.jpg")), QByteArray("\xFF\xD8\xFF\xE0 not a picture at all", 26)));
    QCOMPARE(::mkfifo(QFile::encodeName(path(QStringLiteral("fifo.png"))).constData(), 0600), 0);
    QVERIFY(QFile::link(path(QStringLiteral("fifo.png")), path(QStringLiteral("fifo-link.png"))));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.png")));

    // PostScript under a picture's name: its reader would run it.
    QFile postScript(path(QStringLiteral("figure.png")));
    QVERIFY(postScript.open(QIODevice::WriteOnly));
    postScript.write("%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 64 48\nnewpath 0 0 moveto 64 48 lineto stroke\n");
    postScript.close();
    QCOMPARE(QImageReader(postScript.fileName()).format(), QByteArray("eps"));
    // HEIF's reader decodes to measure: a small file is read, a large one is not.
    QVERIFY(writePicture(QStringLiteral("small.heic"), QImage(64, 48, QImage::Format_RGB32), "heic"));
    QFile heif(path(QStringLiteral("small.heic")));
    QVERIFY(heif.open(QIODevice::ReadOnly));
    QFile large(path(QStringLiteral("large.heic")));
    QVERIFY(large.open(QIODevice::WriteOnly));
    large.write(heif.readAll() + QByteArray(int(BoundedImageReader::mostBlindFileBytes), '\0'));
    large.close();
    // A WebP whose lossless header claims 16000 x 16000 pixels over a few bytes.
    const quint32 dimensions = quint32(16000 - 1) | quint32(16000 - 1) << 14;
    QByteArray webp("RIFF\0\0\0\0WEBPVP8L\x0d\0\0\0\x2f", 21);
    for (int shift = 0; shift < 32; shift += 8)
        webp.append(char((dimensions >> shift) & 0xff));
    webp.append(QByteArray(8, '\0'));
    webp[4] = char(webp.size() - 8);
    QVERIFY(write(path(QStringLiteral("huge.webp")), webp));
    QCOMPARE(QImageReader(path(QStringLiteral("huge.webp"))).size(), QSize(16000, 16000));
}

void TestBoundedImageReader::hostileInputs_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QSize>("decoded");
    QTest::addColumn<QString>("error");

    const QSize thumbnail(256, 256);
    const QSize none;
    const QString tooLarge = QStringLiteral("too much memory");
    // Progressive and multi-scan frames cost their whole coefficient buffer, however
    // small the picture asked for.
    QTest::newRow("progressive grey 60000") << "grey60000.jpg" << thumbnail << QSize() << tooLarge;
    QTest::newRow("progressive colour 30000") << "colour30000.jpg" << thumbnail << QSize() << tooLarge;
    QTest::newRow("progressive cmyk 20000") << "cmyk20000.jpg" << thumbnail << QSize() << tooLarge;
    QTest::newRow("progressive grey 16000") << "grey16000.jpg" << thumbnail << QSize() << tooLarge;
    QTest::newRow("multi-scan colour 20000") << "multiscan20000.jpg" << thumbnail << QSize() << tooLarge;
    QTest::newRow("headers too long to read") << "commented16000.jpg" << thumbnail << QSize() << tooLarge;
    // Decoded row by row at an eighth of its size, a sequential frame is within bounds.
    QTest::newRow("sequential colour 20000") << "sequential20000.jpg" << thumbnail << QSize(256, 256) << QString();
    QTest::newRow("progressive colour 2000") << "progressive2000.jpg" << thumbnail << QSize(256, 256) << QString();
    QTest::newRow("progressive photo") << "progressive.jpg" << none << QSize(640, 480) << QString();
    QTest::newRow("png at its size") << "photo.png" << none << QSize(640, 480) << QString();
    QTest::newRow("png fitted") << "photo.png" << QSize(64, 64) << QSize(64, 48) << QString();
    QTest::newRow("bmp of 16000") << "huge.bmp" << thumbnail << QSize() << tooLarge;
    QTest::newRow("svg of 100000 at its size") << "huge.svg" << none << QSize() << tooLarge;
    QTest::newRow("svg of 100000 fitted") << "huge.svg" << thumbnail << QSize(256, 256) << QString();
    QTest::newRow("webp of 16000") << "huge.webp" << thumbnail << QSize() << tooLarge;
    QTest::newRow("small heif") << "small.heic" << thumbnail << QSize(64, 48) << QString();
    QTest::newRow("heif above the size measured blind")
        << "large.heic" << thumbnail << QSize() << "cannot be measured before it is decoded";
    QTest::newRow("postscript named as a png") << "figure.png" << thumbnail << QSize() << "PostScript is not read";
    QTest::newRow("empty file") << "empty.png" << thumbnail << QSize() << "no picture size";
    QTest::newRow("noise") << "noise.jpg" << thumbnail << QSize() << "no picture size";
    QTest::newRow("missing") << "missing.png" << thumbnail << QSize() << "cannot open";
    QTest::newRow("fifo") << "fifo.png" << thumbnail << QSize() << "not a regular file";
    QTest::newRow("link to fifo") << "fifo-link.png" << thumbnail << QSize() << "not a regular file";
    QTest::newRow("folder") << "folder.png" << thumbnail << QSize() << "not a regular file";
    QTest::newRow("device") << "/dev/zero" << thumbnail << QSize() << "not a regular file";
}

void TestBoundedImageReader::hostileInputs()
{
    QFETCH(QString, file);
    QFETCH(QSize, box);
    QFETCH(QSize, decoded);
    QFETCH(QString, error);

    const QString name = QDir::isAbsolutePath(file) ? file : path(file);
    const qint64 peakBefore = peakResidentBytes();
    BoundedImageReader reader(name);
    const QImage image = box.isValid() ? reader.readFitting(box) : reader.read();
    if (decoded.isEmpty())
        QVERIFY(image.isNull());
    else
        QCOMPARE(image.size(), decoded);
    if (error.isEmpty())
        QVERIFY2(reader.errorString().isEmpty(), qPrintable(reader.errorString()));
    else
        QVERIFY2(reader.errorString().contains(error), qPrintable(reader.errorString()));
    // The cap, the picture and what the sanitizer keeps aside.
    QVERIFY2(peakResidentBytes() - peakBefore < MaxDecodedImageBytes + 64 * 1024 * 1024,
             qPrintable(QStringLiteral("%1 MB more at the peak").arg((peakResidentBytes() - peakBefore) >> 20)));
}

void TestBoundedImageReader::decodesAtReducedSize()
{
    // A progressive picture of 4000 x 3000 decodes within bounds: its coefficients
    // (72 MB) and an output an eighth of its size.
    QImage photo(4000, 3000, QImage::Format_RGB32);
    photo.fill(qRgb(200, 120, 40));
    QVERIFY(writePicture(QStringLiteral("big-progressive.jpg"), photo, "jpeg", true));
    photo = QImage();
    BoundedImageReader reader(path(QStringLiteral("big-progressive.jpg")));
    QVERIFY(reader.measure());
    QCOMPARE(reader.sourceSize(), QSize(4000, 3000));
    QVERIFY(reader.decodeBytes(QSize(256, 192)) < MaxDecodedImageBytes);
    // Asked for at its own size it would need its coefficients and 48 MB of pixels.
    QVERIFY(reader.decodeBytes(QSize(4000, 3000)) > 4000LL * 3000 * 4);
    const QImage thumbnail = reader.readFitting(QSize(256, 256));
    QCOMPARE(thumbnail.size(), QSize(256, 192));
    QVERIFY(qAbs(QColor(thumbnail.pixel(100, 100)).red() - 200) < 8);
}

void TestBoundedImageReader::streamFormatIsTakenAsGiven()
{
    // A stream names its format: a JPEG where a PNG belongs is no picture.
    QByteArray bytes = jpeg(64, 64, 1, Sequential);
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    BoundedImageReader asPng(&buffer, "png");
    QVERIFY(asPng.read().isNull());
    QVERIFY(buffer.seek(0));
    BoundedImageReader asJpeg(&buffer, "jpeg");
    QCOMPARE(asJpeg.read().size(), QSize(64, 64));
}

void TestBoundedImageReader::fileFormatIsFoundByContent_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<bool>("readWhole");
    // The reader goes by the name's suffix first; a file named for another format is
    // still read as what it holds, also a JPEG read whole.
    QTest::newRow("jpeg") << "photo.jpg" << QByteArray("jpeg") << false;
    QTest::newRow("jpeg read whole") << "whole.jpg" << QByteArray("jpeg") << true;
    QTest::newRow("png named jpg") << "png.jpg" << QByteArray("png") << true;
    QTest::newRow("jpeg named png") << "jpeg.png" << QByteArray("jpeg") << true;
    QTest::newRow("jpeg named gif") << "jpeg.gif" << QByteArray("jpeg") << false;
}

void TestBoundedImageReader::fileFormatIsFoundByContent()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QFETCH(bool, readWhole);

    QImage picture(800, 600, QImage::Format_RGB32);
    picture.fill(qRgb(30, 160, 220));
    QVERIFY(writePicture(name, picture, format.constData()));
    BoundedImageReader reader(path(name));
    reader.setReadWholeJpeg(readWhole);
    QVERIFY(reader.measure());
    QCOMPARE(reader.sourceSize(), QSize(800, 600));
    const QImage thumbnail = reader.readFitting(QSize(100, 100));
    QCOMPARE(thumbnail.size(), QSize(100, 75));
    QVERIFY(qAbs(QColor(thumbnail.pixel(50, 40)).blue() - 220) < 8);
}

void TestBoundedImageReader::cameraRawIsDevelopedAtHalfSize()
{
    // A 12 megapixel RAW costs some 24 bytes a pixel developed at its size, too much; at
    // half its size, enough for any thumbnail, a third of that.
    QVERIFY(TestPictures::writeDng(path(QStringLiteral("camera.dng")), 4000, 3000));
    const qint64 peakBefore = peakResidentBytes();
    BoundedImageReader reader(path(QStringLiteral("camera.dng")));
    QVERIFY(reader.measure());
    QCOMPARE(reader.sourceSize(), QSize(4000, 3000));
    QVERIFY(reader.decodeBytes(QSize(4000, 3000)) > MaxDecodedImageBytes);
    QVERIFY(reader.decodeBytes(QSize(256, 192)) < MaxDecodedImageBytes / 2);
    QCOMPARE(reader.readFitting(QSize(256, 256)).size(), QSize(256, 192));
    QVERIFY2(peakResidentBytes() - peakBefore < MaxDecodedImageBytes / 2 + 64 * 1024 * 1024,
             qPrintable(QStringLiteral("%1 MB more at the peak").arg((peakResidentBytes() - peakBefore) >> 20)));
}

VORENDA_TEST_MAIN(TestBoundedImageReader)
#include "tst_boundedimagereader.moc"
