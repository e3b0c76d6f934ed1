#include "TestEnvironment.h"

#include "RecurseDirThread.h"

#include <QElapsedTimer>

#include <functional>

using Job = RecurseDirThread::Data;

// Records every report as "F name relative-path data" (fileFound) or "D ..." (dirFound)
// and every end as "end folders files aborted". Folders are answered with their own
// name as data, so the contents show which folder they were filed under.
class WalkRecorder : public QObject
{
public:
    WalkRecorder(RecurseDirThread* walker, const QString& root)
        : walker(walker)
        , root(root)
    {
        connect(walker, &RecurseDirThread::fileFound, this, [this](QString name, QString path, QVariant data) {
            record('F', name, path, data);
            if (onFile)
                onFile(name);
            else
                this->walker->next();
        });
        connect(walker, &RecurseDirThread::dirFound, this, [this](QString name, QString path, QVariant data) {
            record('D', name, path, data);
            if (onDir)
                onDir(name);
            else
                this->walker->next(name, true, false, false);
        });
        connect(walker, &RecurseDirThread::finished, this, [this](int folders, int files, bool aborted) {
            log << QStringLiteral("end %1 %2 %3")
                       .arg(folders)
                       .arg(files)
                       .arg(aborted ? QStringLiteral("true") : QStringLiteral("false"));
            ++ends;
        });
    }

    bool waitForEnds(int count) { return QTest::qWaitFor([&] { return ends >= count; }, 10000); }

    RecurseDirThread* walker;
    QString root;
    QStringList log;
    int ends = 0;
    std::function<void(const QString&)> onFile;  // replaces the answer at once
    std::function<void(const QString&)> onDir;

private:
    void record(char kind, const QString& name, const QString& path, const QVariant& data)
    {
        log << QStringLiteral("%1 %2 %3 %4")
                   .arg(QChar::fromLatin1(kind), name, QDir(root).relativeFilePath(path), data.toString());
    }
};

class TestRecurseDirThread : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void walksInOrder_data();
    void walksInOrder();
    void answerSkippingSubfoldersEndsTheJob();
    void abortWhileWaitingEndsOnce();
    void jobsAppendedDuringWalkShareOneEnd();
    void restartAfterAbortIgnoresTheOldBatch_data();
    void restartAfterAbortIgnoresTheOldBatch();
    void fileAnswersSteerTheSubfolders_data();
    void fileAnswersSteerTheSubfolders();
    void bigFolderArrivesInOrder();
    void unansweredReportHoldsTheWalk();
    void nextOnIdleWalkerReturnsAtOnce();
    void appFolderIsPlainFolder();
    void missingFolders_data();
    void missingFolders();
    void destructorStopsWaitingWorker();
    void receiverMayDeleteTheWalker();

private:
    QTemporaryDir tree;
    QString root() const { return tree.path(); }
    QString sub(const QString& name) const { return tree.path() + QLatin1Char('/') + name; }
};

