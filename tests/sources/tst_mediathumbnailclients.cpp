#include "TestEnvironment.h"

#include "HelperProgram.h"
#include "RuntimeFolder.h"
#include "SarneknailClient.h"
#include "ShortSilenceWatch.h"
#include "TulmarnailClient.h"

#include <QRegularExpression>

#include <optional>

// The video and audio clients against stand-in helpers on PATH, named "tulmar" and
// "sarnek" as the real ones are. The stand-in keeps a copy of each job file and, for
// each key of the job, prints the line of a fixed video or audio file; a mode set for
// one run makes it crash, hang, split a line, end lines with CR LF, print an unknown
// key or a key twice, or print lines the test put ready.
class TestMediaThumbnailClients : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void tulmarJobFileBytes();
    void sarnekJobFileBytes();
    void colourForm_data();
    void colourForm();
    void readsTulmarLines_data();
    void readsTulmarLines();
    void readsSarnekLines_data();
    void readsSarnekLines();
    void helperModes_data();
    void helperModes();
    void missingHelperCostsOnlyItsBatch_data();
    void missingHelperCostsOnlyItsBatch();
    void helperFoundBesideProgramThenOnPath();

private:
    struct Delivered
    {
        QString key;
        QList<int> facts;
    };

    void installHelpers();
    void putFile(const QString& name, const QByteArray& content);
    QByteArray job(int run) const;
    int runs() const;
    QStringList jobFilesLeft() const;
    static TulmarnailClient::Data* videoRecord(const QString& key);
    static SarneknailClient::Data* audioRecord(const QString& key);
    static QList<int> factsOf(const TulmarnailClient::Data* data);
    static QList<int> factsOf(const SarneknailClient::Data* data);
    template <typename Client>
    void watch(Client& client);
    template <typename Client>
    void startRecords(Client& client, const QStringList& keys);
    template <typename Client>
    void runModes(const QString& mode, const QStringList& expectedKeys, const QList<int>& expectedFacts);
    template <typename Client>
    void runMissingHelper(const QString& name);

    QTemporaryDir work;
    QList<Delivered> delivered;
};

namespace {

const QList<int> videoFacts{125, 1920, 1080, 1, 4500, 25};

const QList<int> audioFacts{214, 320, 2, 44100, 16};

} // namespace

void TestMediaThumbnailClients::initTestCase()
{
    QVERIFY(work.isValid());
    installHelpers();
}

void TestMediaThumbnailClients::installHelpers()
{
    const QByteArray script = QStringLiteral(
        "dir='%1'\n"
        "kind=$(basename \"$0\")\n"
        "n=$(ls \"$dir\"/job-*.dat 2>/dev/null | wc -l)\n"
        "cp \"$1\" \"$dir/job-$n.dat\"\n"
        "echo \"$1\" >> \"$dir/arguments\"\n"
        "mode=ok\n"
        "if [ -f \"$dir/mode\" ]; then mode=$(cat \"$dir/mode\"); rm -f \"$dir/mode\"; fi\n"
        "if [ \"$mode\" = lines ]; then cat \"$dir/lines\"; exit 0; fi\n"
        "if [ \"$kind\" = tulmar ]; then facts='(125)(1920)(1080)(1)(4500)(25)';\n"
        "else facts='(214)(320)(2)(44100)(16)'; fi\n"
        "for key in $(sed -n 's/.*key=\"\\([^\"]*\\)\".*/\\1/p' \"$1\"); do\n"
        "    case \"$mode\" in\n"
        "    crash) printf '(%s)%s\\n' \"$key\" \"$facts\"; kill -SEGV $$ ;;\n"
        "    hang) exec sleep 60 ;;\n"
        "    split) printf '(%s)%s' \"$key\" \"$(printf '%s' \"$facts\" | cut -c1-4)\"; sleep 0.3;\n"
        "           printf '%s\\n' \"$(printf '%s' \"$facts\" | cut -c5-)\" ;;\n"
        "    crlf) printf '(%s)%s\\r\\n' \"$key\" \"$facts\" ;;\n"
        "    unknown) printf '(other-%s)%s\\n(%s)%s\\n' \"$key\" \"$facts\" \"$key\" \"$facts\" ;;\n"
        "    duplicate) printf '(%s)%s\\n(%s)(9)(9)(9)(0)(9)(9)\\n' \"$key\" \"$facts\" \"$key\" ;;\n"
        "    *) printf '(%s)%s\\n' \"$key\" \"$facts\" ;;\n"
        "    esac\n"
        "done\n")
                                   .arg(work.path())
                                   .toUtf8();
    TestEnvironment::instance()->installStub(QStringLiteral("tulmar"), script);
    TestEnvironment::instance()->installStub(QStringLiteral("sarnek"), script);
}

