#pragma once
// The moon's calendar: when each of the next twelve moon phases begins, in
// local Earth time, and on which game day.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/time/vanatime.h"

namespace norvane {

inline constexpr std::size_t kMoonCalendarRowCount = 12;

// The first game second after `vanaSeconds` at which a moon phase begins
// (00:00:00 of a day whose count is 5 mod 7).
std::int64_t NextMoonPhaseStart(std::int64_t vanaSeconds);

struct MoonPhaseRow {
    VanaDateTime first;            // the phase's first moment, with its Moon
    EarthTime start;               // that moment in local time
    std::int64_t secondsLeft = 0;  // from the local now to the start
    std::string earth;             // "yyyy/mm/dd hh:nn:ss"
    std::string_view phase;        // the full phase name
    std::string game;              // "YYYY/MM/DD" of the first day
};
using MoonCalendarView = std::array<MoonPhaseRow, kMoonCalendarRowCount>;

// The next twelve phase starts after game time `now` (a full moon cycle); a
// phase beginning at `now` itself has begun and is not listed.
MoonCalendarView ComputeMoonCalendar(const VanaDateTime& now, const EarthTime& localNow, int bias);

}  // namespace norvane
