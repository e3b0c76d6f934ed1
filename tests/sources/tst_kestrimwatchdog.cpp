#include "TestEnvironment.h"

#include "KestrimnailClient.h"

#include "PageServer.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

// The web client's watchdog against the real Kestrim: pages whose servers never
// answer cost Kestrim its page deadline each, two pages at a time, and the client
// waits for that rather than losing the pages that do answer. Slow by nature.
class TestKestrimWatchdog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void stalledPagesAheadDoNotCostTheReachableOne();
};

void TestKestrimWatchdog::initTestCase()
{
    // Loopback pages only: the helper inherits no proxy.
    for (const char* proxy : {"http_proxy", "https_proxy", "all_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY"})
        qunsetenv(proxy);
}

void TestKestrimWatchdog::stalledPagesAheadDoNotCostTheReachableOne()
{
    // The first four requests, whichever pages they are for, are never answered: two
    // waves of pages that end at their deadline before the fifth page loads.
    PageServer server;
    auto requests = std::make_shared<int>(0);
    QHash<QString, KestrimnailClient::Data*> records;
    for (int n = 1; n <= 5; ++n) {
        const QByteArray path = "/page" + QByteArray::number(n);
        server.route(path, [requests](int) {
            PageServer::Answer answer;
            answer.stall = ++*requests <= 4;
            answer.body = COLOURS_PAGE;
            return answer;
        });
        auto* data = new KestrimnailClient::Data;
        data->url = server.url(path);
        data->key = QStringLiteral("page%1").arg(n);
        data->thumbName = data->key + QLatin1Char('.');
        data->thumbFormat = QStringLiteral("PNG");
        data->pageWidth = 1100;
        data->pageHeight = 825;
        data->thumbWidth = 256;
        data->thumbHeight = 256;
        records.insert(data->key, data);
    }

    QTemporaryDir output;
    KestrimnailClient client;
    client.setProgram(QStringLiteral(VORENDA_BIN_DIR "/kestrim"));
    QStringList delivered;
    connect(&client, &KestrimnailClient::thumbCreated, this,
            [&delivered](KestrimnailClient::Data* data) { delivered << data->key; });
    QElapsedTimer clock;
    clock.start();
    client.start(records, output.path() + QLatin1Char('/'));
    QVERIFY(client.running());
    QTRY_VERIFY_WITH_TIMEOUT(!client.running(), 240000);

    QCOMPARE(*requests, 5);
    QCOMPARE(delivered.size(), 1);
    QVERIFY(QFileInfo(output.filePath(delivered.first() + QLatin1Char('.'))).size() > 0);
    // Two full waves of deadlines passed first.
    QVERIFY(clock.elapsed() >= 60000);
}

VORENDA_TEST_MAIN(TestKestrimWatchdog)
#include "tst_kestrimwatchdog.moc"
