#include "HostileImages.h"
#include "SmallFilesystem.h"
#include "TestEnvironment.h"
#include "TestPictures.h"

#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QXmlStreamWriter>

#include <climits>
#include <sched.h>
#include <sys/stat.h>

// The image helper run as the client runs it: a job file, one argument, lines on
// standard output, thumbnails in the output folder.
class TestDovalin : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void scalesAndFrames_data();
    void scalesAndFrames();
    void textInAPictureIsDrawn();
    void badItemsAreSkipped();
    void oversizedPictureIsRefused();
    void costlyJpegIsRefused_data();
    void costlyJpegIsRefused();
    void neverAlignedJpegKeepsToTheBound();
    void emptyKeyPrintsPath();
    void unsafeNamesAreRefused_data();
    void unsafeNamesAreRefused();
    void linkAtTheThumbnailIsReplacedItself();
    void replacesThumbnailWhole();
    void failedSaveIsSaid_data();
    void failedSaveIsSaid();
    void exitCodes_data();
    void exitCodes();
    void manyPicturesAtOnce();
    void decoderFaultCostsOnlyItsFastPath_data();
    void decoderFaultCostsOnlyItsFastPath();
    void turnedPhotosStandUpright_data();
    void turnedPhotosStandUpright();
    void everyPhotoFormatGetsAThumbnail_data();
    void everyPhotoFormatGetsAThumbnail();

private:
    struct Item
    {
        QString filePath;
        QString thumbName;
        QString key;
        int box = 256;
        int border = 8;
    };
    struct Run
    {
        int exitCode = -2;
        QStringList lines;
        QByteArray output;
        QString errors;
        // What a failed run said, so a rare failure on a busy machine can be read.
        QByteArray told() const
        {
            return QStringLiteral("exit code %1, errors: %2").arg(exitCode).arg(errors).toUtf8();
        }
    };

    static QStringList sorted(QStringList lines)
    {
        lines.sort();
        return lines;
    }
    QString path(const QString& name) const { return work->filePath(name); }
    QString outputFolder() const { return work->filePath(QStringLiteral("Cache")); }
    QByteArray job(const QList<Item>& items, const QString& docType = QStringLiteral("Dovalin-Data")) const;
    // `unset` names variables of the test environment the helper does not get, `set`
    // those it gets besides; `program` is the helper or a variant of it.
    Run run(const QStringList& arguments, const QStringList& unset = {}, const QStringList& set = {},
            const QString& program = QStringLiteral(VORENDA_BIN_DIR "/dovalin")) const;
    Run runJob(const QByteArray& job, const QStringList& unset = {}, const QStringList& set = {},
               const QString& program = QStringLiteral(VORENDA_BIN_DIR "/dovalin")) const;

    QScopedPointer<QTemporaryDir> work;
};

void TestDovalin::init()
{
    work.reset(new QTemporaryDir);
    QVERIFY(work->isValid());
}

QByteArray TestDovalin::job(const QList<Item>& items, const QString& docType) const
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.writeStartDocument();
    if (!docType.isEmpty())
        writer.writeDTD(QStringLiteral("<!DOCTYPE %1>").arg(docType));
    writer.writeStartElement(QStringLiteral("Root"));
    writer.writeStartElement(QStringLiteral("List"));
    writer.writeAttribute(QStringLiteral("outputPath"), outputFolder());
    for (const Item& item : items) {
        writer.writeEmptyElement(QStringLiteral("Item"));
        writer.writeAttribute(QStringLiteral("filePath"), item.filePath);
        writer.writeAttribute(QStringLiteral("thumbName"), item.thumbName);
        writer.writeAttribute(QStringLiteral("thumbFormat"), QStringLiteral("PNG"));
        writer.writeAttribute(QStringLiteral("key"), item.key);
        writer.writeAttribute(QStringLiteral("thumbWidth"), QString::number(item.box));
        writer.writeAttribute(QStringLiteral("thumbHeight"), QString::number(item.box));
        writer.writeAttribute(QStringLiteral("photoBorder"), QString::number(item.border));
    }
    writer.writeEndDocument();
    return xml;
}

TestDovalin::Run TestDovalin::run(const QStringList& arguments, const QStringList& unset, const QStringList& set,
                                  const QString& program) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const QString& name : unset)
        environment.remove(name);
    for (const QString& variable : set)
        environment.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.output = process.readAllStandardOutput();
    const QList<QByteArray> lines = result.output.split('\n');
    for (const QByteArray& line : lines)
        if (!line.isEmpty())
            result.lines << QString::fromUtf8(line);
    result.errors = QString::fromUtf8(process.readAllStandardError());
    return result;
}

TestDovalin::Run TestDovalin::runJob(const QByteArray& job, const QStringList& unset, const QStringList& set,
                                     const QString& program) const
{
    QFile file(path(QStringLiteral("dovalin-job.dat")));
    if (!file.open(QIODevice::WriteOnly) || file.write(job) != job.size())
        return Run();
    file.close();
    return run({file.fileName()}, unset, set, program);
}