void TestRecurseDirThread::initTestCase()
{
    QVERIFY(tree.isValid());
    QDir dir(tree.path());
    QVERIFY(dir.mkpath(QStringLiteral("Photos.2009")));
    QVERIFY(dir.mkpath(QStringLiteral("OnlySubs/Deep")));
    QVERIFY(dir.mkpath(QStringLiteral("skipme")));
    for (const char* name : {"a.txt", "b.tmp", "Photos.2009/c.png", "OnlySubs/Deep/d.txt", "skipme/e.txt"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    // Loop -> the tree itself
    QVERIFY(QFile::link(tree.path(), dir.filePath(QStringLiteral("Loop"))));
}

void TestRecurseDirThread::walksInOrder_data()
{
    QTest::addColumn<bool>("emitDirFound");
    QTest::addColumn<bool>("emitEmptyDirs");
    QTest::addColumn<bool>("skipSubfolders");
    QTest::addColumn<bool>("dirAsFile");
    QTest::addColumn<QStringList>("fileNameFilters");
    QTest::addColumn<QStringList>("fileExcludes");
    QTest::addColumn<QStringList>("dirExcludes");
    QTest::addColumn<QStringList>("expected");

    const QStringList none;
    QTest::newRow("every folder reported")
        << true << true << false << false << none << none << none
        << QStringList{QStringLiteral("F a a.txt root"),
                       QStringLiteral("F b b.tmp root"),
                       QStringLiteral("F Loop Loop root"), // a link is reported, not entered
                       QStringLiteral("D OnlySubs OnlySubs root"),
                       QStringLiteral("D Deep OnlySubs/Deep OnlySubs"),
                       QStringLiteral("F d OnlySubs/Deep/d.txt Deep"),
                       QStringLiteral("D Photos Photos.2009 root"),
                       QStringLiteral("F c Photos.2009/c.png Photos"),
                       QStringLiteral("D skipme skipme root"),
                       QStringLiteral("F e skipme/e.txt skipme"),
                       QStringLiteral("end 5 5 false")};
    QTest::newRow("exclude patterns") << true << true << false << false << none << QStringList{QStringLiteral("*.TMP")}
                                      << QStringList{QStringLiteral("skip*"), QStringLiteral("Loop")}
                                      << QStringList{QStringLiteral("F a a.txt root"),
                                                     QStringLiteral("D OnlySubs OnlySubs root"),
                                                     QStringLiteral("D Deep OnlySubs/Deep OnlySubs"),
                                                     QStringLiteral("F d OnlySubs/Deep/d.txt Deep"),
                                                     QStringLiteral("D Photos Photos.2009 root"),
                                                     QStringLiteral("F c Photos.2009/c.png Photos"),
                                                     QStringLiteral("end 3 3 false")};
    QTest::newRow("folders without own files are silent") << true << false << false << false << none << none << none
                                                          << QStringList{QStringLiteral("F a a.txt root"),
                                                                         QStringLiteral("F b b.tmp root"),
                                                                         QStringLiteral("F Loop Loop root"),
                                                                         QStringLiteral("D Deep OnlySubs/Deep root"),
                                                                         QStringLiteral("F d OnlySubs/Deep/d.txt Deep"),
                                                                         QStringLiteral("D Photos Photos.2009 root"),
                                                                         QStringLiteral("F c Photos.2009/c.png Photos"),
                                                                         QStringLiteral("D skipme skipme root"),
                                                                         QStringLiteral("F e skipme/e.txt skipme"),
                                                                         QStringLiteral("end 5 5 false")};
    QTest::newRow("name filters decide emptiness")
        << true << false << false << false << QStringList{QStringLiteral("*.txt")} << none << none
        << QStringList{QStringLiteral("F a a.txt root"),
                       QStringLiteral("F Loop Loop root"),
                       QStringLiteral("D Deep OnlySubs/Deep root"),
                       QStringLiteral("F d OnlySubs/Deep/d.txt Deep"),
                       QStringLiteral("D skipme skipme root"),
                       QStringLiteral("F e skipme/e.txt skipme"),
                       QStringLiteral("end 5 3 false")};
    QTest::newRow("folders walked unreported") << false << true << false << false << none << none << none
                                               << QStringList{QStringLiteral("F a a.txt root"),
                                                              QStringLiteral("F b b.tmp root"),
                                                              QStringLiteral("F Loop Loop root"),
                                                              QStringLiteral("F d OnlySubs/Deep/d.txt root"),
                                                              QStringLiteral("F c Photos.2009/c.png root"),
                                                              QStringLiteral("F e skipme/e.txt root"),
                                                              QStringLiteral("end 5 5 false")};
    QTest::newRow("job skips subfolders")
        << true << true << true << false << none << none << none
        << QStringList{QStringLiteral("F a a.txt root"), QStringLiteral("F b b.tmp root"),
                       QStringLiteral("end 0 2 false")};
    QTest::newRow("folders as files") << true << true << false << true << none << none << none
                                      << QStringList{QStringLiteral("F a a.txt root"),
                                                     QStringLiteral("F b b.tmp root"),
                                                     QStringLiteral("F Loop Loop root"),
                                                     QStringLiteral("F OnlySubs OnlySubs root"),
                                                     QStringLiteral("F Photos Photos.2009 root"),
                                                     QStringLiteral("F skipme skipme root"),
                                                     QStringLiteral("end 4 2 false")};
}

void TestRecurseDirThread::walksInOrder()
{
    QFETCH(bool, emitDirFound);
    QFETCH(bool, emitEmptyDirs);
    QFETCH(bool, skipSubfolders);
    QFETCH(bool, dirAsFile);
    QFETCH(QStringList, fileNameFilters);
    QFETCH(QStringList, fileExcludes);
    QFETCH(QStringList, dirExcludes);
    QFETCH(QStringList, expected);

    RecurseDirThread walker;
    WalkRecorder recorder(&walker, root());
    auto* job = new Job(root(), QStringLiteral("root"), emitDirFound, emitEmptyDirs, skipSubfolders, dirAsFile);
    job->fileNameFilters = fileNameFilters;
    job->fileExcludePatterns = fileExcludes;
    job->dirExcludePatterns = dirExcludes;
    walker.start({job}, QThread::LowPriority);
    QVERIFY(recorder.waitForEnds(1));
    QCOMPARE(recorder.log, expected);
}

void TestRecurseDirThread::answerSkippingSubfoldersEndsTheJob()
{
    // The second job of the batch still runs, and the counts cover both.
    RecurseDirThread walker;
    WalkRecorder recorder(&walker, root());
    recorder.onDir = [&](const QString&) { walker.next(QStringLiteral("other"), false, true, false); };
    walker.start({new Job(root(), QStringLiteral("root"), true, true, false, false),
                  new Job(sub(QStringLiteral("skipme")), QStringLiteral("second"), true, true, false, false)});
    QVERIFY(recorder.waitForEnds(1));
    QCOMPARE(recorder.log,
             (QStringList{QStringLiteral("F a a.txt root"), QStringLiteral("F b b.tmp root"),
                          QStringLiteral("F Loop Loop root"), QStringLiteral("D OnlySubs OnlySubs root"),
                          QStringLiteral("F e skipme/e.txt second"), QStringLiteral("end 2 3 false")}));
}

void TestRecurseDirThread::abortWhileWaitingEndsOnce()
{
    RecurseDirThread walker;
    WalkRecorder recorder(&walker, root());
    recorder.onFile = [](const QString&) {};  // leave the report unanswered
    walker.start({new Job(root(), QStringLiteral("root"), true, true, false, false),
                  new Job(sub(QStringLiteral("skipme")), QStringLiteral("queued"), true, true, false, false)});
    QTRY_COMPARE(recorder.log.size(), 1);
    QVERIFY(walker.waiting());
    walker.abort();
    QVERIFY(walker.aborted());
    QVERIFY(recorder.waitForEnds(1));
    QTest::qWait(100);
    QCOMPARE(recorder.log, (QStringList{QStringLiteral("F a a.txt root"), QStringLiteral("end 0 1 true")}));
    QVERIFY(walker.wait(5000));
}

void TestRecurseDirThread::jobsAppendedDuringWalkShareOneEnd()
{
    RecurseDirThread walker;
    WalkRecorder recorder(&walker, root());
    bool appended = false;
    recorder.onFile = [&](const QString&) {
        if (!appended) {
            appended = true;
            walker.start(sub(QStringLiteral("Photos.2009")), QStringLiteral("appended"), true, true, false, false,
                         QThread::NormalPriority);
        }
        walker.next();
    };
    walker.start(root(), QStringLiteral("root"), true, true, true, false, QThread::NormalPriority);
    QVERIFY(recorder.waitForEnds(1));
    QTest::qWait(50);
    QCOMPARE(recorder.log,
             (QStringList{QStringLiteral("F a a.txt root"), QStringLiteral("F b b.tmp root"),
                          QStringLiteral("F c Photos.2009/c.png appended"), QStringLiteral("end 0 3 false")}));
}

void TestRecurseDirThread::restartAfterAbortIgnoresTheOldBatch_data()
{
    QTest::addColumn<bool>("reportDelivered");
    // Abort and restart from the receiver of a report, with the old run's end still queued.
    QTest::newRow("from a report") << true;
    // The old run's report itself is still queued as well: it must never show.
    QTest::newRow("before the report arrives") << false;
}

void TestRecurseDirThread::restartAfterAbortIgnoresTheOldBatch()
{
    QFETCH(bool, reportDelivered);
    RecurseDirThread walker;
    WalkRecorder recorder(&walker, root());
    auto restart = [&] {
        walker.abort();
        walker.start({new Job(sub(QStringLiteral("Photos.2009")), QStringLiteral("new"), true, true, false, false),
                      new Job(sub(QStringLiteral("skipme")), QStringLiteral("new"), true, true, false, false)});
    };
    bool restarted = false;
    recorder.onFile = [&](const QString&) {
        if (!restarted) {
            restarted = true;
            restart();
        } else {
            walker.next();
        }
    };
    walker.start(root(), QStringLiteral("old"), true, true, false, false, QThread::NormalPriority);
    QStringList expected;
    if (reportDelivered) {
        expected << QStringLiteral("F a a.txt old");
    } else {
        QElapsedTimer timer;
        timer.start();
        while (!walker.waiting() && timer.elapsed() < 10000)
            QThread::msleep(1);  // no event processing: the report stays queued
        QVERIFY(walker.waiting());
        restarted = true;
        restart();
    }
    // The counts cover what the receiver was shown.
    expected << (reportDelivered ? QStringLiteral("end 0 1 true") : QStringLiteral("end 0 0 true"))
             << QStringLiteral("F c Photos.2009/c.png new") << QStringLiteral("F e skipme/e.txt new")
             << QStringLiteral("end 0 2 false");
    QVERIFY(recorder.waitForEnds(2));
    QTest::qWait(100);
    QCOMPARE(recorder.log, expected);
}

void TestRecurseDirThread::fileAnswersSteerTheSubfolders_data()
{
    // Answers to the files of a folder: data for "a" and "b", skipSubfolders for "a".
    QTest::addColumn<QString>("dataForA");
    QTest::addColumn<QString>("dataForB");
    QTest::addColumn<bool>("skipForA");
    QTest::addColumn<QStringList>("expected");
    const QStringList ownFiles{QStringLiteral("F a a.txt root"), QStringLiteral("F b b.tmp root")};
    QTest::newRow("last answer wins") << "first"
                                      << "second" << false
                                      << ownFiles
            + QStringList{QStringLiteral("F Loop Loop second"), QStringLiteral("F d OnlySubs/Deep/d.txt second"),
                          QStringLiteral("F c Photos.2009/c.png second"), QStringLiteral("F e skipme/e.txt second"),
                          QStringLiteral("end 5 5 false")};
    QTest::newRow("plain answer keeps the values") << "first"
                                                   << "" << false
                                                   << ownFiles
            + QStringList{QStringLiteral("F Loop Loop first"), QStringLiteral("F d OnlySubs/Deep/d.txt first"),
                          QStringLiteral("F c Photos.2009/c.png first"), QStringLiteral("F e skipme/e.txt first"),
                          QStringLiteral("end 5 5 false")};
    // The folder's remaining files still arrive; no subfolder does.
    QTest::newRow("skip subfolders") << "first"
                                     << "" << true << ownFiles + QStringList{QStringLiteral("end 0 2 false")};
}

void TestRecurseDirThread::fileAnswersSteerTheSubfolders()
{
    QFETCH(QString, dataForA);
    QFETCH(QString, dataForB);
    QFETCH(bool, skipForA);
    QFETCH(QStringList, expected);
    RecurseDirThread walker;
    WalkRecorder recorder(&walker, root());
    recorder.onFile = [&](const QString& name) {
        if (name == QStringLiteral("a"))
            walker.next(dataForA, false, skipForA, false);
        else if (name == QStringLiteral("b") && !dataForB.isEmpty())
            walker.next(dataForB, false, false, false);
        else
            walker.next();
    };
    walker.start(root(), QStringLiteral("root"), false, true, false, false, QThread::NormalPriority);
    QVERIFY(recorder.waitForEnds(1));
    QCOMPARE(recorder.log, expected);
}

void TestRecurseDirThread::bigFolderArrivesInOrder()
{
    // More files than the worker hands over at once.
    QTemporaryDir big;
    QStringList expected;
    for (int i = 0; i < 600; ++i) {
        const QString name = QStringLiteral("f%1").arg(i, 3, 10, QLatin1Char('0'));
        QFile file(big.path() + QLatin1Char('/') + name + QStringLiteral(".txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        expected << QStringLiteral("F %1 %1.txt big").arg(name);
    }
    expected << QStringLiteral("end 0 600 false");
    RecurseDirThread walker;
    WalkRecorder recorder(&walker, big.path());
    walker.start(big.path(), QStringLiteral("big"), true, true, false, false, QThread::NormalPriority);
    QVERIFY(recorder.waitForEnds(1));
    QCOMPARE(recorder.log, expected);
}

void TestRecurseDirThread::unansweredReportHoldsTheWalk()
{
    // A paused receiver leaves its report unanswered: nothing else arrives, and a stray
    // next() (Continue with nothing outstanding) lets nothing past.
    RecurseDirThread walker;
    WalkRecorder recorder(&walker, root());
    recorder.onFile = [](const QString&) {};
    walker.start(root(), QStringLiteral("root"), false, true, true, false, QThread::NormalPriority);
    QTRY_COMPARE(recorder.log.size(), 1);
    QTest::qWait(100);
    QCOMPARE(recorder.log.size(), 1);
    QVERIFY(walker.waiting());
    walker.next();  // answers "a"
    walker.next();  // nothing outstanding
    walker.next(QStringLiteral("late"), false, false, false);
    QTest::qWait(200);
    QCOMPARE(recorder.log, (QStringList{QStringLiteral("F a a.txt root"), QStringLiteral("F b b.tmp root")}));
    QVERIFY(walker.waiting());
    walker.next();
    QVERIFY(recorder.waitForEnds(1));
    QCOMPARE(recorder.log.last(), QStringLiteral("end 0 2 false"));
}

void TestRecurseDirThread::nextOnIdleWalkerReturnsAtOnce()
{
    RecurseDirThread walker;
    WalkRecorder recorder(&walker, root());
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 5; ++i) {
        walker.next();
        walker.next(QStringLiteral("late"), true, false, false);
    }
    // One 100 ms sleep per call would take a second.
    QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));

    // The same after a walk has ended.
    walker.start(sub(QStringLiteral("skipme")), QStringLiteral("x"), true, true, false, false, QThread::NormalPriority);
    QVERIFY(recorder.waitForEnds(1));
    timer.restart();
    for (int i = 0; i < 5; ++i)
        walker.next();
    QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(recorder.log, (QStringList{QStringLiteral("F e skipme/e.txt x"), QStringLiteral("end 0 1 false")}));
}

void TestRecurseDirThread::appFolderIsPlainFolder()
{
    QTemporaryDir apps;
    QVERIFY(QDir(apps.path()).mkpath(QStringLiteral("Mail.app/Contents")));
    QFile file(apps.path() + QStringLiteral("/Mail.app/Contents/Info.plist"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    RecurseDirThread walker;
    WalkRecorder recorder(&walker, apps.path());
    walker.start(apps.path(), QStringLiteral("apps"), true, true, false, false, QThread::NormalPriority);
    QVERIFY(recorder.waitForEnds(1));
    QCOMPARE(
        recorder.log,
        (QStringList{QStringLiteral("D Mail Mail.app apps"), QStringLiteral("D Contents Mail.app/Contents Mail"),
                     QStringLiteral("F Info Mail.app/Contents/Info.plist Contents"), QStringLiteral("end 2 1 false")}));
}

void TestRecurseDirThread::missingFolders_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("missing") << sub(QStringLiteral("none"));
    QTest::newRow("a file") << sub(QStringLiteral("a.txt"));
    QTest::newRow("empty path") << QString();  // must not walk the working folder
}

void TestRecurseDirThread::missingFolders()
{
    QFETCH(QString, path);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(root());
    RecurseDirThread walker;
    WalkRecorder recorder(&walker, root());
    if (path.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, "RecurseDirThread: a job without a folder walks nothing");
    walker.start(path, QStringLiteral("x"), true, true, false, false, QThread::NormalPriority);
    QVERIFY(recorder.waitForEnds(1));
    QDir::setCurrent(previous);
    QCOMPARE(recorder.log, QStringList{QStringLiteral("end 0 0 false")});
}

void TestRecurseDirThread::destructorStopsWaitingWorker()
{
    auto* walker = new RecurseDirThread;
    QStringList reports;
    connect(walker, &RecurseDirThread::fileFound, this, [&](QString name) { reports << name; });
    walker->start(root(), QStringLiteral("root"), true, true, false, false, QThread::NormalPriority);
    QTRY_COMPARE(reports.size(), 1);
    QVERIFY(walker->waiting());
    delete walker;  // must neither hang nor leave the worker running on freed memory
    QTest::qWait(50);
    QCOMPARE(reports, QStringList{QStringLiteral("a")});
}

void TestRecurseDirThread::receiverMayDeleteTheWalker()
{
    auto* walker = new RecurseDirThread;
    QStringList reports;
    connect(walker, &RecurseDirThread::fileFound, this, [&](QString name) {
        reports << name;
        delete walker;
    });
    walker->start(root(), QStringLiteral("root"), true, true, false, false, QThread::NormalPriority);
    QTRY_COMPARE(reports.size(), 1);
    QTest::qWait(50);
    QCOMPARE(reports, QStringList{QStringLiteral("a")});
}

VORENDA_TEST_MAIN(TestRecurseDirThread)
#include "tst_recursedirthread.moc"
