#include "TestEnvironment.h"

#include "MediaGenerator.h"
#include "MediaHelperRun.h"
#include "SmallFilesystem.h"

#include <QImageReader>

#include <functional>

#include <sched.h>
#include <sys/stat.h>

using namespace MediaHelperRun;

// The video helper on videos written by the test: the facts in its lines, the frame
// it picks, the film strip it draws, and the files it refuses without losing the next.
class TestTulmar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void makesFilmStrips_data();
    void makesFilmStrips();
    void tinyPicturesAreScaledInBounds_data();
    void tinyPicturesAreScaledInBounds();
    void oneKeyFrameAtTheStartIsFound_data();
    void oneKeyFrameAtTheStartIsFound();
    void badFilesCostOnlyThemselves();
    void batchKeepsItsOrder_data();
    void batchKeepsItsOrder();
    void largePicturesAreBounded_data();
    void largePicturesAreBounded();
    void thumbnailStaysInItsFolder();
    void fullDiskIsSaid();
    void exitCodes_data();
    void exitCodes();

private:
    QString media(const QString& name) const { return videos.filePath(name); }
    QString outputFolder() const { return work->filePath(QStringLiteral("Cache")); }
    Result runItems(const QList<Item>& items, const QString& docType = QStringLiteral("Tulmar-Data"),
                    Memory memory = Memory::Unmeasured) const
    {
        return runJob(QStringLiteral("tulmar"), work->filePath(QStringLiteral("tulmar-job.dat")),
                      job(docType, outputFolder(), items), memory);
    }
    void writeVideo(const QString& name, const MediaGenerator::VideoSpec& spec);

    QTemporaryDir videos;
    QScopedPointer<QTemporaryDir> work;
};

void TestTulmar::writeVideo(const QString& name, const MediaGenerator::VideoSpec& spec)
{
    QString error;
    QVERIFY2(MediaGenerator::writeVideo(media(name), spec, &error), qPrintable(error));
}

void TestTulmar::initTestCase()
{
    QVERIFY(videos.isValid());
    MediaGenerator::VideoSpec spec;
    // Half a second of black, and one key frame only: the picture comes from after it.
    spec.blackSeconds = 0.5;
    writeVideo(QStringLiteral("lead-in.mp4"), spec);
    // The same lead-in with a key frame every two seconds.
    spec.seconds = 10;
    spec.keyframeInterval = 50;
    writeVideo(QStringLiteral("late-keys.mp4"), spec);
    // Twenty seconds, a key frame every 0.2 s, another colour each second, sound.
    spec = MediaGenerator::VideoSpec();
    spec.size = QSize(320, 180);
    spec.seconds = 20;
    spec.keyframeInterval = 5;
    spec.withSound = true;
    writeVideo(QStringLiteral("colours.mkv"), spec);
    spec = MediaGenerator::VideoSpec();
    spec.size = QSize(180, 320);
    writeVideo(QStringLiteral("portrait.avi"), spec);
    spec.size = QSize(160, 120);
    writeVideo(QStringLiteral("small.mp4"), spec);
}

void TestTulmar::init()
{
    work.reset(new QTemporaryDir);
    QVERIFY(work->isValid());
}

