#include "PartThreads.h"

#include <system_error>
#include <thread>
#include <unistd.h>

PartThreads& PartThreads::ofThisProcess()
{
    // Never destroyed: its threads wait until the process ends.
    static std::atomic<PartThreads*> current{nullptr};
    PartThreads* threads = current.load();
    const pid_t process = ::getpid();
    while (!threads || threads->process != process) {
        // A parent's copy, left as fork() copied it, is not touched: its locks may be
        // held by threads this process does not have.
        auto* fresh = new PartThreads(process);
        if (current.compare_exchange_strong(threads, fresh))
            return *fresh;
        delete fresh;
    }
    return *threads;
}

PartThreads::PartThreads(pid_t process)
    : process(process)
{
}

int PartThreads::startUpTo(int count)
{
    while (started < count) {
        try {
            std::thread(&PartThreads::serve, this).detach();
        } catch (const std::system_error&) {
            break; // no more threads to be had: those there are do the parts
        }
        ++started;
    }
    return started;
}

bool PartThreads::run(int parts, int helpers, const std::function<void(int)>& work)
{
    std::unique_lock<std::mutex> calling(callMutex, std::try_to_lock);
    if (!calling.owns_lock())
        return false;
    Call current;
    current.work = &work;
    current.parts = parts;
    {
        std::lock_guard<std::mutex> lock(mutex);
        current.seats = std::min(helpers, startUpTo(helpers));
        call = &current;
    }
    wake.notify_all();
    for (int part = current.nextPart++; part < parts; part = current.nextPart++)
        work(part);
    std::unique_lock<std::mutex> lock(mutex);
    // Helpers not yet come need not come: every part is taken.
    current.seats = 0;
    left.wait(lock, [&] { return current.inside == 0; });
    call = nullptr;
    return true;
}

void PartThreads::serve()
{
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return call && call->seats > 0; });
        Call* current = call;
        --current->seats;
        ++current->inside;
        lock.unlock();
        for (int part = current->nextPart++; part < current->parts; part = current->nextPart++)
            (*current->work)(part);
        lock.lock();
        if (--current->inside == 0)
            left.notify_all();
    }
}