void TestMediaThumbnailClients::init()
{
    delivered.clear();
    QDir dir(work.path());
    for (const QString& name : dir.entryList(QDir::Files))
        QVERIFY(dir.remove(name));
}

void TestMediaThumbnailClients::putFile(const QString& name, const QByteArray& content)
{
    QFile file(work.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray TestMediaThumbnailClients::job(int run) const
{
    QFile file(work.filePath(QStringLiteral("job-%1.dat").arg(run)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int TestMediaThumbnailClients::runs() const
{
    return QDir(work.path()).entryList({QStringLiteral("job-*.dat")}).size();
}

QStringList TestMediaThumbnailClients::jobFilesLeft() const
{
    return QDir(runtimeFolder() + QStringLiteral("thumbnail-jobs")).entryList(QDir::Files);
}

TulmarnailClient::Data* TestMediaThumbnailClients::videoRecord(const QString& key)
{
    // As the cabinet fills it.
    auto* data = new TulmarnailClient::Data;
    data->filePath = QStringLiteral("/videos/sea & sand \"") + key + QStringLiteral("\".mp4");
    data->thumbName = key + QStringLiteral(".");
    data->thumbFormat = QStringLiteral("PNG");
    data->key = key;
    data->thumbWidth = 256;
    data->thumbHeight = 256;
    data->filmBorderSize = 30;
    data->filmBorderSpacing = 18;
    data->filmBorderColor = QColor(0, 0, 0, 230);
    data->filmBackColor = QColor(0, 0, 0);
    return data;
}

SarneknailClient::Data* TestMediaThumbnailClients::audioRecord(const QString& key)
{
    auto* data = new SarneknailClient::Data;
    data->filePath = QStringLiteral("/music/") + key + QStringLiteral(".flac");
    data->thumbName = key + QStringLiteral(".");
    data->thumbFormat = QStringLiteral("PNG");
    data->key = key;
    data->thumbWidth = 256;
    data->thumbHeight = 256;
    return data;
}

QList<int> TestMediaThumbnailClients::factsOf(const TulmarnailClient::Data* data)
{
    return {data->length,          data->imageSize.width(), data->imageSize.height(), data->flag ? 1 : 0,
            data->bitrate,         data->framerate};
}

QList<int> TestMediaThumbnailClients::factsOf(const SarneknailClient::Data* data)
{
    return {data->length, data->bitrate, data->channels, data->samplerate, data->bitdepth};
}

template <typename Client>
void TestMediaThumbnailClients::watch(Client& client)
{
    connect(&client, &Client::thumbCreated, this, [this](typename Client::Data* data) {
        delivered.append({data->key, factsOf(data)});
    });
}

template <typename Client>
void TestMediaThumbnailClients::startRecords(Client& client, const QStringList& keys)
{
    for (const QString& key : keys) {
        typename Client::Data* data = nullptr;
        if constexpr (std::is_same<Client, TulmarnailClient>::value)
            data = videoRecord(key);
        else
            data = audioRecord(key);
        client.start({{key, data}}, QStringLiteral("/cache"));
    }
}

void TestMediaThumbnailClients::tulmarJobFileBytes()
{
    TulmarnailClient client;
    watch(client);
    const QString key = QStringLiteral("d41d8cd98f00b204e9800998ecf8427e");
    client.start({{key, videoRecord(key)}}, QStringLiteral("/store/Cache"));
    QVERIFY(QRegularExpression(QStringLiteral("^tulmar-[A-Za-z0-9]{6}\\.dat$"))
                .match(QFileInfo(client.getDataFilePath()).fileName())
                .hasMatch());
    QTRY_COMPARE(delivered.size(), 1);
    QTRY_VERIFY(!client.running());
    QCOMPARE(job(0),
             QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<!DOCTYPE Tulmar-Data>\n"
                        "<Root>\n"
                        "    <List outputPath=\"/store/Cache\">\n"
                        "        <Item filePath=\"/videos/sea &amp; sand &quot;d41d8cd98f00b204e9800998ecf8427e&quot;.mp4\""
                        " thumbName=\"d41d8cd98f00b204e9800998ecf8427e.\" thumbFormat=\"PNG\""
                        " key=\"d41d8cd98f00b204e9800998ecf8427e\" thumbWidth=\"256\" thumbHeight=\"256\""
                        " thumbAlpha=\"255\" thumbTime=\"0\" filmBorderSize=\"30\" filmBorderSpacing=\"18\""
                        " filmBorderColor=\"E6000000\" filmBackColor=\"FF000000\"/>\n"
                        "    </List>\n"
                        "</Root>\n"));
    QCOMPARE(jobFilesLeft(), QStringList());
}

void TestMediaThumbnailClients::sarnekJobFileBytes()
{
    SarneknailClient client;
    watch(client);
    client.start({{QStringLiteral("k1"), audioRecord(QStringLiteral("k1"))}}, QStringLiteral("/store/Cache"));
    QVERIFY(QRegularExpression(QStringLiteral("^sarnek-[A-Za-z0-9]{6}\\.dat$"))
                .match(QFileInfo(client.getDataFilePath()).fileName())
                .hasMatch());
    QTRY_COMPARE(delivered.size(), 1);
    QTRY_VERIFY(!client.running());
    QCOMPARE(job(0), QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                "<!DOCTYPE Sarnek-Data>\n"
                                "<Root>\n"
                                "    <List outputPath=\"/store/Cache\">\n"
                                "        <Item filePath=\"/music/k1.flac\" thumbName=\"k1.\" thumbFormat=\"PNG\""
                                " key=\"k1\" thumbWidth=\"256\" thumbHeight=\"256\"/>\n"
                                "    </List>\n"
                                "</Root>\n"));
    QCOMPARE(jobFilesLeft(), QStringList());
}

void TestMediaThumbnailClients::colourForm_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("text");
    QTest::newRow("cabinet's border") << QColor(0, 0, 0, 230) << "E6000000";
    QTest::newRow("opaque white") << QColor(255, 255, 255) << "FFFFFFFF";
    QTest::newRow("upper-case digits") << QColor(0xab, 0xcd, 0xef, 0x80) << "80ABCDEF";
    // No leading zeros: an alpha below 16 gives fewer than eight digits.
    QTest::newRow("alpha below 16") << QColor(0x12, 0x34, 0x56, 0x0a) << "A123456";
    QTest::newRow("transparent black") << QColor(0, 0, 0, 0) << "0";
}

void TestMediaThumbnailClients::colourForm()
{
    QFETCH(QColor, color);
    QFETCH(QString, text);
    TulmarnailClient client;
    watch(client);
    TulmarnailClient::Data* data = videoRecord(QStringLiteral("k"));
    data->filmBorderColor = color;
    data->filmBackColor = color;
    client.start({{QStringLiteral("k"), data}}, QStringLiteral("/cache"));
    QTRY_VERIFY(runs() == 1 && !client.running());
    const QByteArray expected = QStringLiteral("filmBorderColor=\"%1\" filmBackColor=\"%1\"/>").arg(text).toUtf8();
    QVERIFY2(job(0).contains(expected), job(0).constData());
}

void TestMediaThumbnailClients::readsTulmarLines_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("signalCount");
    QTest::addColumn<QList<int>>("facts"); // length, width, height, flag, bit rate, frame rate

    QTest::newRow("seven fields") << QByteArray("(k)(125)(1920)(1080)(1)(4500)(25)\n") << 1 << videoFacts;
    QTest::newRow("four fields: flag false, rates 0")
        << QByteArray("(k)(60)(640)(480)\n") << 1 << QList<int>{60, 640, 480, 0, 0, 0};
    QTest::newRow("any non-zero fifth field sets the flag")
        << QByteArray("(k)(1)(2)(3)(-7)(4)(5)\n") << 1 << QList<int>{1, 2, 3, 1, 4, 5};
    QTest::newRow("zero fifth field") << QByteArray("(k)(1)(2)(3)(0)(4)(5)\n") << 1 << QList<int>{1, 2, 3, 0, 4, 5};
    QTest::newRow("not numbers read as 0")
        << QByteArray("(k)(long)(1920)(x)(yes)(4.5)(25)\n") << 1 << QList<int>{0, 1920, 0, 0, 0, 25};
    QTest::newRow("spaces, CR, no closing bracket")
        << QByteArray("  ( k )( 3 )(4)(5)(1)(6)(7  \r\n") << 1 << QList<int>{3, 4, 5, 1, 6, 7};
    QTest::newRow("fields beyond seven ignored")
        << QByteArray("(k)(1)(2)(3)(0)(4)(5)(6)(7)\n") << 1 << QList<int>{1, 2, 3, 0, 4, 5};
    QTest::newRow("key alone") << QByteArray("(k)\n") << 1 << QList<int>{0, 0, 0, 0, 0, 0};
    QTest::newRow("key without brackets") << QByteArray("k\n") << 0 << QList<int>();
}

void TestMediaThumbnailClients::readsTulmarLines()
{
    QFETCH(QByteArray, lines);
    QFETCH(int, signalCount);
    QFETCH(QList<int>, facts);
    putFile(QStringLiteral("mode"), "lines");
    putFile(QStringLiteral("lines"), lines);
    TulmarnailClient client;
    watch(client);
    client.start({{QStringLiteral("k"), videoRecord(QStringLiteral("k"))}}, QStringLiteral("/cache"));
    QTRY_VERIFY(runs() == 1 && !client.running());
    QCOMPARE(delivered.size(), signalCount);
    if (signalCount)
        QCOMPARE(delivered.first().facts, facts);
}

void TestMediaThumbnailClients::readsSarnekLines_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QList<int>>("facts"); // length, bit rate, channels, sample rate, bit depth

    // The line gives the sample rate before the bit depth.
    QTest::newRow("six fields") << QByteArray("(k)(1)(2)(2)(44100)(16)\n") << QList<int>{1, 2, 2, 44100, 16};
    QTest::newRow("lossy, no bit depth") << QByteArray("(k)(214)(320)(2)(48000)(0)\n")
                                         << QList<int>{214, 320, 2, 48000, 0};
    QTest::newRow("three fields") << QByteArray("(k)(30)(128)\n") << QList<int>{30, 128, 0, 0, 0};
    QTest::newRow("CR LF") << QByteArray("(k)(5)(1411)(2)(44100)(16)\r\n") << QList<int>{5, 1411, 2, 44100, 16};
}

