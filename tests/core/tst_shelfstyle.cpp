#include "TestEnvironment.h"

#include "ShelfStyle.h"
#include "VorendaGlobal.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <QTemporaryDir>

#include <climits>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

class TestShelfStyle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void defaultsAndEquality();
    void attributeDefaults_data();
    void attributeDefaults();
    void unreadableFilesAreRefused_data();
    void unreadableFilesAreRefused();
    void unknownElementsAreSkipped();
    void saveWritesTheFileFormat();
    void saveAndLoadRoundTrip_data();
    void saveAndLoadRoundTrip();
    void copiedPatternLiesBesideTheStyle();
    void sameNamedPatternNeverShowsAnotherPicture();
    void uncopyablePatternKeepsItsPath();
    void absoluteFilePath_data();
    void absoluteFilePath();
    void failedSaveKeepsTheOldFile();
    void streamRoundTrip();
    void streamedNumbersAreBounded();
    void damagedStreamLeavesTheRecord();

private:
    QString writeFile(const QString& name, const QByteArray& contents);
    ShelfStyle sample() const;

    QTemporaryDir dir;
};

namespace {

const QByteArray header = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE Vorenda-CabinetStyle>\n";

QByteArray styleXml(const QByteArray& shelfAttributes, const QByteArray& cabinetAttributes = QByteArray())
{
    return header + "<Style name=\"Oak\">\n<Cabinet color=\"#102030\"" + cabinetAttributes + "/>\n<Shelf color=\"#D18C34\""
        + shelfAttributes + "/>\n</Style>\n";
}

// The style as the settings store streams it.
QByteArray streamed(const ShelfStyle& style)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_15);
    out << style;
    return bytes;
}

QImage solidImage(QRgb color)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

} // namespace

void TestShelfStyle::initTestCase()
{
    QVERIFY(dir.isValid());
    TestEnvironment::instance()->initializeGlobals();
}

void TestShelfStyle::init()
{
    QDir(dir.path()).removeRecursively();
    QDir().mkpath(dir.path());
}

QString TestShelfStyle::writeFile(const QString& name, const QByteArray& contents)
{
    const QString path = dir.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        return QString();
    return path;
}

ShelfStyle TestShelfStyle::sample() const
{
    ShelfStyle style;
    style.id = QStringLiteral("my-style");
    style.name = QStringLiteral("Späte Eiche & \"Nuss\"");
    style.shelfColor = QColor(0xD1, 0x8C, 0x34);
    style.shelfPattern = QStringLiteral(":/Resources/Patterns/wood2.png");
    style.cabinetColor = QColor(0x52, 0x35, 0x16);
    style.cabinetPattern = QString();
    style.cabinetTextColor = Qt::white;
    style.categoryColor = QColor(0xab, 0xcd, 0xef);
    style.categoryPattern = QStringLiteral(":/Resources/Patterns/cork1.jpg");
    style.categoryTextColor = Qt::black;
    style.dropIndicatorColor = QColor(1, 2, 3);
    style.itemSelectionColor = QColor(250, 251, 252);
    style.toolTipColor = QColor(32, 32, 32, 180);
    style.toolTipTextColor = Qt::white;
    style.reflectionLevel = 50;
    style.perspectiveAngle = 22;
    style.backDarknessLevel = 200;
    style.sidePanelOffset = -3;
    style.backPanelOffset = 7;
    return style;
}

void TestShelfStyle::defaultsAndEquality()
{
    const ShelfStyle style;
    QCOMPARE(style.reflectionLevel, 150);
    QCOMPARE(style.perspectiveAngle, 17);
    QCOMPARE(style.backDarknessLevel, 140);
    QCOMPARE(style.key, -1);
    QVERIFY(!style.flag);
    QVERIFY(!style.shelfColor.isValid());

    ShelfStyle renamed = sample();
    renamed.id = QStringLiteral("another id");
    QVERIFY(renamed == sample());
    ShelfStyle rekeyed = sample();
    rekeyed.key = 4;
    QVERIFY(rekeyed != sample());
    ShelfStyle recoloured = sample();
    recoloured.toolTipColor.setAlpha(255);
    QVERIFY(recoloured != sample());

    QVERIFY(sample().usesColor(QColor(1, 2, 3)));
    QVERIFY(!sample().usesColor(QColor(1, 2, 4)));
    QVERIFY(sample().usesPattern(QStringLiteral(":/Resources/Patterns/cork1.jpg")));
    QVERIFY(!sample().usesPattern(QStringLiteral(":/Resources/Patterns/CORK1.jpg")));
}

