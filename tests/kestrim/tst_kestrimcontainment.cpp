#include "TestEnvironment.h"

#include "KestrimRun.h"
#include "PageServer.h"

#include <QDir>
#include <QTemporaryDir>

// Untrusted pages stay contained: no dialog waits, no local file is read, and
// every page ends by its deadline without holding up the others.
class TestKestrimContainment : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void scriptDialogsAreAnsweredAtOnce();
    void pagesCannotReadLocalFiles_data();
    void pagesCannotReadLocalFiles();
    void runawayPagesEndByTheirDeadline();
    void killedKestrimLeavesNoPageProcess();
    void processesHaveMemoryCeilings();

private:
    QString path(const QString& name) const { return dir->filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QString outputFolder() const { return path(QStringLiteral("out")); }
    QImage thumbnail(const QString& key) const { return QImage(outputFolder() + QLatin1Char('/') + key + QLatin1Char('.')); }

    QScopedPointer<QTemporaryDir> dir;
};

static const QByteArray PLAIN_PAGE = "<html><body style='background:#0000ff'>plain</body></html>";

void TestKestrimContainment::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
}

void TestKestrimContainment::writeFile(const QString& name, const QByteArray& bytes) const
{
    QVERIFY(QDir().mkpath(QFileInfo(path(name)).absolutePath()));
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A dialog shown on the offscreen platform would wait until the deadline and the
// page would give no thumbnail; answered at once, the page paints its verdict.
void TestKestrimContainment::scriptDialogsAreAnsweredAtOnce()
{
    PageServer server;
    server.page("/dialogs",
                "<html><body style='background:#ff0000'><script>"
                "alert('hello');"
                "var confirmed = confirm('sure?');"
                "var answer = prompt('name?', 'someone');"
                "var popup = window.open('about:blank');"
                "if (!confirmed && answer === null && !popup) document.body.style.background = '#00ff00';"
                "</script></body></html>");
    QVERIFY(writeJobFile(path(QStringLiteral("job.dat")), outputFolder(),
                         {{QStringLiteral("delay"), QStringLiteral("100")}, {QStringLiteral("timeout"), QStringLiteral("20000")}},
                         {{server.url("/dialogs"), QStringLiteral("dialogs"), {}}}));

    KestrimRun run({path(QStringLiteral("job.dat"))});
    QVERIFY(run.waitForEnd(40000));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines, QStringList{QStringLiteral("dialogs")});
    QVERIFY(looksLike(thumbnail(QStringLiteral("dialogs")), 0.5, 0.5, Qt::green));
}

void TestKestrimContainment::pagesCannotReadLocalFiles_data()
{
    QTest::addColumn<bool>("local");
    QTest::newRow("web page") << false;
    QTest::newRow("local page") << true;
}

// Each page tries every way it has to read files: requests for a neighbour, a
// file elsewhere and a page elsewhere, a frame and a picture from elsewhere. It
// paints itself red when any of them yields data. A local page still shows its
// own folder's stylesheet.
void TestKestrimContainment::pagesCannotReadLocalFiles()
{
    QFETCH(bool, local);
    writeFile(QStringLiteral("secrets/secret.txt"), "TOPSECRET");
    writeFile(QStringLiteral("secrets/secret.html"), "<html><body>TOPSECRET</body></html>");
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QVERIFY(picture.save(path(QStringLiteral("secrets/secret.png"))));
    writeFile(QStringLiteral("site/neighbour.txt"), "TOPSECRET");
    writeFile(QStringLiteral("site/style.css"), "#own { background: #0000ff; }");

    const QByteArray secrets = QUrl::fromLocalFile(path(QStringLiteral("secrets"))).toEncoded();
    const QByteArray page =
        "<html><head><link rel='stylesheet' href='style.css'></head>"
        "<body style='margin:0;background:#00ff00'>"
        "<div id='own' style='position:absolute;left:0;top:60%;width:100%;height:40%'></div>"
        "<script>"
        "function leak() { document.body.style.background = '#ff0000'; }"
        "function tryRead(url) {"
        "  try { var x = new XMLHttpRequest(); x.open('GET', url, false); x.send();"
        "        if (x.responseText.indexOf('TOPSECRET') >= 0) leak(); } catch (e) {} }"
        "tryRead('neighbour.txt');"
        "tryRead('" + secrets + "/secret.txt');"
        "tryRead('" + secrets + "/secret.html');"
        "</script>"
        "<iframe src='" + secrets + "/secret.html' style='display:none' onload='"
        "try { if (this.contentDocument.body.innerHTML.indexOf(\"TOPSECRET\") >= 0) leak(); } catch (e) {}'></iframe>"
        "<img src='" + secrets + "/secret.png' onload='leak()'>"
        "</body></html>";
    PageServer server;
    server.page("/site/page.html", page);
    writeFile(QStringLiteral("site/page.html"), page);
    const QString url = local ? path(QStringLiteral("site/page.html")) : server.url("/site/page.html");
    QVERIFY(writeJobFile(path(QStringLiteral("job.dat")), outputFolder(),
                         {{QStringLiteral("delay"), QStringLiteral("300")}, {QStringLiteral("timeout"), QStringLiteral("20000")}},
                         {{url, QStringLiteral("page"), {}}}));

    KestrimRun run({path(QStringLiteral("job.dat"))});
    QVERIFY(run.waitForEnd(40000));
    QCOMPARE(run.lines, QStringList{QStringLiteral("page")});
    const QImage image = thumbnail(QStringLiteral("page"));
    QVERIFY(looksLike(image, 0.5, 0.2, Qt::green));
    if (local)
        QVERIFY(looksLike(image, 0.5, 0.9, Qt::blue));
}

