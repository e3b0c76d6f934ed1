#include "TestEnvironment.h"

#include "MediaGenerator.h"
#include "MediaHelperRun.h"
#include "TestPictures.h"

#include <QImageReader>

#include <sys/stat.h>

using namespace MediaHelperRun;

// The audio helper on recordings written by the test: the facts in its lines, the
// cover picture as the thumbnail, and the files it refuses without losing the next.
class TestSarnek : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void readsRecordings_data();
    void readsRecordings();
    void badFilesCostOnlyThemselves();
    void oversizedCoverIsRefused();
    void largeCoversAreBounded_data();
    void largeCoversAreBounded();

private:
    QString media(const QString& name) const { return recordings.filePath(name); }
    QString outputFolder() const { return work->filePath(QStringLiteral("Cache")); }
    Result runItems(const QList<Item>& items, Memory memory = Memory::Unmeasured) const
    {
        return runJob(QStringLiteral("sarnek"), work->filePath(QStringLiteral("sarnek-job.dat")),
                      job(QStringLiteral("Sarnek-Data"), outputFolder(), items), memory);
    }
    void writeSound(const QString& name, const MediaGenerator::SoundSpec& spec);

    QTemporaryDir recordings;
    QScopedPointer<QTemporaryDir> work;
};

namespace {

QImage cover(const QSize& size, const QColor& colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

void TestSarnek::writeSound(const QString& name, const MediaGenerator::SoundSpec& spec)
{
    QString error;
    QVERIFY2(MediaGenerator::writeSound(media(name), spec, &error), qPrintable(error));
}

void TestSarnek::initTestCase()
{
    QVERIFY(recordings.isValid());
    MediaGenerator::SoundSpec spec;
    spec.cover = cover(QSize(300, 300), QColor(200, 50, 120));
    writeSound(QStringLiteral("tone.flac"), spec);
    spec = MediaGenerator::SoundSpec();
    spec.codec = QStringLiteral("libmp3lame");
    spec.sampleRate = 48000;
    spec.bitrate = 128000;
    spec.cover = cover(QSize(200, 120), QColor(40, 160, 90));
    spec.coverFormat = "jpeg";
    writeSound(QStringLiteral("tone.mp3"), spec);
    // Covers narrower than the scaler's vector blocks.
    spec.cover = cover(QSize(6, 6), QColor(230, 120, 20));
    writeSound(QStringLiteral("tiny-cover.mp3"), spec);
    spec.codec = QStringLiteral("flac");
    spec.sampleRate = 44100;
    spec.bitrate = 0;
    spec.cover = cover(QSize(10, 10), QColor(30, 90, 210));
    spec.coverFormat = "png";
    writeSound(QStringLiteral("tiny-cover.flac"), spec);
    spec = MediaGenerator::SoundSpec();
    spec.codec = QStringLiteral("pcm_s16le");
    spec.sampleRate = 22050;
    spec.channels = 1;
    spec.seconds = 2;
    writeSound(QStringLiteral("tone.wav"), spec);
}

void TestSarnek::init()
{
    work.reset(new QTemporaryDir);
    QVERIFY(work->isValid());
}

void TestSarnek::readsRecordings_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<int>>("facts"); // length, channels, sample rate, bit depth
    QTest::addColumn<int>("bitrate"); // 0: checked against the file's size
    QTest::addColumn<QSize>("thumbnail"); // empty: none
    QTest::addColumn<QColor>("colour");

    // The cover fitted into the box, never enlarged.
    QTest::newRow("FLAC, PNG cover") << "tone.flac" << QList<int>{3, 2, 44100, 16} << 0 << QSize(256, 256)
                                     << QColor(200, 50, 120);
    // A lossy recording has no bit depth.
    QTest::newRow("MP3, JPEG cover") << "tone.mp3" << QList<int>{3, 2, 48000, 0} << 128 << QSize(200, 120)
                                     << QColor(40, 160, 90);
    // Scaled into the library's own padded frame: its writes past the rows of so small
    // a picture would corrupt the heap (checked, see MediaHelperRun).
    QTest::newRow("MP3, 6 x 6 JPEG cover") << "tiny-cover.mp3" << QList<int>{3, 2, 48000, 0} << 128 << QSize(6, 6)
                                           << QColor(230, 120, 20);
    QTest::newRow("FLAC, 10 x 10 PNG cover") << "tiny-cover.flac" << QList<int>{3, 2, 44100, 16} << 0
                                             << QSize(10, 10) << QColor(30, 90, 210);
    // 22050 samples of 16 bits a second: 352.8 kbit/s.
    QTest::newRow("WAV, no cover") << "tone.wav" << QList<int>{2, 1, 22050, 16} << 353 << QSize() << QColor();
}

void TestSarnek::readsRecordings()
{
    QFETCH(QString, file);
    QFETCH(QList<int>, facts);
    QFETCH(int, bitrate);
    QFETCH(QSize, thumbnail);
    QFETCH(QColor, colour);

    // A thumbnail of a cover the file no longer has goes.
    QVERIFY(QDir().mkpath(outputFolder()));
    QFile old(outputFolder() + QStringLiteral("/k."));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an earlier cover");
    old.close();

    const Result result = runItems({Item(media(file), QStringLiteral("k"))});
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.errors.isEmpty(), qPrintable(result.errors.join(QLatin1Char('\n'))));
    QCOMPARE(result.lines.size(), 1);
    QVERIFY(result.lines.first().startsWith(QStringLiteral("(k)")));
    QList<int> numbers = numbersOf(result.lines.first());
    QCOMPARE(numbers.size(), 5);
    const int reported = numbers.takeAt(1);
    if (bitrate) {
        QCOMPARE(reported, bitrate);
    } else {
        const double fileRate = QFileInfo(media(file)).size() * 8.0 / facts.first() / 1000;
        QVERIFY2(reported > fileRate * 0.8 && reported < fileRate * 1.2,
                 qPrintable(QStringLiteral("%1 against %2").arg(reported).arg(fileRate)));
    }
    QCOMPARE(numbers, facts);

