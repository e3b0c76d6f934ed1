#pragma once

#include <QtGlobal>

#include <condition_variable>
#include <mutex>

// Memory shared by pictures decoded at the same time on several threads. Each decode
// holds its cost while it runs; one that does not fit waits until enough is given
// back. Decodes are let in first come, first served, so a large picture is not
// passed over for ever by small ones, and one that costs more than the whole budget
// runs alone.
class DecodeBudget
{
public:
    explicit DecodeBudget(qint64 bytes);
    DecodeBudget(const DecodeBudget&) = delete;
    DecodeBudget& operator=(const DecodeBudget&) = delete;

    qint64 total() const { return budget; }
    // The bytes held at the moment, and how many decodes wait for theirs.
    qint64 held() const;
    int waiting() const;

    // Waits for `bytes`, then holds them; returns what is held (never more than the
    // whole budget), to be given back through release().
    qint64 acquire(qint64 bytes);
    void release(qint64 bytes);

    // Holds its bytes from construction to destruction.
    class Share
    {
    public:
        Share(DecodeBudget& budget, qint64 bytes)
            : budget(budget)
            , bytes(budget.acquire(bytes))
        {
        }
        ~Share() { budget.release(bytes); }
        Share(const Share&) = delete;
        Share& operator=(const Share&) = delete;

    private:
        DecodeBudget& budget;
        const qint64 bytes;
    };

private:
    const qint64 budget;
    // Standard primitives rather than Qt's, so a thread sanitizer sees every hand-over.
    mutable std::mutex mutex;
    std::condition_variable changed;
    qint64 used = 0;
    // Turns in order of arrival: `serving` is the turn that may take its bytes next.
    quint64 nextTurn = 0;
    quint64 serving = 0;
};
