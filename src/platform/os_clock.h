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

// The window's clock tick: every half second, just after the clock's own
// half-second boundaries, so the shown second turns with the true one.
inline constexpr int kClockTickPeriodMs = 500;
// How far after a boundary the tick aims: the wall clock and the timers' clock
// may drift apart a little, and a tick must not come just before the turn.
inline constexpr int kClockTickLagMs = 2;
// Milliseconds from the clock reading `now` to the next tick: kClockTickLagMs
// after the next half-second boundary strictly ahead of it. A tick that came a
// little early thus aims at the boundary it missed; a clock set or a wake from
// standby is followed from the next reading on.
int ClockTickDelay(const EarthTime& now);

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

}  // namespace norvane
