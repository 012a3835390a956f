#include "core/schedules/moon_schedule.h"

#include <cstdio>

#include "core/time/earth_time.h"

namespace norvane {
namespace {

// The game second, within a phase's length, at which the phases turn: the
// moon index is shifted by two days, so they turn on day 5 of every 7.
constexpr std::int64_t kPhaseTurn = 5 * kVanaDay;

}  // namespace

std::int64_t NextMoonPhaseStart(std::int64_t v) {
    std::int64_t into = (v - kPhaseTurn) % kVanaMoonPhase;
    if (into < 0) into += kVanaMoonPhase;
    return v - into + kVanaMoonPhase;
}

MoonCalendarView ComputeMoonCalendar(const VanaDateTime& now, const EarthTime& localNow, int bias) {
    MoonCalendarView rows;
    std::int64_t v = NextMoonPhaseStart(VanaToSeconds(now));
    for (MoonPhaseRow& row : rows) {
        row.first = SecondsToVana(v);
        row.start = VanaToEarth(row.first, bias);
        row.secondsLeft = EarthSeconds(row.start) - EarthSeconds(localNow);
        row.earth = FormatEarthTime(row.start);
        row.phase = MoonPhaseNames[static_cast<std::size_t>(row.first.Moon)];
        char game[48];
        std::snprintf(game, sizeof game, "%.4d/%.2d/%.2d", row.first.Year, row.first.Month, row.first.Day);
        row.game = game;
        v += kVanaMoonPhase;
    }
    return rows;
}

}  // namespace norvane