void TestShelfStyle::attributeDefaults_data()
{
    QTest::addColumn<QByteArray>("shelf");
    QTest::addColumn<QByteArray>("cabinet");
    QTest::addColumn<int>("perspective");
    QTest::addColumn<int>("reflection");
    QTest::addColumn<int>("darkness");
    QTest::addColumn<int>("sideOffset");

    QTest::newRow("absent") << QByteArray() << QByteArray() << 17 << 150 << 140 << 0;
    QTest::newRow("empty") << QByteArray(" perspectiveangle=\"\" reflectionlevel=\"\"")
                           << QByteArray(" backdarknesslevel=\"\" sidepaneloffset=\"\"") << 17 << 150 << 140 << 0;
    QTest::newRow("not numbers") << QByteArray(" perspectiveangle=\"abc\" reflectionlevel=\"x\"")
                                 << QByteArray(" backdarknesslevel=\"dark\" sidepaneloffset=\"left\"") << 0 << 0 << 0 << 0;
    QTest::newRow("numbers") << QByteArray(" perspectiveangle=\"30\" reflectionlevel=\"0\"")
                             << QByteArray(" backdarknesslevel=\"180\" sidepaneloffset=\"-4\"") << 30 << 0 << 180 << -4;
    // Numbers from a file are bounded to the style editor's ranges before any use.
    QTest::newRow("largest int") << QByteArray(" perspectiveangle=\"2147483647\" reflectionlevel=\"2147483647\"")
                                 << QByteArray(" backdarknesslevel=\"2147483647\" sidepaneloffset=\"2147483647\"") << 35
                                 << 255 << 255 << 256;
    QTest::newRow("smallest int") << QByteArray(" perspectiveangle=\"-2147483648\" reflectionlevel=\"-2147483648\"")
                                  << QByteArray(" backdarknesslevel=\"-2147483648\" sidepaneloffset=\"-2147483648\"")
                                  << 0 << 0 << 0 << -256;
    QTest::newRow("steep perspective") << QByteArray(" perspectiveangle=\"10000\" reflectionlevel=\"256\"")
                                       << QByteArray(" backdarknesslevel=\"-1\" sidepaneloffset=\"300\"") << 35 << 255
                                       << 0 << 256;
}

void TestShelfStyle::attributeDefaults()
{
    QFETCH(QByteArray, shelf);
    QFETCH(QByteArray, cabinet);
    const QString path = writeFile(QStringLiteral("style.xml"), styleXml(shelf, cabinet));
    ShelfStyle style;
    style.perspectiveAngle = 99; // a value the file must replace
    QVERIFY(style.load(path));
    QTEST(style.perspectiveAngle, "perspective");
    QTEST(style.reflectionLevel, "reflection");
    QTEST(style.backDarknessLevel, "darkness");
    QTEST(style.sidePanelOffset, "sideOffset");
    // No "id": the name stands in for it; the file name is remembered.
    QCOMPARE(style.id, QStringLiteral("Oak"));
    QCOMPARE(style.fileName, path);
    QCOMPARE(style.shelfColor, QColor(0xD1, 0x8C, 0x34));
    // Colours and patterns of elements that never occur stay as they were.
    QVERIFY(!style.toolTipColor.isValid());
}

void TestShelfStyle::unreadableFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("loads");
    QTest::newRow("main data file") << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE Vorenda-Data>\n<Style name=\"X\"/>")
                                    << false;
    QTest::newRow("broken XML") << QByteArray(header + "<Style name=\"X\"><Shelf color=\"#FFFFFF\"></Style>") << false;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11) << false;
    QTest::newRow("huge") << QByteArray(header + "<Style name=\"X\">" + QByteArray(2 * 1024 * 1024, ' ') + "</Style>")
                          << false;
    QTest::newRow("no DOCTYPE") << QByteArray("<Style name=\"X\"><Shelf color=\"#fff\"/></Style>") << true;
    // Would block the program's start for good if opened.
    QTest::newRow("fifo") << QByteArray("fifo") << false;
    QTest::newRow("link to a fifo") << QByteArray("link to fifo") << false;
}

void TestShelfStyle::unreadableFilesAreRefused()
{
    QFETCH(QByteArray, contents);
    QString path = dir.filePath(QStringLiteral("style.xml"));
    if (contents == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (contents == "link to fifo") {
        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link(fifo, path));
    } else {
        path = writeFile(QStringLiteral("style.xml"), contents);
    }
    ShelfStyle style;
    QString error;
    QTEST(style.load(path, &error), "loads");
    QFETCH(bool, loads);
    QCOMPARE(error.isEmpty(), loads);

    ShelfStyle missing;
    QVERIFY(!missing.load(dir.filePath(QStringLiteral("missing.xml")), &error));
    QVERIFY(missing == ShelfStyle());
}

