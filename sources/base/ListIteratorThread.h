#pragma once

#include "WorkerHandshake.h"

#include <QList>
#include <QThread>
#include <QVariant>

// Hands the entries of a caller's list of untyped pointers to the GUI thread one at a
// time from a worker thread, with the folder walker's report-and-wait handshake: after
// each entry the worker waits for next(), next(data) or abort(). One list at a time.
//
// The list stays the caller's: it is neither copied nor deleted, must not change while
// the run goes on, and comes back with finished(), exactly once per run that started.
class ListIteratorThread : public QThread
{
    Q_OBJECT

public:
    explicit ListIteratorThread(QObject* parent = nullptr);
    ~ListIteratorThread() override;

    // Starts a run over the list. Returns false, leaving the list with the caller, when
    // the list is null or empty or a run is going on. A run that was aborted but whose
    // end has not been reported yet is closed first with its finished(..., true),
    // emitted from within this call.
    bool start(QList<void*>* list, QVariant data, QThread::Priority priority = QThread::InheritPriority);

    bool aborted() const;
    bool waiting() const;

public slots:
    // Answers the entry outstanding. With none outstanding nothing is woken; an idle
    // thread returns at once, a running one waits 100 ms once.
    void next();
    // Answers with a new value for the following entries; dropped with none outstanding.
    void next(QVariant data);
    void abort();

signals:
    void itemFound(void* item, QVariant data);
    void finished(QList<void*>* list, int items, bool aborted);

protected:
    void run() override;

private:
    void report(void* item);
    void deliver(quint64 serial, void* item, const QVariant& data);
    void runEnded(quint64 endedGeneration);
    void endRun();
    void pauseWhileRunning();

    // GUI thread only.
    bool active = false;
    quint64 generation = 0;  // a run's end notice counts only for the run it belongs to

    // Set by the GUI thread before the thread starts, then the worker's own.
    QList<void*>* list = nullptr;
    QVariant data;
    quint64 runGeneration = 0;
    int items = 0;

    WorkerHandshake<QVariant> handshake;
};
