#include "TestEnvironment.h"

#include "DovalinnailClient.h"
#include "KestrimnailClient.h"
#include "MyThumbnailItem.h"
#include "RuntimeFolder.h"
#include "ShortSilenceWatch.h"

#include <QRegularExpression>

#include <sys/stat.h>

// The batch mechanism of the thumbnail clients, driven by a stand-in helper script:
// it keeps a copy of each job file, prints one line per key of the job (or the lines
// the test put ready) and, when told to once, waits, crashes or stays silent.
class TestThumbnailClient : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void dovalinJobFileBytes();
    void kestrimJobFileBytes();
    void jobFilesArePrivateAndRemoved();
    void recordsHandedOverWhileBusyFormOneBatch();
    void sameKeyTwiceDeliversLastRecord();
    void readsDovalinLines_data();
    void readsDovalinLines();
    void readsKestrimLines();
    void crashedHelperStillTurnsOver();
    void silentHelperIsKilled();
    void kestrimMayBeSilentForItsPageDeadlines();
    void abortDropsEverything();
    void missingProgramKeepsBatchUntilNextStart();
    void destroyedItemIsDeliveredNull();

private:
    struct Delivered
    {
        QString key;
        bool isPhoto = false;
        QSize imageSize;
        bool hadItem = false;
    };

    void writeHelper(const QString& lineTemplate);
    void putFile(const QString& name, const QByteArray& content);
    QByteArray job(int run) const;
    int runs() const;
    static DovalinnailClient::Data* imageRecord(const QString& key);
    static KestrimnailClient::Data* pageRecord(const QString& key);
    void watch(DovalinnailClient& client);

    QScopedPointer<QTemporaryDir> dir;
    QString helper;
    QList<Delivered> delivered;
};

void TestThumbnailClient::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
    delivered.clear();
    writeHelper(QStringLiteral("(\\1)(1)(10)(20)"));
}