void TestTulmar::makesFilmStrips_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("thumbTime");
    QTest::addColumn<int>("border");
    QTest::addColumn<int>("alpha");
    QTest::addColumn<QList<int>>("facts"); // length, width, height, sound, frame rate
    QTest::addColumn<QSize>("thumbnail");
    QTest::addColumn<int>("second"); // whose colour the picture shows; -1: any but black

    // 4:3 into the box beside two bands of 30 and two lines of 2: 256 x 192 + 64.
    QTest::newRow("black lead-in passed over") << "lead-in.mp4" << 0 << 30 << 255 << QList<int>{3, 320, 240, 0, 25}
                                               << QSize(256, 256) << 0;
    QTest::newRow("black key frame, later picture") << "late-keys.mp4" << 0 << 30 << 255
                                                    << QList<int>{10, 320, 240, 0, 25} << QSize(256, 256) << -1;
    // A tenth of 20 s: the key frame at 2 s.
    QTest::newRow("about a tenth in, with sound") << "colours.mkv" << 0 << 30 << 255
                                                  << QList<int>{20, 320, 180, 1, 25} << QSize(256, 208) << 2;
    QTest::newRow("the job's time") << "colours.mkv" << 5 << 30 << 255 << QList<int>{20, 320, 180, 1, 25}
                                    << QSize(256, 208) << 5;
    // Bands left and right; the picture fits the height.
    QTest::newRow("portrait, vertical strip") << "portrait.avi" << 0 << 30 << 255
                                              << QList<int>{3, 180, 320, 0, 25} << QSize(208, 256) << 0;
    QTest::newRow("small video not enlarged") << "small.mp4" << 0 << 30 << 255 << QList<int>{3, 160, 120, 0, 25}
                                              << QSize(160, 184) << 0;
    QTest::newRow("no bands, half opaque") << "colours.mkv" << 0 << 0 << 128 << QList<int>{20, 320, 180, 1, 25}
                                           << QSize(256, 144) << 2;
}

void TestTulmar::makesFilmStrips()
{
    QFETCH(QString, file);
    QFETCH(int, thumbTime);
    QFETCH(int, border);
    QFETCH(int, alpha);
    QFETCH(QList<int>, facts);
    QFETCH(QSize, thumbnail);
    QFETCH(int, second);

    Item item(media(file), QStringLiteral("k"));
    item.thumbTime = thumbTime;
    item.borderSize = border;
    item.alpha = alpha;
    const Result result = runItems({item});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.lines.size(), 1);
    QVERIFY(result.lines.first().startsWith(QStringLiteral("(k)")));
    QList<int> numbers = numbersOf(result.lines.first());
    QCOMPARE(numbers.size(), 6);
    // The bit rate is the whole file's, in kbit/s.
    const int bitrate = numbers.takeAt(4);
    const double fileRate = QFileInfo(media(file)).size() * 8.0 / facts.first() / 1000;
    QVERIFY2(bitrate > fileRate * 0.8 && bitrate < fileRate * 1.2,
             qPrintable(QStringLiteral("%1 against %2").arg(bitrate).arg(fileRate)));
    QCOMPARE(numbers, facts);

    QImageReader reader(outputFolder() + QStringLiteral("/k."));
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), thumbnail);
    const QColor centre = image.pixelColor(image.width() / 2, image.height() / 2);
    if (second < 0)
        QVERIFY2(qMax(centre.red(), qMax(centre.green(), centre.blue())) > 100, qPrintable(centre.name()));
    else
        QVERIFY2(near(centre, MediaGenerator::colourOfSecond(second)), qPrintable(centre.name()));
    QCOMPARE(centre.alpha(), alpha);
    if (border == 0)
        return;

    // The strip: a band of the border colour with holes through it, then a line of the
    // back colour, then the picture.
    const bool landscape = facts.at(1) >= facts.at(2);
    auto at = [&](int along, int across) {
        return landscape ? image.pixelColor(along, across) : image.pixelColor(across, along);
    };
    const int length = landscape ? image.width() : image.height();
    QCOMPARE(at(length / 2, 1), QColor(0, 0, 0, 230));
    QCOMPARE(at(length / 2, 31), QColor(0, 0, 0, 255));
    int holes = 0;
    for (int along = 1; along < length; ++along)
        if (at(along, 15).alpha() == 0 && at(along - 1, 15).alpha() != 0)
            ++holes;
    QCOMPARE(holes, length / 18);
    // The same on the far side.
    QCOMPARE(at(length / 2, (landscape ? image.height() : image.width()) - 2), QColor(0, 0, 0, 230));
}

