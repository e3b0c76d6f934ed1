#include "TestEnvironment.h"

#include "DecodeBudget.h"

#include <QMutex>

#include <atomic>
#include <random>
#include <thread>
#include <vector>

// The memory shared by decodes on several threads: what runs at once never holds more
// than the budget, turns are taken in order of arrival, and a decode dearer than the
// whole budget runs alone rather than never.
class TestDecodeBudget : public QObject
{
    Q_OBJECT

private slots:
    void neverHoldsMoreThanTheBudget();
    void turnsAreTakenInOrder();
    void dearDecodeRunsAlone();
};

void TestDecodeBudget::neverHoldsMoreThanTheBudget()
{
    const qint64 total = 1000;
    DecodeBudget budget(total);
    // Decodes that fit together run side by side. (Seen here rather than from the
    // threads below, which a loaded machine may well run one after another.)
    const qint64 one = budget.acquire(400);
    const qint64 other = budget.acquire(400);
    QCOMPARE(budget.held(), qint64(800));
    budget.release(one);
    budget.release(other);

    std::atomic<qint64> runningBytes{0};
    std::atomic<qint64> mostBytes{0};
    std::atomic<int> decodes{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&, t] {
            std::mt19937 random(t);
            std::uniform_int_distribution<qint64> cost(0, 700);
            for (int i = 0; i < 300; ++i) {
                const qint64 held = budget.acquire(cost(random));
                const qint64 bytes = runningBytes.fetch_add(held) + held;
                qint64 seenBytes = mostBytes.load();
                while (bytes > seenBytes && !mostBytes.compare_exchange_weak(seenBytes, bytes)) {
                }
                std::this_thread::yield();
                runningBytes.fetch_sub(held);
                budget.release(held);
                decodes.fetch_add(1);
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    QCOMPARE(decodes.load(), 8 * 300);
    QVERIFY2(mostBytes.load() <= total, qPrintable(QString::number(mostBytes.load())));
    QCOMPARE(budget.held(), qint64(0));
    QCOMPARE(budget.waiting(), 0);
}

void TestDecodeBudget::turnsAreTakenInOrder()
{
    DecodeBudget budget(100);
    const qint64 first = budget.acquire(60);
    QMutex mutex;
    QStringList order;
    const auto decode = [&](const QString& name, qint64 bytes) {
        const DecodeBudget::Share share(budget, bytes);
        QMutexLocker lock(&mutex);
        order << name;
    };
    // 95 more do not fit; 10 would, but come later and wait their turn. Once the large
    // share is granted the small one no longer fits beside it, so the order is fixed.
    std::thread large(decode, QStringLiteral("large"), 95);
    QTRY_COMPARE(budget.waiting(), 1);
    std::thread small(decode, QStringLiteral("small"), 10);
    QTRY_COMPARE(budget.waiting(), 2);
    QCOMPARE(budget.held(), qint64(60));
    budget.release(first);
    large.join();
    small.join();
    QCOMPARE(order, (QStringList{QStringLiteral("large"), QStringLiteral("small")}));
    QCOMPARE(budget.held(), qint64(0));
}

void TestDecodeBudget::dearDecodeRunsAlone()
{
    DecodeBudget budget(100);
    const qint64 first = budget.acquire(10);
    std::atomic<bool> dearRuns{false};
    qint64 dearHeld = 0;
    std::thread dear([&] {
        dearHeld = budget.acquire(500);
        dearRuns = true;
    });
    QTRY_COMPARE(budget.waiting(), 1);
    QVERIFY(!dearRuns);
    budget.release(first);
    dear.join();
    // It holds the whole budget, so nothing runs beside it.
    QCOMPARE(dearHeld, qint64(100));
    std::atomic<bool> nextRuns{false};
    std::thread next([&] {
        const DecodeBudget::Share share(budget, 1);
        nextRuns = true;
    });
    QTRY_COMPARE(budget.waiting(), 1);
    QVERIFY(!nextRuns);
    budget.release(dearHeld);
    next.join();
    QVERIFY(nextRuns);
    QCOMPARE(budget.held(), qint64(0));
}

VORENDA_TEST_MAIN(TestDecodeBudget)
#include "tst_decodebudget.moc"
