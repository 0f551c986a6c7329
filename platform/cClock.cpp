// The system clock over clock_gettime, and thread helpers.
#include "platform/cClock.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

int64_t cSystemClock::Counter()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

uint32_t cSystemClock::TickCount()
{
    return uint32_t(Counter() / 1000000);
}

void cSystemClock::Sleep(uint32_t milliseconds)
{
    SleepMilliseconds(milliseconds);
}

void SleepMilliseconds(uint32_t milliseconds)
{
    timespec wait = {time_t(milliseconds / 1000), long(milliseconds % 1000) * 1000000L};
    while (nanosleep(&wait, &wait) != 0)
    {
    }
}

void LowerCurrentThreadPriority()
{
    // On Linux a nice value belongs to the thread; failure (no permission) leaves it as it is.
    const pid_t thread = pid_t(syscall(SYS_gettid));
    const int now = getpriority(PRIO_PROCESS, id_t(thread));
    setpriority(PRIO_PROCESS, id_t(thread), now + 2);
}
