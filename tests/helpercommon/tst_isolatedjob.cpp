#include "TestEnvironment.h"

#include "IsolatedJob.h"

#include <QElapsedTimer>

#include <csignal>
#include <cstdio>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

// Each file of a media job runs in a child process under a deadline kept by the
// parent: a job that hangs is killed when it passes, a job that crashes costs only
// itself, and the next job runs as usual.
class TestIsolatedJob : public QObject
{
    Q_OBJECT

private slots:
    void endings_data();
    void endings();
    void largeResult_data();
    void largeResult();
    void memoryIsCapped();
    void sideBySideInOrder();
};

void TestIsolatedJob::endings_data()
{
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QByteArray>("result");
    QTest::addColumn<QString>("failure");

    QTest::newRow("line") << "line" << QByteArray("(k)(1)(2)\n") << "";
    QTest::newRow("nothing to say") << "empty" << QByteArray() << "";
    QTest::newRow("hangs") << "hang" << QByteArray() << "not done within 1.5 s";
    QTest::newRow("crashes") << "crash" << QByteArray() << "its decoding crashed (signal 9)";
    QTest::newRow("fails") << "fail" << QByteArray() << "its job process failed";
}

void TestIsolatedJob::endings()
{
    QFETCH(QString, ending);
    QFETCH(QByteArray, result);
    QFETCH(QString, failure);

    QTemporaryDir dir;
    const QString pidFile = dir.filePath(QStringLiteral("pid"));
    const auto work = [&]() -> QByteArray {
        QFile file(pidFile);
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray::number(qint64(::getpid())));
        file.close();
        // What the job prints goes nowhere; only its result comes back.
        std::printf("noise on standard output\n");
        std::fflush(stdout);
        if (ending == QStringLiteral("hang"))
            for (;;)
                ::pause();
        if (ending == QStringLiteral("crash"))
            ::raise(SIGKILL);
        if (ending == QStringLiteral("fail"))
            ::_exit(3);
        return ending == QStringLiteral("line") ? QByteArray("(k)(1)(2)\n") : QByteArray();
    };

    QElapsedTimer timer;
    timer.start();
    QString reason;
    QCOMPARE(IsolatedJob::run(work, 1500, &reason), result);
    const qint64 elapsed = timer.elapsed();
    QCOMPARE(reason, failure);
    if (ending == QStringLiteral("hang")) {
        // Not before the deadline, and not much after it.
        QVERIFY2(elapsed >= 1500, qPrintable(QString::number(elapsed)));
        QVERIFY2(elapsed < 1500 + 10000, qPrintable(QString::number(elapsed)));
    }
    // The child has gone, whatever its end.
    QFile file(pidFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const qint64 child = file.readAll().toLongLong();
    QVERIFY(child > 0 && child != qint64(::getpid()));
    QVERIFY(!QFile::exists(QStringLiteral("/proc/%1").arg(child)));

    // The next job runs as usual.
    QCOMPARE(IsolatedJob::run([] { return QByteArray("next\n"); }, 5000, &reason), QByteArray("next\n"));
    QVERIFY(reason.isEmpty());
}

void TestIsolatedJob::largeResult_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("received");
    // A result larger than the pipe holds comes whole within its limit, and is cut at it.
    QTest::newRow("a picture") << 4 * 1024 * 1024 << 3 * 1024 * 1024;
    QTest::newRow("an output line") << IsolatedJob::LINE_RESULT_BYTES << IsolatedJob::LINE_RESULT_BYTES;
}

void TestIsolatedJob::largeResult()
{
    QFETCH(int, limit);
    QFETCH(int, received);
    QByteArray sent(3 * 1024 * 1024, '\0');
    for (int i = 0; i < sent.size(); ++i)
        sent[i] = char(i * 7 + i / 4096);
    QString reason;
    QCOMPARE(IsolatedJob::run([&sent] { return sent; }, 60000, &reason, limit), sent.left(received));
    QVERIFY(reason.isEmpty());
}

