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

bool setMemoryCeiling(quint64 bytes)
{
    if (!memoryCeilingSupported())
        return false;
    struct rlimit limit;
    if (getrlimit(RLIMIT_AS, &limit) != 0)
        return false;
    // A stricter ceiling set by the user stays.
    rlim_t wanted = rlim_t(bytes);
    if (limit.rlim_cur != RLIM_INFINITY && limit.rlim_cur <= wanted)
        return true;
    if (limit.rlim_max != RLIM_INFINITY && limit.rlim_max < wanted)
        wanted = limit.rlim_max;
    limit.rlim_cur = wanted;
    return setrlimit(RLIMIT_AS, &limit) == 0;
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

void silenceMessages()
{
    if (qEnvironmentVariableIsEmpty("KESTRIM_VERBOSE"))
        qInstallMessageHandler(dropMessage);
}

} // namespace ProcessLimits
