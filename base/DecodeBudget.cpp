#include "DecodeBudget.h"

DecodeBudget::DecodeBudget(qint64 bytes)
    : budget(qMax<qint64>(0, bytes))
{
}

qint64 DecodeBudget::held() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return used;
}

int DecodeBudget::waiting() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return int(nextTurn - serving);
}

qint64 DecodeBudget::acquire(qint64 bytes)
{
    const qint64 wanted = qBound<qint64>(0, bytes, budget);
    std::unique_lock<std::mutex> lock(mutex);
    const quint64 turn = nextTurn++;
    changed.wait(lock, [&] { return turn == serving && used + wanted <= budget; });
    used += wanted;
    ++serving;
    // The next in line may fit beside this one.
    changed.notify_all();
    return wanted;
}

void DecodeBudget::release(qint64 bytes)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        used -= bytes;
    }
    changed.notify_all();
}
