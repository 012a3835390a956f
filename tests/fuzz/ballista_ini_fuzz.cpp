// "ballista.ini": the ballista matches per game day and month, Shift-JIS INI text
// kept by hand. Every card read names an area and a match inside the three-entry
// tables, the cards write back plainly to a file that reads the same for every
// day of the year, and the calendar shows exactly the cards read.
#include <QByteArray>

#include <cstdint>
#include <optional>
#include <string>

#include "core/schedules/calendar_schedule.h"
#include "core/settings/ini_file.h"
#include "core/time/vanatime.h"
#include "fuzz_check.h"

namespace {

using norvane::BallistaCard;
using norvane::IniFile;
using norvane::VanaDateTime;

std::string TwoDigits(int n) { return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)}; }

VanaDateTime Day(int month, int day) {
    VanaDateTime d;
    d.Year = 1000;
    d.Month = month;
    d.Day = day;
    return d;
}

bool Same(const std::optional<BallistaCard>& a, const std::optional<BallistaCard>& b) {
    if (!a || !b) return !a && !b;
    return a->area == b->area && a->match == b->match && a->cap == b->cap;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const IniFile ini = IniFile::FromBytes(bytes);

    // The card of a day names its area and cap whatever the month; only the match
    // follows the month, and a match outside the tables hides the card in that
    // month. Written as "area,cap" per day and one match per area and month.
    constexpr int kUnset = -2, kNoMatch = 3;
    int match[3][13];
    for (auto& area : match)
        for (int& m : area) m = kUnset;
    std::string card = "\xEF\xBB\xBF[Card]\r\n";
    for (int day = 1; day <= 30; ++day) {
        std::optional<BallistaCard> month[13], any;
        for (int m = 1; m <= 12; ++m) {
            month[m] = norvane::ReadBallistaCard(ini, Day(m, day));
            if (month[m] && !any) any = month[m];
        }
        if (!any) continue;
        card += TwoDigits(day) + '=' + std::to_string(any->area) + ',' + std::to_string(any->cap) + "\r\n";
        for (int m = 1; m <= 12; ++m) {
            const auto& c = month[m];
            FUZZ_CHECK(!c || (c->area == any->area && c->cap == any->cap), "a card's area or cap follows the month");
            FUZZ_CHECK(!c || (c->area >= 0 && c->area < 3 && c->match >= 0 && c->match < 3),
                       "a card names an area or match outside the tables");
            int& slot = match[any->area][m];
            const int value = c ? c->match : kNoMatch;
            FUZZ_CHECK(slot == kUnset || slot == value, "the match of an area and month differs by day");
            slot = value;
        }
    }
    for (int a = 0; a < 3; ++a) {
        card += "[Area" + std::to_string(a) + "]\r\n";
        for (int m = 1; m <= 12; ++m)
            if (match[a][m] != kUnset) card += TwoDigits(m) + '=' + std::to_string(match[a][m]) + "\r\n";
    }

    const IniFile again = IniFile::FromBytes(QByteArray::fromStdString(card));
    for (int day = 1; day <= 30; ++day)
        for (int month = 1; month <= 12; ++month)
            FUZZ_CHECK(Same(norvane::ReadBallistaCard(ini, Day(month, day)),
                            norvane::ReadBallistaCard(again, Day(month, day))),
                       "a card changed on writing and reading again");

    // The calendar's 84 rows from a fixed day show the cards read, and nothing else.
    const norvane::CalendarView rows = norvane::ComputeCalendar(Day(7, 20), -540, ini, {true, false, false});
    VanaDateTime d = norvane::SecondsToVana(norvane::VanaToSeconds(Day(7, 20)));
    for (const norvane::CalendarRow& row : rows) {
        const auto c = norvane::ReadBallistaCard(ini, d);
        FUZZ_CHECK(row.ballista == (c ? c->match : -1), "a row's ballista picture is not the day's card");
        FUZZ_CHECK(c.has_value() == !row.schedule.empty(), "a row lists a match without a card, or none with one");
        d = norvane::SecondsToVana(norvane::VanaToSeconds(d) + norvane::kVanaDay);
    }
    return 0;
}
