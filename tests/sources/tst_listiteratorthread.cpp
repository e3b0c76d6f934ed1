#include "TestEnvironment.h"

#include "ListIteratorThread.h"

#include <QElapsedTimer>

#include <functional>

// Records "item data" for every entry and "end items aborted" for every end; answers
// at once unless onItem is set.
class ListRecorder : public QObject
{
public:
    explicit ListRecorder(ListIteratorThread* thread)
        : thread(thread)
    {
        connect(thread, &ListIteratorThread::itemFound, this, [this](void* item, QVariant data) {
            log << QStringLiteral("%1 %2").arg(*static_cast<QString*>(item), data.toString());
            if (onItem)
                onItem();
            else
                this->thread->next();
        });
        connect(thread, &ListIteratorThread::finished, this, [this](QList<void*>* list, int items, bool aborted) {
            log << QStringLiteral("end %1 %2")
                       .arg(items)
                       .arg(aborted ? QStringLiteral("true") : QStringLiteral("false"));
            returned << list;
        });
    }

    bool waitForEnds(int count) { return QTest::qWaitFor([&] { return returned.size() >= count; }, 10000); }

    ListIteratorThread* thread;
    QStringList log;
    QList<QList<void*>*> returned;
    std::function<void()> onItem;
};

class TestListIteratorThread : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void handsOutEveryEntry();
    void answerDataCarriesOn();
    void emptyListIsRefused();
    void busyThreadRefusesAnotherList();
    void abortDuringReportCountsTheEntry();
    void restartAfterAbortReturnsBothLists();
    void nextWithNothingOutstanding();

private:
    QString one = QStringLiteral("one"), two = QStringLiteral("two"), three = QStringLiteral("three");
    QList<void*> entries;
};

void TestListIteratorThread::init()
{
    entries = {&one, &two, &three};
}

void TestListIteratorThread::handsOutEveryEntry()
{
    ListIteratorThread thread;
    ListRecorder recorder(&thread);
    QVERIFY(thread.start(&entries, 7, QThread::LowPriority));
    QVERIFY(recorder.waitForEnds(1));
    QCOMPARE(recorder.log,
             (QStringList{QStringLiteral("one 7"), QStringLiteral("two 7"), QStringLiteral("three 7"),
                          QStringLiteral("end 3 false")}));
    QCOMPARE(recorder.returned, QList<QList<void*>*> {&entries});
}

void TestListIteratorThread::answerDataCarriesOn()
{
    ListIteratorThread thread;
    ListRecorder recorder(&thread);
    int answers = 0;
    recorder.onItem = [&] { thread.next(QStringLiteral("answer%1").arg(++answers)); };
    QVERIFY(thread.start(&entries, QStringLiteral("first")));
    QVERIFY(recorder.waitForEnds(1));
    QCOMPARE(recorder.log,
             (QStringList{QStringLiteral("one first"), QStringLiteral("two answer1"), QStringLiteral("three answer2"),
                          QStringLiteral("end 3 false")}));
}

void TestListIteratorThread::emptyListIsRefused()
{
    ListIteratorThread thread;
    ListRecorder recorder(&thread);
    QList<void*> empty;
    QVERIFY(!thread.start(&empty, 1));
    QVERIFY(!thread.start(nullptr, 1));
    QTest::qWait(50);
    QVERIFY(recorder.log.isEmpty());
    QVERIFY(!thread.isRunning());
}

void TestListIteratorThread::busyThreadRefusesAnotherList()
{
    ListIteratorThread thread;
    ListRecorder recorder(&thread);
    QList<void*> other {&three};
    recorder.onItem = [] {};
    QVERIFY(thread.start(&entries, 1));
    QTRY_COMPARE(recorder.log.size(), 1);
    QVERIFY(!thread.start(&other, 2));
    recorder.onItem = nullptr;
    thread.next();
    QVERIFY(recorder.waitForEnds(1));
    QTest::qWait(50);
    QCOMPARE(recorder.log,
             (QStringList{QStringLiteral("one 1"), QStringLiteral("two 1"), QStringLiteral("three 1"),
                          QStringLiteral("end 3 false")}));
    QCOMPARE(recorder.returned, QList<QList<void*>*> {&entries});
}

void TestListIteratorThread::abortDuringReportCountsTheEntry()
{
    ListIteratorThread thread;
    ListRecorder recorder(&thread);
    recorder.onItem = [&] {
        if (recorder.log.size() == 2)
            thread.abort();
        else
            thread.next();
    };
    QVERIFY(thread.start(&entries, 1));
    QVERIFY(recorder.waitForEnds(1));
    QTest::qWait(100);
    QCOMPARE(recorder.log,
             (QStringList{QStringLiteral("one 1"), QStringLiteral("two 1"), QStringLiteral("end 2 true")}));
    QVERIFY(thread.aborted());
}

void TestListIteratorThread::restartAfterAbortReturnsBothLists()
{
    // The old run's end is still queued when the new run starts: it must neither end
    // the new run early nor be lost (its receiver frees the list).
    ListIteratorThread thread;
    ListRecorder recorder(&thread);
    QList<void*> second {&three, &one};
    bool restarted = false;
    recorder.onItem = [&] {
        if (restarted) {
            thread.next();
            return;
        }
        restarted = true;
        thread.abort();
        QVERIFY(thread.start(&second, 2));
    };
    QVERIFY(thread.start(&entries, 1));
    QVERIFY(recorder.waitForEnds(2));
    QTest::qWait(100);
    QCOMPARE(recorder.log,
             (QStringList{QStringLiteral("one 1"), QStringLiteral("end 1 true"), QStringLiteral("three 2"),
                          QStringLiteral("one 2"), QStringLiteral("end 2 false")}));
    QCOMPARE(recorder.returned, (QList<QList<void*>*> {&entries, &second}));
}

void TestListIteratorThread::nextWithNothingOutstanding()
{
    ListIteratorThread thread;
    ListRecorder recorder(&thread);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 5; ++i) {
        thread.next();
        thread.next(QStringLiteral("late"));
    }
    QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));

    // While running, a stray answer must not let the worker past an unseen entry.
    recorder.onItem = [] {};
    QVERIFY(thread.start(&entries, 1));
    QTRY_COMPARE(recorder.log.size(), 1);
    thread.next();
    thread.next(QStringLiteral("stray"));
    QTest::qWait(200);
    QCOMPARE(recorder.log, (QStringList{QStringLiteral("one 1"), QStringLiteral("two 1")}));
    recorder.onItem = nullptr;
    thread.next();
    QVERIFY(recorder.waitForEnds(1));
    QCOMPARE(recorder.log.last(), QStringLiteral("end 3 false"));
}

VORENDA_TEST_MAIN(TestListIteratorThread)
#include "tst_listiteratorthread.moc"