void TestDovalin::scalesAndFrames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("source");
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("border");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QSize>("thumbnail");
    QTest::addColumn<bool>("framed");

    // 128 x 96 framed to 144 x 112, then scaled back into the box.
    QTest::newRow("4:3 photo framed") << "photo.jpg" << QSize(1600, 1200) << 128 << 8 << "(k)(1)(1600)(1200)"
                                      << QSize(128, 99) << true;
    QTest::newRow("screen shot") << "screen.png" << QSize(1366, 768) << 256 << 8 << "(k)(0)(1366)(768)"
                                 << QSize(256, 143) << false;
    QTest::newRow("portrait photo") << "portrait.jpg" << QSize(1200, 1600) << 256 << 8 << "(k)(1)(1200)(1600)"
                                    << QSize(195, 256) << true;
    QTest::newRow("16:10 photo, no border") << "wide.png" << QSize(800, 500) << 256 << 0 << "(k)(1)(800)(500)"
                                            << QSize(256, 160) << false;
    QTest::newRow("gif photo") << "anim.gif" << QSize(640, 480) << 256 << 8 << "(k)(1)(640)(480)"
                               << QSize(256, 195) << true;
    // Not scaled down; the frame grows to the box.
    QTest::newRow("small photo grows") << "small.png" << QSize(200, 150) << 256 << 8 << "(k)(1)(200)(150)"
                                       << QSize(256, 196) << true;
    QTest::newRow("small picture stays") << "icon.png" << QSize(100, 60) << 256 << 8 << "(k)(0)(100)(60)"
                                         << QSize(100, 60) << false;
    QTest::newRow("upper-case suffix") << "SHOUT.JPG" << QSize(1000, 500) << 256 << 8 << "(k)(0)(1000)(500)"
                                       << QSize(256, 128) << false;
    QTest::newRow("svg") << "drawing.svg" << QSize(400, 300) << 256 << 8 << "(k)(1)(400)(300)"
                         << QSize(256, 195) << true;
    // Scaled to fit, a side would be less than a pixel: it keeps one.
    QTest::newRow("banner") << "banner.png" << QSize(5000, 10) << 256 << 8 << "(k)(0)(5000)(10)" << QSize(256, 1)
                            << false;
    QTest::newRow("thread, JPEG") << "thread.jpg" << QSize(8, 4000) << 256 << 8 << "(k)(0)(8)(4000)" << QSize(1, 256)
                                  << false;
    // Numbers of the job file are bounded before use: a frame of 256 at most, a box
    // of 2048 at most.
    QTest::newRow("frame of the largest int") << "framed.jpg" << QSize(1600, 1200) << 128 << INT_MAX
                                              << "(k)(1)(1600)(1200)" << QSize(128, 121) << true;
    QTest::newRow("frame of 11000") << "framed.png" << QSize(1600, 1200) << 128 << 11000 << "(k)(1)(1600)(1200)"
                                    << QSize(128, 121) << true;
    QTest::newRow("box of the largest int") << "wide.jpg" << QSize(3000, 1000) << INT_MAX << 8
                                            << "(k)(0)(3000)(1000)" << QSize(2048, 682) << false;
}

void TestDovalin::scalesAndFrames()
{
    QFETCH(QString, name);
    QFETCH(QSize, source);
    QFETCH(int, box);
    QFETCH(int, border);
    QFETCH(QString, line);
    QFETCH(QSize, thumbnail);
    QFETCH(bool, framed);

    if (name.endsWith(QStringLiteral(".svg"))) {
        QFile svg(path(name));
        QVERIFY(svg.open(QIODevice::WriteOnly));
        svg.write(QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='%2'>"
                                 "<rect width='%1' height='%2' fill='#203060'/></svg>")
                      .arg(source.width())
                      .arg(source.height())
                      .toUtf8());
    } else {
        QVERIFY(TestPictures::write(path(name), source.width(), source.height()));
    }

    const Run result = runJob(job({{path(name), QStringLiteral("k."), QStringLiteral("k"), box, border}}));
    QVERIFY2(result.exitCode == 0, result.told().constData());
    QCOMPARE(result.lines, QStringList{line});

    QImageReader reader(outputFolder() + QStringLiteral("/k."));
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage image = reader.read();
    QCOMPARE(image.size(), thumbnail);
    const QColor corner = image.pixelColor(0, 0);
    const QColor centre = image.pixelColor(image.width() / 2, image.height() / 2);
    QCOMPARE(corner == QColor(Qt::white), framed);
    QVERIFY(centre != QColor(Qt::white));
}

