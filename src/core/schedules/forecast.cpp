#include "core/schedules/forecast.h"

#include <algorithm>
#include <cstdio>

#include "core/schedules/schedule_common.h"
#include "core/time/earth_time.h"

namespace norvane {
namespace {

constexpr std::array<int, 8> kWeakWeekday = {4, 5, 0, 1, 3, 2, 7, 6};

bool IsWeekday(int i) { return i >= 0 && i < 8; }

}  // namespace

int WeakWeekday(int today) { return IsWeekday(today) ? kWeakWeekday[today] : -1; }

int NextWeekday(int today) { return IsWeekday(today) ? (today + 1) % 8 : -1; }

std::array<WeekdayCell, 8> WeekdayCells(int today) {
    std::array<WeekdayCell, 8> cells{};
    if (!IsWeekday(today)) return cells;
    cells[today] = {"今日", true};
    cells[NextWeekday(today)] = {"明日", false};
    cells[WeakWeekday(today)] = {"弱体", true};
    return cells;
}

std::int64_t WeekCountdownSeconds(const VanaDateTime& now, const EarthTime& localNow, int bias) {
    // To the first second of the next day (the last one plus one): the count
    // reads 00:01 through the day's last Earth second and never 00:00.
    VanaDateTime next = now;
    next.Day += 1;
    next.Hour = next.Minute = next.Second = 0;
    return ShownCountdownUntil(VanaToSeconds(next), localNow, bias);
}

std::string WeekCountdownText(std::int64_t seconds) {
    seconds = std::max<std::int64_t>(0, seconds);
    char text[32];
    std::snprintf(text, sizeof text, "%.2lld:%.2lld", static_cast<long long>(seconds / 60),
                  static_cast<long long>(seconds % 60));
    return text;
}

VanaDateTime MoonPhaseEnd(const VanaDateTime& now, int moon) {
    VanaDateTime d = now;
    d.Hour = d.Minute = d.Second = 0;
    for (int step = 0; step < 7; ++step) {
        d.Day += 1;
        d = SecondsToVana(VanaToSeconds(d));
        if (d.Moon != moon) break;
    }
    // The last second before day d; Day 0 carries into the month before.
    d.Day -= 1;
    d.Hour = 23;
    d.Minute = 59;
    d.Second = 59;
    return d;
}

std::int64_t MoonCountdownSeconds(const VanaDateTime& now, int moon, const EarthTime& localNow, int bias) {
    return ShownCountdownUntil(VanaToSeconds(MoonPhaseEnd(now, moon)) + 1, localNow, bias);
}

std::string MoonCountdownText(std::int64_t seconds) {
    seconds = std::max<std::int64_t>(0, seconds);
    char text[48];
    std::snprintf(text, sizeof text, "%.2lld:%.2lld:%.2lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    return text;
}

std::string MoonStateText(int moon) {
    std::string text = "現在： ";
    if (moon >= 0 && moon < static_cast<int>(MoonPhaseNames.size())) text += MoonPhaseNames[moon];
    return text;
}

}  // namespace norvane
