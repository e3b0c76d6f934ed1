#include "ListIteratorThread.h"

ListIteratorThread::ListIteratorThread(QObject* parent)
    : QThread(parent)
{
}

ListIteratorThread::~ListIteratorThread()
{
    abort();
    wait();
}

bool ListIteratorThread::start(QList<void*>* newList, QVariant newData, QThread::Priority priority)
{
    if (!newList || newList->isEmpty())
        return false;
    // A receiver may start another run from the finished() of the aborted one.
    while (active && handshake.isAborted()) {
        handshake.abort();  // wakes the worker should it still wait
        wait();
        ++generation;  // its end notice, still queued, is now stale
        endRun();
    }
    if (active)
        return false;

    list = newList;
    data = std::move(newData);
    items = 0;
    handshake.reset();
    runGeneration = ++generation;
    active = true;
    QThread::start(priority);
    return true;
}

bool ListIteratorThread::aborted() const
{
    return handshake.isAborted();
}

bool ListIteratorThread::waiting() const
{
    return handshake.isWaiting();
}

void ListIteratorThread::next()
{
    if (!handshake.answer())
        pauseWhileRunning();
}

void ListIteratorThread::next(QVariant newData)
{
    if (!handshake.answer(std::move(newData)))
        pauseWhileRunning();
}

void ListIteratorThread::pauseWhileRunning()
{
    // Nothing to answer. Only a running walk keeps the short pause of old.
    if (active && !handshake.isAborted() && !handshake.isWaiting())
        QThread::msleep(100);
}

void ListIteratorThread::abort()
{
    handshake.abort();
}

void ListIteratorThread::run()
{
    // The size is read again before each entry.
    for (int i = 0; i < list->size() && !handshake.isAborted(); ++i) {
        ++items;
        report(list->at(i));
    }
    const quint64 endedGeneration = runGeneration;
    QMetaObject::invokeMethod(
        this, [this, endedGeneration] { runEnded(endedGeneration); }, Qt::QueuedConnection);
}

void ListIteratorThread::report(void* item)
{
    const QVariant value = data;
    const std::optional<QVariant> answer = handshake.report([&](quint64 serial) {
        QMetaObject::invokeMethod(
            this, [this, serial, item, value] { deliver(serial, item, value); }, Qt::QueuedConnection);
    });
    if (answer)
        data = *answer;
}

void ListIteratorThread::deliver(quint64 serial, void* item, const QVariant& value)
{
    if (handshake.deliver(serial))
        emit itemFound(item, value);
}

void ListIteratorThread::runEnded(quint64 endedGeneration)
{
    // The end of an aborted run that start() has already closed is ignored.
    if (endedGeneration != generation || !active)
        return;
    wait();
    endRun();
}

void ListIteratorThread::endRun()
{
    QList<void*>* const done = list;
    list = nullptr;
    active = false;
    emit finished(done, items, handshake.isAborted());
}