void TestTulmar::tinyPicturesAreScaledInBounds_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("codec");
    // Rows narrower than the scaler's vector blocks, and a width that is no multiple of them.
    QTest::newRow("2 x 2") << QSize(2, 2) << "libx264";
    QTest::newRow("6 x 6") << QSize(6, 6) << "libx264";
    QTest::newRow("12 x 12, MPEG-4") << QSize(12, 12) << "mpeg4";
    QTest::newRow("250 x 180") << QSize(250, 180) << "libx264";
}

void TestTulmar::tinyPicturesAreScaledInBounds()
{
    QFETCH(QSize, size);
    QFETCH(QString, codec);
    MediaGenerator::VideoSpec spec;
    spec.codec = codec;
    spec.size = size;
    spec.seconds = 1;
    writeVideo(QStringLiteral("tiny.mp4"), spec);

    // The helper's heap is checked (see MediaHelperRun): a write past the picture's
    // buffer ends the job process, and the video has no line.
    const Result result = runItems({Item(media(QStringLiteral("tiny.mp4")), QStringLiteral("k"))});
    QVERIFY2(result.errors.isEmpty(), qPrintable(result.errors.join(QLatin1Char('\n'))));
    QCOMPARE(result.lines.size(), 1);
    QVERIFY2(result.lines.first().startsWith(QStringLiteral("(k)(1)(%1)(%2)(0)").arg(size.width()).arg(size.height())),
             qPrintable(result.lines.first()));
    const QImage image(outputFolder() + QStringLiteral("/k."));
    QCOMPARE(image.size(), QSize(size.width(), size.height() + 64));
    // The picture's colour, or the white square moving over it.
    const QColor picture = image.pixelColor(0, 32);
    QVERIFY2(qMax(picture.red(), qMax(picture.green(), picture.blue())) > 150, qPrintable(picture.name()));
}

void TestTulmar::oneKeyFrameAtTheStartIsFound_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("codec");
    // Ten seconds with the encoder's default distance of 250 frames between key frames:
    // the only key frame is the first, before the place a tenth in. Containers without
    // an index seek by time stamps or bytes and land after it.
    QTest::newRow("H.264 in MPEG-TS") << "one-key.ts" << "libx264";
    QTest::newRow("raw H.264") << "one-key.h264" << "libx264";
    QTest::newRow("MPEG-2 program stream") << "one-key.mpg" << "mpeg2video";
    QTest::newRow("H.264 in Matroska") << "one-key.mkv" << "libx264";
}

void TestTulmar::oneKeyFrameAtTheStartIsFound()
{
    QFETCH(QString, file);
    QFETCH(QString, codec);
    MediaGenerator::VideoSpec spec;
    spec.codec = codec;
    spec.seconds = 10;
    writeVideo(file, spec);

    const Result result = runItems({Item(media(file), QStringLiteral("k"))});
    QVERIFY2(result.errors.isEmpty(), qPrintable(result.errors.join(QLatin1Char('\n'))));
    QCOMPARE(result.lines.size(), 1);
    QVERIFY2(result.lines.first().startsWith(QStringLiteral("(k)(")), qPrintable(result.lines.first()));
    const QList<int> numbers = numbersOf(result.lines.first());
    QCOMPARE(numbers.mid(1, 2), (QList<int>{320, 240}));
    // The picture of the key frame: the first second's colour.
    const QImage image(outputFolder() + QStringLiteral("/k."));
    QCOMPARE(image.size(), QSize(256, 256));
    QVERIFY2(near(image.pixelColor(128, 128), MediaGenerator::colourOfSecond(0)),
             qPrintable(image.pixelColor(128, 128).name()));
}

