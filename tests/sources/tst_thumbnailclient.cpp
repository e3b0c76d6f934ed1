#include "TestEnvironment.h"

#include "DovalinnailClient.h"
#include "KestrimnailClient.h"
#include "MyThumbnailItem.h"
#include "RuntimeFolder.h"

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
    helper = dir->filePath("helper.sh");
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
    return QDir(dir->path()).entryList({"job-*.dat"}).size();
}

DovalinnailClient::Data* TestThumbnailClient::imageRecord(const QString& key)
{
    auto* data = new DovalinnailClient::Data;
    data->filePath = "/pictures/" + key + ".jpg";
    data->thumbName = key + ".";
    data->thumbFormat = "PNG";
    data->key = key;
    data->thumbWidth = 256;
    data->thumbHeight = 256;
    data->photoBorder = 8;
    return data;
}

KestrimnailClient::Data* TestThumbnailClient::pageRecord(const QString& key)
{
    auto* data = new KestrimnailClient::Data;
    data->url = "https://example.org/?a=1&b=\"2\"";
    data->thumbName = key + ".";
    data->thumbFormat = "PNG";
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
    client.start({{"d41d8cd98f00b204e9800998ecf8427e", imageRecord("d41d8cd98f00b204e9800998ecf8427e")}},
                 "/store/Cache");
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
    client.start({{"k1", pageRecord("k1")}}, "/store/Cache");
    QTRY_COMPARE(keys, QStringList{"k1"});
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
    putFile("delay", "0.3");
    first.start({{"a", imageRecord("a")}}, "/cache");
    second.start({{"b", imageRecord("b")}}, "/cache");
    QVERIFY(first.running() && second.running());
    const QString firstJob = first.getDataFilePath();
    const QString secondJob = second.getDataFilePath();
    QVERIFY(firstJob != secondJob);
    QVERIFY(QFile::exists(firstJob) && QFile::exists(secondJob));
    const QString folder = runtimeFolder() + "thumbnail-jobs";
    QVERIFY(firstJob.startsWith(TestEnvironment::instance()->runtimeFolder()));
    QCOMPARE(QFileInfo(firstJob).absolutePath(), QFileInfo(folder).absoluteFilePath());
    QVERIFY(QRegularExpression("^dovalin-[A-Za-z0-9]{6}\\.dat$").match(QFileInfo(firstJob).fileName()).hasMatch());
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
    client.start({}, "/cache");
    QVERIFY(!client.running());
    QCOMPARE(runs(), 0);

    putFile("delay", "0.5");
    client.start({{"a", imageRecord("a")}}, "/cache");
    for (const char* key : {"b", "c", "d"})
        client.start({{key, imageRecord(key)}}, "/elsewhere");
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
    putFile("delay", "0.3");
    client.start({{"first", imageRecord("first")}}, "/cache");
    DovalinnailClient::Data* older = imageRecord("same");
    older->thumbWidth = 1;
    DovalinnailClient::Data* newer = imageRecord("same");
    newer->thumbWidth = 2;
    client.start({{"same", older}}, "/cache");
    client.start({{"same", newer}}, "/cache");
    int width = 0;
    connect(&client, &DovalinnailClient::thumbCreated, this, [&width](DovalinnailClient::Data* data) {
        if (data->key == "same")
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

    putFile("lines", lines);
    DovalinnailClient client;
    watch(client);
    client.start({{"k", imageRecord("k")}}, "/cache");
    QTRY_VERIFY(runs() == 1 && !client.running());
    QCOMPARE(delivered.size(), signalCount);
    if (signalCount) {
        QCOMPARE(delivered.first().isPhoto, isPhoto);
        QCOMPARE(delivered.first().imageSize, imageSize);
    }
}

void TestThumbnailClient::readsKestrimLines()
{
    putFile("lines", "(k1)\n  k2 \r\nk3 extra\nk4\nk4\n");
    KestrimnailClient client;
    client.setProgram(helper);
    QStringList keys;
    connect(&client, &KestrimnailClient::thumbCreated, this,
            [&keys](KestrimnailClient::Data* data) { keys << data->key; });
    client.start({{"k1", pageRecord("k1")}, {"k2", pageRecord("k2")}, {"k3", pageRecord("k3")},
                  {"k4", pageRecord("k4")}},
                 "/cache");
    QTRY_VERIFY(runs() == 1 && !client.running());
    // The whole line is the key: brackets or extra words make another key.
    QCOMPARE(keys, (QStringList{"k2", "k4"}));
}

void TestThumbnailClient::crashedHelperStillTurnsOver()
{
    DovalinnailClient client;
    watch(client);
    putFile("delay", "0.3");
    putFile("crash", "");
    client.start({{"a", imageRecord("a")}}, "/cache");
    client.start({{"b", imageRecord("b")}}, "/cache");
    QTRY_COMPARE(runs(), 2);
    QTRY_VERIFY(!client.running());
    // The line printed before the crash counts; the next batch is delivered.
    QCOMPARE(delivered.size(), 2);
    QCOMPARE(delivered.at(1).key, QString("b"));
}

void TestThumbnailClient::silentHelperIsKilled()
{
    DovalinnailClient client;
    watch(client);
    QCOMPARE(client.silenceTimeout(), 60000);
    client.setSilenceTimeout(1500);
    putFile("delay", "20");
    QElapsedTimer timer;
    timer.start();
    client.start({{"a", imageRecord("a")}}, "/cache");
    client.start({{"b", imageRecord("b")}}, "/cache");
    QTRY_COMPARE_WITH_TIMEOUT(delivered.size(), 1, 15000);
    QCOMPARE(delivered.first().key, QString("b"));
    QVERIFY(timer.elapsed() < 15000);
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
    putFile("delay", "1");
    client.start({{"a", pageRecord("a")}, {"b", pageRecord("b")}, {"c", pageRecord("c")}}, "/cache");
    QVERIFY(client.running());
    QCOMPARE(client.silenceLimit(), 1500 + 2 * KestrimnailClient::PAGE_TIME);
    QTRY_VERIFY(!client.running());
    QCOMPARE(client.silenceLimit(), 1500);
}

void TestThumbnailClient::abortDropsEverything()
{
    DovalinnailClient client;
    watch(client);
    putFile("delay", "0.5");
    client.start({{"a", imageRecord("a")}}, "/cache");
    client.start({{"b", imageRecord("b")}}, "/cache");
    QTRY_VERIFY(QFile::exists(dir->filePath("arguments")));
    client.abort();
    QVERIFY(client.aborted());
    // Records handed over before the killed helper has ended wait without a batch.
    client.start({{"c", imageRecord("c")}}, "/cache");
    QTRY_VERIFY(!client.running());
    QTest::qWait(200);
    QCOMPARE(delivered.size(), 0);
    QCOMPARE(runs(), 1);

    client.start({{"d", imageRecord("d")}}, "/cache");
    QVERIFY(!client.aborted());
    QTRY_COMPARE(delivered.size(), 1);
    QCOMPARE(delivered.first().key, QString("d"));
}

void TestThumbnailClient::missingProgramKeepsBatchUntilNextStart()
{
    DovalinnailClient client;
    watch(client);
    client.setProgram(dir->filePath("no-such-helper"));
    client.start({{"a", imageRecord("a")}}, "/cache");
    QTRY_VERIFY(!client.running());
    QTRY_VERIFY(client.getDataFilePath().isEmpty());
    QCOMPARE(QDir(runtimeFolder() + "thumbnail-jobs").entryList(QDir::Files), QStringList());

    client.setProgram(helper);
    client.start({{"b", imageRecord("b")}}, "/cache");
    QTRY_VERIFY(runs() == 1 && !client.running());
    QCOMPARE(job(0).count("<Item "), 1);
    QCOMPARE(delivered.size(), 1);
    QCOMPARE(delivered.first().key, QString("b"));
}

void TestThumbnailClient::destroyedItemIsDeliveredNull()
{
    DovalinnailClient client;
    watch(client);
    putFile("delay", "0.3");
    auto* item = new MyThumbnailItem;
    DovalinnailClient::Data* kept = imageRecord("kept");
    DovalinnailClient::Data* gone = imageRecord("gone");
    auto* keptItem = new MyThumbnailItem;
    kept->item = keptItem;
    gone->item = item;
    client.start({{"kept", kept}, {"gone", gone}}, "/cache");
    delete item;
    QTRY_COMPARE(delivered.size(), 2);
    for (const Delivered& entry : qAsConst(delivered))
        QCOMPARE(entry.hadItem, entry.key == "kept");
    delete keptItem;
}

VORENDA_TEST_MAIN(TestThumbnailClient)
#include "tst_thumbnailclient.moc"
