#include "core/schedules/guild_schedule.h"

#include <gtest/gtest.h>

#include "schedule_test_support.h"

namespace norvane {
namespace {

using testing::DayWithWeekday;
using testing::GameSeconds;
using testing::OnDay;
using testing::Tick;
using testing::TickAtGame;

constexpr std::size_t kWoodworking = 2;  // 06:00-21:00, holiday 火 (0)

class GuildPage : public ::testing::TestWithParam<int> {
protected:
    Tick At(std::int64_t game) const { return TickAtGame(game, GetParam()); }
    GuildRowView Row(std::int64_t game, std::size_t row) const {
        auto t = At(game);
        return ComputeGuildPage(t.game, t.local, t.bias)[row];
    }
};

INSTANTIATE_TEST_SUITE_P(Zones, GuildPage, ::testing::ValuesIn(testing::kBiases));

void ExpectClosed(const GuildRowView& row, const char* left) {
    EXPECT_EQ(row.stateText, "( 閉店中 )");
    EXPECT_EQ(row.stateColour, 0x0040FFu);
    EXPECT_EQ(row.timeLeft, left);
    EXPECT_EQ(row.timeLeftColour, 0u);
    EXPECT_EQ(row.timeLeftHint, "営業開始までの時間です。");
}

TEST_P(GuildPage, FixedPartsOfEveryRow) {
    auto t = At(GameSeconds(934, 8, 4, 18, 0, 0));
    auto page = ComputeGuildPage(t.game, t.local, t.bias);
    for (std::size_t r = 0; r < kGuildShopCount; ++r) {
        EXPECT_EQ(page[r].name, kGuildShops[r].name);
        EXPECT_EQ(page[r].location, kGuildShops[r].location);
        EXPECT_EQ(page[r].holidayPicture, kGuildShops[r].holiday);
    }
    EXPECT_EQ(page[0].hours, "03:00~18:00");
    EXPECT_EQ(page[12].name, "ノーグ店");
    EXPECT_EQ(page[12].hours, "09:00~23:00");
    EXPECT_EQ(page[12].holidayPicture, 7);
}

TEST_P(GuildPage, ClosedBeforeOpening) {
    // 05:59:10 on a 土 day: 50 game seconds to 06:00.
    auto row = Row(OnDay(DayWithWeekday(1), 5, 59, 10), kWoodworking);
    EXPECT_EQ(row.state, GuildState::BeforeOpening);
    ExpectClosed(row, "00:03");
}

TEST_P(GuildPage, OpenCountsDownToClosingWithWarningColours) {
    const auto closing = OnDay(DayWithWeekday(1), 21, 0);
    struct Case { std::int64_t shown; const char* text; Colour colour; };
    for (auto c : {Case{300, "05:00", 0}, Case{299, "04:59", 0x0080FF}, Case{180, "03:00", 0x0080FF},
                   Case{179, "02:59", 0x0060FF}, Case{60, "01:00", 0x0060FF}, Case{59, "00:59", 0x0010FF}}) {
        auto row = Row(closing - (c.shown - 1) * 25, kWoodworking);
        EXPECT_EQ(row.state, GuildState::Open);
        EXPECT_EQ(row.stateText, "( 営業中 )");
        EXPECT_EQ(row.stateColour, 0xC00000u);
        EXPECT_EQ(row.timeLeft, c.text);
        EXPECT_EQ(row.timeLeftColour, c.colour) << c.text;
        EXPECT_EQ(row.timeLeftHint, "営業終了までの残り時間です。");
    }
    // Opening hour reached: open, with the whole 15 game hours (36 Earth minutes) ahead.
    auto opened = Row(OnDay(DayWithWeekday(1), 6, 0), kWoodworking);
    EXPECT_EQ(opened.state, GuildState::Open);
    EXPECT_EQ(opened.timeLeft, "36:01");
}

TEST_P(GuildPage, AfterClosingTheDayBeforeTheHolidayCountsToTheHolidaysOpening) {
    // 21:00 on a 闇 day; the next day is the 火 holiday, which is not skipped.
    auto t = At(OnDay(DayWithWeekday(7), 21, 0));
    const auto& shop = kGuildShops[kWoodworking];
    EXPECT_EQ(GuildStateAt(shop, t.game), GuildState::AfterClosing);
    EXPECT_EQ(VanaToSeconds(GuildTarget(shop, GuildState::AfterClosing, t.game)),
              OnDay(DayWithWeekday(8), 6, 0));
    ExpectClosed(ComputeGuildPage(t.game, t.local, t.bias)[kWoodworking], "21:37");
}

TEST_P(GuildPage, HolidayCountsToTheNextDayInTotalMinutes) {
    auto midnight = Row(OnDay(DayWithWeekday(8), 0, 0), kWoodworking);
    EXPECT_EQ(midnight.state, GuildState::Holiday);
    EXPECT_EQ(midnight.stateText, "( 定休日 )");
    EXPECT_EQ(midnight.stateColour, 0x0040FFu);
    EXPECT_EQ(midnight.timeLeft, "72:01");  // 30 game hours
    EXPECT_EQ(midnight.timeLeftColour, 0u);
    EXPECT_EQ(midnight.timeLeftHint, "営業開始までの時間です。");
    // Within the usual hours, and after them, it stays a holiday.
    EXPECT_EQ(Row(OnDay(DayWithWeekday(8), 12, 0), kWoodworking).state, GuildState::Holiday);
    auto late = Row(OnDay(DayWithWeekday(8), 23, 0), kWoodworking);
    EXPECT_EQ(late.state, GuildState::Holiday);
    EXPECT_EQ(late.timeLeft, "16:49");
}

TEST_P(GuildPage, OnlyHoursDecideTheState) {
    const auto& shop = kGuildShops[kWoodworking];
    auto state = [&](int h, int m) { return GuildStateAt(shop, At(OnDay(DayWithWeekday(3), h, m)).game); };
    EXPECT_EQ(state(5, 55), GuildState::BeforeOpening);
    EXPECT_EQ(state(6, 0), GuildState::Open);
    EXPECT_EQ(state(20, 55), GuildState::Open);
    EXPECT_EQ(state(21, 0), GuildState::AfterClosing);
    EXPECT_EQ(state(23, 55), GuildState::AfterClosing);
}

TEST_P(GuildPage, AfterClosingOnTheLastDayOfTheYear) {
    // Row 1 (01:00-23:00) at 23:30 of 1000/12/30, a 闇 day.
    auto t = At(GameSeconds(1000, 12, 30, 23, 30, 0));
    ASSERT_EQ(t.game.Weekday, 7);
    const auto& shop = kGuildShops[1];
    auto target = SecondsToVana(VanaToSeconds(GuildTarget(shop, GuildStateAt(shop, t.game), t.game)));
    EXPECT_EQ(target.Year, 1001);
    EXPECT_EQ(target.Month, 1);
    EXPECT_EQ(target.Day, 1);
    EXPECT_EQ(target.Hour, 1);
    ExpectClosed(ComputeGuildPage(t.game, t.local, t.bias)[1], "03:37");
}

TEST(GuildHours, FormatsTheFixedHours) {
    GuildShop shop{"x", "y", 0, 7, 5, 22, 30};
    EXPECT_EQ(GuildHoursText(shop), "07:05~22:30");
}

}  // namespace
}  // namespace norvane
