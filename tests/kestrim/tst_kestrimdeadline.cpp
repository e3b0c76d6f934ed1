#include "TestEnvironment.h"

#include "KestrimRun.h"
#include "PageServer.h"

#include <QTemporaryDir>

// The deadline the web client relies on, at its real length: a server that
// never answers costs its page 30 s, then Kestrim ends.
class TestKestrimDeadline : public QObject
{
    Q_OBJECT

private slots:
    void silentServerEndsAtTheDefaultDeadline();
};

void TestKestrimDeadline::silentServerEndsAtTheDefaultDeadline()
{
    QTemporaryDir dir;
    PageServer server;
    server.route("/silent", [](int) {
        PageServer::Answer answer;
        answer.stall = true;
        return answer;
    });
    server.page("/plain", "<html><body style='background:#0000ff'>plain</body></html>");
    QVERIFY(writeJobFile(dir.filePath(QStringLiteral("job.dat")), dir.filePath(QStringLiteral("out")),
                         {{QStringLiteral("delay"), QStringLiteral("1000")}, {QStringLiteral("maxPages"), QStringLiteral("2")}},
                         {{server.url("/silent"), QStringLiteral("silent"), {}},
                          {server.url("/plain"), QStringLiteral("plain"), {}}}));

    KestrimRun run({dir.filePath(QStringLiteral("job.dat"))});
    QVERIFY(run.waitForEnd(90000));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines, QStringList{QStringLiteral("plain")});
    QCOMPARE(server.requests("/silent"), 1);
    QVERIFY(run.elapsed >= 30000);
}

VORENDA_TEST_MAIN(TestKestrimDeadline)
#include "tst_kestrimdeadline.moc"