void TestTulmar::badFilesCostOnlyThemselves()
{
    QFile text(media(QStringLiteral("x.mp4")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("This is a text file, not a video.\n");
    text.close();
    // The index of an MP4 comes last: half a file has none. A Matroska file cut just
    // after its first cluster began has its header, but not one whole picture.
    auto cutCopy = [this](const QString& source, const std::function<qint64(const QByteArray&)>& length) {
        QFile file(media(source));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QFile cut(media(QStringLiteral("cut-") + source));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(bytes.left(length(bytes)));
    };
    cutCopy(QStringLiteral("lead-in.mp4"), [](const QByteArray& bytes) { return bytes.size() / 2; });
    cutCopy(QStringLiteral("colours.mkv"), [](const QByteArray& bytes) {
        const int cluster = bytes.indexOf(QByteArray::fromHex("1f43b675"));
        return cluster < 0 ? 0 : cluster + 64;
    });
    QCOMPARE(::mkfifo(QFile::encodeName(media(QStringLiteral("fifo.mkv"))).constData(), 0600), 0);
    QVERIFY(QDir(videos.path()).mkdir(QStringLiteral("folder.mp4")));
    MediaGenerator::SoundSpec sound;
    sound.codec = QStringLiteral("aac");
    QString error;
    QVERIFY2(MediaGenerator::writeSound(media(QStringLiteral("sound.m4a")), sound, &error), qPrintable(error));

    const QStringList bad{QStringLiteral("x.mp4"),           QStringLiteral("cut-lead-in.mp4"),
                          QStringLiteral("cut-colours.mkv"), QStringLiteral("fifo.mkv"),
                          QStringLiteral("folder.mp4"),      QStringLiteral("missing.mp4"),
                          QStringLiteral("sound.m4a")};
    QList<Item> items;
    for (const QString& name : bad)
        items << Item(media(name), name);
    items << Item(media(QStringLiteral("small.mp4")), QStringLiteral("good"));
    const Result result = runItems(items);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.lines.size(), 1);
    QVERIFY(result.lines.first().startsWith(QStringLiteral("(good)(3)(160)(120)")));
    QCOMPARE(QDir(outputFolder()).entryList(QDir::Files), QStringList{QStringLiteral("good.")});
    // One line on standard error for each file that made nothing.
    QCOMPARE(result.errors.size(), bad.size());
    for (int i = 0; i < bad.size(); ++i)
        QVERIFY2(result.errors.at(i).startsWith(QStringLiteral("skipped ") + media(bad.at(i)) + QStringLiteral(": ")),
                 qPrintable(result.errors.at(i)));
    QVERIFY(result.errors.at(0).endsWith(QStringLiteral("not a media file")));
    QVERIFY(result.errors.at(2).endsWith(QStringLiteral("no picture could be decoded")));
    QVERIFY(result.errors.at(3).endsWith(QStringLiteral("not a regular file")));
}

void TestTulmar::batchKeepsItsOrder_data()
{
    QTest::addColumn<bool>("oneCore");
    QTest::newRow("one core") << true;
    QTest::newRow("every usable core") << false;
}

void TestTulmar::batchKeepsItsOrder()
{
    QFETCH(bool, oneCore);
    // Long and short videos mixed, two missing ones among them: the files are made side
    // by side, and still every line and message comes in the order of the job.
    const QStringList files{QStringLiteral("colours.mkv"),   QStringLiteral("small.mp4"),
                            QStringLiteral("late-keys.mp4"), QStringLiteral("missing-1.mp4"),
                            QStringLiteral("portrait.avi"),  QStringLiteral("lead-in.mp4"),
                            QStringLiteral("small.mp4"),     QStringLiteral("colours.mkv"),
                            QStringLiteral("missing-2.mkv"), QStringLiteral("late-keys.mp4")};
    QList<Item> items;
    QStringList keys;
    QStringList missing;
    for (int i = 0; i < files.size(); ++i) {
        items << Item(media(files.at(i)), QStringLiteral("v%1").arg(i));
        if (files.at(i).startsWith(QStringLiteral("missing")))
            missing << QStringLiteral("skipped ") + media(files.at(i)) + QStringLiteral(": ");
        else
            keys << QStringLiteral("(v%1)").arg(i);
    }

    // The helper inherits this thread's cores: under one, it makes one file at a time.
    cpu_set_t all;
    QCOMPARE(::sched_getaffinity(0, sizeof all, &all), 0);
    if (oneCore) {
        cpu_set_t first;
        CPU_ZERO(&first);
        for (int core = 0; core < CPU_SETSIZE; ++core) {
            if (CPU_ISSET(core, &all)) {
                CPU_SET(core, &first);
                break;
            }
        }
        QCOMPARE(::sched_setaffinity(0, sizeof first, &first), 0);
    }
    const Result result = runItems(items);
    QCOMPARE(::sched_setaffinity(0, sizeof all, &all), 0);

    QCOMPARE(result.exitCode, 0);
    QStringList lineKeys;
    for (const QString& line : result.lines)
        lineKeys << line.left(line.indexOf(QLatin1Char(')')) + 1);
    QCOMPARE(lineKeys, keys);
    QCOMPARE(result.errors.size(), missing.size());
    for (int i = 0; i < missing.size(); ++i)
        QVERIFY2(result.errors.at(i).startsWith(missing.at(i)), qPrintable(result.errors.at(i)));
    QCOMPARE(QDir(outputFolder()).entryList(QDir::Files).size(), keys.size());
}

void TestTulmar::largePicturesAreBounded_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("thumbnailed");

    // One black PNG frame that deflates a thousandfold: 768 MB to decode from 0.8 MB.
    // Refused before any decoding; the video's facts stay.
    QTest::newRow("16000 x 16000 PNG frame") << "png-frame.mov" << false;
    // Motion JPEG, however large, is decoded at an eighth: 1500 x 1500.
    QTest::newRow("12000 x 12000 Motion JPEG") << "mjpeg.avi" << true;
}