void TestDovalin::textInAPictureIsDrawn()
{
    // The helper picks its own platform; the system's fonts must still be there for a
    // drawing with text (not only the fonts the test environment points Qt at). Without
    // them every letter comes out as a black box.
    QFile svg(path(QStringLiteral("note.svg")));
    QVERIFY(svg.open(QIODevice::WriteOnly));
    svg.write("<svg xmlns='http://www.w3.org/2000/svg' width='300' height='100'>"
              "<rect width='300' height='100' fill='white'/>"
              "<text x='10' y='75' font-family='DejaVu Sans' font-size='64' fill='black'>Note</text></svg>");
    svg.close();

    const Run result = runJob(job({{path(QStringLiteral("note.svg")), QStringLiteral("n."), QStringLiteral("n")}}),
                              {QStringLiteral("QT_QPA_FONTDIR")});
    QCOMPARE(result.lines, QStringList{QStringLiteral("(n)(0)(300)(100)")});
    const QImage image(outputFolder() + QStringLiteral("/n."));
    QCOMPARE(image.size(), QSize(256, 85));
    QImageReader reader(svg.fileName());
    reader.setScaledSize(image.size());
    const QImage drawnHere = reader.read();
    QCOMPARE(drawnHere.size(), image.size());
    int differing = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            differing += qAbs(qGray(image.pixel(x, y)) - qGray(drawnHere.pixel(x, y))) > 64 ? 1 : 0;
    QVERIFY2(differing < image.width() * image.height() / 50, qPrintable(QString::number(differing)));
}