    if (thumbnail.isEmpty()) {
        QVERIFY(!QFile::exists(outputFolder() + QStringLiteral("/k.")));
        return;
    }
    QImageReader reader(outputFolder() + QStringLiteral("/k."));
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage image = reader.read();
    QCOMPARE(image.size(), thumbnail);
    QVERIFY2(near(image.pixelColor(image.width() / 2, image.height() / 2), colour, 12),
             qPrintable(image.pixelColor(image.width() / 2, image.height() / 2).name()));
}

void TestSarnek::badFilesCostOnlyThemselves()
{
    QFile text(media(QStringLiteral("x.mp3")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("This is a text file, not a recording.\n");
    text.close();
    // Cut inside the FLAC header.
    QVERIFY(QFile::copy(media(QStringLiteral("tone.flac")), media(QStringLiteral("cut.flac"))));
    QFile cut(media(QStringLiteral("cut.flac")));
    QVERIFY(cut.resize(20));
    QCOMPARE(::mkfifo(QFile::encodeName(media(QStringLiteral("fifo.ogg"))).constData(), 0600), 0);
    MediaGenerator::VideoSpec silent;
    QString error;
    QVERIFY2(MediaGenerator::writeVideo(media(QStringLiteral("silent.mp4")), silent, &error), qPrintable(error));

    const QStringList bad{QStringLiteral("x.mp3"), QStringLiteral("cut.flac"), QStringLiteral("fifo.ogg"),
                          QStringLiteral("missing.mp3"), QStringLiteral("silent.mp4")};
    QList<Item> items;
    for (const QString& name : bad)
        items << Item(media(name), name);
    items << Item(media(QStringLiteral("tone.wav")), QStringLiteral("good"));
    const Result result = runItems(items);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.lines.size(), 1);
    QVERIFY(result.lines.first().startsWith(QStringLiteral("(good)(2)(353)(1)(22050)(16)")));
    QCOMPARE(result.errors.size(), bad.size());
    for (int i = 0; i < bad.size(); ++i)
        QVERIFY2(result.errors.at(i).startsWith(QStringLiteral("skipped ") + media(bad.at(i)) + QStringLiteral(": ")),
                 qPrintable(result.errors.at(i)));
    QVERIFY(result.errors.at(0).endsWith(QStringLiteral("not a media file")));
    QVERIFY(result.errors.at(2).endsWith(QStringLiteral("not a regular file")));
    QVERIFY(result.errors.at(4).endsWith(QStringLiteral("no sound")));
}

void TestSarnek::oversizedCoverIsRefused()
{
    // A cover whose PNG header claims 20000 x 20000 pixels: 1.2 GB to decode. It is
    // refused on its header; the recording's facts still arrive.
    MediaGenerator::SoundSpec spec;
    spec.cover = cover(QSize(300, 300), Qt::red);
    spec.coverBytes = TestPictures::oversizedPng(20000, 20000);
    writeSound(QStringLiteral("huge-cover.flac"), spec);

    const Result result = runItems({Item(media(QStringLiteral("huge-cover.flac")), QStringLiteral("k"))});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.lines.size(), 1);
    QVERIFY(result.lines.first().startsWith(QStringLiteral("(k)(3)(")));
    QVERIFY(result.lines.first().endsWith(QStringLiteral(")(2)(44100)(16)")));
    QVERIFY(!QFile::exists(outputFolder() + QStringLiteral("/k.")));
    QCOMPARE(result.errors,
             QStringList{QStringLiteral("skipped ") + media(QStringLiteral("huge-cover.flac"))
                         + QStringLiteral(" (cover): not readable")});
}

