#include "core/schedules/chocobo_schedule.h"

#include <utility>

#include "core/schedules/schedule_common.h"
#include "core/time/earth_time.h"

namespace norvane {

const std::array<std::array<ChocoDestination, 3>, kChocoTownCount> kChocoDestinations = {{
    {{{"バス", "バストゥーク"}, {"ウィン", "ウィンダス"}, {"ジュノ", "ジュノ"}}},
    {{{"ウィン", "ウィンダス"}, {"ジュノ", "ジュノ"}, {"サンド", "サンドリア"}}},
    {{{"ジュノ", "ジュノ"}, {"サンド", "サンドリア"}, {"バス", "バストゥーク"}}},
    {{{"ノーグ", "ノーグ"}, {"", ""}, {"", ""}}},
}};

std::string ChocoDestinationText(std::string_view name) {
    if (name.empty()) return {};
    std::string s = "→ ";
    s += name;
    return s;
}

ChocoboNowView ComputeChocoboNow(const VanaDateTime& now, const EarthTime& localNow, int bias) {
    ChocoboNowView view;
    view.cycle = VanaDayCycle3(now);
    for (std::size_t t = 0; t < kChocoTownCount; ++t)
        view.towns[t] =
            ChocoDestinationText(kChocoDestinations[t][static_cast<std::size_t>(view.cycle)].shortName);
    // Until the next game day starts: 00:00:01 to the last, never 00:00:00.
    VanaDateTime end;
    end.Year = now.Year;
    end.Month = now.Month;
    end.Day = now.Day;
    end.Hour = 23;
    end.Minute = 59;
    end.Second = 59;
    view.end = VanaToEarth(end, bias);
    view.secondsLeft = ShownCountdownUntil(VanaToSeconds(end) + 1, localNow, bias);
    view.timeLeft = FormatHoursMinutesSeconds(view.secondsLeft);
    return view;
}

std::vector<ChocoboRowView> ComputeChocoboSchedule(const VanaDateTime& now, int town, int bias) {
    std::vector<ChocoboRowView> rows;
    if (town < 0 || town >= static_cast<int>(kChocoTownCount)) return rows;
    VanaDateTime day;
    day.Year = now.Year;
    day.Month = now.Month;
    day.Day = now.Day;
    VanaDateTime end = day;
    end.Hour = 23;
    end.Minute = 59;
    end.Second = 59;
    rows.reserve(kChocoRowCount);
    for (std::size_t i = 0; i < kChocoRowCount; ++i) {
        // Tomorrow first; days past 30 are carried by the linear conversion.
        day.Day += 1;
        end.Day += 1;
        ChocoboRowView row;
        row.cycle = VanaDayCycle3(day);
        row.destination = ChocoDestinationText(
            kChocoDestinations[static_cast<std::size_t>(town)][static_cast<std::size_t>(row.cycle)]
                .longName);
        row.start = VanaToEarth(day, bias);
        row.end = VanaToEarth(end, bias);
        row.period = FormatEarthTime(row.start);
        row.period += " ~ ";
        row.period += FormatEarthTime(row.end);
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace norvane
