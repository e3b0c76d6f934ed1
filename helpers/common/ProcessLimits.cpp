#include "ProcessLimits.h"

#include <QtGlobal>

#include <csignal>
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
