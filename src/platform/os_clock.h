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

}  // namespace norvane
