#include "TestEnvironment.h"

#include "IsolatedJob.h"

#include <QElapsedTimer>

#include <csignal>
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

VORENDA_TEST_MAIN(TestIsolatedJob)
#include "tst_isolatedjob.moc"