void TestDovalin::badItemsAreSkipped()
{
    QFile text(path(QStringLiteral("x.png")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a picture at all\n");
    text.close();
    // Opening a FIFO for reading would wait for a writer forever.
    QCOMPARE(::mkfifo(QFile::encodeName(path(QStringLiteral("x.jpg"))).constData(), 0600), 0);
    QVERIFY(QDir().mkdir(path(QStringLiteral("folder.png"))));
    QVERIFY(TestPictures::write(path(QStringLiteral("good.jpg")), 320, 200));
    QFile notes(path(QStringLiteral("notes.txt")));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.close();

    const Run result =
        runJob(job({{path(QStringLiteral("x.png")), QStringLiteral("a."), QStringLiteral("a")},
                    {path(QStringLiteral("x.jpg")), QStringLiteral("b."), QStringLiteral("b")},
                    {path(QStringLiteral("folder.png")), QStringLiteral("c."), QStringLiteral("c")},
                    {path(QStringLiteral("missing.png")), QStringLiteral("d."), QStringLiteral("d")},
                    {path(QStringLiteral("notes.txt")), QStringLiteral("e."), QStringLiteral("e")},
                    {path(QStringLiteral("good.jpg")), QStringLiteral("f."), QStringLiteral("f")},
                    {path(QStringLiteral("good.jpg")), QStringLiteral(""), QStringLiteral("no thumbnail name")},
                    // A thumbnail name is a plain file name inside the output folder.
                    {path(QStringLiteral("good.jpg")), QStringLiteral("../escape."), QStringLiteral("h")},
                    {path(QStringLiteral("good.jpg")), QStringLiteral(".."), QStringLiteral("i")},
                    {QStringLiteral(""), QStringLiteral("g."), QStringLiteral("no file")}}));
    QVERIFY2(result.exitCode == 0, result.told().constData());
    QCOMPARE(result.lines, QStringList{QStringLiteral("(f)(1)(320)(200)")});
    QVERIFY(QFile::exists(outputFolder() + QStringLiteral("/f.")));
    QCOMPARE(QDir(outputFolder()).entryList(QDir::Files), QStringList{QStringLiteral("f.")});
    QVERIFY(!QFile::exists(path(QStringLiteral("escape."))));
    QVERIFY(result.errors.contains(QStringLiteral("not a regular file")));
}

void TestDovalin::oversizedPictureIsRefused()
{
    // A PNG whose header claims 20000 x 20000 pixels: 1.6 GB to decode. It is refused
    // on its header alone, and the next item is still made.
    QFile huge(path(QStringLiteral("huge.png")));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    huge.write(TestPictures::oversizedPng(20000, 20000));
    huge.close();
    QCOMPARE(QImageReader(huge.fileName()).size(), QSize(20000, 20000));
    QVERIFY(TestPictures::write(path(QStringLiteral("next.png")), 50, 40));

    const Run result = runJob(job({{path(QStringLiteral("huge.png")), QStringLiteral("h."), QStringLiteral("h")},
                                   {path(QStringLiteral("next.png")), QStringLiteral("n."), QStringLiteral("n")}}));
    QVERIFY2(result.exitCode == 0, result.told().constData());
    QCOMPARE(result.lines, QStringList{QStringLiteral("(n)(0)(50)(40)")});
    QVERIFY2(result.errors.contains(QStringLiteral("too much memory")), qPrintable(result.errors));
}

void TestDovalin::costlyJpegIsRefused_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("components");
    QTest::addColumn<int>("scans");
    QTest::addColumn<bool>("made");
    // A thumbnail of 256 asks the decoder for an eighth of the picture, but progressive
    // and multi-scan frames keep every coefficient of the whole picture: 7.2 GB for the
    // grey one of 60000, 5.4 GB for the colour one of 30000.
    QTest::newRow("progressive grey 60000") << 60000 << 1 << int(HostileImages::Progressive) << false;
    QTest::newRow("progressive colour 30000") << 30000 << 3 << int(HostileImages::Progressive) << false;
    QTest::newRow("progressive grey 12000") << 12000 << 1 << int(HostileImages::Progressive) << false;
    QTest::newRow("multi-scan colour 20000") << 20000 << 3 << int(HostileImages::MultiScan) << false;
    QTest::newRow("sequential colour 20000") << 20000 << 3 << int(HostileImages::Sequential) << true;
}

void TestDovalin::costlyJpegIsRefused()
{
    QFETCH(int, side);
    QFETCH(int, components);
    QFETCH(int, scans);
    QFETCH(bool, made);
    QVERIFY(HostileImages::write(path(QStringLiteral("costly.jpg")),
                                 HostileImages::jpeg(side, side, components, HostileImages::JpegScans(scans))));
    QVERIFY(TestPictures::write(path(QStringLiteral("next.png")), 50, 40));

    const Run result = runJob(job({{path(QStringLiteral("costly.jpg")), QStringLiteral("c."), QStringLiteral("c")},
                                   {path(QStringLiteral("next.png")), QStringLiteral("n."), QStringLiteral("n")}}));
    QVERIFY2(result.exitCode == 0, result.told().constData());
    QStringList expected{QStringLiteral("(n)(0)(50)(40)")};
    if (made)
        expected.prepend(QStringLiteral("(c)(0)(%1)(%1)").arg(side));
    // Lines come in the order the thumbnails are done.
    QCOMPARE(sorted(result.lines), sorted(expected));
    if (!made)
        QVERIFY2(result.errors.contains(QStringLiteral("too much memory")), qPrintable(result.errors));
    // No run of the helper came near the memory of such a decode.
    QVERIFY2(HostileImages::peakChildResidentBytes() < 1024LL * 1024 * 1024,
             qPrintable(QStringLiteral("%1 MB").arg(HostileImages::peakChildResidentBytes() >> 20)));
}

void TestDovalin::neverAlignedJpegKeepsToTheBound()
{
    // 22600 x 22600 pixels in 27 MB whose data never lines up at the decoding threads'
    // chunk starts: made alone, the picture keeps within the 64 MB of one decoding
    // thread (AddressSanitizer adds its own), and it is made.
    QVERIFY(HostileImages::write(path(QStringLiteral("never.jpg")), HostileImages::neverAlignedJpeg(22600)));
    QFile jobFile(path(QStringLiteral("dovalin-job.dat")));
    QVERIFY(jobFile.open(QIODevice::WriteOnly));
    jobFile.write(job({{path(QStringLiteral("never.jpg")), QStringLiteral("n."), QStringLiteral("n")}}));
    jobFile.close();

    QProcess process;
    process.start(QStringLiteral(VORENDA_BUILD_DIR "/tests/peakrss"),
                  {QStringLiteral(VORENDA_BIN_DIR "/dovalin"), jobFile.fileName()});
    QVERIFY(process.waitForFinished(120000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(process.readAllStandardOutput(), QByteArray("(n)(0)(22600)(22600)\n"));
    QCOMPARE(QImage(outputFolder() + QStringLiteral("/n.")).size(), QSize(256, 256));
    const QList<QByteArray> errors = process.readAllStandardError().trimmed().split('\n');
    QVERIFY(errors.last().startsWith("peak resident KB: "));
    const qint64 peak = errors.last().mid(18).toLongLong() * 1024;
#ifdef __SANITIZE_ADDRESS__
    const qint64 bound = (64 + 96) * 1024 * 1024;
#else
    const qint64 bound = 64 * 1024 * 1024;
#endif
    QVERIFY2(peak > 0 && peak <= bound, qPrintable(QStringLiteral("%1 MB").arg(peak >> 20)));
}

void TestDovalin::emptyKeyPrintsPath()
{
    QVERIFY(TestPictures::write(path(QStringLiteral("p.png")), 64, 48));
    const Run result = runJob(job({{path(QStringLiteral("p.png")), QStringLiteral("p."), QStringLiteral("")}}));
    QCOMPARE(result.lines, QStringList{QStringLiteral("(%1/p.)(1)(64)(48)").arg(outputFolder())});
}

void TestDovalin::unsafeNamesAreRefused_data()
{
    QTest::addColumn<QString>("thumbName");
    QTest::addColumn<QString>("key");
    QTest::newRow("parent folders") << "../../escaped.png" << "k";
    QTest::newRow("parent folder") << ".." << "k";
    QTest::newRow("sub-folder") << "sub/t.png" << "k";
    QTest::newRow("absolute") << "/tmp/escaped.png" << "k";
    QTest::newRow("newline in the name") << "t.png\n(forged)(1)(1)(1)" << "";
    QTest::newRow("bracket in the name") << "t)(1.png" << "";
    // XML carries no other control character of the first 32 but tab, line feed and return.
    QTest::newRow("tab in the name") << "t\t.png" << "k";
    QTest::newRow("next-line character in the key") << "t.png"
                                                    << "k\u0085x";
    QTest::newRow("newline in the key") << "t.png" << "k\n(forged)(1)(1)(1)";
    QTest::newRow("carriage return in the key") << "t.png" << "k\r";
    QTest::newRow("bracket in the key") << "t.png" << "k)(1)(9)(9)(";
}

void TestDovalin::unsafeNamesAreRefused()
{
    QFETCH(QString, thumbName);
    QFETCH(QString, key);
    QVERIFY(TestPictures::write(path(QStringLiteral("p.png")), 64, 48));
    const Run result = runJob(job({{path(QStringLiteral("p.png")), thumbName, key},
                                   {path(QStringLiteral("p.png")), QStringLiteral("good."), QStringLiteral("good")}}));
    QVERIFY2(result.exitCode == 0, result.told().constData());
    QCOMPARE(result.lines, QStringList{QStringLiteral("(good)(1)(64)(48)")});
    QCOMPARE(QDir(outputFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("good.")});
    // Nothing was written beside or above the output folder.
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("escaped.png"))));
    QVERIFY(!QFileInfo::exists(QDir::tempPath() + QStringLiteral("/escaped.png")));
    QCOMPARE(QDir(work->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{QStringLiteral("Cache"), QStringLiteral("dovalin-job.dat"), QStringLiteral("p.png")}));
}

