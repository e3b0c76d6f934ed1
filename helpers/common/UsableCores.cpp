#include "UsableCores.h"

#include <QThread>

#include <sched.h>

int usableCores()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    if (::sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 0)
        return CPU_COUNT(&set);
    return qMax(1, QThread::idealThreadCount());
}
