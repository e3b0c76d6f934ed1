#include "TestEnvironment.h"

#include "KestrimRun.h"
#include "PageServer.h"

#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>

#include <sys/stat.h>

// Kestrim's command line, job file and output lines, driven through the real binary.
class TestKestrimJob : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void argumentCount_data();
    void argumentCount();
    void refusedJob_data();
    void refusedJob();
    void itemsRenderAsTheClientAsks();
    void unsafeItemsAreRefusedAndNumbersBounded();

private:
    QString path(const QString& name) const { return dir->filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QString outputFolder() const { return path(QStringLiteral("out")); }

    QScopedPointer<QTemporaryDir> dir;
};

void TestKestrimJob::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
}

void TestKestrimJob::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void TestKestrimJob::argumentCount_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("none") << 0;
    QTest::newRow("two") << 2;
}

void TestKestrimJob::argumentCount()
{
    QFETCH(int, count);
    writeFile(QStringLiteral("page.html"), COLOURS_PAGE);
    QVERIFY(writeJobFile(path(QStringLiteral("job.dat")), outputFolder(), {},
                         {{path(QStringLiteral("page.html")), QStringLiteral("k"), {}}}));
    const QStringList arguments = QStringList{path(QStringLiteral("job.dat")), path(QStringLiteral("job.dat"))}.mid(0, count);

    KestrimRun run(arguments);
    QVERIFY(run.waitForEnd(20000));
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.lines.isEmpty());
    QVERIFY(!QFileInfo::exists(outputFolder()));
}

void TestKestrimJob::refusedJob_data()
{
    QTest::addColumn<QString>("doctype");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("thumbName");

    const QString page = QStringLiteral("page.html");
    QTest::newRow("no job file") << "" << "out" << page << "k.";
    QTest::newRow("image job file") << "Dovalin-Data" << "out" << page << "k.";
    QTest::newRow("job file is a FIFO") << "fifo" << "out" << page << "k.";
    QTest::newRow("empty output folder") << "Kestrim-Data" << "" << page << "k.";
    QTest::newRow("output folder under a file") << "Kestrim-Data" << "plain.txt/out" << page << "k.";
    QTest::newRow("only a png") << "Kestrim-Data" << "out" << "picture.png" << "k.";
    QTest::newRow("only a text file") << "Kestrim-Data" << "out" << "plain.txt" << "k.";
    QTest::newRow("shortcut to a local file") << "Kestrim-Data" << "out" << "local.url" << "k.";
    QTest::newRow("no thumbnail name") << "Kestrim-Data" << "out" << page << "none";
    QTest::newRow("thumbnail outside the folder") << "Kestrim-Data" << "out" << page << "../k.png";
}

void TestKestrimJob::refusedJob()
{
    QFETCH(QString, doctype);
    QFETCH(QString, output);
    QFETCH(QString, url);
    QFETCH(QString, thumbName);
    writeFile(QStringLiteral("page.html"), COLOURS_PAGE);
    writeFile(QStringLiteral("plain.txt"), "text");
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(path(QStringLiteral("picture.png"))));
    writeFile(QStringLiteral("local.url"), "[InternetShortcut]\r\nURL=" + path(QStringLiteral("page.html")).toUtf8() + "\r\n");
    if (doctype == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path(QStringLiteral("job.dat"))).constData(), 0600), 0);
    } else if (!doctype.isEmpty()) {
        JobItem item;
        item.url = path(url);
        item.key = QStringLiteral("k");
        item.thumbName = thumbName == QLatin1String("none") ? QStringLiteral("") : thumbName;
        QVERIFY(writeJobFile(path(QStringLiteral("job.dat")), output.isEmpty() ? QString() : path(output), {},
                             {item}, doctype));
    }

    KestrimRun run({path(QStringLiteral("job.dat"))});
    QVERIFY(run.waitForEnd(20000));
    QCOMPARE(run.exitCode, 255);
    QVERIFY(run.lines.isEmpty());
    QVERIFY(run.pageProcesses.isEmpty());
    QVERIFY(QDir(outputFolder()).entryList(QDir::Files).isEmpty());
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("k.png"))));
}

