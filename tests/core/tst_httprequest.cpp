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

    bool timing() const { return requestTimer->isActive() || responseTimer->isActive(); }

protected:
    void prepareRequest() override { request = QNetworkRequest(QUrl(url)); }
    bool parseResponse(const QByteArray& data) override
    {
        parsed.append(data);
        return accept;
    }
};

// The proxy settings a desktop gives its programs, set for one test and put back.
class ProxyEnvironment
{
public:
    explicit ProxyEnvironment(const QByteArray& httpProxy)
    {
        for (const char* name : NAMES) {
            saved.append(qgetenv(name));
            qunsetenv(name);
        }
        if (!httpProxy.isEmpty())
            qputenv("http_proxy", httpProxy);
    }
    ~ProxyEnvironment()
    {
        for (int i = 0; i < saved.size(); ++i) {
            if (saved.at(i).isNull())
                qunsetenv(NAMES[i]);
            else
                qputenv(NAMES[i], saved.at(i));
        }
    }

private:
    static constexpr const char* NAMES[] = {"http_proxy", "https_proxy", "all_proxy", "no_proxy"};
    QList<QByteArray> saved;
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
    void proxies_data();
    void proxies();
    void proxyPassword();
    void timeoutGiven();
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

void TestHttpRequest::proxies_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("proxyGiven");
    QTest::addColumn<bool>("systemProxy");
    QTest::addColumn<QByteArray>("proxySees");

    const QString remote = QStringLiteral("http://updates.vorenda.invalid/file.xml");
    // The desktop's proxy is another, unreachable one: the proxy given wins.
    QTest::newRow("proxy given, to the host and port given")
        << remote << QStringLiteral("downloads.vorenda.invalid") << 8080 << true << false
        << QByteArray("GET http://downloads.vorenda.invalid:8080/file.xml HTTP/1.1\r\n");
    QTest::newRow("proxy given, the web's own port unnamed")
        << remote << QStringLiteral("downloads.vorenda.invalid") << 80 << true << false
        << QByteArray("GET http://downloads.vorenda.invalid/file.xml HTTP/1.1\r\n");
    QTest::newRow("none given: the system's") << remote << QString() << 0 << false << true
                                              << QByteArray("GET http://updates.vorenda.invalid/file.xml HTTP/1.1\r\n");
    // The server on this machine is asked directly, past the system's proxy.
    QTest::newRow("none given, a server here") << QString() << QString() << 0 << false << true << QByteArray();
}

// A loopback server plays the proxy: it sees the request in the proxy's form, with the
// whole URL, exactly when a proxy is to be used.
void TestHttpRequest::proxies()
{
    QFETCH(QString, url);
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(bool, proxyGiven);
    QFETCH(bool, systemProxy);
    QFETCH(QByteArray, proxySees);

    LocalHttpServer proxy;
    LocalHttpServer server;
    proxy.enqueue(LocalHttpServer::reply(200, "proxied"));
    server.enqueue(LocalHttpServer::reply(200, "direct"));
    const QByteArray proxyUrl = "http://127.0.0.1:" + QByteArray::number(proxyGiven ? 1 : proxy.port());
    const ProxyEnvironment environment(systemProxy || proxyGiven ? proxyUrl : QByteArray());
    FetchRequest request(url.isEmpty() ? server.url(QStringLiteral("/file.xml")) : url);
    QSignalSpy finished(&request, &HttpRequest::finished);

    QVERIFY(request.start(host, quint16(port), proxyGiven ? QStringLiteral("127.0.0.1") : QString(),
                          proxyGiven ? proxy.port() : 0, QString(), QString(), 5000)
            > 0);
    QVERIFY(finished.wait(5000));
    QCOMPARE(request.lastError(), HttpRequest::NoError);
    if (proxySees.isEmpty()) {
        QCOMPARE(request.parsed, QList<QByteArray>{"direct"});
        QVERIFY(proxy.requests.isEmpty());
        QVERIFY(server.requests.value(0).startsWith("GET /file.xml HTTP/1.1\r\n"));
        return;
    }
    QCOMPARE(request.parsed, QList<QByteArray>{"proxied"});
    QCOMPARE(proxy.requests.size(), 1);
    QVERIFY2(proxy.requests.first().startsWith(proxySees), proxy.requests.first().constData());
    QVERIFY(server.requests.isEmpty());
}

// A proxy that asks for a password gets the user name and password given.
void TestHttpRequest::proxyPassword()
{
    const ProxyEnvironment environment{QByteArray()};
    LocalHttpServer proxy;
    proxy.enqueue("HTTP/1.1 407 Proxy Authentication Required\r\nProxy-Authenticate: Basic realm=\"office\"\r\n"
                  "Content-Length: 0\r\nConnection: close\r\n\r\n");
    proxy.enqueue(LocalHttpServer::reply(200, "proxied"));
    FetchRequest request(QStringLiteral("http://updates.vorenda.invalid/file.xml"));
    QSignalSpy finished(&request, &HttpRequest::finished);

    QVERIFY(request.start(QString(), 0, QStringLiteral("127.0.0.1"), proxy.port(), QStringLiteral("anna"),
                          QStringLiteral("s3cret"), 5000)
            > 0);
    QVERIFY(finished.wait(5000));
    QCOMPARE(request.lastError(), HttpRequest::NoError);
    QCOMPARE(proxy.requests.size(), 2);
    QVERIFY(!proxy.requests.at(0).contains("Proxy-Authorization"));
    QVERIFY(proxy.requests.at(1).contains("\r\nProxy-Authorization: Basic " + QByteArray("anna:s3cret").toBase64()));
}

// The time-out given is the one that runs; 0 means none.
void TestHttpRequest::timeoutGiven()
{
    LocalHttpServer server;
    server.enqueueStall();
    server.enqueueStall();
    FetchRequest request(server.url());
    QSignalSpy finished(&request, &HttpRequest::finished);

    QVERIFY(request.start(QString(), 0, QString(), 0, QString(), QString(), 0) > 0);
    QCOMPARE(request.timeout(), 0);
    QVERIFY(!request.timing());
    QTRY_COMPARE(server.requests.size(), 1);
    QVERIFY(!request.timing());
    QVERIFY(finished.isEmpty());

    // The request in flight ends as the next one starts.
    QVERIFY(request.start(QString(), 0, QString(), 0, QString(), QString(), 300) > 0);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.last().at(1).value<HttpRequest::Error>(), HttpRequest::Aborted);
    QVERIFY(request.timing());
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.last().at(1).value<HttpRequest::Error>(), HttpRequest::RequestTimeout);
}

VORENDA_TEST_MAIN(TestHttpRequest)
#include "tst_httprequest.moc"