// A script that never returns, a server that never answers and a redirect that
// never ends each stop at the deadline; the plain page's line comes all the same,
// and no page process survives Kestrim.
void TestKestrimContainment::runawayPagesEndByTheirDeadline()
{
    PageServer server;
    server.page("/loop", "<html><body><script>while (true) {}</script></body></html>");
    server.route("/silent", [](int) {
        PageServer::Answer answer;
        answer.stall = true;
        return answer;
    });
    server.route("/redirect", [&server](int n) {
        PageServer::Answer answer;
        answer.status = 302;
        answer.location = server.url("/redirect").toUtf8() + "?" + QByteArray::number(n);
        return answer;
    });
    for (int n = 1; n < 200; ++n) {
        const QByteArray hop = "/redirect?" + QByteArray::number(n);
        server.route(hop, [&server, n](int) {
            PageServer::Answer answer;
            answer.status = 302;
            answer.location = server.url("/redirect?").toUtf8() + QByteArray::number(n + 1);
            return answer;
        });
    }
    server.page("/plain", PLAIN_PAGE);
    QVERIFY(writeJobFile(path(QStringLiteral("job.dat")), outputFolder(),
                         {{QStringLiteral("delay"), QStringLiteral("100")},
                          {QStringLiteral("maxPages"), QStringLiteral("4")},
                          {QStringLiteral("timeout"), QStringLiteral("15000")}},
                         {{server.url("/loop"), QStringLiteral("loop"), {}},
                          {server.url("/silent"), QStringLiteral("silent"), {}},
                          {server.url("/redirect"), QStringLiteral("redirect"), {}},
                          {server.url("/plain"), QStringLiteral("plain"), {}}}));

    KestrimRun run({path(QStringLiteral("job.dat"))});
    QVERIFY(run.waitForEnd(60000));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines, QStringList{QStringLiteral("plain")});
    QVERIFY(server.requests("/loop") >= 1);
    QVERIFY(server.requests("/silent") >= 1);
    QVERIFY(server.requests("/redirect") >= 1);
    QCOMPARE(run.pageProcesses.size(), 4);
    for (qint64 pid : qAsConst(run.pageProcesses))
        QVERIFY(!processAlive(pid));
}

// The web client kills a silent Kestrim; its page processes go with it.
void TestKestrimContainment::killedKestrimLeavesNoPageProcess()
{
    PageServer server;
    server.route("/silent", [](int) {
        PageServer::Answer answer;
        answer.stall = true;
        return answer;
    });
    QVERIFY(writeJobFile(path(QStringLiteral("job.dat")), outputFolder(), {},
                         {{server.url("/silent"), QStringLiteral("silent"), {}}}));

    KestrimRun run({path(QStringLiteral("job.dat"))});
    const qint64 page = run.waitForPageProcess(20000);
    QVERIFY(page > 0);
    run.killHard();
    QVERIFY(run.waitForEnd(10000));
    QTRY_VERIFY_WITH_TIMEOUT(!processAlive(page), 10000);
}

static quint64 addressSpaceLimit(qint64 pid)
{
    QFile limits(QStringLiteral("/proc/%1/limits").arg(pid));
    if (!limits.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> lines = limits.readAll().split('\n');
    for (const QByteArray& line : lines)
        if (line.startsWith("Max address space"))
            return line.mid(26).simplified().split(' ').value(0).toULongLong();
    return 0;
}

void TestKestrimContainment::processesHaveMemoryCeilings()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer reserves more address space than any ceiling allows");
#endif
    PageServer server;
    server.route("/silent", [](int) {
        PageServer::Answer answer;
        answer.stall = true;
        return answer;
    });
    QVERIFY(writeJobFile(path(QStringLiteral("job.dat")), outputFolder(), {{QStringLiteral("timeout"), QStringLiteral("5000")}},
                         {{server.url("/silent"), QStringLiteral("silent"), {}}}));

    KestrimRun run({path(QStringLiteral("job.dat"))});
    const qint64 page = run.waitForPageProcess(20000);
    QVERIFY(page > 0);
    // The page process sets its own ceiling as it starts.
    QTRY_COMPARE_WITH_TIMEOUT(addressSpaceLimit(page), quint64(3) << 30, 5000);
    QCOMPARE(addressSpaceLimit(run.processId()), quint64(1) << 30);
    QVERIFY(run.waitForEnd(30000));
}

VORENDA_TEST_MAIN(TestKestrimContainment)
#include "tst_kestrimcontainment.moc"
