#pragma once
// How long the machine has slept since it started: the boot-time clock runs on
// through standby, the monotonic clock does not. A jump of this value between
// two readings means the machine woke from standby in between.
#include <cstdint>

namespace norvane {

std::int64_t SleptMilliseconds();

// Tests stand in for the machine's standby time: while alive, SleptMilliseconds
// answers what `source` returns.
class ScopedSleptClock {
public:
    explicit ScopedSleptClock(std::int64_t (*source)());
    ~ScopedSleptClock();
    ScopedSleptClock(const ScopedSleptClock&) = delete;
    ScopedSleptClock& operator=(const ScopedSleptClock&) = delete;

private:
    std::int64_t (*previous_)();
};

// Whether the machine slept between two readings of SleptMilliseconds; a
// second covers the clocks' drift apart.
constexpr bool ResumedBetween(std::int64_t before, std::int64_t after) { return after - before >= 1000; }

}  // namespace norvane