void TestMediaThumbnailClients::readsSarnekLines()
{
    QFETCH(QByteArray, lines);
    QFETCH(QList<int>, facts);
    putFile(QStringLiteral("mode"), "lines");
    putFile(QStringLiteral("lines"), lines);
    SarneknailClient client;
    watch(client);
    client.start({{QStringLiteral("k"), audioRecord(QStringLiteral("k"))}}, QStringLiteral("/cache"));
    QTRY_VERIFY(runs() == 1 && !client.running());
    QCOMPARE(delivered.size(), 1);
    QCOMPARE(delivered.first().facts, facts);
}

void TestMediaThumbnailClients::helperModes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("keys"); // delivered, in order

    // The first batch ("a") runs in the mode, the second ("b") waits for it and runs as usual.
    for (const char* kind : {"tulmar", "sarnek"}) {
        auto row = [kind](const char* mode, const QStringList& keys) {
            QTest::addRow("%s %s", kind, mode) << QString::fromLatin1(kind) << QString::fromLatin1(mode) << keys;
        };
        row("ok", {QStringLiteral("a"), QStringLiteral("b")});
        // The line printed before the crash counts; the turnover runs once, on the end,
        // so the second batch is delivered.
        row("crash", {QStringLiteral("a"), QStringLiteral("b")});
        row("hang", {QStringLiteral("b")});
        row("split", {QStringLiteral("a"), QStringLiteral("b")});
        row("crlf", {QStringLiteral("a"), QStringLiteral("b")});
        row("unknown", {QStringLiteral("a"), QStringLiteral("b")});
        row("duplicate", {QStringLiteral("a"), QStringLiteral("b")});
    }
}

