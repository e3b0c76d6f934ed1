#include "RecurseDirThread.h"

#include "PathFunctions.h"

#include <QDirIterator>
#include <QPointer>
#include <QtDebug>

#include <algorithm>
#include <iterator>
#include <utility>

RecurseDirThread::Data::Data(const QString& path, QVariant data, bool emitDirFound, bool emitEmptyDirs,
                             bool skipSubfolders, bool dirAsFile)
    : path(path)
    , emitDirFound(emitDirFound)
    , emitEmptyDirs(emitEmptyDirs)
    , skipSubfolders(skipSubfolders)
    , dirAsFile(dirAsFile)
    , data(std::move(data))
{
}

RecurseDirThread::Data::Data(const QString& path, QVariant data, WalkOptions options)
    : Data(path, std::move(data), options.testFlag(EmitDirFound), options.testFlag(EmitEmptyDirs),
           options.testFlag(SkipSubfolders), options.testFlag(DirAsFile))
{
}

RecurseDirThread::RecurseDirThread(QObject* parent)
    : QThread(parent)
{
}

RecurseDirThread::~RecurseDirThread()
{
    abort();
    wait();
}

void RecurseDirThread::start(QList<RecurseDirThread::Data*> newJobs, QThread::Priority newPriority)
{
    std::deque<std::unique_ptr<Data>> taken;
    for (Data* job : newJobs) {
        if (job)
            taken.emplace_back(job);
    }
    if (taken.empty())
        return;

    // An aborted batch whose end is still on its way is closed first; a receiver may
    // start another batch from its finished(), hence the loop.
    while (batchActive && handshake.isAborted())
        endAbortedBatch();

    if (batchActive) {
        for (auto& job : taken)
            jobs.push_back(std::move(job));
        return;
    }

    jobs = std::move(taken);
    folders = 0;
    files = 0;
    pending.clear();
    pendingValues.reset();
    outstanding = false;
    priority = newPriority;
    handshake.reset();
    ++generation;
    batchActive = true;
    ready();
}

void RecurseDirThread::start(const QString& path, QVariant data, bool emitDirFound, bool emitEmptyDirs,
                             bool skipSubfolders, bool dirAsFile, QThread::Priority priority)
{
    start(QList<Data*> {new Data(path, std::move(data), emitDirFound, emitEmptyDirs, skipSubfolders, dirAsFile)},
          priority);
}

void RecurseDirThread::start(const QString& path, QVariant data, WalkOptions options, QThread::Priority priority)
{
    start(QList<Data*> {new Data(path, std::move(data), options)}, priority);
}

bool RecurseDirThread::aborted() const
{
    return handshake.isAborted();
}

bool RecurseDirThread::waiting() const
{
    return handshake.isWaiting();
}

void RecurseDirThread::next()
{
    answer(std::nullopt);
}

void RecurseDirThread::next(QVariant data, bool emitDirFound, bool skipSubfolders, bool dirAsFile)
{
    answer(Steering {std::move(data), emitDirFound, skipSubfolders, dirAsFile});
}

void RecurseDirThread::next(QVariant data, WalkOptions options)
{
    next(std::move(data), options.testFlag(EmitDirFound), options.testFlag(SkipSubfolders),
         options.testFlag(DirAsFile));
}

void RecurseDirThread::answer(std::optional<Steering> values)
{
    if (!outstanding) {
        // Nothing to answer. Only a running walk keeps the short pause of old.
        if (walkInProgress() && !handshake.isWaiting())
            QThread::msleep(100);
        return;
    }
    outstanding = false;
    if (values)
        pendingValues = std::move(values);
    if (pending.empty()) {
        handshake.answer(std::exchange(pendingValues, std::nullopt));
    } else if (!delivering) {
        // Answered later (after a pause): the next report follows from the event loop,
        // never from inside the caller.
        const quint64 serial = pendingSerial;
        QMetaObject::invokeMethod(
            this, [this, serial] {
                if (serial == pendingSerial)
                    deliverPending();
            },
            Qt::QueuedConnection);
    }
}

