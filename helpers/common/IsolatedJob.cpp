#include "IsolatedJob.h"

#include "JobProcess.h"
#include "UsableCores.h"

#include <cerrno>
#include <climits>
#include <map>
#include <memory>
#include <unistd.h>

namespace IsolatedJob {

namespace {

constexpr int MAX_JOBS_AT_ONCE = 8;
// Outcomes of jobs that ended before an earlier one are held back for it: no more than
// this many beyond those running, so that a slow job holds back little.
constexpr int MAX_HELD_BACK = 32;

// Waits until a pipe of the running jobs has something or the nearest deadline passes,
// then lets each of them read what it has.
void waitForAny(const std::vector<JobProcess*>& running)
{
    std::vector<struct pollfd> pipes;
    qint64 wait = INT_MAX;
    for (const JobProcess* job : running) {
        job->addPipes(&pipes);
        wait = qMin(wait, qMax<qint64>(0, job->remainingMs()));
    }
    // An interrupted wait only comes round again.
    ::poll(pipes.data(), nfds_t(pipes.size()), int(wait));
    for (JobProcess* job : running)
        job->readPipes();
}

} // namespace

QByteArray run(const std::function<QByteArray()>& work, int timeoutMs, QString* failure, int maxResultBytes)
{
    JobProcess job(work, timeoutMs, maxResultBytes, JobProcess::Errors::Shared);
    while (!job.isDone())
        waitForAny({&job});
    *failure = job.failure();
    return job.result();
}

int jobsAtOnce(int jobs)
{
    int byMemory = MAX_JOBS_AT_ONCE;
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageBytes = ::sysconf(_SC_PAGESIZE);
    if (pages > 0 && pageBytes > 0)
        byMemory = int(qMin<qint64>(MAX_JOBS_AT_ONCE, qint64(pages) * pageBytes / 2 / qint64(JOB_MEMORY_ROOM)));
    return qMax(1, qMin(qMin(usableCores(), jobs), byMemory));
}

void runEach(int count, const std::function<QByteArray(int index)>& work, int atOnce, int timeoutMs,
             const std::function<void(int index, const Outcome& outcome)>& done, int maxResultBytes)
{
    atOnce = qMax(1, atOnce);
    std::map<int, std::unique_ptr<JobProcess>> started; // by index, until handed over
    int next = 0;
    int handed = 0;
    while (handed < count) {
        std::vector<JobProcess*> running;
        for (const auto& job : started)
            if (!job.second->isDone())
                running.push_back(job.second.get());
        while (next < count && int(running.size()) < atOnce && next - handed < atOnce + MAX_HELD_BACK) {
            const int index = next++;
            auto job = std::make_unique<JobProcess>([&work, index] { return work(index); }, timeoutMs,
                                                    maxResultBytes, JobProcess::Errors::Collected);
            if (!job->isDone())
                running.push_back(job.get());
            started.emplace(index, std::move(job));
        }
        if (!running.empty())
            waitForAny(running);
        for (auto first = started.begin(); first != started.end() && first->first == handed && first->second->isDone();
             first = started.erase(first)) {
            const JobProcess& job = *first->second;
            done(handed++, Outcome{job.result(), job.failure(), job.errors()});
        }
    }
}

} // namespace IsolatedJob