template <typename Client>
void TestMediaThumbnailClients::runModes(const QString& mode, const QStringList& expectedKeys,
                                         const QList<int>& expectedFacts)
{
    putFile(QStringLiteral("mode"), mode.toUtf8());
    Client client;
    watch(client);
    // Only the hanging helper meets the watchdog, and it soon; every other batch keeps
    // the full allowance, so a slow machine never has a helper ended between two lines.
    std::optional<ShortSilenceWatch> hangWatch;
    if (mode == QStringLiteral("hang"))
        hangWatch.emplace(client, 1000);
    startRecords(client, {QStringLiteral("a")});
    startRecords(client, {QStringLiteral("b")});
    QTRY_COMPARE_WITH_TIMEOUT(runs(), 2, 60000);
    QTRY_VERIFY_WITH_TIMEOUT(!client.running(), 60000);
    QStringList keys;
    for (const Delivered& entry : qAsConst(delivered)) {
        keys << entry.key;
        // The first line for a key counts, whatever its ending or its neighbours.
        QCOMPARE(entry.facts, expectedFacts);
    }
    QCOMPARE(keys, expectedKeys);
    QCOMPARE(job(1).count("<Item "), 1);
    QCOMPARE(jobFilesLeft(), QStringList());
}

void TestMediaThumbnailClients::helperModes()
{
    QFETCH(QString, kind);
    QFETCH(QString, mode);
    QFETCH(QStringList, keys);
    if (kind == QStringLiteral("tulmar"))
        runModes<TulmarnailClient>(mode, keys, videoFacts);
    else
        runModes<SarneknailClient>(mode, keys, audioFacts);
}

