#include "JobProcess.h"

#include "IsolatedJob.h"
#include "ProcessLimits.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

[[noreturn]] void runChild(const std::function<QByteArray()>& work, int resultPipe, int errorPipe, pid_t parent,
                           int maxResultBytes)
{
    if (!ProcessLimits::dieWithParent(parent))
        ::_exit(1);
    ProcessLimits::disableCoreDumps();
    ProcessLimits::limitMemoryGrowth(IsolatedJob::JOB_MEMORY_ROOM);
    // Only the helper prints output lines.
    const int nothing = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nothing >= 0) {
        ::dup2(nothing, STDOUT_FILENO);
        ::close(nothing);
    }
    if (errorPipe >= 0)
        ::dup2(errorPipe, STDERR_FILENO);
    const QByteArray result = work();
    const char* data = result.constData();
    qint64 left = qMin<qint64>(result.size(), maxResultBytes);
    while (left > 0) {
        const ssize_t written = ::write(resultPipe, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            ::_exit(1);
        data += written;
        left -= written;
    }
    // No exit handlers: they belong to the parent's copy of the program.
    ::_exit(0);
}

void closePipe(int* end)
{
    if (*end >= 0)
        ::close(*end);
    *end = -1;
}

} // namespace

JobProcess::JobProcess(const std::function<QByteArray()>& work, int timeoutMs, int maxResultBytes, Errors errors)
    : timeoutMs(timeoutMs)
    , maxResultBytes(maxResultBytes)
    , deadline(timeoutMs)
{
    int results[2] = {-1, -1};
    int messages[2] = {-1, -1};
    if (::pipe2(results, O_CLOEXEC) != 0 || (errors == Errors::Collected && ::pipe2(messages, O_CLOEXEC) != 0)) {
        for (int* end : {&results[0], &results[1], &messages[0], &messages[1]})
            closePipe(end);
        reason = QStringLiteral("no pipe to a job process");
        done = true;
        return;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t parent = ::getpid();
    child = ::fork();
    if (child == 0) {
        ::close(results[0]);
        if (messages[0] >= 0)
            ::close(messages[0]);
        runChild(work, results[1], messages[1], parent, maxResultBytes);
    }
    closePipe(&results[1]);
    closePipe(&messages[1]);
    resultPipe = results[0];
    errorPipe = messages[0];
    if (child < 0) {
        closePipe(&resultPipe);
        closePipe(&errorPipe);
        reason = QStringLiteral("no job process");
        done = true;
        return;
    }
    // Read as far as they hold, never waited on: other jobs' pipes are watched too.
    for (const int end : {resultPipe, errorPipe})
        if (end >= 0)
            ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
}

JobProcess::~JobProcess()
{
    if (!done)
        finish(true);
}

void JobProcess::addPipes(std::vector<struct pollfd>* pipes) const
{
    for (const int end : {resultPipe, errorPipe})
        if (end >= 0)
            pipes->push_back({end, POLLIN, 0});
}

bool JobProcess::readInto(int pipe, QByteArray* into, int limit)
{
    for (;;) {
        char buffer[64 * 1024];
        const ssize_t count = ::read(pipe, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && errno == EAGAIN)
            return true;
        if (count <= 0)
            return false;
        // Read on past the limit, so that the child is not held up by a full pipe.
        if (into->size() < limit)
            into->append(buffer, int(qMin<qint64>(count, limit - into->size())));
    }
}

void JobProcess::readPipes()
{
    if (done)
        return;
    if (errorPipe >= 0 && !readInto(errorPipe, &errorText, MAX_ERROR_BYTES))
        closePipe(&errorPipe);
    if (!readInto(resultPipe, &output, maxResultBytes))
        finish(false);
    else if (deadline.hasExpired())
        finish(true);
}

void JobProcess::finish(bool overdue)
{
    done = true;
    if (overdue)
        ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    // What the child wrote last is in the pipe now.
    if (errorPipe >= 0)
        readInto(errorPipe, &errorText, MAX_ERROR_BYTES);
    closePipe(&errorPipe);
    closePipe(&resultPipe);
    if (overdue)
        reason = QStringLiteral("not done within %1 s").arg(timeoutMs / 1000.0);
    else if (WIFSIGNALED(status))
        reason = QStringLiteral("its decoding crashed (signal %1)").arg(WTERMSIG(status));
    else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        reason = QStringLiteral("its job process failed");
    if (!reason.isEmpty())
        output.clear();
}
