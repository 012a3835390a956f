#include "platform/os_clock.h"

#include <chrono>
#include <ctime>


namespace norvane {
namespace {

EarthTime FromTm(const std::tm& tm, int ms) {
    return EarthTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour,
                     tm.tm_min,         tm.tm_sec,     ms};
}

void SplitNow(std::time_t& secs, int& ms) {
    using namespace std::chrono;
    auto now = time_point_cast<milliseconds>(system_clock::now()).time_since_epoch().count();
    auto s = now / 1000;
    if (now % 1000 < 0) --s;
    secs = static_cast<std::time_t>(s);
    ms = static_cast<int>(now - s * 1000);
}

SystemOsClock g_system;
OsClock* g_current = &g_system;

}  // namespace

EarthTime SystemOsClock::utcNow() const {
    std::time_t s;
    int ms;
    SplitNow(s, ms);
    std::tm tm{};
    gmtime_r(&s, &tm);
    return FromTm(tm, ms);
}

EarthTime SystemOsClock::localNow() const {
    std::time_t s;
    int ms;
    SplitNow(s, ms);
    std::tm tm{};
    localtime_r(&s, &tm);
    return FromTm(tm, ms);
}

int SystemBiasAt(const EarthTime& utc) {
    // tm_gmtoff is seconds east of UTC in the zone's state at that instant; the
    // bias has the opposite sign, in minutes.
    std::tm tm{};
    tm.tm_year = utc.year - 1900;
    tm.tm_mon = utc.month - 1;
    tm.tm_mday = utc.day;
    tm.tm_hour = utc.hour;
    tm.tm_min = utc.minute;
    tm.tm_sec = utc.second;
    const std::time_t t = timegm(&tm);
    if (localtime_r(&t, &tm) == nullptr) return 0;
    return static_cast<int>(-tm.tm_gmtoff / 60);
}

int SystemOsClock::localBias() const { return SystemBiasAt(utcNow()); }

std::uint32_t SystemOsClock::tickCount() const {
    using namespace std::chrono;
    auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms));
}

int ClockTickDelay(const EarthTime& now) {
    const int intoHalf = ((now.millisecond % kClockTickPeriodMs) + kClockTickPeriodMs) % kClockTickPeriodMs;
    return kClockTickPeriodMs - intoHalf + kClockTickLagMs;
}

OsClock& osClock() { return *g_current; }

ScopedOsClock::ScopedOsClock(OsClock& clock) : previous_(g_current) { g_current = &clock; }
ScopedOsClock::~ScopedOsClock() { g_current = previous_; }

}  // namespace norvane
