#include "core/schedules/calendar_schedule.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/settings/ini_file.h"
#include "core/time/earth_time.h"
#include "schedule_test_support.h"
#include "support/scoped_tz.h"

namespace norvane {
namespace {

using testing::GameSeconds;

constexpr CalendarEntries kNone{false, false, false};
constexpr CalendarEntries kBallistaOnly{true, false, false};
constexpr CalendarEntries kRacialOnly{false, true, false};
constexpr CalendarEntries kTavernOnly{false, false, true};

struct Zone {
    const char* name;
    const char* rule;
    // Row 0's Earth text at the base instant (winter) and on 2004-07-15 12:00 UTC.
    const char* baseRow0;
    const char* julyRow0;
};

// Japan has no daylight saving; central Europe is one hour ahead in winter, two in summer.
const Zone kZones[] = {
    {"Japan", "JST-9", "12/01(月) 17:16", "07/15(木) 20:09"},
    {"CentralEurope", "CET-1CEST,M3.5.0,M10.5.0/3", "12/01(月) 09:16", "07/15(木) 13:09"},
};

class CalendarPage : public ::testing::TestWithParam<Zone> {
protected:
    CalendarPage() : tz_(GetParam().rule) {}

    // The page for the game moment `now`, with the zone's bias at that moment.
    static CalendarView At(const VanaDateTime& now, const IniFile& ini = {}, CalendarEntries entries = {}) {
        return ComputeCalendar(now, BiasAt(now), ini, entries);
    }
    static CalendarView AtUtc(const char* iso, const IniFile& ini = {}, CalendarEntries entries = {}) {
        return At(VanaTimeAt(*ParseIsoUtc(iso)), ini, entries);
    }
    static int BiasAt(const VanaDateTime& now) { return SystemBiasAt(VanaToEarth(now, 0)); }
    // The local Earth start of the game day `i` rows after the day of `now`.
    static EarthTime RowStart(const VanaDateTime& now, int i) {
        return VanaToEarth(now.Year, now.Month, now.Day + i, 0, 0, 0, BiasAt(now));
    }

private:
    ScopedTz tz_;
};

INSTANTIATE_TEST_SUITE_P(Zones, CalendarPage, ::testing::ValuesIn(kZones),
                         [](const ::testing::TestParamInfo<Zone>& zone) { return std::string(zone.param.name); });

constexpr const char* kBase = "2003-12-01T09:00:01Z";  // game 0934/08/04 18:00, a 雷 day, first of 上弦

TEST_P(CalendarPage, FirstRowShowsEverythingInFull) {
    const CalendarView rows = AtUtc(kBase);
    EXPECT_EQ(rows[0].earth, GetParam().baseRow0);
    EXPECT_EQ(rows[0].game, "0934/08/04");
    EXPECT_EQ(rows[0].weekday, 5);
    EXPECT_EQ(rows[0].weekdayHint, "雷曜日");
    EXPECT_EQ(rows[0].moon, "上弦");
    EXPECT_EQ(rows[0].moonPhase, 5);
    EXPECT_EQ(rows[0].moonHint, "上弦の月");
    EXPECT_EQ(rows[0].schedule, "エルヴァーン♂＠シャクラミの迷宮,  酒場：ヒューム");
    EXPECT_EQ(rows[0].ballista, -1);
    EXPECT_EQ(rows[83].game, "10/27");  // 84 days: one moon cycle
    EXPECT_EQ(AtUtc("2004-07-15T12:00:00Z")[0].earth, GetParam().julyRow0);
    // Any hour of the day gives the same rows; a record built by hand with a
    // wrong weekday and moon gets the day's own.
    VanaDateTime late = SecondsToVana(GameSeconds(934, 8, 4, 23, 59, 59));
    late.Weekday = 0;
    late.Moon = 0;
    EXPECT_EQ(At(late)[0].earth, rows[0].earth);
    EXPECT_EQ(At(late)[0].weekdayHint, "雷曜日");
    EXPECT_EQ(At(late)[0].moonHint, "上弦の月");
}

TEST_P(CalendarPage, GameMonthAndYearChangesShowTheYearAgain) {
    const CalendarView rows = At(SecondsToVana(GameSeconds(999, 12, 20, 12, 34, 56)));
    const std::pair<int, const char*> cases[] = {
        {0, "0999/12/20"}, {1, "12/21"},      {10, "12/30"}, {11, "1000/01/01"},
        {12, "01/02"},     {41, "1000/02/01"}, {42, "02/02"}, {83, "03/13"},
    };
    for (const auto& [row, text] : cases) EXPECT_EQ(rows[static_cast<std::size_t>(row)].game, text) << row;
    int withYear = 0;
    for (const CalendarRow& row : rows) withYear += row.game.size() == 10;
    EXPECT_EQ(withYear, 4);  // the first row and the first days of 01, 02 and 03
}

TEST_P(CalendarPage, MoonNameOnTheFirstDayOfEachPhase) {
    const CalendarView rows = AtUtc(kBase);  // row 0 is itself the first day of a phase
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto phase = (5 + i / 7) % 12;
        EXPECT_EQ(rows[i].moonPhase, static_cast<int>(phase)) << i;
        EXPECT_EQ(rows[i].moonHint, MoonPhaseNames[phase]) << i;
        EXPECT_EQ(rows[i].moon, i % 7 == 0 ? MoonPhaseShortNames[phase] : "") << i;
    }
    const CalendarView mid = At(SecondsToVana(GameSeconds(934, 8, 6, 0, 0, 0)));
    EXPECT_EQ(mid[0].moon, "上弦");  // the first row names the phase it starts in
    EXPECT_EQ(mid[5].moon, "十日");
}

TEST_P(CalendarPage, EarthDateShownWhenItChangesAndAgainAtTwelve) {
    // The last instant's list crosses the European change to summer time.
    for (const char* at : {kBase, "2004-07-15T12:00:00Z", "2004-03-27T20:00:00Z"}) {
        const VanaDateTime now = VanaTimeAt(*ParseIsoUtc(at));
        const CalendarView rows = At(now);
        int noons = 0;
        for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
            const EarthTime x = RowStart(now, i);
            const bool full = i == 0 || x.day != RowStart(now, i - 1).day || x.hour == 12;
            noons += x.hour == 12;
            char text[40];
            const std::string_view wd = EarthWeekdayNames[static_cast<std::size_t>(IsoWeekday(x) - 1)];
            if (full)
                std::snprintf(text, sizeof text, "%.2d/%.2d(%.*s) %.2d:%.2d", x.month, x.day,
                              static_cast<int>(wd.size()), wd.data(), x.hour, x.minute);
            else
                std::snprintf(text, sizeof text, "%.2d:%.2d", x.hour, x.minute);
            EXPECT_EQ(rows[static_cast<std::size_t>(i)].earth, text) << at << " row " << i;
        }
        EXPECT_GE(noons, 3) << at;  // 80 hours hold at least three noons
    }
}

