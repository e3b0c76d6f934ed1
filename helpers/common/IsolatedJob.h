#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Runs one job in a child process of its own, so that a file that makes a decoder
// hang or crash costs only itself. The deadline is kept by this process, which does
// no decoding: a child still running when it passes is killed. The child writes
// nothing on standard output, leaves no core file, takes on at most JOB_MEMORY_ROOM
// of memory and ends with this process; what its work returns comes back through a
// pipe. Call it while this process runs no other thread: the child is a copy of the
// calling thread alone. Several jobs can run side by side, each in its own child.
namespace IsolatedJob {

// An output line is the most a job usually returns.
constexpr int LINE_RESULT_BYTES = 64 * 1024;

// The memory a job may take on beyond what the helper held when it started it: a
// decoded picture is refused above 256 MB, and its decoder's reference pictures, the
// scaled copy and the thumbnail's encoding need room beside it. A job that asks for
// more finds its allocations refused, and ends as its code handles that. Under
// AddressSanitizer, freed memory is held back for a while (its quarantine, 256 MB) and
// every block has guard zones: it gets that much more room.
#if defined(__SANITIZE_ADDRESS__)
#define VORENDA_JOB_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORENDA_JOB_UNDER_ASAN 1
#endif
#endif
#ifdef VORENDA_JOB_UNDER_ASAN
constexpr quint64 JOB_MEMORY_ROOM = quint64(1024 + 512) << 20;
#else
constexpr quint64 JOB_MEMORY_ROOM = quint64(512) << 20;
#endif
#undef VORENDA_JOB_UNDER_ASAN

// What `work` returned in the child, cut to `maxResultBytes`; empty when it returned
// nothing, or, with the reason in `failure`, when the child crashed, failed or was
// still running after `timeoutMs`.
QByteArray run(const std::function<QByteArray()>& work, int timeoutMs, QString* failure,
               int maxResultBytes = LINE_RESULT_BYTES);

// How one of several jobs ended: as run() tells it, and what its child wrote on
// standard error.
struct Outcome
{
    QByteArray result;
    QString failure;
    QByteArray errors;
};

// Jobs side by side: one per core this process may use, at most 8 (the disk and the
// memory bus are shared), at most one per job, and no more than would fit in half the
// machine's memory if each took all its room. At least 1.
int jobsAtOnce(int jobs);

// Runs `work(0)` to `work(count - 1)` each in a child as run() does, at most `atOnce`
// at a time, and hands their outcomes to `done` in the order of the jobs, each as soon
// as it and all before it have ended. The children's standard error is collected and
// handed over with their outcome, so that the messages of a job come together, in the
// order of the jobs too.
void runEach(int count, const std::function<QByteArray(int index)>& work, int atOnce, int timeoutMs,
             const std::function<void(int index, const Outcome& outcome)>& done,
             int maxResultBytes = LINE_RESULT_BYTES);

} // namespace IsolatedJob