void TestIsolatedJob::memoryIsCapped()
{
    struct rlimit before {};
    QCOMPARE(::getrlimit(RLIMIT_DATA, &before), 0);
    // A job that takes memory without end, 16 MB at a time (mapped, not touched: the
    // ceiling counts what is mapped), is refused once it has taken its room.
    constexpr qint64 step = 16 << 20;
    const qint64 room = qint64(IsolatedJob::JOB_MEMORY_ROOM);
    const auto greedy = [&] {
        qint64 taken = 0;
        while (taken < room + (2LL << 30)
               && ::mmap(nullptr, size_t(step), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0) != MAP_FAILED)
            taken += step;
        return QByteArray::number(taken);
    };
    QString reason;
    const qint64 taken = IsolatedJob::run(greedy, 60000, &reason).toLongLong();
    QVERIFY(reason.isEmpty());
    QVERIFY2(taken <= room && taken >= room / 2, qPrintable(QStringLiteral("%1 MB").arg(taken >> 20)));

    // This process keeps its own limit, and the next job runs as usual.
    struct rlimit after {};
    QCOMPARE(::getrlimit(RLIMIT_DATA, &after), 0);
    QCOMPARE(after.rlim_cur, before.rlim_cur);
    QCOMPARE(IsolatedJob::run([] { return QByteArray("next\n"); }, 5000, &reason), QByteArray("next\n"));
    QVERIFY(reason.isEmpty());
}

void TestIsolatedJob::sideBySideInOrder()
{
    // Job 0 ends only after job 1 has: the two run at once, and job 1's outcome waits
    // for job 0's. Each job tells how many were running when it began (a file of each
    // stands for it while it runs; the hanging one never takes its file away).
    QTemporaryDir dir;
    const QString running = dir.filePath(QStringLiteral("running"));
    QVERIFY(QDir().mkpath(running));
    const QString oneEnded = dir.filePath(QStringLiteral("1-ended"));
    constexpr int atOnce = 2;
    const auto work = [&](int index) -> QByteArray {
        const QString mine = running + QLatin1Char('/') + QString::number(index);
        QFile(mine).open(QIODevice::WriteOnly);
        const int count = QDir(running).entryList(QDir::Files).size();
        std::fprintf(stderr, "job %d says\n", index);
        if (index == 0)
            while (!QFile::exists(oneEnded))
                ::usleep(1000);
        if (index == 2) {
            QFile::remove(mine);
            ::raise(SIGKILL);
        }
        if (index == 3)
            for (;;)
                ::pause();
        QFile::remove(mine);
        if (index == 1)
            QFile(oneEnded).open(QIODevice::WriteOnly);
        return QByteArray::number(count);
    };
    QList<int> order;
    QList<IsolatedJob::Outcome> outcomes;
    IsolatedJob::runEach(5, work, atOnce, 1500, [&](int index, const IsolatedJob::Outcome& outcome) {
        order << index;
        outcomes << outcome;
    });
    QCOMPARE(order, (QList<int>{0, 1, 2, 3, 4}));
    const QStringList failures{QString(), QString(), QStringLiteral("its decoding crashed (signal 9)"),
                               QStringLiteral("not done within 1.5 s"), QString()};
    for (int i = 0; i < outcomes.size(); ++i) {
        QCOMPARE(outcomes.at(i).failure, failures.at(i));
        QCOMPARE(outcomes.at(i).errors, QStringLiteral("job %1 says\n").arg(i).toLatin1());
        QVERIFY(failures.at(i).isEmpty() != outcomes.at(i).result.isEmpty());
        if (!outcomes.at(i).result.isEmpty())
            QVERIFY2(outcomes.at(i).result.toInt() >= 1 && outcomes.at(i).result.toInt() <= atOnce,
                     outcomes.at(i).result.constData());
    }
}

VORENDA_TEST_MAIN(TestIsolatedJob)
#include "tst_isolatedjob.moc"
