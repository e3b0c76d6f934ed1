#include "ForEachPart.h"
#include "TestEnvironment.h"

#include <QtTest>

#include <atomic>
#include <thread>
#include <vector>
#include <sys/wait.h>
#include <unistd.h>

// forEachPart on the threads a process keeps: every part exactly once, call after call,
// from two callers at once, and in a process forked from one whose threads are waiting.
class TestForEachPart : public QObject
{
    Q_OBJECT

private slots:
    void everyPartOnce_data();
    void everyPartOnce();
    void twoCallersAtOnce();
    void forkedProcessHasThreadsOfItsOwn();
};

namespace {

// How often each part was done by one call; false unless each was done once.
bool eachOnce(int parts, int threads)
{
    std::vector<std::atomic<int>> done(size_t(qMax(parts, 0)));
    forEachPart(parts, threads, [&](int part) { ++done[size_t(part)]; });
    for (const std::atomic<int>& count : done)
        if (count != 1)
            return false;
    return true;
}

} // namespace

void TestForEachPart::everyPartOnce_data()
{
    QTest::addColumn<int>("parts");
    QTest::addColumn<int>("threads");
    QTest::newRow("no parts") << 0 << 8;
    QTest::newRow("one thread") << 100 << 1;
    QTest::newRow("more threads than parts") << 3 << 8;
    QTest::newRow("more parts than threads") << 1000 << 4;
    // A call wanting more threads than the last one had starts the rest.
    QTest::newRow("more threads than before") << 1000 << 12;
}

void TestForEachPart::everyPartOnce()
{
    QFETCH(int, parts);
    QFETCH(int, threads);
    for (int call = 0; call < 50; ++call)
        QVERIFY2(eachOnce(parts, threads), qPrintable(QStringLiteral("call %1").arg(call)));
}

void TestForEachPart::twoCallersAtOnce()
{
    // The second caller finds the kept threads at work, and takes threads of its own.
    std::atomic<bool> allOnce{true};
    auto caller = [&] {
        for (int call = 0; call < 200; ++call)
            if (!eachOnce(64, 4))
                allOnce = false;
    };
    std::thread other(caller);
    caller();
    other.join();
    QVERIFY(allOnce);
}

void TestForEachPart::forkedProcessHasThreadsOfItsOwn()
{
    QVERIFY(eachOnce(64, 4)); // the parent's threads start, then wait
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0)
        ::_exit(eachOnce(64, 4) && eachOnce(1000, 8) ? 0 : 1);
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    QVERIFY(eachOnce(64, 4));
}

VORENDA_TEST_MAIN(TestForEachPart)
#include "tst_foreachpart.moc"