void TestDovalin::linkAtTheThumbnailIsReplacedItself()
{
    // A read-only file of the user, and a link to it where the thumbnail goes.
    QFile precious(path(QStringLiteral("precious.txt")));
    QVERIFY(precious.open(QIODevice::WriteOnly));
    precious.write("keep me");
    precious.close();
    QVERIFY(precious.setPermissions(QFileDevice::ReadOwner));
    QVERIFY(QDir().mkpath(outputFolder()));
    QVERIFY(QFile::link(path(QStringLiteral("precious.txt")), outputFolder() + QStringLiteral("/t.")));
    QVERIFY(TestPictures::write(path(QStringLiteral("p.png")), 64, 48));

    const Run result = runJob(job({{path(QStringLiteral("p.png")), QStringLiteral("t."), QStringLiteral("t")}}));
    QCOMPARE(result.lines, QStringList{QStringLiteral("(t)(1)(64)(48)")});
    QVERIFY(precious.open(QIODevice::ReadOnly));
    QCOMPARE(precious.readAll(), QByteArray("keep me"));
    const QFileInfo thumbnail(outputFolder() + QStringLiteral("/t."));
    QVERIFY(!thumbnail.isSymLink());
    QVERIFY(!QImage(thumbnail.filePath()).isNull());
}

void TestDovalin::replacesThumbnailWhole()
{
    QVERIFY(TestPictures::write(path(QStringLiteral("first.png")), 300, 100));
    QVERIFY(QDir().mkpath(outputFolder()));
    QFile old(outputFolder() + QStringLiteral("/t."));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an old thumbnail that is to be replaced");
    old.close();

    const Run result = runJob(job({{path(QStringLiteral("first.png")), QStringLiteral("t."), QStringLiteral("t")}}));
    QCOMPARE(result.lines, QStringList{QStringLiteral("(t)(0)(300)(100)")});
    QCOMPARE(QImage(outputFolder() + QStringLiteral("/t.")).size(), QSize(256, 85));
    // The temporary file of the atomic save is gone.
    QCOMPARE(QDir(outputFolder()).entryList(QDir::Files), QStringList{QStringLiteral("t.")});
    // The thumbnail has the mode the umask gives a new file, not the temporary file's 0600.
    const mode_t mask = ::umask(022);
    ::umask(mask);
    struct stat status {};
    QCOMPARE(::stat(QFile::encodeName(outputFolder() + QStringLiteral("/t.")).constData(), &status), 0);
    QCOMPARE(int(status.st_mode & 0777), int(0666 & ~mask));
}

void TestDovalin::failedSaveIsSaid_data()
{
    QTest::addColumn<int>("nameLength");
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QString>("reason"); // empty: made

    // The temporary file beside the thumbnail has a longer name than the thumbnail.
    QTest::newRow("name of 250 characters") << 250 << false << "";
    QTest::newRow("name of 300 characters") << 300 << false << "File name too long (301 bytes, at most 255)";
    // The first writes fill the disk, and say nothing of it.
    QTest::newRow("full disk") << 1 << true << "No space left on device";
}

void TestDovalin::failedSaveIsSaid()
{
    QFETCH(int, nameLength);
    QFETCH(bool, fullDisk);
    QFETCH(QString, reason);

    // Grain compresses badly: the thumbnail takes far more than 16 KB.
    QImage grain(600, 400, QImage::Format_RGB32);
    QRandomGenerator random(39);
    for (int y = 0; y < grain.height(); ++y)
        for (int x = 0; x < grain.width(); ++x)
            grain.setPixel(x, y, random.generate() | 0xff000000u);
    QVERIFY(grain.save(path(QStringLiteral("grain.png"))));
    QVERIFY(QDir().mkpath(outputFolder()));
    if (fullDisk && !SmallFilesystem::mount(outputFolder(), 16 * 1024))
        QSKIP(qPrintable(QStringLiteral("no small filesystem: ") + SmallFilesystem::why()));

    const QString name = QString(nameLength, QLatin1Char('n')) + QLatin1Char('.');
    const Run result = runJob(job({{path(QStringLiteral("grain.png")), name, QStringLiteral("k")}}));
    const QStringList left = QDir(outputFolder()).entryList(QDir::Files | QDir::Hidden);
    if (fullDisk)
        SmallFilesystem::unmount(outputFolder());
    QVERIFY2(result.exitCode == 0, result.told().constData());
    QStringList errors = result.errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (reason.isEmpty()) {
        QCOMPARE(errors, QStringList());
        QCOMPARE(result.lines, QStringList{QStringLiteral("(k)(0)(600)(400)")});
        QCOMPARE(QImage(outputFolder() + QLatin1Char('/') + name).size(), QSize(256, 170));
        return;
    }
    // One line that says what happened, and nothing left behind.
    QCOMPARE(result.lines, QStringList());
    QCOMPARE(errors, QStringList{QStringLiteral("skipped %1: %2").arg(path(QStringLiteral("grain.png")), reason)});
    QCOMPARE(left, QStringList());
}

