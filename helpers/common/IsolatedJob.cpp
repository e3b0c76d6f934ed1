#include "IsolatedJob.h"

#include "ProcessLimits.h"

#include <QDeadlineTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace IsolatedJob {

namespace {

[[noreturn]] void runChild(const std::function<QByteArray()>& work, int resultPipe, pid_t parent, int maxResultBytes)
{
    if (!ProcessLimits::dieWithParent(parent))
        ::_exit(1);
    ProcessLimits::disableCoreDumps();
    ProcessLimits::limitMemoryGrowth(JOB_MEMORY_ROOM);
    // Only the helper prints output lines.
    const int nothing = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nothing >= 0) {
        ::dup2(nothing, STDOUT_FILENO);
        ::close(nothing);
    }
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

} // namespace

QByteArray run(const std::function<QByteArray()>& work, int timeoutMs, QString* failure, int maxResultBytes)
{
    failure->clear();
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        *failure = QStringLiteral("no pipe to a job process");
        return QByteArray();
    }
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        *failure = QStringLiteral("no job process");
        return QByteArray();
    }
    if (child == 0) {
        ::close(pipeEnds[0]);
        runChild(work, pipeEnds[1], parent, maxResultBytes);
    }
    ::close(pipeEnds[1]);

    const QDeadlineTimer deadline(timeoutMs);
    QByteArray result;
    bool overdue = false;
    for (;;) {
        struct pollfd readable = {pipeEnds[0], POLLIN, 0};
        const int ready = ::poll(&readable, 1, int(qMax<qint64>(0, deadline.remainingTime())));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0) {
            overdue = true;
            break;
        }
        char buffer[64 * 1024];
        const ssize_t count = ::read(pipeEnds[0], buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        if (result.size() < maxResultBytes)
            result.append(buffer, int(qMin<qint64>(count, maxResultBytes - result.size())));
    }
    ::close(pipeEnds[0]);
    if (overdue)
        ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (overdue) {
        *failure = QStringLiteral("not done within %1 s").arg(timeoutMs / 1000.0);
        return QByteArray();
    }
    if (WIFSIGNALED(status)) {
        *failure = QStringLiteral("its decoding crashed (signal %1)").arg(WTERMSIG(status));
        return QByteArray();
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        *failure = QStringLiteral("its job process failed");
        return QByteArray();
    }
    return result;
}

} // namespace IsolatedJob
