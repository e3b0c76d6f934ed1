#include "ProcessLimits.h"

#include <QtGlobal>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace ProcessLimits {

bool memoryCeilingSupported()
{
#if defined(__SANITIZE_ADDRESS__)
    return false;
#else
    return true;
#endif
}

// The soft limit the user gave the process, before any ceiling of ours.
static rlim_t userLimit = RLIM_INFINITY;
static bool userLimitKnown = false;

static bool applyCeiling(rlim_t wanted)
{
    struct rlimit limit;
    if (getrlimit(RLIMIT_AS, &limit) != 0)
        return false;
    if (!userLimitKnown) {
        userLimit = limit.rlim_cur;
        userLimitKnown = true;
    }
    if (userLimit != RLIM_INFINITY && userLimit < wanted)
        wanted = userLimit;
    if (limit.rlim_max != RLIM_INFINITY && limit.rlim_max < wanted)
        wanted = limit.rlim_max;
    limit.rlim_cur = wanted;
    return setrlimit(RLIMIT_AS, &limit) == 0;
}

bool setMemoryCeiling(quint64 bytes)
{
    return memoryCeilingSupported() && applyCeiling(rlim_t(bytes));
}

void setChildMemoryCeiling(quint64 bytes)
{
    // Only system calls here: the child of a fork may not allocate.
    if (memoryCeilingSupported() && userLimitKnown)
        applyCeiling(rlim_t(bytes));
}

// The bytes of private writable memory the process holds (VmData, what RLIMIT_DATA
// counts); 0 when unknown.
static quint64 dataBytesHeld()
{
    const int status = open("/proc/self/status", O_RDONLY | O_CLOEXEC);
    if (status < 0)
        return 0;
    char text[8192];
    size_t length = 0;
    for (;;) {
        const ssize_t count = read(status, text + length, sizeof text - 1 - length);
        if (count <= 0)
            break;
        length += size_t(count);
    }
    close(status);
    text[length] = '\0';
    const char* line = std::strstr(text, "\nVmData:");
    if (!line)
        return 0;
    quint64 kilobytes = 0;
    for (const char* c = line + 8; *c && *c != '\n'; ++c)
        if (*c >= '0' && *c <= '9')
            kilobytes = kilobytes * 10 + quint64(*c - '0');
    return kilobytes * 1024;
}

bool limitMemoryGrowth(quint64 roomBytes)
{
    const quint64 held = dataBytesHeld();
    struct rlimit limit;
    if (held == 0 || getrlimit(RLIMIT_DATA, &limit) != 0)
        return false;
    rlim_t wanted = rlim_t(held + roomBytes);
    if (limit.rlim_cur != RLIM_INFINITY && limit.rlim_cur < wanted)
        wanted = limit.rlim_cur;
    if (limit.rlim_max != RLIM_INFINITY && limit.rlim_max < wanted)
        wanted = limit.rlim_max;
    limit.rlim_cur = wanted;
    return setrlimit(RLIMIT_DATA, &limit) == 0;
}

void disableCoreDumps()
{
    struct rlimit limit = {0, 0};
    setrlimit(RLIMIT_CORE, &limit);
}

bool dieWithParent(qint64 expectedParent)
{
    if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0)
        return false;
    // The parent may have ended before the request took effect.
    return qint64(getppid()) == expectedParent;
}

static void dropMessage(QtMsgType, const QMessageLogContext&, const QString&)
{
}

void silenceMessages(const char* verboseVariable)
{
    if (qEnvironmentVariableIsEmpty(verboseVariable))
        qInstallMessageHandler(dropMessage);
}

} // namespace ProcessLimits
