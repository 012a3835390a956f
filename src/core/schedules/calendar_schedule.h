#pragma once
// The calendar page: the next 84 game days (one moon cycle) from today, when
// each begins in local Earth time, its date, weekday and moon phase, and the
// day's ballista match (from "ballista.ini"), racial equipment turn and Jeuno
// tavern condition.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/time/vanatime.h"

namespace norvane {

class IniFile;

inline constexpr std::size_t kCalendarRowCount = 84;

// lblCalenHead0 ... lblCalenHead3, the check boxes and the button.
inline constexpr std::array<std::string_view, 4> kCalenHeadCaptions = {
    "地球時間", "ヴァナ時間", "月齢", "スケジュール"};
inline constexpr std::string_view kCalenBallistaCaption = "バリスタ(&B)";
inline constexpr std::string_view kCalenRacialCaption = "種族装備(&R)";
inline constexpr std::string_view kCalenJeunoCaption = "ジュノ限定酒場(&J)";
inline constexpr std::string_view kCalenRefCaption = "更新(&R)";

// Index = match number of section "Area0" ... "Area2"; also the imgBall picture.
inline constexpr std::array<std::string_view, 3> kBallistaMatchNames = {
    "サンドリア vs. バストゥーク", "サンドリア vs. ウィンダス", "バストゥーク vs. ウィンダス"};
inline constexpr std::array<std::string_view, 3> kBallistaAreaNames = {
    "ジャグナー森林", "パシュハウ沼", "メリファト山地"};
inline constexpr std::array<std::string_view, 3> kBallistaAreaShortNames = {
    "ジャグナー", "パシュハウ", "メリファト"};
inline constexpr std::array<std::string_view, 25> kTavernConditions = {
    "戦士",   "モンク",   "白魔道士", "黒魔道士", "赤魔道士", "シーフ", "ナイト",
    "暗黒騎士", "獣使い", "吟遊詩人", "狩人",   "侍",       "忍者",   "竜騎士",
    "召喚士", "ヒューム", "エルヴァーン", "タルタル", "ミスラ", "ガルカ", "男性",
    "女性",   "サンドリア国民", "バストゥーク国民", "ウィンダス国民"};

// "～Lv30", "～Lv40", "～Lv50", "～Lv60", "無制限" for 99, "不明" for any other number.
std::string_view BallistaCapText(int cap);

// The ballista match of a game day as "ballista.ini" gives it.
struct BallistaCard {
    int area = 0;   // 0-2, index into the area names
    int match = 0;  // 0-2, index into the match names and the pictures
    int cap = 0;    // the number of the file; BallistaCapText names it
};

// Section "Card" at the day ("01" ... "30"): "area,cap", or "cap" alone for area 0,
// each part 0 when it is no number; then section "Area<area>" at the month
// ("01" ... "12") gives the match, 0 when missing. Nothing for a missing or empty
// card, and nothing when the area or match lies outside 0-2.
std::optional<BallistaCard> ReadBallistaCard(const IniFile& ballistaIni, const VanaDateTime& day);

// The three check boxes: which kinds of entry column D lists.
struct CalendarEntries {
    bool ballista = true;  // chkCalenBallista
    bool racial = true;    // chkCalenRacial
    bool tavern = true;    // chkCalenJeuno
};

// One row; the page copies it into lblCalenLineA ... D of the same number.
struct CalendarRow {
    EarthTime start;             // the day's first second in local time
    VanaDateTime day;            // the game day, 00:00:00
    std::string earth;           // A: "mm/dd(曜) hh:nn" when the date is new or in the 12 o'clock hour, else "hh:nn"
    std::string game;            // B: "yyyy/mm/dd" when the month is new, else "mm/dd"
    int weekday = 0;             // B picture: imgWeekS index
    std::string weekdayHint;     // B and its picture: "火曜日" ...
    std::string moon;            // C: short phase name when the phase is new, else ""
    int moonPhase = 0;           // C picture: imgMoonS index
    std::string_view moonHint;   // C and its picture: the full phase name
    std::string schedule;        // D: the entries joined by ",  "
    int ballista = -1;           // D picture: imgBall index, or -1 for none (hidden, no hint)
    std::string ballistaHint;    // D picture: "match cap area"
};

using CalendarView = std::array<CalendarRow, kCalendarRowCount>;

// btnCalenRefClick: the 84 game days from the day of `now`, their starts in local
// Earth time by the time-zone bias `bias` (minutes, UTC = local + bias).
CalendarView ComputeCalendar(const VanaDateTime& now, int bias, const IniFile& ballistaIni,
                             CalendarEntries entries);
// Reads "ballista.ini" at `ballistaIniPath` (a missing file reads as empty).
CalendarView ComputeCalendar(const VanaDateTime& now, int bias, const std::string& ballistaIniPath,
                             CalendarEntries entries);

}  // namespace norvane