void TestDovalin::exitCodes_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("lines");

    QTest::newRow("no argument") << "none" << 0 << 0;
    QTest::newRow("two arguments") << "two" << 0 << 0;
    QTest::newRow("missing job file") << "missing" << 255 << 0;
    QTest::newRow("web helper's job") << "Kestrim-Data" << 255 << 0;
    QTest::newRow("no DOCTYPE") << "" << 0 << 1;
    QTest::newRow("no items") << "empty" << 255 << 0;
    QTest::newRow("no output folder") << "no output" << 255 << 0;
    QTest::newRow("nothing made") << "nothing" << 0 << 0;
    QTest::newRow("job file is a FIFO") << "fifo" << 255 << 0;
}

void TestDovalin::exitCodes()
{
    QFETCH(QString, setup);
    QFETCH(int, exitCode);
    QFETCH(int, lines);

    QVERIFY(TestPictures::write(path(QStringLiteral("pic.png")), 40, 30));
    const Item item{path(QStringLiteral("pic.png")), QStringLiteral("p."), QStringLiteral("p")};
    Run result;
    if (setup == QStringLiteral("none")) {
        result = run({});
    } else if (setup == QStringLiteral("two")) {
        result = run({path(QStringLiteral("a")), path(QStringLiteral("b"))});
    } else if (setup == QStringLiteral("missing")) {
        result = run({path(QStringLiteral("no-such-job.dat"))});
    } else if (setup == QStringLiteral("empty")) {
        result = runJob(job({}));
    } else if (setup == QStringLiteral("no output")) {
        QByteArray xml = job({item});
        xml.replace(outputFolder().toUtf8(), "");
        result = runJob(xml);
    } else if (setup == QStringLiteral("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path(QStringLiteral("fifo.dat"))).constData(), 0600), 0);
        result = run({path(QStringLiteral("fifo.dat"))});
    } else if (setup == QStringLiteral("nothing")) {
        result = runJob(job({{path(QStringLiteral("absent.png")), QStringLiteral("p."), QStringLiteral("p")}}));
    } else {
        result = runJob(job({item}, setup));
    }
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.lines.size(), lines);
}

void TestDovalin::manyPicturesAtOnce()
{
    // Pictures of every kind the helper reads, each under many names, with items that
    // make nothing between them: made on several threads, every line must still come
    // whole, once, and be the line that item makes alone.
    struct Kind
    {
        QString file;
        QSize size;
        bool photo;
    };
    const QList<Kind> kinds{{QStringLiteral("photo.jpg"), {1600, 1200}, true},
                            {QStringLiteral("wide.jpg"), {3000, 2000}, false},
                            {QStringLiteral("screen.png"), {1366, 768}, false},
                            {QStringLiteral("frame.gif"), {640, 480}, true},
                            {QStringLiteral("small.png"), {200, 125}, true},
                            {QStringLiteral("drawing.svg"), {400, 300}, true}};
    for (const Kind& kind : kinds) {
        if (kind.file.endsWith(QLatin1String(".svg"))) {
            QFile svg(path(kind.file));
            QVERIFY(svg.open(QIODevice::WriteOnly));
            svg.write(QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='%2'>"
                                     "<circle cx='200' cy='150' r='120' fill='#a03020'/></svg>")
                          .arg(kind.size.width())
                          .arg(kind.size.height())
                          .toUtf8());
        } else {
            QVERIFY(TestPictures::write(path(kind.file), kind.size.width(), kind.size.height()));
        }
    }
    QFile text(path(QStringLiteral("notes.png")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("no picture\n");
    text.close();

    QList<Item> items;
    QStringList expected;
    QVector<int> firstOfKind;
    for (int i = 0; i < 72; ++i) {
        const Kind& kind = kinds.at(i % kinds.size());
        if (i < kinds.size())
            firstOfKind << items.size();
        // Long keys make long lines, which a careless writer would tear apart.
        const QString key = QStringLiteral("%1-%2").arg(i, 3, 10, QLatin1Char('0')).arg(QString(200, QLatin1Char('k')));
        const QString name = QStringLiteral("t%1.").arg(i);
        items.append({path(kind.file), name, i % 12 == 5 ? QString() : key});
        expected << QStringLiteral("(%1)(%2)(%3)(%4)")
                        .arg(i % 12 == 5 ? outputFolder() + QStringLiteral("/") + name : key)
                        .arg(kind.photo ? 1 : 0)
                        .arg(kind.size.width())
                        .arg(kind.size.height());
        if (i % 9 == 0) {
            items.append({path(QStringLiteral("notes.png")), QStringLiteral("bad%1.").arg(i),
                          QStringLiteral("bad%1").arg(i)});
            items.append({path(QStringLiteral("missing.jpg")), QStringLiteral("gone%1.").arg(i),
                          QStringLiteral("gone%1").arg(i)});
        }
    }

    const Run result = runJob(job(items));
    QVERIFY2(result.exitCode == 0, result.told().constData());
    QVERIFY(result.output.endsWith('\n'));
    const QRegularExpression whole(QStringLiteral("^\\([^()\\n]+\\)\\([01]\\)\\(\\d+\\)\\(\\d+\\)$"));
    for (const QString& line : result.lines)
        QVERIFY2(whole.match(line).hasMatch(), qPrintable(line.left(80)));
    QCOMPARE(result.output.count('\n'), expected.size());
    QCOMPARE(sorted(result.lines), sorted(expected));
    QCOMPARE(QDir(outputFolder()).entryList(QDir::Files | QDir::Hidden).size(), expected.size());

    // Each kind made alone gives the very same thumbnail.
    const QString together = path(QStringLiteral("together"));
    QVERIFY(QDir().rename(outputFolder(), together));
    for (int i = 0; i < kinds.size(); ++i) {
        const Item& item = items.at(firstOfKind.at(i));
        const Run alone = runJob(job({item}));
        QCOMPARE(alone.lines.size(), 1);
        const QString name = item.thumbName;
        QFile made(outputFolder() + QStringLiteral("/") + name);
        QFile madeTogether(together + QStringLiteral("/") + name);
        QVERIFY(made.open(QIODevice::ReadOnly) && madeTogether.open(QIODevice::ReadOnly));
        QVERIFY2(made.readAll() == madeTogether.readAll(), qPrintable(kinds.at(i).file));
    }
}

void TestDovalin::decoderFaultCostsOnlyItsFastPath_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<bool>("switchedOff");
    QTest::addColumn<QString>("reason"); // what the one line on standard error says; empty: no line

    QTest::newRow("crash") << "abort" << 1 << false << "its decoding crashed (signal 6)";
    QTest::newRow("hang") << "hang" << 1 << false << "not done within 1.5 s";
    // Switched off, the decoder is never asked, so its fault never shows.
    QTest::newRow("switched off") << "abort" << 1 << true << "";
    // In a batch the image reader decodes every picture on the threads.
    QTest::newRow("batch") << "abort" << 3 << false << "";
}

