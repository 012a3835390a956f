#include "core/schedules/ship_schedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <tuple>

#include "schedule_test_support.h"

namespace norvane {
namespace {

using testing::GameSeconds;
using testing::Tick;
using testing::TickAtGame;

class ShipPage : public ::testing::TestWithParam<int> {
protected:
    Tick At(std::int64_t game, int ms = 0) const { return TickAtGame(game, GetParam(), ms); }
    ShipPageView Page(const Tick& t) const { return ComputeShipPage(t.game, t.local, t.bias); }
};

INSTANTIATE_TEST_SUITE_P(Zones, ShipPage, ::testing::ValuesIn(testing::kBiases));

TEST_P(ShipPage, CaptionsAndHintsOfEveryRow) {
    auto page = Page(At(GameSeconds(1000, 3, 4, 18, 0, 0)));
    EXPECT_EQ(page[0].originCaption, "ジュノから");
    EXPECT_EQ(page[0].destCaption, "→ サンドリアへ");
    EXPECT_EQ(page[5].originCaption, "バストゥークから");
    EXPECT_EQ(page[8].originCaption, "セルビナ ─");
    EXPECT_EQ(page[8].destCaption, "マウラ航路");
    for (const auto& row : page) {
        EXPECT_EQ(row.columns[0].timeHint, "ヴァナ時間の時：分に到着します。");
        EXPECT_EQ(row.columns[1].timeHint, "ヴァナ時間の時：分に出発します。");
        EXPECT_EQ(row.columns[2].countdownHint, "到着まで地球時間で＠分：秒です。");
        EXPECT_EQ(row.columns[1].countdownHint, "出発まで地球時間で＠分：秒です。");
    }
}

TEST_P(ShipPage, WrapsPastMidnightToTheNextGameDay) {
    auto t = At(GameSeconds(1000, 3, 4, 23, 50, 0));
    auto row = Page(t)[0];
    // 22 game minutes are 52.8 Earth seconds: 52 whole, plus the one second.
    EXPECT_EQ(row.columns[0].time, " 00:12着");
    EXPECT_EQ(row.columns[0].countdown, "00:53");
    EXPECT_EQ(row.columns[0].countdownColour, 0x0010FFu);
    EXPECT_EQ(row.columns[1].time, " 01:13発");
    EXPECT_EQ(row.columns[1].countdown, "03:20");
    EXPECT_EQ(row.columns[1].countdownColour, 0x0080FFu);
    EXPECT_EQ(row.columns[2].time, " 03:12着");
    EXPECT_EQ(row.columns[2].countdown, "08:05");
    EXPECT_EQ(row.columns[2].countdownColour, 0u);
    EXPECT_EQ(VanaToSeconds(NextShipEvent(kShipRoutes[0], kShipArriveOrigin, t.game)),
              GameSeconds(1000, 3, 5, 0, 12, 0));
}

TEST_P(ShipPage, CarriesDayThirtyIntoTheNextMonthAndYear) {
    for (auto [month, nextYear, nextMonth] : {std::tuple{5, 1000, 6}, std::tuple{12, 1001, 1}}) {
        auto t = At(GameSeconds(1000, month, 30, 23, 50, 0));
        auto target = SecondsToVana(VanaToSeconds(NextShipEvent(kShipRoutes[0], kShipArriveOrigin, t.game)));
        EXPECT_EQ(target.Year, nextYear);
        EXPECT_EQ(target.Month, nextMonth);
        EXPECT_EQ(target.Day, 1);
        EXPECT_EQ(target.Hour, 0);
        EXPECT_EQ(target.Minute, 12);
        auto row = Page(t)[0];
        EXPECT_EQ(row.columns[0].time, " 00:12着");
        EXPECT_EQ(row.columns[0].countdown, "00:53");
    }
}

TEST_P(ShipPage, AnEventInTheCurrentMinuteIsPast) {
    // 01:12:30: the 01:13 departure is 30 game seconds (1.2 Earth seconds) away.
    auto before = Page(At(GameSeconds(1000, 3, 4, 1, 12, 30)))[0].columns[1];
    EXPECT_EQ(before.time, " 01:13発");
    EXPECT_EQ(before.countdown, "00:02");
    auto during = Page(At(GameSeconds(1000, 3, 4, 1, 13, 0)))[0].columns[1];
    EXPECT_EQ(during.time, " 07:13発");
    EXPECT_EQ(during.countdown, "14:24");
    EXPECT_EQ(during.countdownColour, 0u);
}

TEST_P(ShipPage, OrdersAColumnThatIsNotStoredChronologically) {
    // Route 1 stores its 00:12 arrival last; it is still the next one after 19:00 and 23:00.
    auto evening = Page(At(GameSeconds(1000, 3, 4, 19, 0, 0)))[1].columns[2];
    EXPECT_EQ(evening.time, " 00:12着");
    EXPECT_EQ(evening.countdown, "12:29");
    auto late = Page(At(GameSeconds(1000, 3, 4, 23, 0, 0)))[1].columns[2];
    EXPECT_EQ(late.time, " 00:12着");
    EXPECT_EQ(late.countdown, "02:53");
    EXPECT_EQ(late.countdownColour, 0x0060FFu);
    // Shortly after midnight the same sailing is today's.
    auto t = At(GameSeconds(1000, 3, 5, 0, 5, 0));
    EXPECT_EQ(Page(t)[1].columns[2].countdown, "00:17");
    EXPECT_EQ(VanaToSeconds(NextShipEvent(kShipRoutes[1], kShipArriveDest, t.game)),
              GameSeconds(1000, 3, 5, 0, 12, 0));
    // The ship's midnight departure after its 16:00 one, 576 Earth seconds away.
    auto ship = Page(At(GameSeconds(1000, 3, 4, 20, 0, 0)))[8].columns[1];
    EXPECT_EQ(ship.time, " 00:00発");
    EXPECT_EQ(ship.countdown, "09:36");
}

TEST_P(ShipPage, RoundsTheTimeLeftUpToTheWholeSecond) {
    // 40 game minutes are exactly 96 Earth seconds.
    const auto game = GameSeconds(1000, 3, 4, 6, 0, 0);
    EXPECT_EQ(Page(At(game, 0))[8].columns[0].countdown, "01:36");
    EXPECT_EQ(Page(At(game, 1))[8].columns[0].countdown, "01:36");
    EXPECT_EQ(Page(At(game, 999))[8].columns[0].countdown, "01:36");
    EXPECT_EQ(Page(At(game + 25, 0))[8].columns[0].countdown, "01:35");
    // 01:13 is 1.2 Earth seconds after 01:12:30; the clock shows it 2 seconds on,
    // which is the moment the column moves on and `target` names.
    const auto half = At(GameSeconds(1000, 3, 4, 1, 12, 30), 900);
    const auto column = Page(half)[0].columns[1];
    EXPECT_EQ(column.countdown, "00:02");
    EXPECT_EQ(EarthMilliseconds(column.target) - EarthMilliseconds(half.local), 1100);
}

TEST_P(ShipPage, ColourFollowsTheShownValueAtEachThreshold) {
    // Row 8's 06:40 arrival at the origin, on a whole Earth second: game time Δ
    // before it shows Δ/25.
    const auto target = GameSeconds(1000, 3, 4, 6, 40, 0);
    struct Case { std::int64_t shown; const char* text; Colour colour; };
    for (auto c : {Case{59, "00:59", 0x0010FF}, Case{60, "01:00", 0x0060FF},
                   Case{179, "02:59", 0x0060FF}, Case{180, "03:00", 0x0080FF},
                   Case{299, "04:59", 0x0080FF}, Case{300, "05:00", 0}}) {
        auto column = Page(At(target - c.shown * 25))[8].columns[0];
        EXPECT_EQ(column.time, " 06:40着");
        EXPECT_EQ(column.countdown, c.text);
        EXPECT_EQ(column.countdownColour, c.colour) << c.text;
    }
}

// Over a whole game day, every column shows the earliest event after the
// current minute, never more than one period away.
TEST_P(ShipPage, EveryColumnShowsTheNearestEventThroughADay) {
    const auto day = GameSeconds(1000, 3, 4, 0, 0, 0);
    for (std::int64_t s = 0; s < kVanaDay; s += 25 * 37) {
        auto t = At(day + s);
        const int current = t.game.Hour * 60 + t.game.Minute;
        auto page = Page(t);
        for (std::size_t r = 0; r < kShipRouteCount; ++r) {
            const auto& route = kShipRoutes[r];
            for (int c = 0; c < 3; ++c) {
                int best = 24 * 60 * 2;
                for (std::size_t i = 0; i < route.count; ++i) {
                    const auto& at = route.sailings[i].at[static_cast<std::size_t>(c)];
                    int key = at.hour * 60 + at.minute;
                    if (key <= current) key += 24 * 60;
                    best = std::min(best, key);
                }
                const auto& view = page[r].columns[static_cast<std::size_t>(c)];
                char expected[8];
                std::snprintf(expected, sizeof expected, "%.2d:%.2d", best / 60 % 24, best % 60);
                EXPECT_EQ(view.time.substr(1, 5), expected) << "row " << r << " col " << c;
                const int limit = r == 8 ? 19 * 60 + 13 : 14 * 60 + 25;
                const int shown = std::stoi(view.countdown.substr(0, 2)) * 60 + std::stoi(view.countdown.substr(3));
                EXPECT_GE(shown, 1);
                EXPECT_LE(shown, limit);
            }
        }
    }
}

}  // namespace
}  // namespace norvane
