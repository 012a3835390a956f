#include "core/schedules/calendar_schedule.h"

#include <cstdint>
#include <cstdio>
#include <utility>

#include "core/schedules/racial_schedule.h"
#include "core/settings/ini_file.h"
#include "core/time/earth_time.h"

namespace norvane {
namespace {

constexpr std::string_view kEntrySeparator = ",  ";

std::string TwoDigits(int value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.2d", value);
    return buf;
}

int PartOrZero(std::string_view text) {
    int v = 0;
    return ParseDecimalInteger(text, v) ? v : 0;
}

bool IsTableIndex(int i) { return i >= 0 && i < 3; }

void Append(std::string& text, std::string_view entry) {
    if (!text.empty()) text += kEntrySeparator;
    text += entry;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

std::string EarthText(const EarthTime& x, bool withDate) {
    char buf[64];
    if (!withDate) {
        std::snprintf(buf, sizeof buf, "%.2d:%.2d", x.hour, x.minute);
        return buf;
    }
    const std::string_view weekday = EarthWeekdayNames[static_cast<std::size_t>(IsoWeekday(x) - 1)];
    std::snprintf(buf, sizeof buf, "%.2d/%.2d(%.*s) %.2d:%.2d", x.month, x.day,
                  static_cast<int>(weekday.size()), weekday.data(), x.hour, x.minute);
    return buf;
}

std::string GameText(const VanaDateTime& d, bool withYear) {
    char buf[48];
    if (withYear) std::snprintf(buf, sizeof buf, "%.4d/%.2d/%.2d", d.Year, d.Month, d.Day);
    else std::snprintf(buf, sizeof buf, "%.2d/%.2d", d.Month, d.Day);
    return buf;
}

}  // namespace

std::string_view BallistaCapText(int cap) {
    switch (cap) {
        case 30: return "～Lv30";
        case 40: return "～Lv40";
        case 50: return "～Lv50";
        case 60: return "～Lv60";
        case 99: return "無制限";
        default: return "不明";
    }
}

std::optional<BallistaCard> ReadBallistaCard(const IniFile& ballistaIni, const VanaDateTime& day) {
    const std::string value = ballistaIni.ReadString("Card", TwoDigits(day.Day), "");
    if (value.empty()) return std::nullopt;
    BallistaCard card;
    const std::size_t comma = value.find(',');
    if (comma == std::string::npos) {
        card.cap = PartOrZero(value);
    } else {
        card.area = PartOrZero(std::string_view(value).substr(0, comma));
        card.cap = PartOrZero(std::string_view(value).substr(comma + 1));
    }
    // Numbers are kept whole rather than cut to a byte, so 258 is no area and
    // 355 no known cap instead of passing for 2 and 99.
    if (!IsTableIndex(card.area)) return std::nullopt;
    card.match = ballistaIni.ReadInteger("Area" + std::to_string(card.area), TwoDigits(day.Month), 0);
    if (!IsTableIndex(card.match)) return std::nullopt;
    return card;
}

CalendarView ComputeCalendar(const VanaDateTime& now, int bias, const IniFile& ballistaIni,
                             CalendarEntries entries) {
    CalendarView rows;
    VanaDateTime d = now;
    d.Hour = d.Minute = d.Second = 0;
    // Through the second count, so a record built by hand has its own weekday and moon.
    d = SecondsToVana(VanaToSeconds(d));

    // What the row before showed; nothing before the first row.
    std::optional<EarthTime> previousDate;
    std::optional<std::pair<int, int>> previousYearMonth;
    int previousMoon = -1;
    std::optional<std::pair<int, int>> previousRacial;

    for (CalendarRow& row : rows) {
        const EarthTime x = VanaToEarth(d.Year, d.Month, d.Day, 0, 0, 0, bias);
        row.start = x;
        row.day = d;
        const bool newDate = !previousDate || previousDate->year != x.year ||
                             previousDate->month != x.month || previousDate->day != x.day;
        // The date is shown again in the 12 o'clock hour, to keep it in sight on long lists.
        row.earth = EarthText(x, newDate || x.hour == 12);
        previousDate = x;

        const std::pair<int, int> yearMonth{d.Year, d.Month};
        row.game = GameText(d, previousYearMonth != yearMonth);
        previousYearMonth = yearMonth;
        row.weekday = d.Weekday;
        row.weekdayHint = std::string(VanaWeekdayNames[static_cast<std::size_t>(d.Weekday)]) + "曜日";

        row.moonPhase = d.Moon;
        row.moonHint = MoonPhaseNames[static_cast<std::size_t>(d.Moon)];
        if (d.Moon != previousMoon) row.moon = MoonPhaseShortNames[static_cast<std::size_t>(d.Moon)];
        previousMoon = d.Moon;

        if (entries.ballista) {
            if (const auto card = ReadBallistaCard(ballistaIni, d)) {
                const std::string_view cap = BallistaCapText(card->cap);
                const auto area = static_cast<std::size_t>(card->area);
                row.ballista = card->match;
                row.ballistaHint = std::string(kBallistaMatchNames[static_cast<std::size_t>(card->match)]);
                row.ballistaHint += ' ';
                row.ballistaHint += cap;
                row.ballistaHint += ' ';
                row.ballistaHint += kBallistaAreaNames[area];
                row.schedule = std::string(cap) + ' ' + std::string(kBallistaAreaShortNames[area]);
            }
        }
        if (entries.racial) {
            // Shown on the first row and whenever a new game week brings a new turn.
            std::pair<int, int> turn;
            VanaWeekCycle(d, turn.first, turn.second);
            if (previousRacial != turn) {
                std::string entry(kRaceNames[static_cast<std::size_t>(turn.first)]);
                entry += "＠";
                entry += kDungeonNames[static_cast<std::size_t>(turn.second)];
                Append(row.schedule, entry);
            }
            previousRacial = turn;
        }
        if (entries.tavern) {
            const std::int64_t t = (FloorDiv(VanaToSeconds(d), kVanaDay) + 12) % 25;
            std::string entry = "酒場：";
            entry += kTavernConditions[static_cast<std::size_t>(t < 0 ? t + 25 : t)];
            Append(row.schedule, entry);
        }

        ++d.Day;
        d = SecondsToVana(VanaToSeconds(d));
    }
    return rows;
}

CalendarView ComputeCalendar(const VanaDateTime& now, int bias, const std::string& ballistaIniPath,
                             CalendarEntries entries) {
    return ComputeCalendar(now, bias, entries.ballista ? IniFile::Load(ballistaIniPath) : IniFile(),
                           entries);
}

}  // namespace norvane
