/* Preloaded into Wine for the time-signal run: the wall clock of each process starts at
   VESPIN_CLOCK_AT (seconds since 1970) and runs on from there; the monotonic clocks, which Wine's
   timers follow, are left alone. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdint.h>
#include <stdlib.h>
#include <sys/time.h>
#include <time.h>

static int64_t offset;

/* 32-bit glibc's 64-bit time calls, which 32-bit Wine makes; their structures open with an int64_t. */
struct time64 {
    int64_t tv_sec;
};

static int IsWallClock(clockid_t id)
{
    return id == CLOCK_REALTIME || id == CLOCK_REALTIME_COARSE;
}

__attribute__((constructor)) static void StartClock(void)
{
    const char *at = getenv("VESPIN_CLOCK_AT");
    struct timespec now;
    int (*real)(clockid_t, struct timespec *) = dlsym(RTLD_NEXT, "clock_gettime");
    if (at && real && real(CLOCK_REALTIME, &now) == 0)
        offset = strtoll(at, NULL, 10) - (int64_t)now.tv_sec;
}

int clock_gettime(clockid_t id, struct timespec *ts)
{
    static int (*real)(clockid_t, struct timespec *);
    if (!real)
        real = dlsym(RTLD_NEXT, "clock_gettime");
    const int result = real(id, ts);
    if (result == 0 && IsWallClock(id))
        ts->tv_sec += offset;
    return result;
}

int gettimeofday(struct timeval *tv, void *tz)
{
    static int (*real)(struct timeval *, void *);
    if (!real)
        real = dlsym(RTLD_NEXT, "gettimeofday");
    const int result = real(tv, tz);
    if (result == 0)
        tv->tv_sec += offset;
    return result;
}

#ifdef __i386__
int __clock_gettime64(clockid_t id, struct time64 *ts)
{
    static int (*real)(clockid_t, struct time64 *);
    if (!real)
        real = dlsym(RTLD_NEXT, "__clock_gettime64");
    const int result = real ? real(id, ts) : -1;
    if (result == 0 && IsWallClock(id))
        ts->tv_sec += offset;
    return result;
}

int __gettimeofday64(struct time64 *tv, void *tz)
{
    static int (*real)(struct time64 *, void *);
    if (!real)
        real = dlsym(RTLD_NEXT, "__gettimeofday64");
    const int result = real ? real(tv, tz) : -1;
    if (result == 0 && tv)
        tv->tv_sec += offset;
    return result;
}
#endif