TEST_P(CalendarPage, RacialEntryOnlyWhenTheTurnChanges) {
    const CalendarView rows = AtUtc(kBase, {}, kRacialOnly);
    // Row 0, then the first day (weekday 0) of each following week: rows 3, 11, ... 83.
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].schedule.empty(), i != 0 && i % 8 != 3) << i;
    EXPECT_EQ(rows[3].weekday, 0);
    EXPECT_EQ(rows[3].schedule, "エルヴァーン♀＠オルデール鍾乳洞");
    EXPECT_EQ(rows[11].schedule, "タルタル♂＠グスゲン鉱山");
    EXPECT_EQ(rows[59].schedule, "エルヴァーン♂＠グスゲン鉱山");  // eight weeks on, the dungeon moved by 2
}

TEST_P(CalendarPage, TavernConditionStepsThroughTwentyFiveDays) {
    const CalendarView rows = AtUtc(kBase, {}, kTavernOnly);
    // Day count 336453: (336453 + 12) mod 25 = 15.
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].schedule, "酒場：" + std::string(kTavernConditions[(15 + i) % 25])) << i;
    EXPECT_EQ(rows[9].schedule, "酒場：ウィンダス国民");
    EXPECT_EQ(rows[10].schedule, "酒場：戦士");
}

TEST_P(CalendarPage, BallistaRowsJoinTheOtherEntries) {
    // From 0934/08/04: day 04 is a match in area 2, under month 08's card of that area.
    const IniFile ini = IniFile::FromBytes(
        "[Card]\r\n04=2,99\r\n05=1,45\r\n06=40\r\n07=\r\n08=3,30\r\n"
        "[Area2]\r\n08=1\r\n09=2\r\n[Area1]\r\n08=0\r\n");
    const CalendarView rows = AtUtc(kBase, ini);
    EXPECT_EQ(rows[0].schedule, "無制限 メリファト,  エルヴァーン♂＠シャクラミの迷宮,  酒場：ヒューム");
    EXPECT_EQ(rows[0].ballista, 1);
    EXPECT_EQ(rows[0].ballistaHint, "サンドリア vs. ウィンダス 無制限 メリファト山地");
    EXPECT_EQ(rows[1].schedule, "不明 パシュハウ,  酒場：エルヴァーン");
    EXPECT_EQ(rows[1].ballista, 0);
    EXPECT_EQ(rows[2].ballistaHint, "サンドリア vs. バストゥーク ～Lv40 ジャグナー森林");  // area 0, match missing: 0
    for (std::size_t i : {3u, 4u}) {  // an empty card, an area past the table
        EXPECT_EQ(rows[i].ballista, -1) << i;
        EXPECT_EQ(rows[i].ballistaHint, "") << i;
    }
    EXPECT_EQ(rows[30].game, "09/04");  // next month the same day reads area 2's card for 09
    EXPECT_EQ(rows[30].ballista, 2);
    EXPECT_EQ(rows[30].schedule, "無制限 メリファト,  酒場：男性");
    EXPECT_EQ(AtUtc(kBase, ini, kBallistaOnly)[0].schedule, "無制限 メリファト");
    for (const CalendarRow& row : AtUtc(kBase, ini, kNone)) {
        EXPECT_EQ(row.schedule, "");
        EXPECT_EQ(row.ballista, -1);
    }
    const std::string missing = "/no/such/folder/ballista.ini";
    const CalendarView noFile = ComputeCalendar(VanaTimeAt(*ParseIsoUtc(kBase)), 0, missing, {});
    for (const CalendarRow& row : noFile) EXPECT_EQ(row.ballista, -1);
    EXPECT_EQ(noFile[0].schedule, "エルヴァーン♂＠シャクラミの迷宮,  酒場：ヒューム");
}