void TestSarnek::largeCoversAreBounded_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("thumbnailed");

    // Black pictures that deflate a thousandfold: 768 MB and 2 GB to decode, from MP3
    // files of 0.8 and 2 MB. Refused before any decoding; the recording's facts stay.
    QTest::newRow("16000 x 16000 PNG") << "png" << false;
    QTest::newRow("16000 x 16000 PNG, 16-bit RGBA") << "png16" << false;
    // An ordinary JPEG, however large, is decoded at an eighth: 1500 x 1500.
    QTest::newRow("12000 x 12000 JPEG") << "jpeg" << true;
}

void TestSarnek::largeCoversAreBounded()
{
    QFETCH(QString, picture);
    QFETCH(bool, thumbnailed);

    MediaGenerator::SoundSpec spec;
    spec.codec = QStringLiteral("libmp3lame");
    spec.sampleRate = 48000;
    spec.bitrate = 128000;
    spec.cover = cover(QSize(300, 300), Qt::red); // stands for its size alone
    spec.coverFormat = picture == QStringLiteral("jpeg") ? "jpeg" : "png";
    spec.coverBytes = picture == QStringLiteral("jpeg")
        ? MediaGenerator::greyJpeg(QSize(12000, 12000))
        : MediaGenerator::blackPng(QSize(16000, 16000), picture == QStringLiteral("png16"));
    QVERIFY(!spec.coverBytes.isEmpty());
    writeSound(QStringLiteral("large-cover.mp3"), spec);

    // A thumbnail of an earlier file of that name does not stand for a refused picture.
    QVERIFY(QDir().mkpath(outputFolder()));
    QFile old(outputFolder() + QStringLiteral("/k."));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an earlier picture");
    old.close();
    const QString file = media(QStringLiteral("large-cover.mp3"));
    const Result result = runItems({Item(file, QStringLiteral("k"))}, Memory::Measured);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.lines, QStringList{QStringLiteral("(k)(3)(128)(2)(48000)(0)")});
    const QImage image(outputFolder() + QStringLiteral("/k."));
    if (thumbnailed) {
        QCOMPARE(result.errors, QStringList());
        QCOMPARE(image.size(), QSize(256, 256));
        // The frame decodes as flat mid grey.
        QVERIFY2(near(image.pixelColor(128, 128), QColor(128, 128, 128), 8),
                 qPrintable(image.pixelColor(128, 128).name()));
    } else {
        QCOMPARE(result.errors, QStringList{QStringLiteral("skipped ") + file + QStringLiteral(" (cover): not readable")});
        QVERIFY(!QFile::exists(old.fileName()));
    }
    // Far below what decoding the whole picture would take, on any machine.
    QVERIFY2(result.peakBytes > 0 && result.peakBytes < BOUNDED_PEAK_BYTES,
             qPrintable(QStringLiteral("%1 MB").arg(result.peakBytes >> 20)));
}

VORENDA_TEST_MAIN(TestSarnek)
#include "tst_sarnek.moc"
