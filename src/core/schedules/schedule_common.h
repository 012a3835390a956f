#pragma once
// What the schedule pages share: the moment they are drawn for, colours, the
// countdown rule and the small fixed-width number formats their labels use.
#include <cstdint>
#include <string>

#include "core/colour.h"
#include "core/time/vanatime.h"
#include "platform/os_clock.h"

namespace norvane {

// The moment a page is drawn for: the game time, the local time and the time-zone
// bias (minutes, UTC = local + bias) all of one instant.
struct ScheduleMoment {
    VanaDateTime game;
    EarthTime local;
    int bias = 0;
};

ScheduleMoment ScheduleMomentAt(const EarthTime& utc, int bias);
// Reads the process clock once, so game time and local time cannot straddle a
// second and a countdown cannot jump by one for a tick.
ScheduleMoment CurrentScheduleMoment();

inline constexpr Colour kColourBlack = 0x000000;
inline constexpr Colour kColourCountdownUnder1Min = 0x0010FF;
inline constexpr Colour kColourCountdownUnder3Min = 0x0060FF;
inline constexpr Colour kColourCountdownUnder5Min = 0x0080FF;

// Colour of a displayed countdown of `shownSeconds` (the value the label shows,
// not the raw interval): red under a minute, orange under three, amber under five.
Colour CountdownColour(std::int64_t shownSeconds);

// Whole seconds a page shows until `target` (both local time): the interval
// plus one second, truncated, so a display counts down to 1 rather than 0.
// Never negative, even when the caller's game time and local time straddle a tick.
std::int64_t ShownCountdown(const EarthTime& target, const EarthTime& localNow);

// The local Earth second at which the game clock, stepping 25 game seconds with
// each whole Earth second, first shows the game second `vanaSeconds` or later.
EarthTime LocalTimeReaching(std::int64_t vanaSeconds, int bias);

// Whole seconds a page shows until the game clock reaches the game second
// `vanaSeconds` (a week's or a day's first second, say): the time left until the
// first Earth second whose game time is at or past it, rounded up. A display thus
// reads 1 through its last second and moves on with the clock, never showing 0;
// never negative.
std::int64_t ShownCountdownUntil(std::int64_t vanaSeconds, const EarthTime& localNow, int bias);

// "mm:ss" over total minutes and seconds; minutes grow past 59 instead of wrapping.
std::string FormatMinutesSeconds(std::int64_t seconds);
// "hh:mm:ss" over total hours, minutes and seconds.
std::string FormatHoursMinutesSeconds(std::int64_t seconds);

// Appends `value` (non-negative) with at least two digits, zero-padded.
void AppendTwoDigits(std::string& out, std::int64_t value);

}  // namespace norvane