// One job file without DOCTYPE, delay or maxPages, as a mix the cabinet can send:
// a host without scheme, a shortcut to the web, a local page with an empty key,
// a picture (dropped) and a format no writer knows (no line, old file whole).
void TestKestrimJob::itemsRenderAsTheClientAsks()
{
    PageServer server;
    server.page("/colours", COLOURS_PAGE);
    server.page("/shortcut", COLOURS_PAGE);
    writeFile(QStringLiteral("page.html"), COLOURS_PAGE);
    writeFile(QStringLiteral("web.url"),
              "[InternetShortcut]\r\nurl=" + server.url("/shortcut").toUtf8() + "\r\nIconIndex=0\r\n");
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(path(QStringLiteral("picture.png"))));
    QVERIFY(QDir().mkpath(outputFolder()));
    QFile old(outputFolder() + QStringLiteral("/old.png"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old thumbnail");
    old.close();

    JobItem host{QStringLiteral("127.0.0.1:%1/colours").arg(server.port()), QStringLiteral("host"), {}};
    JobItem shortcut{path(QStringLiteral("web.url")), QStringLiteral("shortcut"), {}};
    JobItem local{path(QStringLiteral("page.html")), QString(), QStringLiteral("local.png"), QString()};
    JobItem image{path(QStringLiteral("picture.png")), QStringLiteral("image"), {}};
    JobItem unknownFormat{server.url("/colours"), QStringLiteral("format"), QStringLiteral("old.png"),
                          QStringLiteral("NOPE")};
    QVERIFY(writeJobFile(path(QStringLiteral("job.dat")), outputFolder(), {},
                         {host, shortcut, local, image, unknownFormat}, QString()));

    KestrimRun run({path(QStringLiteral("job.dat"))});
    QVERIFY(run.waitForEnd(60000));
    QCOMPARE(run.exitCode, 0);
    const QString localPath = QDir(outputFolder()).absoluteFilePath(QStringLiteral("local.png"));
    QCOMPARE(QSet<QString>(run.lines.begin(), run.lines.end()),
             (QSet<QString>{QStringLiteral("host"), QStringLiteral("shortcut"), localPath}));
    QCOMPARE(run.lines.size(), 3);
    QVERIFY(server.requests("/colours") >= 2);
    QCOMPARE(server.requests("/shortcut"), 1);

    for (const QString& name : {QStringLiteral("host."), QStringLiteral("shortcut."), QStringLiteral("local.png")}) {
        QImageReader reader(outputFolder() + QLatin1Char('/') + name);
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage thumbnail = reader.read();
        QCOMPARE(thumbnail.size(), QSize(256, 192));
        QVERIFY2(looksLike(thumbnail, 0.25, 0.5, Qt::red), qPrintable(name));
        QVERIFY2(looksLike(thumbnail, 0.75, 0.5, Qt::blue), qPrintable(name));
    }
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old thumbnail"));
    // Nothing half-written is left behind.
    QCOMPARE(QDir(outputFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             (QStringList{QStringLiteral("host."), QStringLiteral("local.png"), QStringLiteral("old.png"),
                          QStringLiteral("shortcut.")}));
}

// One job of items that would write outside the output folder, forge an output line
// or ask for absurd sizes, beside one sound item whose thumbnail name is a link to a
// read-only file of the user: only the sound item makes a line, the link itself is
// replaced, and the numbers are bounded (a page 4096 and a box 2048 pixels wide at most).
void TestKestrimJob::unsafeItemsAreRefusedAndNumbersBounded()
{
    writeFile(QStringLiteral("page.html"), COLOURS_PAGE);
    writeFile(QStringLiteral("precious.txt"), "keep me");
    QVERIFY(QFile::setPermissions(path(QStringLiteral("precious.txt")), QFileDevice::ReadOwner));
    QVERIFY(QDir().mkpath(outputFolder()));
    QVERIFY(QFile::link(path(QStringLiteral("precious.txt")), outputFolder() + QStringLiteral("/sound.png")));

    const QString page = path(QStringLiteral("page.html"));
    QVector<JobItem> items;
    for (const QString& name : {QStringLiteral("../escaped.png"), QStringLiteral("t.png\n(forged)"),
                                QStringLiteral("t)(.png"), QStringLiteral("t\t.png")})
        items.append({page, QStringLiteral("unsafe name"), name});
    for (const QString& key : {QStringLiteral("k\nforged"), QStringLiteral("k\rx"), QStringLiteral("k(x)"),
                               QStringLiteral("k\u2028x")})
        items.append({page, key, QStringLiteral("t.png")});
    JobItem sound{page, QStringLiteral("sound"), QStringLiteral("sound.png")};
    sound.pageWidth = 2147483647;
    sound.thumbWidth = 2147483647;
    sound.thumbHeight = 2147483647;
    items.append(sound);
    QVERIFY(writeJobFile(path(QStringLiteral("job.dat")), outputFolder(),
                         {{QStringLiteral("maxPages"), QStringLiteral("2147483647")},
                          {QStringLiteral("timeout"), QStringLiteral("-2147483648")}},
                         items));

    KestrimRun run({path(QStringLiteral("job.dat"))});
    QVERIFY(run.waitForEnd(60000));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines, QStringList{QStringLiteral("sound")});
    QCOMPARE(QDir(outputFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("sound.png")});
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("escaped.png"))));
    QFile precious(path(QStringLiteral("precious.txt")));
    QVERIFY(precious.open(QIODevice::ReadOnly));
    QCOMPARE(precious.readAll(), QByteArray("keep me"));
    const QFileInfo thumbnail(outputFolder() + QStringLiteral("/sound.png"));
    QVERIFY(!thumbnail.isSymLink());
    QCOMPARE(QImage(thumbnail.filePath()).size(), QSize(2048, 412)); // a page 4096 wide
}

VORENDA_TEST_MAIN(TestKestrimJob)
#include "tst_kestrimjob.moc"
