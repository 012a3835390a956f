#pragma once
// What the weekday and moon forecast windows show, as plain functions of the
// game time, the local Earth time and the time-zone bias.
#include <array>
#include <cstdint>
#include <string>

#include "core/time/vanatime.h"

namespace norvane {

// The weekday whose element today's element overcomes; -1 for an index that
// is not a weekday (the main window starts with 999 until its first tick).
int WeakWeekday(int today);
// Today + 1, with 7 followed by 0; -1 for an index that is not a weekday.
int NextWeekday(int today);

// One cell of the weekday strip.
struct WeekdayCell {
    std::string text;       // "", "今日", "明日" or "弱体"
    bool coloured = false;  // coloured picture rather than the grey one
};

// The eight cells for today's weekday `today`. Tomorrow and the weakened
// weekday can coincide (today 光): the weakened mark, applied later, wins.
std::array<WeekdayCell, 8> WeekdayCells(int today);

// Seconds of Earth time left in the game day of `now`: until the clock shows
// the next day, rounded up, so the last second reads 1; never negative.
std::int64_t WeekCountdownSeconds(const VanaDateTime& now, const EarthTime& localNow, int bias);
// "%.2d:%.2d" over whole minutes and seconds (a game day starts near 57:36).
std::string WeekCountdownText(std::int64_t seconds);

// The game moment the moon countdown runs to: step whole days from the start
// of today until the phase differs from `moon` (at most 7 steps), and take the
// last second before that day.
VanaDateTime MoonPhaseEnd(const VanaDateTime& now, int moon);
// Until the clock shows the second after MoonPhaseEnd, rounded up.
std::int64_t MoonCountdownSeconds(const VanaDateTime& now, int moon, const EarthTime& localNow, int bias);
// "%.2d:%.2d:%.2d" over hours, minutes and seconds (a phase is 6:43:12).
std::string MoonCountdownText(std::int64_t seconds);

// "現在： " followed by the phase name; just the prefix for an invalid index.
std::string MoonStateText(int moon);

}  // namespace norvane