void TestTulmar::largePicturesAreBounded()
{
    QFETCH(QString, file);
    QFETCH(bool, thumbnailed);

    const bool png = file.endsWith(QStringLiteral(".mov"));
    const QSize size = png ? QSize(16000, 16000) : QSize(12000, 12000);
    const QByteArray picture = png ? MediaGenerator::blackPng(size, false) : MediaGenerator::greyJpeg(size);
    QVERIFY(!picture.isEmpty());
    QString error;
    QVERIFY2(MediaGenerator::writeStillVideo(media(file), png ? "png" : "jpeg", size, picture, 3, &error),
             qPrintable(error));

    // A thumbnail of an earlier file of that name does not stand for a refused picture.
    QVERIFY(QDir().mkpath(outputFolder()));
    QFile old(outputFolder() + QStringLiteral("/k."));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an earlier picture");
    old.close();
    const Result result = runItems({Item(media(file), QStringLiteral("k"))}, QStringLiteral("Tulmar-Data"),
                                   Memory::Measured);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.lines.size(), 1);
    QVERIFY2(result.lines.first().startsWith(QStringLiteral("(k)(3)(%1)(%2)(0)(").arg(size.width()).arg(size.height())),
             qPrintable(result.lines.first()));
    QVERIFY2(result.lines.first().endsWith(QStringLiteral(")(1)")), qPrintable(result.lines.first()));
    const QImage image(outputFolder() + QStringLiteral("/k."));
    if (thumbnailed) {
        QCOMPARE(result.errors, QStringList());
        QCOMPARE(image.size(), QSize(192, 256));
        // The frame decodes as flat mid grey.
        QVERIFY2(near(image.pixelColor(96, 128), QColor(128, 128, 128), 8),
                 qPrintable(image.pixelColor(96, 128).name()));
    } else {
        QCOMPARE(result.errors.size(), 1);
        QVERIFY2(result.errors.first().startsWith(QStringLiteral("skipped ") + media(file) + QStringLiteral(" (picture): ")),
                 qPrintable(result.errors.first()));
        QVERIFY(!QFile::exists(old.fileName()));
    }
    // Far below what decoding the whole picture would take, on any machine.
    QVERIFY2(result.peakBytes > 0 && result.peakBytes < BOUNDED_PEAK_BYTES,
             qPrintable(QStringLiteral("%1 MB").arg(result.peakBytes >> 20)));
}