void RecurseDirThread::abort()
{
    handshake.abort();
    jobs.clear();
    pending.clear();
    pendingValues.reset();
    outstanding = false;
}

void RecurseDirThread::ready()
{
    if (!handshake.isAborted() && !jobs.empty()) {
        walk = std::move(jobs.front());
        jobs.pop_front();
        walk->path = addTrailingSeparator(walk->path);
        runGeneration = generation;
        QThread::start(priority);
        return;
    }
    finish(handshake.isAborted());
}

void RecurseDirThread::finish(bool aborted)
{
    walk.reset();
    batchActive = false;
    emit finished(folders, files, aborted);
}

void RecurseDirThread::runEnded(quint64 endedGeneration)
{
    // The end of a run of an earlier batch (aborted and replaced) must neither take a
    // job of the current batch nor report its end.
    if (endedGeneration != generation || !batchActive)
        return;
    wait();  // run() has returned; let the thread finish before starting it again
    ready();
}

void RecurseDirThread::endAbortedBatch()
{
    handshake.abort();  // wakes the worker should it still wait
    wait();
    ++generation;  // its end notice, still queued, is now stale
    finish(true);
}

void RecurseDirThread::run()
{
    const QString path = walk->path;
    if (path.isEmpty()) {
        qWarning("RecurseDirThread: a job without a folder walks nothing");
    } else {
        doOnDir(path, walk->data);
        recurse(path, walk->data);
    }
    const quint64 endedGeneration = runGeneration;
    QMetaObject::invokeMethod(
        this, [this, endedGeneration] { runEnded(endedGeneration); }, Qt::QueuedConnection);
}

void RecurseDirThread::doOnDir(const QString& folder, QVariant data)
{
    if (handshake.isAborted())
        return;
    const QDir::Filters fileFilters = (walk->filters & ~QDir::Dirs) | QDir::Files;
    const QFileInfoList entries = listing(folder, walk->fileNameFilters, fileFilters);
    // Handed over in bounded parts, so a huge folder neither waits for its whole
    // listing to be shown nor piles up on the GUI thread.
    constexpr std::size_t partSize = 256;
    Reports part;
    for (const QFileInfo& entry : entries) {
        if (handshake.isAborted())
            return;
        if (entry.isDir() && !isBundle(entry))
            continue;
        if (matchesFilters(entry.fileName(), walk->fileExcludePatterns, false, Qt::CaseInsensitive))
            continue;
        part.push_back(makeReport(ReportKind::File, entry, data, true));
        if (part.size() == partSize)
            report(std::exchange(part, {}));
    }
    if (!part.empty())
        report(std::move(part));
}

void RecurseDirThread::recurse(const QString& folder, QVariant data)
{
    if (handshake.isAborted() || folder.isEmpty() || walk->skipSubfolders)
        return;
    const QDir::Filters dirFilters = (walk->filters & ~QDir::Files) | QDir::Dirs | QDir::NoDotAndDotDot;
    const QFileInfoList entries = listing(folder, walk->dirNameFilters, dirFilters);
    for (const QFileInfo& entry : entries) {
        // Every entry here is a folder, so an answer that skips subfolders ends the loop.
        if (handshake.isAborted() || walk->skipSubfolders)
            return;
        if (matchesFilters(entry.fileName(), walk->dirExcludePatterns, false, Qt::CaseInsensitive))
            continue;
        if (isBundle(entry)) {
            report(ReportKind::File, entry, data, true);
            continue;
        }
        if (entry.isSymLink()) {
            // Never entered, so link cycles end.
            ++folders;
            report(ReportKind::File, entry, data, false);
            continue;
        }
        ++folders;
        const QString subfolder = entry.absoluteFilePath();
        if (walk->emitDirFound) {
            if (!walk->emitEmptyDirs && isEmpty(subfolder)) {
                walk->data = data;
            } else {
                report(walk->dirAsFile ? ReportKind::File : ReportKind::Folder, entry, data, false);
                if (handshake.isAborted() || walk->skipSubfolders)
                    return;
            }
        }
        if (walk->dirAsFile)
            continue;
        doOnDir(subfolder, walk->data);
        recurse(subfolder, walk->data);
    }
}

