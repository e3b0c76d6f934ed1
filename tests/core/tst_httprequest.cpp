#include "LocalHttpServer.h"
#include "TestEnvironment.h"

#include "HttpRequest.h"

#include <QElapsedTimer>
#include <QSignalSpy>

namespace {

// Fetches a URL and keeps what reached parseResponse.
class FetchRequest : public HttpRequest
{
public:
    explicit FetchRequest(const QString& url)
        : HttpRequest(nullptr, QStringLiteral("session"))
        , url(url)
    {
    }

    QString url;
    bool accept = true;
    QList<QByteArray> parsed;

protected:
    void prepareRequest() override { request = QNetworkRequest(QUrl(url)); }
    bool parseResponse(const QByteArray& data) override
    {
        parsed.append(data);
        return accept;
    }
};

} // namespace

class TestHttpRequest : public QObject
{
    Q_OBJECT

private slots:
    void outcomes_data();
    void outcomes();
    void replySizeIsCapped_data();
    void replySizeIsCapped();
    void stalledServerTimesOut_data();
    void stalledServerTimesOut();
    void abortReportsOnce();
};

void TestHttpRequest::outcomes_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("parsed");

    const QByteArray bytes("<a>\x00\xff\xe9</a>", 11);
    QTest::newRow("200 accepted") << LocalHttpServer::reply(200, bytes) << true << 0 << true;
    QTest::newRow("200 read to end of stream") << LocalHttpServer::reply(200, bytes, false) << true << 0 << true;
    QTest::newRow("200 refused by the reader") << LocalHttpServer::reply(200, bytes) << false << 6 << true;
    QTest::newRow("404 not parsed") << LocalHttpServer::reply(404, bytes) << true << 5 << false;
    QTest::newRow("500 not parsed") << LocalHttpServer::reply(500, bytes) << true << 5 << false;
    QTest::newRow("redirect not followed") << LocalHttpServer::reply(301, QByteArray()) << true << 5 << false;
    QTest::newRow("closed without an answer") << QByteArray() << true << 5 << false;
}

void TestHttpRequest::outcomes()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, accept);
    QFETCH(int, error);
    QFETCH(bool, parsed);

    LocalHttpServer server;
    // The network layer retries a request whose connection closed unanswered.
    for (int i = 0; i < 3; ++i)
        server.enqueue(answer);
    FetchRequest request(server.url(QStringLiteral("/file.xml")));
    request.accept = accept;
    QSignalSpy finished(&request, &HttpRequest::finished);

    QVERIFY(request.start() > 0);
    QVERIFY(request.isRunning());
    QVERIFY(finished.wait(5000));
    QTest::qWait(50);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).value<HttpRequest*>(), &request);
    QCOMPARE(finished.at(0).at(1).value<HttpRequest::Error>(), HttpRequest::Error(error));
    QCOMPARE(finished.at(0).at(2).toString(), QStringLiteral("session"));
    QCOMPARE(request.lastError(), HttpRequest::Error(error));
    QVERIFY(!request.isRunning());
    QCOMPARE(request.parsed.size(), parsed ? 1 : 0);
    if (parsed)
        QCOMPARE(request.parsed.at(0), QByteArray("<a>\x00\xff\xe9</a>", 11));
    QVERIFY(server.requests.value(0).startsWith("GET /file.xml HTTP/1.1\r\n"));
}

void TestHttpRequest::replySizeIsCapped_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("withLength");
    QTest::addColumn<int>("error");

    const int cap = int(HttpRequest::DefaultMaxResponseSize);
    QTest::newRow("at the cap") << cap << true << 0;
    QTest::newRow("at the cap, no length") << cap << false << 0;
    QTest::newRow("one byte over") << cap + 1 << true << 6;
    QTest::newRow("one byte over, no length") << cap + 1 << false << 6;
    QTest::newRow("ten times over, no length") << cap * 10 << false << 6;
}

void TestHttpRequest::replySizeIsCapped()
{
    QFETCH(int, size);
    QFETCH(bool, withLength);
    QFETCH(int, error);

    LocalHttpServer server;
    server.enqueue(LocalHttpServer::reply(200, QByteArray(size, 'x'), withLength));
    FetchRequest request(server.url());
    QSignalSpy finished(&request, &HttpRequest::finished);

    QVERIFY(request.start() > 0);
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(request.lastError(), HttpRequest::Error(error));
    // An oversized reply never reaches the reader.
    QCOMPARE(request.parsed.size(), error == 0 ? 1 : 0);
    if (error == 0)
        QCOMPARE(request.parsed.at(0).size(), size);
}

void TestHttpRequest::stalledServerTimesOut_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("trickle");
    QTest::addColumn<int>("error");

    const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n";
    QTest::newRow("no answer at all") << QByteArray() << 0 << 3;
    QTest::newRow("headers, then silence") << QByteArray(head + "<VersionChecker") << 0 << 4;
    QTest::newRow("a byte now and then") << head << 20 << 4;
}

void TestHttpRequest::stalledServerTimesOut()
{
    QFETCH(QByteArray, answer);
    QFETCH(int, trickle);
    QFETCH(int, error);

    LocalHttpServer server;
    server.enqueue(answer, false, trickle);
    FetchRequest request(server.url());
    request.setMaxResponseSize(1000000);
    QCOMPARE(request.timeout(), 30000);
    request.setTimeout(400);
    QSignalSpy finished(&request, &HttpRequest::finished);

    QVERIFY(request.start() > 0);
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(request.lastError(), HttpRequest::Error(error));
    QVERIFY(request.parsed.isEmpty());
    QVERIFY(!request.isRunning());
}

void TestHttpRequest::abortReportsOnce()
{
    LocalHttpServer server;
    server.enqueueStall();
    FetchRequest request(server.url());
    QSignalSpy finished(&request, &HttpRequest::finished);

    QVERIFY(request.start() > 0);
    QTRY_COMPARE(server.requests.size(), 1);
    request.abort();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(1).value<HttpRequest::Error>(), HttpRequest::Aborted);
    request.abort();
    QTest::qWait(100);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!request.isRunning());
}

VORENDA_TEST_MAIN(TestHttpRequest)
#include "tst_httprequest.moc"
