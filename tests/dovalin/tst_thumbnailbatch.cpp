#include "TestEnvironment.h"
#include "TestPictures.h"

#include "ThumbnailBatch.h"

#include <QtTest>

#include <sched.h>

// The batch's threads follow the cores the process may use, as `taskset` or a
// container's CPU limit hold it to, not the cores the machine has.
class TestThumbnailBatch : public QObject
{
    Q_OBJECT

private slots:
    void keepsToTheUsableCores_data();
    void keepsToTheUsableCores();
};

void TestThumbnailBatch::keepsToTheUsableCores_data()
{
    QTest::addColumn<int>("cores");
    QTest::newRow("one core") << 1;
    QTest::newRow("two cores") << 2;
}

void TestThumbnailBatch::keepsToTheUsableCores()
{
    QFETCH(int, cores);

    cpu_set_t all;
    CPU_ZERO(&all);
    QCOMPARE(::sched_getaffinity(0, sizeof all, &all), 0);
    // The first `cores` of those this thread may run on (fewer where there are fewer).
    cpu_set_t held;
    CPU_ZERO(&held);
    int kept = 0;
    for (int cpu = 0; cpu < CPU_SETSIZE && kept < cores; ++cpu)
        if (CPU_ISSET(cpu, &all)) {
            CPU_SET(cpu, &held);
            ++kept;
        }
    QCOMPARE(::sched_setaffinity(0, sizeof held, &held), 0);

    QTemporaryDir work;
    QVERIFY(work.isValid());
    QList<DovalinnailCreator::Data*> items;
    for (int i = 0; i < 6; ++i) {
        auto* item = new DovalinnailCreator::Data;
        item->filePath = work.filePath(QStringLiteral("p%1.png").arg(i));
        item->thumbName = QStringLiteral("t%1.png").arg(i);
        item->key = QString::number(i);
        item->thumbWidth = item->thumbHeight = 64;
        QVERIFY(TestPictures::write(item->filePath, 120, 90));
        items.append(item);
    }
    int made = 0;
    {
        ThumbnailBatch batch(items, work.path(), EighthScaleDecoding());
        const int threads = batch.threadCount();
        for (ThumbnailBatch::Done done = batch.next(); done.item; done = batch.next()) {
            made += done.made ? 1 : 0;
            delete done.item;
        }
        QVERIFY(::sched_setaffinity(0, sizeof all, &all) == 0);
        QCOMPARE(threads, kept);
    }
    QCOMPARE(made, 6);
}

VORENDA_TEST_MAIN(TestThumbnailBatch)
#include "tst_thumbnailbatch.moc"
