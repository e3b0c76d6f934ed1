#include "LocalHttpServer.h"
#include "TestEnvironment.h"

#include "VersionChecker.h"

#include <QSignalSpy>

namespace {

QByteArray versionReply(const QByteArray& attributes)
{
    return LocalHttpServer::reply(200, "<?xml version=\"1.0\"?>\n<VersionChecker " + attributes + "/>\n");
}

// Runs one check against the server and waits for its end.
struct Check
{
    explicit Check(VersionChecker& checker)
        : finished(&checker, &HttpRequest::finished)
        , newVersion(&checker, &VersionChecker::newVersion)
        , failed(&checker, &VersionChecker::checkFailed)
    {
    }
    QSignalSpy finished;
    QSignalSpy newVersion;
    QSignalSpy failed;
};

} // namespace

class TestVersionChecker : public QObject
{
    Q_OBJECT

private slots:
    void versionComparison_data();
    void versionComparison();
    void reportsTheReplysFields();
    void onlyWebLinksAreReported_data();
    void onlyWebLinksAreReported();
    void textIsDecodedFromTheReplysBytes_data();
    void textIsDecodedFromTheReplysBytes();
    void failures_data();
    void failures();
    void stalledServerTimesOut();
    void checksThroughTheProxyGiven();
    void newCheckAbortsTheOneInFlight();
    void refusesNonWebCheckUrls_data();
    void refusesNonWebCheckUrls();
    void versionText_data();
    void versionText();
};

void TestVersionChecker::versionComparison_data()
{
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<bool>("emitted");
    QTest::addColumn<bool>("newer");

    // The program runs as 1.9 throughout.
    const QByteArray url = " vercheckUrl=\"https://updates.vorenda.org/v2/check-%1-%2.xml\"";
    QTest::newRow("1.10 is newer than 1.9") << "majorVer=\"1\" minorVer=\"10\"" + url << false << true << true;
    QTest::newRow("2.0 is newer") << "majorVer=\"2\" minorVer=\"0\"" + url << false << true << true;
    QTest::newRow("1.9 is not newer") << "majorVer=\"1\" minorVer=\"9\"" + url << false << true << false;
    QTest::newRow("0.99 is older") << "majorVer=\"0\" minorVer=\"99\"" + url << false << true << false;
    QTest::newRow("major missing") << "minorVer=\"99\"" + url << false << true << false;
    QTest::newRow("minor not a number") << "majorVer=\"2\" minorVer=\"abc\"" + url << false << true << false;
    QTest::newRow("silent, not newer: nothing") << "majorVer=\"1\" minorVer=\"9\"" + url << true << false << false;
    QTest::newRow("silent, newer") << "majorVer=\"1\" minorVer=\"10\"" + url << true << true << true;
}

void TestVersionChecker::versionComparison()
{
    QFETCH(QByteArray, attributes);
    QFETCH(bool, silent);
    QFETCH(bool, emitted);
    QFETCH(bool, newer);

    LocalHttpServer server;
    server.enqueue(versionReply(attributes));
    VersionChecker checker;
    Check check(checker);

    QVERIFY(checker.start(1, 9, silent, server.url()) > 0);
    QVERIFY(check.finished.wait(5000));
    QCOMPARE(check.finished.at(0).at(1).value<HttpRequest::Error>(), HttpRequest::NoError);
    QCOMPARE(check.failed.count(), 0);
    QCOMPARE(check.newVersion.count(), emitted ? 1 : 0);
    if (!emitted)
        return;
    const QList<QVariant> args = check.newVersion.at(0);
    QCOMPARE(args.at(0).toBool(), newer);
    if (!newer) {
        QCOMPARE(args.at(1).toInt(), 0);
        QCOMPARE(args.at(2).toInt(), 0);
    }
    QCOMPARE(args.at(9).toString(), QStringLiteral("https://updates.vorenda.org/v2/check-%1-%2.xml"));
}

