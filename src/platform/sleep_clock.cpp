#include "platform/sleep_clock.h"

#include <time.h>

namespace norvane {

namespace {

std::int64_t Milliseconds(clockid_t clock) {
    timespec ts{};
    if (clock_gettime(clock, &ts) != 0) return 0;
    return static_cast<std::int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

}  // namespace

std::int64_t SleptMilliseconds() {
#ifdef CLOCK_BOOTTIME
    return Milliseconds(CLOCK_BOOTTIME) - Milliseconds(CLOCK_MONOTONIC);
#else
    return 0;
#endif
}

}  // namespace norvane
