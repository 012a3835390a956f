#pragma once
// The clock's own face, once or following the clock:
//   norvane --print-time [INSTANT] [--format text|json]
//   norvane --print-time --follow [--format text|json]
#include <condition_variable>
#include <cstdint>
#include <iosfwd>
#include <mutex>

#include "core/cli/face_rows.h"
#include "platform/os_clock.h"

namespace norvane {

// The row of the clock at a UTC instant, its Earth instant told with `bias`.
FaceRow ClockRow(const EarthTime& utc, int bias);

// What the following face waits with between two lines; tests pass one that
// moves a fake clock instead of waiting.
class FollowSleeper {
public:
    virtual ~FollowSleeper() = default;
    // Waits about `ms` milliseconds; false when following should end instead.
    virtual bool Sleep(std::int64_t ms) = 0;
};

// Waits on the steady clock. Stop, from any thread, ends the wait under way
// and makes every later one answer false at once.
class WakeableSleeper final : public FollowSleeper {
public:
    bool Sleep(std::int64_t ms) override;
    void Stop();

private:
    std::mutex mutex_;
    std::condition_variable woken_;
    bool stopped_ = false;
};

// Writes the clock's face each time its text changes and nothing in between,
// sleeping until the next Earth second (the game clock moves only then).
// Ends with 0 when the sleeper says so or the output fails (a closed pipe).
int FollowClock(const OsClock& clock, FollowSleeper& sleeper, FaceFormat format, std::ostream& out);

}  // namespace norvane