void TestTulmar::thumbnailStaysInItsFolder()
{
    QVERIFY(QDir().mkpath(outputFolder()));
    QFile precious(work->filePath(QStringLiteral("notes.txt")));
    QVERIFY(precious.open(QIODevice::WriteOnly));
    precious.write("the user's own words");
    precious.close();
    QVERIFY(QFile::link(precious.fileName(), outputFolder() + QStringLiteral("/k.")));

    Item escape(media(QStringLiteral("small.mp4")), QStringLiteral("escape"));
    escape.thumbName = QStringLiteral("../escape.");
    Item nested(media(QStringLiteral("small.mp4")), QStringLiteral("nested"));
    nested.thumbName = QStringLiteral("sub/nested.");
    const Result result = runItems({escape, nested, Item(media(QStringLiteral("small.mp4")), QStringLiteral("k"))});
    QCOMPARE(result.lines.size(), 1);
    QVERIFY(result.lines.first().startsWith(QStringLiteral("(k)")));
    QVERIFY(!QFile::exists(work->filePath(QStringLiteral("escape."))));
    // The link is replaced by the thumbnail; what it pointed at stays as it was.
    QVERIFY(!QFileInfo(outputFolder() + QStringLiteral("/k.")).isSymLink());
    QCOMPARE(QImage(outputFolder() + QStringLiteral("/k.")).size(), QSize(160, 184));
    QVERIFY(precious.open(QIODevice::ReadOnly));
    QCOMPARE(precious.readAll(), QByteArray("the user's own words"));
}

void TestTulmar::fullDiskIsSaid()
{
    // Grain and shapes: the film strip takes far more than the 16 KB the disk holds.
    MediaGenerator::VideoSpec spec;
    spec.detailed = true;
    spec.seconds = 1;
    writeVideo(QStringLiteral("detailed.mkv"), spec);
    QVERIFY(QDir().mkpath(outputFolder()));
    if (!SmallFilesystem::mount(outputFolder(), 16 * 1024))
        QSKIP(qPrintable(QStringLiteral("no small filesystem: ") + SmallFilesystem::why()));

    const Result result = runItems({Item(media(QStringLiteral("detailed.mkv")), QStringLiteral("k"))});
    const QStringList left = QDir(outputFolder()).entryList(QDir::Files | QDir::Hidden);
    SmallFilesystem::unmount(outputFolder());
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.lines, QStringList());
    // One line that says what happened; no message of the image writer's own.
    QCOMPARE(result.errors, QStringList{QStringLiteral("skipped %1: No space left on device")
                                            .arg(media(QStringLiteral("detailed.mkv")))});
    QCOMPARE(left, QStringList());
}

void TestTulmar::exitCodes_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("no argument") << "none" << 0;
    QTest::newRow("missing job file") << "missing" << 255;
    QTest::newRow("job of the audio helper") << "Sarnek-Data" << 255;
    QTest::newRow("no items") << "empty" << 255;
    QTest::newRow("nothing made") << "nothing" << 0;
}

void TestTulmar::exitCodes()
{
    QFETCH(QString, setup);
    QFETCH(int, exitCode);
    Result result;
    if (setup == QStringLiteral("none"))
        result = run(QStringLiteral("tulmar"), {});
    else if (setup == QStringLiteral("missing"))
        result = run(QStringLiteral("tulmar"), {work->filePath(QStringLiteral("no-such-job.dat"))});
    else if (setup == QStringLiteral("empty"))
        result = runItems({});
    else if (setup == QStringLiteral("nothing"))
        result = runItems({Item(media(QStringLiteral("absent.mp4")), QStringLiteral("k"))});
    else
        result = runItems({Item(media(QStringLiteral("small.mp4")), QStringLiteral("k"))}, setup);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.lines, QStringList());
}

VORENDA_SMALL_FILESYSTEM_TEST_MAIN(TestTulmar)
#include "tst_tulmar.moc"
