#include "core/schedules/racial_schedule.h"

#include <gtest/gtest.h>

#include "schedule_test_support.h"

namespace norvane {
namespace {

using testing::DayWithWeekday;
using testing::GameSeconds;
using testing::OnDay;
using testing::ParseShown;
using testing::Tick;
using testing::TickAtGame;

class RacialPage : public ::testing::TestWithParam<int> {
protected:
    Tick At(std::int64_t game) const { return TickAtGame(game, GetParam()); }
    RacialNowView Now(std::int64_t game) const {
        auto t = At(game);
        return ComputeRacialNow(t.game, t.local, t.bias);
    }
    // Game second count at which a shown local Earth time begins.
    std::int64_t GameAtShown(const std::string& shown) const {
        auto utc = EarthTimeFromSeconds(EarthSeconds(ParseShown(shown)) + std::int64_t{GetParam()} * 60);
        return VanaSecondsAt(utc);
    }
};

INSTANTIATE_TEST_SUITE_P(Zones, RacialPage, ::testing::ValuesIn(testing::kBiases));

TEST_P(RacialPage, UpperPartAtTheBase) {
    // 0934/08/04 18:00 is week 42056: race (42056 + 2) mod 8 = 2, dungeon mod 3 = 1,
    // and 2 days 6 hours of the week are left.
    auto view = Now(GameSeconds(934, 8, 4, 18, 0, 0));
    EXPECT_EQ(view.raceText, "エルヴァーン♂");
    EXPECT_EQ(view.dungeonText, "シャクラミの迷宮");
    EXPECT_EQ(view.timeLeft, "02:09:36");
}

TEST_P(RacialPage, WeekEndCountsDownToOneSecondThenRaceAndDungeonMoveOn) {
    auto last = Now(OnDay(DayWithWeekday(7), 23, 59, 35));
    EXPECT_EQ(last.timeLeft, "00:00:01");
    auto next = Now(OnDay(DayWithWeekday(8), 0, 0, 0));
    EXPECT_EQ(next.race, (last.race + 1) % 8);
    EXPECT_EQ(next.dungeon, (last.dungeon + 1) % 3);
    EXPECT_EQ(next.timeLeft, "07:40:48");  // a whole week of Earth time
    EXPECT_EQ(next.raceText, kRaceNames[static_cast<std::size_t>(next.race)]);
}

TEST_P(RacialPage, CurrentRaceListsTheCurrentWeekFirst) {
    const auto now = GameSeconds(934, 8, 4, 18, 0, 0);
    auto t = At(now);
    auto rows = ComputeRacialSchedule(t.game, 2, t.bias);
    ASSERT_EQ(rows.size(), 10u);
    // Row 0 began at the week's first day, 00:00, which lies in the past.
    const auto weekStart = OnDay(336'448, 0, 0);  // the base day is its Weekday 5
    EXPECT_EQ(rows[0].period.substr(0, 19), FormatEarthTime(VanaToEarth(SecondsToVana(weekStart), t.bias)));
    EXPECT_EQ(rows[0].period.substr(19, 3), " ~ ");
    EXPECT_LT(weekStart, now);
    EXPECT_EQ(rows[0].dungeonText, "シャクラミの迷宮");
    EXPECT_EQ(rows[1].dungeonText, "グスゲン鉱山");
}

TEST_P(RacialPage, RowsAreEightWeeksApartWithTheDungeonSteppingByTwo) {
    auto t = At(GameSeconds(1000, 12, 28, 12, 0, 0));  // rows run into the next years
    int current = 0, ignored = 0;
    VanaWeekCycle(t.game, current, ignored);
    for (int race = 0; race < 8; ++race) {
        auto rows = ComputeRacialSchedule(t.game, race, t.bias);
        ASSERT_EQ(rows.size(), 10u);
        const auto first = GameAtShown(rows[0].period.substr(0, 19));
        const auto nowWeekStart = VanaToSeconds(t.game) / kVanaWeek * kVanaWeek;
        EXPECT_EQ(first, nowWeekStart + ((race - current + 8) % 8) * kVanaWeek) << race;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const auto start = ParseShown(rows[i].period.substr(0, 19));
            const auto end = ParseShown(rows[i].period.substr(22));
            // A week is 691,199 game seconds long: 27,647 whole Earth seconds.
            EXPECT_EQ(EarthSeconds(end) - EarthSeconds(start), 27'647);
            const auto game = GameAtShown(rows[i].period.substr(0, 19));
            EXPECT_EQ(game % kVanaWeek, 0);
            int r = 0, d = 0;
            VanaWeekCycle(SecondsToVana(game), r, d);
            EXPECT_EQ(r, race);
            EXPECT_EQ(rows[i].dungeon, d);
            EXPECT_EQ(rows[i].dungeonText, kDungeonNames[static_cast<std::size_t>(d)]);
            if (i > 0) {
                const auto prev = ParseShown(rows[i - 1].period.substr(0, 19));
                EXPECT_EQ(EarthSeconds(start) - EarthSeconds(prev), 221'184);  // 61 h 26 min 24 s
                EXPECT_EQ(rows[i].dungeon, (rows[i - 1].dungeon + 2) % 3);
            }
        }
    }
}

TEST_P(RacialPage, NoRaceChosenGivesNoRows) {
    auto t = At(GameSeconds(934, 8, 4, 18, 0, 0));
    EXPECT_TRUE(ComputeRacialSchedule(t.game, kNoRace, t.bias).empty());
    EXPECT_TRUE(ComputeRacialSchedule(t.game, 8, t.bias).empty());
}

TEST(RacialPageKnown, PeriodsAtTheBaseInJapan) {
    auto t = TickAtGame(GameSeconds(934, 8, 4, 18, 0, 0), -540);
    auto rows = ComputeRacialSchedule(t.game, 2, t.bias);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0].period, "2003/12/01 12:28:49 ~ 2003/12/01 20:09:36");
    EXPECT_EQ(rows[1].period, "2003/12/04 01:55:13 ~ 2003/12/04 09:36:00");
}

}  // namespace
}  // namespace norvane