void TestShelfStyle::unknownElementsAreSkipped()
{
    const QString path = writeFile(
        QStringLiteral("style.xml"),
        header + "<Style id=\"i\" name=\"N\"><Extra><Shelf color=\"#FF0000\"/></Extra><Shelf color=\"#00FF00\"/>"
                 "<Group><ToolTip color=\"#0000FF\" textcolor=\"red\"/></Group></Style>");
    ShelfStyle style;
    QVERIFY(style.load(path));
    QCOMPARE(style.id, QStringLiteral("i"));
    QCOMPARE(style.shelfColor, QColor(Qt::green));
    QVERIFY(!style.toolTipColor.isValid());
}

void TestShelfStyle::saveWritesTheFileFormat()
{
    const QString path = dir.filePath(QStringLiteral("out.xml"));
    ShelfStyle style = sample();
    style.dropIndicatorColor = QColor(); // invalid colours are written as black
    QVERIFY(style.save(path, false));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.startsWith(QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE Vorenda-CabinetStyle>\n")));
    QVERIFY(text.contains(QLatin1String(
        "\n    <Cabinet color=\"#523516\" pattern=\"\" textcolor=\"#FFFFFF\" sidepaneloffset=\"-3\" backpaneloffset=\"7\" "
        "backdarknesslevel=\"200\"/>\n")));
    QVERIFY(text.contains(QLatin1String("<Category color=\"#ABCDEF\"")));
    QVERIFY(text.contains(QLatin1String("<DropIndicator color=\"#000000\"/>")));
    QVERIFY(text.contains(QLatin1String("<ToolTip color=\"#202020\" textcolor=\"#FFFFFF\"/>")));
    QVERIFY(text.contains(QLatin1String("perspectiveangle=\"22\"")));
    QVERIFY(!text.contains(QLatin1String("flag")));
}

void TestShelfStyle::saveAndLoadRoundTrip_data()
{
    QTest::addColumn<bool>("copyPatterns");
    QTest::newRow("patterns as they are") << false;
    QTest::newRow("copying patterns") << true;
}

void TestShelfStyle::saveAndLoadRoundTrip()
{
    QFETCH(bool, copyPatterns);
    const QString path = dir.filePath(QStringLiteral("round.xml"));
    const ShelfStyle original = sample();
    QVERIFY(original.save(path, copyPatterns));
    ShelfStyle loaded;
    QVERIFY(loaded.load(path));
    QCOMPARE(loaded.id, original.id);
    QCOMPARE(loaded.name, original.name);
    QCOMPARE(loaded.shelfPattern, original.shelfPattern);
    QCOMPARE(loaded.categoryPattern, original.categoryPattern);
    QCOMPARE(loaded.cabinetPattern, QString());
    // The alpha channel is not stored: the tool tip colour comes back opaque.
    QCOMPARE(loaded.toolTipColor, QColor(32, 32, 32));
    ShelfStyle expected = original;
    expected.toolTipColor.setAlpha(255);
    expected.fileName = path;
    QVERIFY(loaded == expected);
}

void TestShelfStyle::copiedPatternLiesBesideTheStyle()
{
    const QString picture = dir.filePath(QStringLiteral("pictures/marble.png"));
    QDir().mkpath(QFileInfo(picture).absolutePath());
    QVERIFY(solidImage(qRgb(10, 20, 30)).save(picture));
    ShelfStyle style = sample();
    style.shelfPattern = picture;
    const QString path = dir.filePath(QStringLiteral("styles/mine.xml"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY(style.save(path, true));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("<Shelf color=\"#D18C34\" pattern=\"marble.png\""));
    const QString copy = dir.filePath(QStringLiteral("styles/marble.png"));
    QCOMPARE(QImage(copy).pixel(0, 0), qRgb(10, 20, 30));

    ShelfStyle loaded;
    QVERIFY(loaded.load(path));
    QCOMPARE(QDir::cleanPath(loaded.shelfPattern), QDir::cleanPath(copy));

    // Saving again reuses the identical copy instead of making another.
    QVERIFY(style.save(path, true));
    QCOMPARE(QDir(dir.filePath(QStringLiteral("styles"))).entryList(QDir::Files).size(), 2);
}

void TestShelfStyle::sameNamedPatternNeverShowsAnotherPicture()
{
    const QString mine = dir.filePath(QStringLiteral("a/wood.png"));
    const QString theirs = dir.filePath(QStringLiteral("styles/wood.png"));
    QDir().mkpath(QFileInfo(mine).absolutePath());
    QDir().mkpath(QFileInfo(theirs).absolutePath());
    QVERIFY(solidImage(qRgb(255, 0, 0)).save(mine));
    QVERIFY(solidImage(qRgb(0, 0, 255)).save(theirs));

    const QString stylePath = dir.filePath(QStringLiteral("styles/s.xml"));
    const QString stored = ShelfStyle::copyPattern(mine, stylePath);
    QVERIFY(stored != QLatin1String("wood.png"));
    QVERIFY(!stored.contains(QLatin1Char('/')));
    QCOMPARE(QImage(dir.filePath(QStringLiteral("styles/") + stored)).pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(QImage(theirs).pixel(0, 0), qRgb(0, 0, 255));
    // The same picture again finds its earlier copy.
    QCOMPARE(ShelfStyle::copyPattern(mine, stylePath), stored);
    // Resources and empty patterns stay as they are; a pattern beside the style needs no copy.
    QCOMPARE(ShelfStyle::copyPattern(QStringLiteral(":/resources/Patterns/x.png"), stylePath),
             QStringLiteral(":/resources/Patterns/x.png"));
    QCOMPARE(ShelfStyle::copyPattern(QString(), stylePath), QString());
    QCOMPARE(ShelfStyle::copyPattern(theirs, stylePath), QStringLiteral("wood.png"));
}

void TestShelfStyle::uncopyablePatternKeepsItsPath()
{
    // A missing picture cannot be copied: the style keeps pointing where it was.
    const QString missing = dir.filePath(QStringLiteral("gone/none.png"));
    QCOMPARE(ShelfStyle::copyPattern(missing, dir.filePath(QStringLiteral("styles/s.xml"))), missing);
    // Nor can a FIFO: copying it would wait for a writer forever.
    const QString fifo = dir.filePath(QStringLiteral("fifo.png"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QCOMPARE(ShelfStyle::copyPattern(fifo, dir.filePath(QStringLiteral("styles/s.xml"))), fifo);
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("styles/fifo.png"))));
}

void TestShelfStyle::absoluteFilePath_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("resource") << ":/Resources/Patterns/wood2.png" << ":/Resources/Patterns/wood2.png";
    QTest::newRow("absolute") << "/srv/pictures/a.png" << "/srv/pictures/a.png";
    QTest::newRow("relative folder") << "sub/a.png" << "sub/a.png";
    QTest::newRow("bare name") << "a.png" << "/home/u/Styles/a.png";
}

void TestShelfStyle::absoluteFilePath()
{
    QFETCH(QString, pattern);
    QTEST(ShelfStyle::absoluteFilePath(pattern, QStringLiteral("/home/u/Styles/mine.xml")), "expected");
}

void TestShelfStyle::failedSaveKeepsTheOldFile()
{
    QVERIFY(!sample().save(dir.filePath(QStringLiteral("no/such/folder/s.xml")), false));

    const QString path = writeFile(QStringLiteral("old.xml"), styleXml(QByteArray()));
    // A file size limit makes the write itself fail part way.
    struct rlimit old;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit small = old;
    small.rlim_cur = 64;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    const bool saved = sample().save(path, false, &error);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!saved);
    QVERIFY(!error.isEmpty());
    ShelfStyle kept;
    QVERIFY(kept.load(path));
    QCOMPARE(kept.name, QStringLiteral("Oak"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.xml")});
}

void TestShelfStyle::streamRoundTrip()
{
    ShelfStyle original = sample();
    original.key = 12;
    original.fileName = QStringLiteral("/x/y.xml");
    QByteArray bytes = streamed(original);
    ShelfStyle read;
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_5_15);
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(in.atEnd());
    QVERIFY(read == original);
    QCOMPARE(read.id, original.id);
    QCOMPARE(read.toolTipColor.alpha(), 180);

    // Through the settings store as the registered meta type.
    QSettings().setValue(QStringLiteral("Test/Style"), QVariant::fromValue(original));
    QSettings().sync();
    const ShelfStyle fromSettings = QSettings().value(QStringLiteral("Test/Style")).value<ShelfStyle>();
    QVERIFY(fromSettings == original);
}

void TestShelfStyle::streamedNumbersAreBounded()
{
    ShelfStyle hostile = sample();
    hostile.reflectionLevel = INT_MAX;
    hostile.perspectiveAngle = 10000;
    hostile.backDarknessLevel = INT_MIN;
    hostile.sidePanelOffset = INT_MIN;
    hostile.backPanelOffset = INT_MAX;
    QByteArray bytes = streamed(hostile);
    ShelfStyle read;
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_5_15);
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(read.reflectionLevel, 255);
    QCOMPARE(read.perspectiveAngle, 35);
    QCOMPARE(read.backDarknessLevel, 0);
    QCOMPARE(read.sidePanelOffset, -256);
    QCOMPARE(read.backPanelOffset, 256);
}

void TestShelfStyle::damagedStreamLeavesTheRecord()
{
    QByteArray bytes = streamed(sample());
    bytes.chop(3);
    ShelfStyle read;
    read.name = QStringLiteral("untouched");
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_5_15);
    in >> read;
    QVERIFY(in.status() != QDataStream::Ok);
    QCOMPARE(read.name, QStringLiteral("untouched"));
    QCOMPARE(read.key, -1);
}

VORENDA_TEST_MAIN(TestShelfStyle)
#include "tst_shelfstyle.moc"