bool RecurseDirThread::isEmpty(const QString& folder) const
{
    QDirIterator it(folder, walk->fileNameFilters, QDir::Dirs | QDir::Files);
    while (it.hasNext()) {
        it.next();
        const QFileInfo entry = it.fileInfo();
        if ((entry.isFile() || isBundle(entry))
            && !matchesFilters(entry.fileName(), walk->fileExcludePatterns, false, Qt::CaseInsensitive))
            return false;
    }
    return true;
}

void RecurseDirThread::report(ReportKind kind, const QFileInfo& entry, const QVariant& data, bool countsAsFile)
{
    Reports one;
    one.push_back(makeReport(kind, entry, data, countsAsFile));
    report(std::move(one));
}

void RecurseDirThread::report(Reports reports)
{
    const std::optional<Steering> answer = handshake.report([&](quint64 serial) {
        QMetaObject::invokeMethod(
            this, [this, serial, reports = std::move(reports)]() mutable { receive(serial, std::move(reports)); },
            Qt::QueuedConnection);
    });
    if (answer) {
        walk->data = answer->data;
        walk->emitDirFound = answer->emitDirFound;
        walk->skipSubfolders = answer->skipSubfolders;
        walk->dirAsFile = answer->dirAsFile;
    }
}

RecurseDirThread::Report RecurseDirThread::makeReport(ReportKind kind, const QFileInfo& entry, const QVariant& data,
                                                      bool countsAsFile)
{
    return Report {kind, countsAsFile, reportName(entry), entry.absoluteFilePath(), data};
}

void RecurseDirThread::receive(quint64 serial, Reports reports)
{
    if (!handshake.deliver(serial))
        return;  // of an aborted or replaced walk
    pendingSerial = serial;
    pending.assign(std::make_move_iterator(reports.begin()), std::make_move_iterator(reports.end()));
    pendingValues.reset();
    outstanding = false;
    deliverPending();
}

void RecurseDirThread::deliverPending()
{
    if (delivering)
        return;
    // A receiver answering at once calls next() from inside the emission; the loop
    // then shows the following report, without recursion.
    const QPointer<RecurseDirThread> alive(this);
    delivering = true;
    while (!outstanding && !pending.empty() && !handshake.isAborted()) {
        const Report report = std::move(pending.front());
        pending.pop_front();
        outstanding = true;
        if (report.countsAsFile)
            ++files;
        if (report.kind == ReportKind::Folder)
            emit dirFound(report.name, report.path, report.data);
        else
            emit fileFound(report.name, report.path, report.data);
        if (!alive)
            return;  // deleted by a receiver
    }
    delivering = false;
}

bool RecurseDirThread::isBundle(const QFileInfo&)
{
    // Linux has no application bundles: a folder named "Mail.app" is a plain folder.
    // This stays the one place that decides, should a bundle format ever count.
    return false;
}

QFileInfoList RecurseDirThread::listing(const QString& folder, const QStringList& nameFilters,
                                        QDir::Filters filters)
{
    QFileInfoList entries;
    QDirIterator it(addTrailingSeparator(QDir(folder).absolutePath()), nameFilters, filters);
    while (it.hasNext()) {
        it.next();
        entries.append(it.fileInfo());
    }
    // By name, so items arrive in the same order on every file system.
    std::sort(entries.begin(), entries.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const QString nameA = a.fileName();
        const QString nameB = b.fileName();
        const int order = nameA.compare(nameB, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : nameA < nameB;
    });
    return entries;
}

QString RecurseDirThread::reportName(const QFileInfo& entry)
{
    // The name without its last suffix ("Photos.2009" gives "Photos"); a name that is
    // all suffix (".profile") is kept whole rather than left empty.
    const QString name = entry.completeBaseName();
    return name.isEmpty() ? entry.fileName() : name;
}