void TestDovalin::decoderFaultCostsOnlyItsFastPath()
{
    QFETCH(QString, fault);
    QFETCH(int, pictures);
    QFETCH(bool, switchedOff);
    QFETCH(QString, reason);

    // The decoder takes a JPEG made alone, at an eighth of its size, on several cores.
    cpu_set_t cores;
    CPU_ZERO(&cores);
    if (::sched_getaffinity(0, sizeof cores, &cores) != 0 || CPU_COUNT(&cores) < 2)
        QSKIP("the decoder runs only where the helper has more than one core");
    QList<Item> items;
    QStringList expected;
    for (int i = 0; i < pictures; ++i) {
        const QString name = QStringLiteral("photo%1.jpg").arg(i);
        QVERIFY(TestPictures::write(path(name), 3200, 2400));
        items.append({path(name), QStringLiteral("t%1.").arg(i), QStringLiteral("k%1").arg(i)});
        expected << QStringLiteral("(k%1)(1)(3200)(2400)").arg(i);
    }

    // The helper's own thumbnails, the decoder's where it runs.
    QCOMPARE(runJob(job(items)).lines.size(), pictures);
    const QString made = path(QStringLiteral("made"));
    QVERIFY(QDir().rename(outputFolder(), made));

    QStringList set{QStringLiteral("FAULTY_DECODER=") + fault};
    if (switchedOff)
        set << QStringLiteral("DOVALIN_NO_OWN_JPEG_DECODER=1");
    const Run result = runJob(job(items), {}, set, QStringLiteral(VORENDA_BUILD_DIR "/tests/dovalin-faultydecoder"));
    QVERIFY2(result.exitCode == 0, result.told().constData());
    QCOMPARE(sorted(result.lines), sorted(expected));
    const QStringList errors = result.errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (reason.isEmpty())
        QCOMPARE(errors, QStringList());
    else
        QCOMPARE(errors, QStringList{QStringLiteral("own JPEG decoder failed on %1: %2; the image reader reads it")
                                         .arg(path(QStringLiteral("photo0.jpg")), reason)});
    // The image reader made the very thumbnail the decoder makes.
    for (const Item& item : qAsConst(items)) {
        QFile fromReader(outputFolder() + QLatin1Char('/') + item.thumbName);
        QFile fromHelper(made + QLatin1Char('/') + item.thumbName);
        QVERIFY(fromReader.open(QIODevice::ReadOnly) && fromHelper.open(QIODevice::ReadOnly));
        QVERIFY(fromReader.readAll() == fromHelper.readAll());
    }
}

void TestDovalin::turnedPhotosStandUpright_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<int>("orientation");
    for (const char* suffix : {"jpg", "png", "webp"})
        for (int orientation = 1; orientation <= 8; ++orientation)
            QTest::addRow("%s %d", suffix, orientation) << QString::fromLatin1(suffix) << orientation;
}