void TestVersionChecker::reportsTheReplysFields()
{
    LocalHttpServer server;
    server.enqueue(versionReply(
        "majorVer=\"1\" minorVer=\"3607\" whatsNew=\"Faster search.\" releaseDate=\"2024-05-01\" "
        "downloadUrl=\"https://www.vorenda.org/download\" historyUrl=\"http://www.vorenda.org/history\" "
        "infoUrl=\"https://www.vorenda.org/info\""));
    server.enqueue(versionReply("majorVer=\"1\" minorVer=\"3607\" optional=\"1\""));
    server.enqueue(versionReply("majorVer=\"1\" minorVer=\"3607\" optional=\"0\""));
    server.enqueue(versionReply("majorVer=\"1\" minorVer=\"3607\" optional=\"yes\""));
    VersionChecker checker;
    Check check(checker);

    QVERIFY(checker.start(1, 3500, false, server.url()) > 0);
    QVERIFY(check.finished.wait(5000));
    QVERIFY(server.requests.value(0).startsWith("GET /vercheck/vorenda-linux-en.xml HTTP/1.1\r\n"));
    QCOMPARE(check.newVersion.count(), 1);
    const QList<QVariant> args = check.newVersion.at(0);
    QCOMPARE(args.at(0).toBool(), true);
    QCOMPARE(args.at(1).toInt(), 1);
    QCOMPARE(args.at(2).toInt(), 3607);
    QCOMPARE(args.at(3).toBool(), true);  // "optional" missing
    QCOMPARE(args.at(4).toString(), QStringLiteral("Faster search."));
    QCOMPARE(args.at(5).toString(), QStringLiteral("2024-05-01"));
    QCOMPARE(args.at(6).toString(), QStringLiteral("https://www.vorenda.org/download"));
    QCOMPARE(args.at(7).toString(), QStringLiteral("http://www.vorenda.org/history"));
    QCOMPARE(args.at(8).toString(), QStringLiteral("https://www.vorenda.org/info"));
    QCOMPARE(args.at(9).toString(), QString());

    // Only "1" makes the update optional.
    for (const bool optional : {true, false, false}) {
        check.finished.clear();
        check.newVersion.clear();
        QVERIFY(checker.start(1, 3500, false, server.url()) > 0);
        QVERIFY(check.finished.wait(5000));
        QCOMPARE(check.newVersion.count(), 1);
        QCOMPARE(check.newVersion.at(0).at(3).toBool(), optional);
    }
}

void TestVersionChecker::onlyWebLinksAreReported_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("kept");

    QTest::newRow("https") << QStringLiteral("https://www.vorenda.org/get?v=1.36") << true;
    QTest::newRow("http") << QStringLiteral("http://www.vorenda.org/get") << true;
    QTest::newRow("upper-case scheme") << QStringLiteral("HTTPS://www.vorenda.org/get") << true;
    QTest::newRow("local file") << QStringLiteral("file:///etc/passwd") << false;
    QTest::newRow("script") << QStringLiteral("javascript:alert(1)") << false;
    QTest::newRow("ftp") << QStringLiteral("ftp://www.vorenda.org/get") << false;
    QTest::newRow("plain path") << QStringLiteral("/usr/bin/xterm") << false;
    QTest::newRow("no host") << QStringLiteral("https://") << false;
}

void TestVersionChecker::onlyWebLinksAreReported()
{
    QFETCH(QString, link);
    QFETCH(bool, kept);

    const QByteArray escaped = link.toHtmlEscaped().toUtf8();
    LocalHttpServer server;
    server.enqueue(versionReply("majorVer=\"2\" minorVer=\"0\" downloadUrl=\"" + escaped + "\" historyUrl=\"" + escaped
                                + "\" infoUrl=\"" + escaped + "\" vercheckUrl=\"" + escaped + "\""));
    VersionChecker checker;
    Check check(checker);

    QVERIFY(checker.start(1, 3500, true, server.url()) > 0);
    QVERIFY(check.finished.wait(5000));
    QCOMPARE(check.newVersion.count(), 1);
    for (int i = 6; i <= 9; ++i)
        QCOMPARE(check.newVersion.at(0).at(i).toString(), kept ? link : QString());
}

void TestVersionChecker::textIsDecodedFromTheReplysBytes_data()
{
    QTest::addColumn<QByteArray>("document");

    const QString text = QStringLiteral("Schnellere Suche f\u00fcr K\u00e4sten");
    QTest::newRow("UTF-8") << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><VersionChecker majorVer=\"2\" minorVer=\"0\" whatsNew=\""
                                         + text.toUtf8() + "\"/>");
    QTest::newRow("no declaration, UTF-8") << QByteArray("<VersionChecker majorVer=\"2\" minorVer=\"0\" whatsNew=\"" + text.toUtf8() + "\"/>");
    QTest::newRow("ISO-8859-1") << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><VersionChecker majorVer=\"2\" minorVer=\"0\" whatsNew=\""
                                              + text.toLatin1() + "\"/>");
}

