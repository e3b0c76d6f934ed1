#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QWaitCondition>
#include <QtGlobal>

#include <atomic>
#include <optional>
#include <utility>

// The report-and-wait handshake between a worker thread and the GUI thread. The
// worker hands over one report (or one group of reports) at a time and blocks,
// without a time-out, until the GUI thread answers that very hand-over (optionally
// with new values for the worker) or aborts the run.
//
// Reports are numbered. An answer only counts for a report that has been delivered
// to its receivers on the GUI thread and not answered yet, so a stray answer (a
// Continue press while nothing is outstanding, a late reply to an earlier run) can
// never let the worker past a report nobody has seen, nor carry values into it.
template <typename Values>
class WorkerHandshake
{
public:
    // GUI thread, worker not running: a fresh run. Reports of earlier runs that are
    // still on their way become stale.
    void reset()
    {
        QMutexLocker lock(&mutex);
        aborted.store(false);
        waiting = false;
        values.reset();
        ++reportSerial;
    }

    // Worker: `post(serial)` hands the report to the GUI thread; then waits for its
    // answer. Returns the values given with the answer, if any; nothing when aborted.
    template <typename Post>
    std::optional<Values> report(Post post)
    {
        QMutexLocker lock(&mutex);
        if (aborted.load())
            return std::nullopt;
        const quint64 serial = ++reportSerial;
        waiting = true;
        post(serial);
        while (!aborted.load() && answeredSerial != serial)
            answered.wait(&mutex);
        waiting = false;
        std::optional<Values> result;
        result.swap(values);
        return result;
    }

    // GUI thread: the report is about to reach its receivers. False when it is stale
    // (aborted, or from an earlier run) and must not be shown.
    bool deliver(quint64 serial)
    {
        QMutexLocker lock(&mutex);
        if (aborted.load() || serial != reportSerial || !waiting)
            return false;
        deliveredSerial = serial;
        return true;
    }

    // GUI thread: answers the delivered report the worker waits on. False when there
    // is none; the values are then dropped.
    bool answer(std::optional<Values> newValues = std::nullopt)
    {
        QMutexLocker lock(&mutex);
        if (!waiting || deliveredSerial != reportSerial || answeredSerial == reportSerial)
            return false;
        answeredSerial = reportSerial;
        values = std::move(newValues);
        answered.wakeAll();
        return true;
    }

    void abort()
    {
        QMutexLocker lock(&mutex);
        aborted.store(true);
        answered.wakeAll();
    }

    // Lock-free, so the worker can test it before every entry.
    bool isAborted() const { return aborted.load(); }

    bool isWaiting() const
    {
        QMutexLocker lock(&mutex);
        return waiting;
    }

private:
    mutable QMutex mutex;
    QWaitCondition answered;
    std::atomic<bool> aborted {false};
    bool waiting = false;
    quint64 reportSerial = 0;
    quint64 deliveredSerial = 0;
    quint64 answeredSerial = 0;
    std::optional<Values> values;
};