void TestMediaThumbnailClients::missingHelperCostsOnlyItsBatch_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("video") << "tulmar";
    QTest::newRow("audio") << "sarnek";
}

template <typename Client>
void TestMediaThumbnailClients::runMissingHelper(const QString& name)
{
    const QString stub = TestEnvironment::instance()->root() + QStringLiteral("/stubs/") + name;
    QVERIFY(QFile::remove(stub));
    Client client;
    watch(client);
    QCOMPARE(client.program(), name);
    // A helper found nowhere costs each batch as it comes, and nothing after it.
    startRecords(client, {QStringLiteral("a")});
    startRecords(client, {QStringLiteral("b")});
    QTRY_VERIFY(!client.running() && client.getDataFilePath().isEmpty());
    QTest::qWait(100);
    QVERIFY(!client.running());
    QCOMPARE(delivered.size(), 0);
    QCOMPARE(jobFilesLeft(), QStringList());

    installHelpers();
    QCOMPARE(client.program(), stub);
    startRecords(client, {QStringLiteral("c")});
    QTRY_VERIFY(runs() == 1 && !client.running());
    QCOMPARE(job(0).count("<Item "), 1);
    QCOMPARE(delivered.size(), 1);
    QCOMPARE(delivered.first().key, QStringLiteral("c"));
    QCOMPARE(jobFilesLeft(), QStringList());
}

void TestMediaThumbnailClients::missingHelperCostsOnlyItsBatch()
{
    QFETCH(QString, kind);
    if (kind == QStringLiteral("tulmar"))
        runMissingHelper<TulmarnailClient>(kind);
    else
        runMissingHelper<SarneknailClient>(kind);
}

void TestMediaThumbnailClients::helperFoundBesideProgramThenOnPath()
{
    installHelpers();
    const QString onPath = TestEnvironment::instance()->root() + QStringLiteral("/stubs/tulmar");
    QTemporaryDir programFolder;
    QCOMPARE(findHelperProgram(QStringLiteral("tulmar"), programFolder.path()), onPath);

    // A file that cannot be run is passed over.
    QFile beside(programFolder.filePath(QStringLiteral("tulmar")));
    QVERIFY(beside.open(QIODevice::WriteOnly));
    beside.write("#!/bin/sh\n");
    beside.close();
    QCOMPARE(findHelperProgram(QStringLiteral("tulmar"), programFolder.path()), onPath);
    QVERIFY(beside.setPermissions(beside.permissions() | QFileDevice::ExeOwner));
    QCOMPARE(findHelperProgram(QStringLiteral("tulmar"), programFolder.path()), beside.fileName());

    QCOMPARE(findHelperProgram(QStringLiteral("no-such-helper"), programFolder.path()),
             QStringLiteral("no-such-helper"));
}

VORENDA_TEST_MAIN(TestMediaThumbnailClients)
#include "tst_mediathumbnailclients.moc"