TEST(BallistaCard, ParsesAreaAndCapAndRefusesIndicesPastTheTables) {
    struct Case {
        const char* card;
        bool found;
        int area, match, cap;
        const char* capText;
    };
    const Case cases[] = {
        {"2,99", true, 2, 1, 99, "無制限"},
        {" 1 , 45 ", true, 1, 2, 45, "不明"},
        {"40", true, 0, 0, 40, "～Lv40"},       // no comma: the whole text is the cap
        {"x,60", true, 0, 0, 60, "～Lv60"},     // unparsable parts read as 0
        {"2,abc", true, 2, 1, 0, "不明"},
        {"1,", true, 1, 2, 0, "不明"},
        {",50", true, 0, 0, 50, "～Lv50"},
        {"0,40,1", true, 0, 0, 0, "不明"},      // the cap is all that follows the first comma
        {"1,355", true, 1, 2, 355, "不明"},     // not cut to a byte: 355 is not 99
        {"", false, 0, 0, 0, ""},
        {"3,30", false, 0, 0, 0, ""},
        {"-1,30", false, 0, 0, 0, ""},
        {"258,30", false, 0, 0, 0, ""},         // not area 2
        {"9999999999,30", true, 0, 0, 30, "～Lv30"},  // too long to be a number: 0
    };
    for (const Case& c : cases) {
        const IniFile ini = IniFile::FromBytes(
            (std::string("[Card]\n12=") + c.card + "\n[Area0]\n07=0\n[Area1]\n07=2\n[Area2]\n07=1\n").c_str());
        VanaDateTime day;
        day.Month = 7;
        day.Day = 12;
        const auto card = ReadBallistaCard(ini, day);
        ASSERT_EQ(card.has_value(), c.found) << c.card;
        if (!card) continue;
        EXPECT_EQ(card->area, c.area) << c.card;
        EXPECT_EQ(card->match, c.match) << c.card;
        EXPECT_EQ(card->cap, c.cap) << c.card;
        EXPECT_EQ(BallistaCapText(card->cap), c.capText) << c.card;
    }
    // A match number past the table, or not a number, in the area's month.
    const IniFile badMatch = IniFile::FromBytes("[Card]\n01=1,30\n02=2,30\n[Area1]\n01=3\n[Area2]\n01=x\n");
    VanaDateTime day;
    EXPECT_FALSE(ReadBallistaCard(badMatch, day).has_value());
    day.Day = 2;
    ASSERT_TRUE(ReadBallistaCard(badMatch, day).has_value());
    EXPECT_EQ(ReadBallistaCard(badMatch, day)->match, 0);
}

TEST(BallistaCard, ShippedExampleFileNamesKnownCaps) {
    const IniFile ini = IniFile::Load(NORVANE_DATA_DIR "/ballista.ini");
    int matches = 0;
    for (VanaDateTime d; d.Day <= 30; ++d.Day)
        for (d.Month = 1; d.Month <= 12; ++d.Month)
            if (const auto card = ReadBallistaCard(ini, d)) {
                ++matches;
                EXPECT_NE(BallistaCapText(card->cap), "不明") << d.Month << "/" << d.Day;
            }
    EXPECT_GT(matches, 0);
}

}  // namespace
}  // namespace norvane
