#include "core/schedules/racial_schedule.h"

#include <utility>

#include "core/schedules/schedule_common.h"
#include "core/time/earth_time.h"

namespace norvane {

namespace {

// Week count of a game moment; weeks start at game second 0, like the weekdays.
std::int64_t WeekCount(const VanaDateTime& d) {
    const std::int64_t v = VanaToSeconds(d);
    return v >= 0 ? v / kVanaWeek : -((-v + kVanaWeek - 1) / kVanaWeek);
}

int Mod(std::int64_t a, int m) {
    const auto r = static_cast<int>(a % m);
    return r < 0 ? r + m : r;
}

}  // namespace

RacialNowView ComputeRacialNow(const VanaDateTime& now, const EarthTime& localNow, int bias) {
    RacialNowView view;
    VanaWeekCycle(now, view.race, view.dungeon);
    view.raceText = kRaceNames[static_cast<std::size_t>(view.race)];
    view.dungeonText = kDungeonNames[static_cast<std::size_t>(view.dungeon)];
    // Until the next week starts, the second after 23:59:59 of the weekday-7 day:
    // the count reads 00:00:01 to the last and the race moves on as it would
    // reach 0. Taken from the second count rather than the Weekday field, so a
    // record built by hand cannot shift the week.
    view.end = VanaToEarth(SecondsToVana((WeekCount(now) + 1) * kVanaWeek - 1), bias);
    view.secondsLeft = ShownCountdownUntil((WeekCount(now) + 1) * kVanaWeek, localNow, bias);
    view.timeLeft = FormatHoursMinutesSeconds(view.secondsLeft);
    return view;
}

std::vector<RacialRowView> ComputeRacialSchedule(const VanaDateTime& now, int race, int bias) {
    std::vector<RacialRowView> rows;
    if (race < 0 || race >= static_cast<int>(kRaceNames.size())) return rows;
    const std::int64_t week = WeekCount(now);
    const int current = Mod(week + 2, 8);
    // Weeks until the race's turn: 0 when it is this week's, which is listed
    // although it has begun.
    const int ahead = Mod(race - current, 8);
    VanaDateTime start = SecondsToVana((week + ahead) * kVanaWeek);
    VanaDateTime end = start;
    end.Day += 7;
    end.Hour = 23;
    end.Minute = 59;
    end.Second = 59;
    rows.reserve(kRacialRowCount);
    for (std::size_t i = 0; i < kRacialRowCount; ++i) {
        if (i > 0) {
            // The race's next turn is eight weeks later; the conversion is
            // linear, so days past 30 need no normalising.
            start.Day += 64;
            end.Day += 64;
        }
        RacialRowView row;
        row.dungeon = Mod(WeekCount(start) + 2, 3);
        row.dungeonText = kDungeonNames[static_cast<std::size_t>(row.dungeon)];
        row.start = VanaToEarth(start, bias);
        row.end = VanaToEarth(end, bias);
        row.period = FormatEarthTime(row.start);
        row.period += " ~ ";
        row.period += FormatEarthTime(row.end);
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace norvane