void TestVersionChecker::textIsDecodedFromTheReplysBytes()
{
    QFETCH(QByteArray, document);

    LocalHttpServer server;
    server.enqueue(LocalHttpServer::reply(200, document));
    VersionChecker checker;
    Check check(checker);

    QVERIFY(checker.start(1, 3500, true, server.url()) > 0);
    QVERIFY(check.finished.wait(5000));
    QCOMPARE(check.newVersion.count(), 1);
    QCOMPARE(check.newVersion.at(0).at(4).toString(), QStringLiteral("Schnellere Suche f\u00fcr K\u00e4sten"));
}

void TestVersionChecker::failures_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<int>("error");

    const QByteArray newer = "<VersionChecker majorVer=\"9\" minorVer=\"0\"/>";
    QTest::newRow("404 is not parsed") << LocalHttpServer::reply(404, newer) << false << 5;
    QTest::newRow("404, silent") << LocalHttpServer::reply(404, newer) << true << 5;
    QTest::newRow("garbage 200") << LocalHttpServer::reply(200, "Service temporarily unavailable") << false << 6;
    QTest::newRow("garbage 200, silent") << LocalHttpServer::reply(200, "<<<>>>") << true << 6;
    QTest::newRow("empty 200") << LocalHttpServer::reply(200, QByteArray()) << false << 6;
    QTest::newRow("other root element") << LocalHttpServer::reply(200, "<Version majorVer=\"9\" minorVer=\"0\"/>") << false << 6;
    QTest::newRow("cut off") << LocalHttpServer::reply(200, "<VersionChecker majorVer=\"9\" minorVer=\"0\"") << false << 6;
    QTest::newRow("junk after the root") << LocalHttpServer::reply(200, newer + "<more/>") << false << 6;
    QTest::newRow("over 64 KB") << LocalHttpServer::reply(200, newer + QByteArray(64 * 1024, ' ')) << false << 6;
}

void TestVersionChecker::failures()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, silent);
    QFETCH(int, error);

    LocalHttpServer server;
    server.enqueue(answer);
    VersionChecker checker;
    Check check(checker);

    QVERIFY(checker.start(1, 3500, silent, server.url()) > 0);
    QVERIFY(check.finished.wait(5000));
    QCOMPARE(check.finished.at(0).at(1).value<HttpRequest::Error>(), HttpRequest::Error(error));
    QCOMPARE(check.newVersion.count(), 0);
    QCOMPARE(check.failed.count(), silent ? 0 : 1);
    if (!silent)
        QCOMPARE(check.failed.at(0).at(0).value<HttpRequest::Error>(), HttpRequest::Error(error));
}

void TestVersionChecker::stalledServerTimesOut()
{
    LocalHttpServer server;
    server.enqueueStall();
    VersionChecker checker;
    QCOMPARE(checker.timeout(), 30000);
    checker.setTimeout(300);
    Check check(checker);

    QVERIFY(checker.start(1, 3500, false, server.url()) > 0);
    QVERIFY(check.finished.wait(10000));
    QCOMPARE(check.finished.at(0).at(1).value<HttpRequest::Error>(), HttpRequest::RequestTimeout);
    QCOMPARE(check.failed.count(), 1);
    QCOMPARE(check.newVersion.count(), 0);
}

