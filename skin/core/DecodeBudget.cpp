#include "DecodeBudget.h"

DecodeBudget::DecodeBudget(qint64 bytes)
    : budget(qMax<qint64>(0, bytes))
{
}

qint64 DecodeBudget::held() const
{
    QMutexLocker lock(&mutex);
    return used;
}

int DecodeBudget::waiting() const
{
    QMutexLocker lock(&mutex);
    return int(nextTurn - serving);
}

qint64 DecodeBudget::acquire(qint64 bytes)
{
    const qint64 wanted = qBound<qint64>(0, bytes, budget);
    QMutexLocker lock(&mutex);
    const quint64 turn = nextTurn++;
    while (turn != serving || used + wanted > budget)
        changed.wait(&mutex);
    used += wanted;
    ++serving;
    // The next in line may fit beside this one.
    changed.wakeAll();
    return wanted;
}

void DecodeBudget::release(qint64 bytes)
{
    QMutexLocker lock(&mutex);
    used -= bytes;
    changed.wakeAll();
}
