#pragma once
// Moments of the game clock as one clock tick sees them, in any time zone.
#include <cstdint>
#include <string>

#include "core/time/earth_time.h"
#include "core/time/vanatime.h"

namespace norvane::testing {

struct Tick {
    VanaDateTime game;
    EarthTime utc;
    EarthTime local;
    int bias = 0;
};

inline Tick TickAtUtc(const EarthTime& utc, int bias) {
    Tick t;
    t.utc = utc;
    t.bias = bias;
    t.game = VanaTimeAt(utc);
    t.local = EarthTimeFromMilliseconds(EarthMilliseconds(utc) - std::int64_t{bias} * 60'000);
    return t;
}

// The tick at the first Earth second whose game time is at or after the given
// one (the clock moves 25 game seconds a step; a multiple of 25 is hit exactly).
inline Tick TickAtGame(std::int64_t vanaSeconds, int bias, int ms = 0) {
    const std::int64_t fromBase = vanaSeconds - VanaBaseSeconds();
    std::int64_t steps = fromBase / kTimeFactor;  // rounded up below, also before the base
    if (steps * kTimeFactor < fromBase) ++steps;
    const std::int64_t earth = steps + EarthBaseSeconds();
    EarthTime utc = EarthTimeFromSeconds(earth);
    utc.millisecond = ms;
    return TickAtUtc(utc, bias);
}

inline std::int64_t GameSeconds(int y, int mo, int d, int h, int mi, int s) {
    VanaDateTime v;
    v.Year = y, v.Month = mo, v.Day = d, v.Hour = h, v.Minute = mi, v.Second = s;
    return VanaToSeconds(v);
}

// Game second count of a time of day on the day numbered `dayCount` since game second 0.
inline std::int64_t OnDay(std::int64_t dayCount, int h, int mi, int s = 0) {
    return dayCount * kVanaDay + h * kVanaHour + mi * kVanaMinute + s;
}

// Day count of 1000/01/01, a 火 day (Weekday 0) whose count is also 0 mod 3.
// Tests stay after the base instant, where game-to-Earth conversion rounds down.
inline constexpr std::int64_t kDay1000 = 360'000;

// A day count whose Weekday is `weekday` (8 gives the next 火 day).
inline std::int64_t DayWithWeekday(int weekday) { return kDay1000 + weekday; }

// Parses "yyyy/mm/dd hh:nn:ss" as the pages print it.
inline EarthTime ParseShown(const std::string& s) {
    EarthTime t;
    t.year = std::stoi(s.substr(0, 4));
    t.month = std::stoi(s.substr(5, 2));
    t.day = std::stoi(s.substr(8, 2));
    t.hour = std::stoi(s.substr(11, 2));
    t.minute = std::stoi(s.substr(14, 2));
    t.second = std::stoi(s.substr(17, 2));
    return t;
}

// Every test that depends on the zone runs at UTC, UTC+9, UTC-5 and UTC+5:30.
inline constexpr int kBiases[] = {0, -540, 300, -330};

}  // namespace norvane::testing
