#include "platform/sleep_clock.h"

#include <time.h>

namespace norvane {

namespace {

std::int64_t Milliseconds(clockid_t clock) {
    timespec ts{};
    if (clock_gettime(clock, &ts) != 0) return 0;
    return static_cast<std::int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

std::int64_t (*g_source)() = nullptr;

}  // namespace

std::int64_t SleptMilliseconds() {
    if (g_source) return g_source();
#ifdef CLOCK_BOOTTIME
    return Milliseconds(CLOCK_BOOTTIME) - Milliseconds(CLOCK_MONOTONIC);
#else
    return 0;
#endif
}

ScopedSleptClock::ScopedSleptClock(std::int64_t (*source)()) : previous_(g_source) { g_source = source; }

ScopedSleptClock::~ScopedSleptClock() { g_source = previous_; }

}  // namespace norvane