void TestThumbnailClient::writeHelper(const QString& lineTemplate)
{
    helper = dir->filePath(QStringLiteral("helper.sh"));
    const QString script = QStringLiteral(
        "#!/bin/sh\n"
        "dir='%1'\n"
        "n=$(ls \"$dir\"/job-*.dat 2>/dev/null | wc -l)\n"
        "cp \"$1\" \"$dir/job-$n.dat\"\n"
        "echo \"$1\" >> \"$dir/arguments\"\n"
        "if [ -f \"$dir/delay\" ]; then d=$(cat \"$dir/delay\"); rm -f \"$dir/delay\"; sleep $d; fi\n"
        "if [ -f \"$dir/lines\" ]; then cat \"$dir/lines\"; rm -f \"$dir/lines\";\n"
        "else sed -n 's/.*key=\"\\([^\"]*\\)\".*/%2/p' \"$1\"; fi\n"
        "if [ -f \"$dir/crash\" ]; then rm -f \"$dir/crash\"; kill -SEGV $$; fi\n"
        "exit 0\n")
                               .arg(dir->path(), lineTemplate);
    QFile file(helper);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(script.toUtf8());
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void TestThumbnailClient::putFile(const QString& name, const QByteArray& content)
{
    QFile file(dir->filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray TestThumbnailClient::job(int run) const
{
    QFile file(dir->filePath(QStringLiteral("job-%1.dat").arg(run)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int TestThumbnailClient::runs() const
{
    return QDir(dir->path()).entryList({QStringLiteral("job-*.dat")}).size();
}

DovalinnailClient::Data* TestThumbnailClient::imageRecord(const QString& key)
{
    auto* data = new DovalinnailClient::Data;
    data->filePath = QStringLiteral("/pictures/") + key + QStringLiteral(".jpg");
    data->thumbName = key + QStringLiteral(".");
    data->thumbFormat = QStringLiteral("PNG");
    data->key = key;
    data->thumbWidth = 256;
    data->thumbHeight = 256;
    data->photoBorder = 8;
    return data;
}

KestrimnailClient::Data* TestThumbnailClient::pageRecord(const QString& key)
{
    auto* data = new KestrimnailClient::Data;
    data->url = QStringLiteral("https://example.org/?a=1&b=\"2\"");
    data->thumbName = key + QStringLiteral(".");
    data->thumbFormat = QStringLiteral("PNG");
    data->key = key;
    data->pageWidth = 1100;
    data->pageHeight = 825;
    data->thumbWidth = 256;
    data->thumbHeight = 256;
    return data;
}

void TestThumbnailClient::watch(DovalinnailClient& client)
{
    client.setProgram(helper);
    connect(&client, &DovalinnailClient::thumbCreated, this, [this](DovalinnailClient::Data* data) {
        delivered.append({data->key, data->isPhoto, data->imageSize, !data->item.isNull()});
    });
}

void TestThumbnailClient::dovalinJobFileBytes()
{
    DovalinnailClient client;
    watch(client);
    const QString key = QStringLiteral("d41d8cd98f00b204e9800998ecf8427e");
    client.start({{key, imageRecord(key)}}, QStringLiteral("/store/Cache"));
    QTRY_COMPARE(delivered.size(), 1);
    QCOMPARE(job(0), QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                "<!DOCTYPE Dovalin-Data>\n"
                                "<Root>\n"
                                "    <List outputPath=\"/store/Cache\">\n"
                                "        <Item filePath=\"/pictures/d41d8cd98f00b204e9800998ecf8427e.jpg\""
                                " thumbName=\"d41d8cd98f00b204e9800998ecf8427e.\" thumbFormat=\"PNG\""
                                " key=\"d41d8cd98f00b204e9800998ecf8427e\" thumbWidth=\"256\" thumbHeight=\"256\""
                                " photoBorder=\"8\"/>\n"
                                "    </List>\n"
                                "</Root>\n"));
}

void TestThumbnailClient::kestrimJobFileBytes()
{
    writeHelper(QStringLiteral("\\1"));
    KestrimnailClient client;
    client.setProgram(helper);
    QStringList keys;
    connect(&client, &KestrimnailClient::thumbCreated, this,
            [&keys](KestrimnailClient::Data* data) { keys << data->key; });
    client.start({{QStringLiteral("k1"), pageRecord(QStringLiteral("k1"))}}, QStringLiteral("/store/Cache"));
    QTRY_COMPARE(keys, QStringList{QStringLiteral("k1")});
    QCOMPARE(job(0), QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                "<!DOCTYPE Kestrim-Data>\n"
                                "<Root>\n"
                                "    <List outputPath=\"/store/Cache\" delay=\"1000\" maxPages=\"2\">\n"
                                "        <Item url=\"https://example.org/?a=1&amp;b=&quot;2&quot;\" thumbName=\"k1.\""
                                " thumbFormat=\"PNG\" key=\"k1\" pageWidth=\"1100\" pageHeight=\"825\""
                                " thumbWidth=\"256\" thumbHeight=\"256\"/>\n"
                                "    </List>\n"
                                "</Root>\n"));
}

void TestThumbnailClient::jobFilesArePrivateAndRemoved()
{
    DovalinnailClient first;
    DovalinnailClient second;
    watch(first);
    watch(second);
    putFile(QStringLiteral("delay"), "0.3");
    first.start({{QStringLiteral("a"), imageRecord(QStringLiteral("a"))}}, QStringLiteral("/cache"));
    second.start({{QStringLiteral("b"), imageRecord(QStringLiteral("b"))}}, QStringLiteral("/cache"));
    QVERIFY(first.running() && second.running());
    const QString firstJob = first.getDataFilePath();
    const QString secondJob = second.getDataFilePath();
    QVERIFY(firstJob != secondJob);
    QVERIFY(QFile::exists(firstJob) && QFile::exists(secondJob));
    const QString folder = runtimeFolder() + QStringLiteral("thumbnail-jobs");
    QVERIFY(firstJob.startsWith(TestEnvironment::instance()->runtimeFolder()));
    QCOMPARE(QFileInfo(firstJob).absolutePath(), QFileInfo(folder).absoluteFilePath());
    QVERIFY(QRegularExpression(QStringLiteral("^dovalin-[A-Za-z0-9]{6}\\.dat$"))
                .match(QFileInfo(firstJob).fileName())
                .hasMatch());
    struct stat info;
    QCOMPARE(::stat(QFile::encodeName(folder).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0700u);
    QCOMPARE(::stat(QFile::encodeName(firstJob).constData(), &info), 0);
    QCOMPARE(info.st_mode & 077, 0u);

    // Both helpers read their own job: each client gets its own record.
    QTRY_COMPARE(delivered.size(), 2);
    QTRY_VERIFY(!first.running() && !second.running());
    QVERIFY(!QFile::exists(firstJob) && !QFile::exists(secondJob));
    QVERIFY(first.getDataFilePath().isEmpty());
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
}

void TestThumbnailClient::recordsHandedOverWhileBusyFormOneBatch()
{
    DovalinnailClient client;
    watch(client);
    client.start({}, QStringLiteral("/cache"));
    QVERIFY(!client.running());
    QCOMPARE(runs(), 0);

    putFile(QStringLiteral("delay"), "0.5");
    client.start({{QStringLiteral("a"), imageRecord(QStringLiteral("a"))}}, QStringLiteral("/cache"));
    for (const QString& key : {QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")})
        client.start({{key, imageRecord(key)}}, QStringLiteral("/elsewhere"));
    QTRY_COMPARE(delivered.size(), 4);
    QTRY_VERIFY(!client.running());
    QCOMPARE(runs(), 2);
    const QByteArray second = job(1);
    QCOMPARE(second.count("<Item "), 3);
    // The output folder of a batch is the one given when it started.
    QVERIFY(second.contains("outputPath=\"/cache\""));
    for (const char* key : {"b", "c", "d"})
        QVERIFY(second.contains(QByteArray("key=\"") + key + "\""));
}

void TestThumbnailClient::sameKeyTwiceDeliversLastRecord()
{
    DovalinnailClient client;
    watch(client);
    putFile(QStringLiteral("delay"), "0.3");
    client.start({{QStringLiteral("first"), imageRecord(QStringLiteral("first"))}}, QStringLiteral("/cache"));
    DovalinnailClient::Data* older = imageRecord(QStringLiteral("same"));
    older->thumbWidth = 1;
    DovalinnailClient::Data* newer = imageRecord(QStringLiteral("same"));
    newer->thumbWidth = 2;
    client.start({{QStringLiteral("same"), older}}, QStringLiteral("/cache"));
    client.start({{QStringLiteral("same"), newer}}, QStringLiteral("/cache"));
    int width = 0;
    connect(&client, &DovalinnailClient::thumbCreated, this, [&width](DovalinnailClient::Data* data) {
        if (data->key == QStringLiteral("same"))
            width = data->thumbWidth;
    });
    // The helper prints the key once per Item: the second line finds nothing left.
    QTRY_COMPARE(runs(), 2);
    QTRY_VERIFY(!client.running());
    QCOMPARE(job(1).count("key=\"same\""), 2);
    QCOMPARE(delivered.size(), 2);
    QCOMPARE(width, 2);
}

void TestThumbnailClient::readsDovalinLines_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("signalCount");
    QTest::addColumn<bool>("isPhoto");
    QTest::addColumn<QSize>("imageSize");

    QTest::newRow("photo") << QByteArray("(k)(1)(1600)(1200)\n") << 1 << true << QSize(1600, 1200);
    QTest::newRow("picture") << QByteArray("(k)(0)(1366)(768)\n") << 1 << false << QSize(1366, 768);
    QTest::newRow("any non-zero flag") << QByteArray("(k)(2)(10)(20)\n") << 1 << true << QSize(10, 20);
    QTest::newRow("spaces and CR") << QByteArray("   (k)(1)(5)(6)  \r\n") << 1 << true << QSize(5, 6);
    QTest::newRow("spaces inside fields") << QByteArray("( k )( 1 )( 7 )( 8 )\n") << 1 << true << QSize(7, 8);
    QTest::newRow("key only") << QByteArray("(k)\n") << 1 << false << QSize(0, 0);
    QTest::newRow("width not a number") << QByteArray("(k)(1)(wide)(30)\n") << 1 << true << QSize(0, 30);
    QTest::newRow("no closing bracket") << QByteArray("(k)(1)(40)(50\n") << 1 << true << QSize(40, 50);
    QTest::newRow("no last line feed") << QByteArray("(k)(1)(3)(4)") << 1 << true << QSize(3, 4);
    QTest::newRow("unknown key ignored") << QByteArray("(other)(1)(1)(1)\n(k)(0)(2)(2)\n") << 1 << false
                                         << QSize(2, 2);
    QTest::newRow("duplicate key: first line counts") << QByteArray("(k)(1)(9)(9)\n(k)(0)(1)(1)\n") << 1 << true
                                                      << QSize(9, 9);
    QTest::newRow("no brackets") << QByteArray("k\n") << 0 << false << QSize();
    QTest::newRow("empty lines") << QByteArray("\n\n\r\n") << 0 << false << QSize();
}

void TestThumbnailClient::readsDovalinLines()
{
    QFETCH(QByteArray, lines);
    QFETCH(int, signalCount);
    QFETCH(bool, isPhoto);
    QFETCH(QSize, imageSize);

    putFile(QStringLiteral("lines"), lines);
    DovalinnailClient client;
    watch(client);
    client.start({{QStringLiteral("k"), imageRecord(QStringLiteral("k"))}}, QStringLiteral("/cache"));
    QTRY_VERIFY(runs() == 1 && !client.running());
    QCOMPARE(delivered.size(), signalCount);
    if (signalCount) {
        QCOMPARE(delivered.first().isPhoto, isPhoto);
        QCOMPARE(delivered.first().imageSize, imageSize);
    }
}

void TestThumbnailClient::readsKestrimLines()
{
    putFile(QStringLiteral("lines"), "(k1)\n  k2 \r\nk3 extra\nk4\nk4\n");
    KestrimnailClient client;
    client.setProgram(helper);
    QStringList keys;
    connect(&client, &KestrimnailClient::thumbCreated, this,
            [&keys](KestrimnailClient::Data* data) { keys << data->key; });
    client.start({{QStringLiteral("k1"), pageRecord(QStringLiteral("k1"))},
                  {QStringLiteral("k2"), pageRecord(QStringLiteral("k2"))},
                  {QStringLiteral("k3"), pageRecord(QStringLiteral("k3"))},
                  {QStringLiteral("k4"), pageRecord(QStringLiteral("k4"))}},
                 QStringLiteral("/cache"));
    QTRY_VERIFY(runs() == 1 && !client.running());
    // The whole line is the key: brackets or extra words make another key.
    QCOMPARE(keys, (QStringList{QStringLiteral("k2"), QStringLiteral("k4")}));
}

void TestThumbnailClient::crashedHelperStillTurnsOver()
{
    DovalinnailClient client;
    watch(client);
    putFile(QStringLiteral("delay"), "0.3");
    putFile(QStringLiteral("crash"), "");
    client.start({{QStringLiteral("a"), imageRecord(QStringLiteral("a"))}}, QStringLiteral("/cache"));
    client.start({{QStringLiteral("b"), imageRecord(QStringLiteral("b"))}}, QStringLiteral("/cache"));
    QTRY_COMPARE(runs(), 2);
    QTRY_VERIFY(!client.running());
    // The line printed before the crash counts; the next batch is delivered.
    QCOMPARE(delivered.size(), 2);
    QCOMPARE(delivered.at(1).key, QStringLiteral("b"));
}

void TestThumbnailClient::silentHelperIsKilled()
{
    DovalinnailClient client;
    watch(client);
    QCOMPARE(client.silenceTimeout(), 60000);
    ShortSilenceWatch watchdog(client, 1500);
    putFile(QStringLiteral("delay"), "20");
    client.start({{QStringLiteral("a"), imageRecord(QStringLiteral("a"))}}, QStringLiteral("/cache"));
    client.start({{QStringLiteral("b"), imageRecord(QStringLiteral("b"))}}, QStringLiteral("/cache"));
    // The watchdog, not the helper's own end after 20 s, turned the first batch over.
    QTRY_VERIFY_WITH_TIMEOUT(watchdog.fired(), 15000);
    QTRY_COMPARE_WITH_TIMEOUT(delivered.size(), 1, 60000);
    QCOMPARE(delivered.first().key, QStringLiteral("b"));
    QTRY_VERIFY(!client.running());
    QCOMPARE(runs(), 2);
}

// Kestrim ends each page by its deadline, MAX_PAGES pages at a time: its client waits
// that long, and no longer, for the pages still in its hands.
void TestThumbnailClient::kestrimMayBeSilentForItsPageDeadlines()
{
    KestrimnailClient client;
    client.setProgram(helper);
    client.setSilenceTimeout(1500);
    QCOMPARE(client.silenceLimit(), 1500);
    putFile(QStringLiteral("delay"), "1");
    client.start({{QStringLiteral("a"), pageRecord(QStringLiteral("a"))},
                  {QStringLiteral("b"), pageRecord(QStringLiteral("b"))},
                  {QStringLiteral("c"), pageRecord(QStringLiteral("c"))}},
                 QStringLiteral("/cache"));
    QVERIFY(client.running());
    QCOMPARE(client.silenceLimit(), 1500 + 2 * KestrimnailClient::PAGE_TIME);
    QTRY_VERIFY(!client.running());
    QCOMPARE(client.silenceLimit(), 1500);
}

void TestThumbnailClient::abortDropsEverything()
{
    DovalinnailClient client;
    watch(client);
    putFile(QStringLiteral("delay"), "0.5");
    client.start({{QStringLiteral("a"), imageRecord(QStringLiteral("a"))}}, QStringLiteral("/cache"));
    client.start({{QStringLiteral("b"), imageRecord(QStringLiteral("b"))}}, QStringLiteral("/cache"));
    QTRY_VERIFY(QFile::exists(dir->filePath(QStringLiteral("arguments"))));
    client.abort();
    QVERIFY(client.aborted());
    // Records handed over before the killed helper has ended wait without a batch.
    client.start({{QStringLiteral("c"), imageRecord(QStringLiteral("c"))}}, QStringLiteral("/cache"));
    QTRY_VERIFY(!client.running());
    QTest::qWait(200);
    QCOMPARE(delivered.size(), 0);
    QCOMPARE(runs(), 1);

    client.start({{QStringLiteral("d"), imageRecord(QStringLiteral("d"))}}, QStringLiteral("/cache"));
    QVERIFY(!client.aborted());
    QTRY_COMPARE(delivered.size(), 1);
    QCOMPARE(delivered.first().key, QStringLiteral("d"));
}

void TestThumbnailClient::missingProgramKeepsBatchUntilNextStart()
{
    DovalinnailClient client;
    watch(client);
    client.setProgram(dir->filePath(QStringLiteral("no-such-helper")));
    client.start({{QStringLiteral("a"), imageRecord(QStringLiteral("a"))}}, QStringLiteral("/cache"));
    QTRY_VERIFY(!client.running());
    QTRY_VERIFY(client.getDataFilePath().isEmpty());
    QCOMPARE(QDir(runtimeFolder() + QStringLiteral("thumbnail-jobs")).entryList(QDir::Files), QStringList());

    client.setProgram(helper);
    client.start({{QStringLiteral("b"), imageRecord(QStringLiteral("b"))}}, QStringLiteral("/cache"));
    QTRY_VERIFY(runs() == 1 && !client.running());
    QCOMPARE(job(0).count("<Item "), 1);
    QCOMPARE(delivered.size(), 1);
    QCOMPARE(delivered.first().key, QStringLiteral("b"));
}

void TestThumbnailClient::destroyedItemIsDeliveredNull()
{
    DovalinnailClient client;
    watch(client);
    putFile(QStringLiteral("delay"), "0.3");
    auto* item = new MyThumbnailItem;
    DovalinnailClient::Data* kept = imageRecord(QStringLiteral("kept"));
    DovalinnailClient::Data* gone = imageRecord(QStringLiteral("gone"));
    auto* keptItem = new MyThumbnailItem;
    kept->item = keptItem;
    gone->item = item;
    client.start({{QStringLiteral("kept"), kept}, {QStringLiteral("gone"), gone}}, QStringLiteral("/cache"));
    delete item;
    QTRY_COMPARE(delivered.size(), 2);
    for (const Delivered& entry : qAsConst(delivered))
        QCOMPARE(entry.hadItem, entry.key == QStringLiteral("kept"));
    delete keptItem;
}

VORENDA_TEST_MAIN(TestThumbnailClient)
#include "tst_thumbnailclient.moc"