void TestDovalin::turnedPhotosStandUpright()
{
    QFETCH(QString, suffix);
    QFETCH(int, orientation);

    // A phone's photo, stored on its side with the turn in its metadata: large enough
    // for a JPEG to go through the eighth-scale decoder. Each quarter has a colour of
    // its own, the stored top left red.
    const QSize stored = suffix == QLatin1String("jpg") ? QSize(2048, 1536) : QSize(400, 300);
    QImage image(stored, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, stored.width() / 2, stored.height() / 2), QColor(220, 30, 30));
    painter.fillRect(QRect(stored.width() / 2, 0, stored.width() / 2, stored.height() / 2), QColor(30, 200, 30));
    painter.fillRect(QRect(0, stored.height() / 2, stored.width() / 2, stored.height() / 2), QColor(30, 30, 220));
    painter.fillRect(QRect(stored.width() / 2, stored.height() / 2, stored.width() / 2, stored.height() / 2),
                     QColor(230, 220, 20));
    painter.end();
    const QString name = path(QStringLiteral("phone.") + suffix);
    QFile file(name);
    const QByteArray bytes = TestPictures::withOrientation(image, suffix, orientation);
    QVERIFY(!bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();

    const bool sideways = orientation >= 5;
    const QSize upright = sideways ? stored.transposed() : stored;
    const QList<Item> items{{name, QStringLiteral("k."), QStringLiteral("k"), 256, 0}};
    const QString line = QStringLiteral("(k)(1)(%1)(%2)").arg(upright.width()).arg(upright.height());
    // Dovalin's own JPEG decoder where it runs, then the image reader alone.
    Run result = runJob(job(items));
    QCOMPARE(result.lines, QStringList{line});
    const QString made = path(QStringLiteral("made"));
    QVERIFY(QDir().rename(outputFolder(), made));
    result = runJob(job(items), {}, {QStringLiteral("DOVALIN_NO_OWN_JPEG_DECODER=1")});
    QCOMPARE(result.lines, QStringList{line});

    QFile ownDecoder(made + QStringLiteral("/k."));
    QFile imageReader(outputFolder() + QStringLiteral("/k."));
    QVERIFY(ownDecoder.open(QIODevice::ReadOnly) && imageReader.open(QIODevice::ReadOnly));
    QVERIFY(ownDecoder.readAll() == imageReader.readAll());

    // Upright: the stored top-left corner lies where the orientation says it is seen.
    const QImage thumbnail(imageReader.fileName());
    QCOMPARE(thumbnail.size(), upright.scaled(256, 256, Qt::KeepAspectRatio));
    const QList<QPoint> seenAt{{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}, {1, 0}, {1, 1}, {0, 1}};
    const QPoint corner = seenAt.at(orientation - 1);
    const QColor seen = thumbnail.pixelColor(corner.x() * (thumbnail.width() - 5) + 2,
                                             corner.y() * (thumbnail.height() - 5) + 2);
    QVERIFY2(seen.red() > 180 && seen.green() < 80 && seen.blue() < 80, qPrintable(seen.name()));
}

void TestDovalin::everyPhotoFormatGetsAThumbnail_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("writer"); // Qt's writer of the format; empty: the test's own
    QTest::newRow("WebP") << "photo.webp" << QByteArray("webp");
    QTest::newRow("TIFF") << "photo.tif" << QByteArray("tiff");
    QTest::newRow("HEIC") << "photo.heic" << QByteArray("heic");
    QTest::newRow("HEIF") << "photo.heif" << QByteArray("heif");
    QTest::newRow("AVIF") << "photo.avif" << QByteArray("avif");
    QTest::newRow("JPEG XL") << "photo.jxl" << QByteArray("jxl");
    QTest::newRow("camera RAW (DNG)") << "photo.dng" << QByteArray();
}

void TestDovalin::everyPhotoFormatGetsAThumbnail()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, writer);

    if (writer.isEmpty()) {
        QVERIFY(TestPictures::writeDng(path(name), 400, 300));
    } else {
        QImageWriter out(path(name), writer);
        QVERIFY2(out.write(TestPictures::gradient(400, 300)),
                 qPrintable(QStringLiteral("%1: %2 (is its image plug-in installed?)").arg(name, out.errorString())));
    }
    const Run result = runJob(job({{path(name), QStringLiteral("k."), QStringLiteral("k")}}));
    QVERIFY2(result.exitCode == 0, result.told().constData());
    QCOMPARE(result.errors, QString());
    QCOMPARE(result.lines, QStringList{QStringLiteral("(k)(1)(400)(300)")});
    const QImage thumbnail(outputFolder() + QStringLiteral("/k."));
    // Framed white as a photo, the dark band of the picture in its middle.
    QCOMPARE(thumbnail.size(), QSize(256, 195));
    QCOMPARE(thumbnail.pixelColor(0, 0), QColor(Qt::white));
    const QColor band = thumbnail.pixelColor(128, 97);
    QVERIFY2(band.green() > band.red() && band.value() < 100, qPrintable(band.name()));
}

VORENDA_SMALL_FILESYSTEM_TEST_MAIN(TestDovalin)
#include "tst_dovalin.moc"
