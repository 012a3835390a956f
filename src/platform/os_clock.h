#pragma once
// The operating system's clocks, behind one small interface so that tests can
// substitute a fake clock. Standard library only.
#include <cstdint>

namespace norvane {

// A calendar date and time with milliseconds, in the proleptic Gregorian calendar.
struct EarthTime {
    int year = 1;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    friend bool operator==(const EarthTime&, const EarthTime&) = default;
};

class OsClock {
public:
    virtual ~OsClock() = default;
    virtual EarthTime utcNow() const = 0;
    virtual EarthTime localNow() const = 0;
    // Minutes, signed, with UTC = local time + bias (UTC+9 gives -540).
    virtual int localBias() const = 0;
    // Milliseconds since an arbitrary start; wraps at 2^32.
    virtual std::uint32_t tickCount() const = 0;
};

// The system's real clocks and time zone.
class SystemOsClock final : public OsClock {
public:
    EarthTime utcNow() const override;
    EarthTime localNow() const override;
    int localBias() const override;
    std::uint32_t tickCount() const override;
};

// Bias (minutes, UTC = local + bias) of the system time zone at a UTC instant, in
// the standard or daylight state in force then; 0 when the zone cannot be read.
int SystemBiasAt(const EarthTime& utc);

// The clock every part of the program reads. Defaults to the system clock.
OsClock& osClock();

// Replaces the process clock while alive (tests); restores the previous one on destruction.
class ScopedOsClock {
public:
    explicit ScopedOsClock(OsClock& clock);
    ~ScopedOsClock();
    ScopedOsClock(const ScopedOsClock&) = delete;
    ScopedOsClock& operator=(const ScopedOsClock&) = delete;

private:
    OsClock* previous_;
};

// A settable clock for tests: UTC instant, bias and tick are set directly; local
// time is derived from UTC and the bias.
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
