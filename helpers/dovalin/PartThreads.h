#pragma once

#include <sys/types.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

// The threads that help forEachPart, started once in a process and kept waiting between
// calls. A thread started for each call waits for a time slice of its own on a busy
// machine, and takes fresh memory for its stack every time; a waiting one is woken at
// once. A process made by fork() has none of its parent's threads: it starts its own.
class PartThreads
{
public:
    // The threads of this process.
    static PartThreads& ofThisProcess();

    // Calls `work` for every part 0..parts-1 on the calling thread and up to `helpers`
    // waiting threads, and returns once all are done. False, with nothing done, while
    // another call runs (the caller then does the parts its own way).
    bool run(int parts, int helpers, const std::function<void(int)>& work);

private:
    explicit PartThreads(pid_t process);
    void serve();
    int startUpTo(int count);

    struct Call
    {
        const std::function<void(int)>* work = nullptr;
        int parts = 0;
        std::atomic<int> nextPart{0};
        int seats = 0; // helpers still to join
        int inside = 0; // helpers taking parts
    };

    const pid_t process;
    std::mutex callMutex; // one call at a time
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable left;
    Call* call = nullptr;
    int started = 0;
};
