#pragma once
// A settable clock: UTC instant, bias and tick are set directly; local time is
// derived from UTC and the bias.
#include <cstdint>

#include "platform/os_clock.h"

namespace norvane {

class FakeOsClock final : public OsClock {
public:
    EarthTime utcNow() const override { return utc_; }
    EarthTime localNow() const override;
    int localBias() const override { return bias_; }
    std::uint32_t tickCount() const override { return tick_; }

    void setUtc(const EarthTime& utc) { utc_ = utc; }
    void setBias(int minutes) { bias_ = minutes; }
    void setTick(std::uint32_t tick) { tick_ = tick; }
    void advanceTick(std::uint32_t ms) { tick_ += ms; }
    // Moves the UTC clock by whole milliseconds (may be negative).
    void advanceMs(std::int64_t ms);

private:
    EarthTime utc_{2003, 12, 1, 9, 0, 1, 0};
    int bias_ = 0;
    std::uint32_t tick_ = 0;
};

}  // namespace norvane
