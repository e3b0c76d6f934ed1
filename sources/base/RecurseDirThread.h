#pragma once

#include "WorkerHandshake.h"

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QStringList>
#include <QThread>
#include <QVariant>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

// Walks folder trees on a worker thread and hands every hit, one at a time, to the
// GUI thread. After each report the walk waits until the GUI thread answers with
// next(), next(data, ...) or abort(), so it runs at its receiver's pace and the
// receiver can give each folder the value its contents are to carry. Listings are
// sorted by name, case-insensitively, so hits arrive in the same order on every file
// system: a folder's own files first, then each subfolder with its contents.
//
// Reports reach the receivers on the GUI thread (emitted by this object there), so a
// report of an aborted or replaced walk is never shown, and only one report is ever
// outstanding. The files of one folder cross to the GUI thread together and are shown
// one at a time there: an answer to a file report can only change how the subfolders
// are walked, so the worker needs the answers only before it moves on to those. Every
// batch of jobs ends with exactly one finished().
class RecurseDirThread : public QThread
{
    Q_OBJECT

public:
    // How a walk reports and descends.
    enum WalkOption {
        EmitDirFound = 0x1,   // report folders through dirFound
        EmitEmptyDirs = 0x2,  // report also folders without a passing file of their own
        SkipSubfolders = 0x4, // only the job folder's own files
        DirAsFile = 0x8,      // report folders through fileFound and never enter them
    };
    Q_DECLARE_FLAGS(WalkOptions, WalkOption)

    // One walk job. Handed to start(), it belongs to the walker.
    struct Data
    {
        Data(const QString& path, QVariant data, bool emitDirFound, bool emitEmptyDirs, bool skipSubfolders,
             bool dirAsFile);
        Data(const QString& path, QVariant data, WalkOptions options);

        QString path;
        QStringList dirNameFilters;       // name filters of each subfolder listing
        QStringList dirExcludePatterns;   // wildcards; matching subfolders are skipped
        QStringList fileNameFilters;      // name filters of each file listing and the emptiness test
        QStringList fileExcludePatterns;  // wildcards; matching files are skipped
        QDir::Filters filters = QDir::Readable;
        bool emitDirFound;   // report folders through dirFound
        bool emitEmptyDirs;  // report also folders without a passing file of their own
        bool skipSubfolders; // only the job folder's own files
        bool dirAsFile;      // report folders through fileFound and never enter them
        QVariant data;       // the caller's value, carried with every report
    };

    explicit RecurseDirThread(QObject* parent = nullptr);
    ~RecurseDirThread() override;

    // Queues a batch. While a batch runs the jobs are appended to it (same counts, one
    // finished()); after an abort whose end has not been reported yet, the old batch is
    // first closed with its finished(..., true), emitted from within this call.
    void start(QList<RecurseDirThread::Data*> jobs, QThread::Priority priority = QThread::InheritPriority);
    void start(const QString& path, QVariant data, bool emitDirFound, bool emitEmptyDirs, bool skipSubfolders,
               bool dirAsFile, QThread::Priority priority = QThread::InheritPriority);
    void start(const QString& path, QVariant data, WalkOptions options,
               QThread::Priority priority = QThread::InheritPriority);

    bool aborted() const;
    // The worker is blocked until its reports are answered.
    bool waiting() const;

public slots:
    // Answers the report outstanding. With none outstanding nothing is woken; an idle
    // walker returns at once, a running one waits 100 ms once.
    void next();
    // Answers the outstanding report with new values for the rest of the walk; they are
    // dropped when no report is outstanding (a late answer to an ended walk).
    void next(QVariant data, bool emitDirFound, bool skipSubfolders, bool dirAsFile);
    // The same with the values as options; EmitEmptyDirs is the job's, not an answer's.
    void next(QVariant data, WalkOptions options);
    // Stops the walk and drops the queued jobs.
    void abort();

signals:
    // A file, a symbolic link to a folder, or a folder while dirAsFile is set.
    void fileFound(QString name, QString path, QVariant data);
    // A folder, while emitDirFound is set and dirAsFile is not.
    void dirFound(QString name, QString path, QVariant data);
    // The batch has ended (hides QThread::finished(), which ends only one job's run).
    void finished(int folders, int files, bool aborted);

protected:
    void run() override;

protected slots:
    // Starts the next job of the batch or reports the batch's end.
    void ready();

private:
    // What an answer may change of the running walk.
    struct Steering
    {
        QVariant data;
        bool emitDirFound;
        bool skipSubfolders;
        bool dirAsFile;
    };
    enum class ReportKind { File, Folder };
    struct Report
    {
        ReportKind kind;
        bool countsAsFile;  // folders are counted by the worker, whether reported or not
        QString name;
        QString path;
        QVariant data;
    };
    using Reports = std::vector<Report>;

    // Worker side.
    void doOnDir(const QString& folder, QVariant data);
    // `data` by value: answers change the walk's data while a step still needs its own.
    void recurse(const QString& folder, QVariant data);
    bool isEmpty(const QString& folder) const;
    void report(ReportKind kind, const QFileInfo& entry, const QVariant& data, bool countsAsFile);
    void report(Reports reports);
    static Report makeReport(ReportKind kind, const QFileInfo& entry, const QVariant& data, bool countsAsFile);

    // GUI side.
    void receive(quint64 serial, Reports reports);
    void deliverPending();
    void answer(std::optional<Steering> values);
    void runEnded(quint64 endedGeneration);
    void endAbortedBatch();
    void finish(bool aborted);
    bool walkInProgress() const { return batchActive && !handshake.isAborted(); }

    static bool isBundle(const QFileInfo& entry);
    static QFileInfoList listing(const QString& folder, const QStringList& nameFilters, QDir::Filters filters);
    static QString reportName(const QFileInfo& entry);

    // GUI thread only.
    std::deque<std::unique_ptr<Data>> jobs;
    QThread::Priority priority = QThread::InheritPriority;
    bool batchActive = false;
    quint64 generation = 0;  // a run's end notice counts only for the batch it belongs to
    // The reports of one hand-over are shown one at a time; the worker gets its answer
    // (the last values given) once all of them are answered.
    std::deque<Report> pending;
    quint64 pendingSerial = 0;
    std::optional<Steering> pendingValues;
    bool outstanding = false;  // a report is with the receivers, unanswered
    bool delivering = false;
    int files = 0;

    // The running job: set by the GUI thread before the thread starts, then the
    // worker's own (answers reach it through the handshake).
    std::unique_ptr<Data> walk;
    quint64 runGeneration = 0;
    // Written by the worker, read by the GUI thread once the thread has ended.
    int folders = 0;

    WorkerHandshake<Steering> handshake;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(RecurseDirThread::WalkOptions)
