#include "support/fake_os_clock.h"

#include "core/time/earth_time.h"

namespace norvane {

EarthTime FakeOsClock::localNow() const {
    return EarthTimeFromMilliseconds(EarthMilliseconds(utc_) - std::int64_t{bias_} * 60'000);
}

void FakeOsClock::advanceMs(std::int64_t ms) {
    utc_ = EarthTimeFromMilliseconds(EarthMilliseconds(utc_) + ms);
}

}  // namespace norvane