// The check goes to the URL's host at the port given, through the proxy given: a
// loopback server playing the proxy gets it; the time-out given runs.
void TestVersionChecker::checksThroughTheProxyGiven()
{
    LocalHttpServer proxy;
    proxy.enqueue(versionReply("majorVer=\"1\" minorVer=\"3600\""));
    proxy.enqueueStall();
    VersionChecker checker;
    Check check(checker);

    // The URL's own port gives way to the one passed.
    QVERIFY(checker.start(1, 3500, true, QStringLiteral("http://www.vorenda.invalid:8080/vercheck/vorenda-linux-en.xml"),
                          80, QStringLiteral("127.0.0.1"), proxy.port(), QString(), QString(), 2147483647)
            > 0);
    QCOMPARE(checker.timeout(), 2147483647);
    QVERIFY(check.finished.wait(5000));
    QCOMPARE(check.finished.at(0).at(1).value<HttpRequest::Error>(), HttpRequest::NoError);
    QCOMPARE(check.newVersion.count(), 1);
    QCOMPARE(proxy.requests.size(), 1);
    QVERIFY2(proxy.requests.first().startsWith("GET http://www.vorenda.invalid/vercheck/vorenda-linux-en.xml HTTP/1.1\r\n"),
             proxy.requests.first().constData());

    QVERIFY(checker.start(1, 3500, false, QStringLiteral("http://www.vorenda.invalid/vercheck/vorenda-linux-en.xml"),
                          8080, QStringLiteral("127.0.0.1"), proxy.port(), QString(), QString(), 300)
            > 0);
    QVERIFY(check.finished.wait(10000));
    QCOMPARE(check.finished.at(1).at(1).value<HttpRequest::Error>(), HttpRequest::RequestTimeout);
    QCOMPARE(check.failed.count(), 1);
}

void TestVersionChecker::newCheckAbortsTheOneInFlight()
{
    LocalHttpServer server;
    server.enqueueStall();
    server.enqueue(versionReply("majorVer=\"1\" minorVer=\"3600\""));
    VersionChecker checker;
    Check check(checker);

    QVERIFY(checker.start(1, 3500, true, server.url()) > 0);
    QTRY_COMPARE(server.requests.size(), 1);
    QVERIFY(checker.start(1, 3500, false, server.url()) > 0);
    QCOMPARE(check.finished.count(), 1);
    QCOMPARE(check.finished.at(0).at(1).value<HttpRequest::Error>(), HttpRequest::Aborted);

    QVERIFY(check.finished.wait(5000));
    QCOMPARE(check.finished.at(1).at(1).value<HttpRequest::Error>(), HttpRequest::NoError);
    QCOMPARE(check.newVersion.count(), 1);
    QCOMPARE(check.newVersion.at(0).at(2).toInt(), 3600);
    QCOMPARE(check.failed.count(), 0);
    QTest::qWait(100);
    QCOMPARE(check.finished.count(), 2);
}

void TestVersionChecker::refusesNonWebCheckUrls_data()
{
    QTest::addColumn<QString>("url");

    // The ftp link points at the local server, which must see no connection.
    QTest::newRow("ftp") << QStringLiteral("ftp://127.0.0.1:%1/vercheck.xml");
    QTest::newRow("local file") << QStringLiteral("file:///etc/hostname");
    QTest::newRow("resource") << QStringLiteral("qrc:/Resources/Styles/Wood2.xml");
    QTest::newRow("data") << QStringLiteral("data:text/xml,<VersionChecker majorVer=\"9\" minorVer=\"0\"/>");
    QTest::newRow("empty") << QString();
    QTest::newRow("no host") << QStringLiteral("http:///vercheck.xml");
}

void TestVersionChecker::refusesNonWebCheckUrls()
{
    QFETCH(QString, url);

    LocalHttpServer server;
    server.enqueue(versionReply("majorVer=\"9\" minorVer=\"0\""));
    VersionChecker checker;
    Check check(checker);

    QCOMPARE(checker.start(1, 3500, false, url.contains(QLatin1String("%1")) ? url.arg(server.port()) : url), -1);
    QCOMPARE(check.finished.count(), 1);
    QCOMPARE(check.finished.at(0).at(1).value<HttpRequest::Error>(), HttpRequest::InvalidRequest);
    QCOMPARE(check.failed.count(), 1);
    QVERIFY(!checker.isRunning());
    QTest::qWait(100);
    QCOMPARE(server.connections, 0);
    QCOMPARE(check.newVersion.count(), 0);
}

void TestVersionChecker::versionText_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<QString>("text");

    QTest::newRow("1.36.07") << 1 << 3607 << QStringLiteral("1.36.07");
    QTest::newRow("1.35.00") << 1 << 3500 << QStringLiteral("1.35.00");
    QTest::newRow("2.00.05") << 2 << 5 << QStringLiteral("2.00.05");
}

void TestVersionChecker::versionText()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(QString, text);
    QCOMPARE(VersionChecker::versionText(major, minor), text);
}

VORENDA_TEST_MAIN(TestVersionChecker)
#include "tst_versionchecker.moc"
