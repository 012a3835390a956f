#include "core/schedules/chocobo_schedule.h"

#include <gtest/gtest.h>

#include "schedule_test_support.h"

namespace norvane {
namespace {

using testing::GameSeconds;
using testing::OnDay;
using testing::ParseShown;
using testing::Tick;
using testing::TickAtGame;

class ChocoboPage : public ::testing::TestWithParam<int> {
protected:
    Tick At(std::int64_t game) const { return TickAtGame(game, GetParam()); }
    ChocoboNowView Now(std::int64_t game) const {
        auto t = At(game);
        return ComputeChocoboNow(t.game, t.local, t.bias);
    }
};

INSTANTIATE_TEST_SUITE_P(Zones, ChocoboPage, ::testing::ValuesIn(testing::kBiases));

// Days with cycles 0, 1 and 2 follow one another from here.
constexpr std::int64_t kCycle0Day = testing::kDay1000;

TEST_P(ChocoboPage, UpperPartFollowsTheDayCycle) {
    auto c0 = Now(OnDay(kCycle0Day, 12, 0));
    EXPECT_EQ(c0.cycle, 0);
    EXPECT_EQ(c0.towns, (std::array<std::string, 4>{"→ バス", "→ ウィン", "→ ジュノ", "→ ノーグ"}));
    auto c1 = Now(OnDay(kCycle0Day + 1, 12, 0));
    EXPECT_EQ(c1.cycle, 1);
    EXPECT_EQ(c1.towns, (std::array<std::string, 4>{"→ ウィン", "→ ジュノ", "→ サンド", ""}));
    auto c2 = Now(OnDay(kCycle0Day + 2, 12, 0));
    EXPECT_EQ(c2.towns, (std::array<std::string, 4>{"→ ジュノ", "→ サンド", "→ バス", ""}));
}

TEST_P(ChocoboPage, TimeLeftInTheGameDay) {
    EXPECT_EQ(Now(OnDay(kCycle0Day, 18, 0)).timeLeft, "00:14:24");
    EXPECT_EQ(Now(OnDay(kCycle0Day, 23, 59, 35)).timeLeft, "00:00:01");
    EXPECT_EQ(Now(OnDay(kCycle0Day + 1, 0, 0)).timeLeft, "00:57:36");
}

TEST_P(ChocoboPage, ListStartsTomorrowWithRowsOneGameDayApart) {
    // From the second-last day of the year, the rows run into the next year.
    auto t = At(GameSeconds(1000, 12, 29, 18, 0, 0));
    auto rows = ComputeChocoboSchedule(t.game, 0, t.bias);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0].period.substr(0, 19), FormatEarthTime(VanaToEarth(1000, 12, 30, 0, 0, 0, t.bias)));
    EXPECT_EQ(rows[2].period.substr(0, 19), FormatEarthTime(VanaToEarth(1001, 1, 2, 0, 0, 0, t.bias)));
    const auto tomorrow = VanaToSeconds(t.game) / kVanaDay + 1;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto start = EarthSeconds(ParseShown(rows[i].period.substr(0, 19)));
        const auto end = EarthSeconds(ParseShown(rows[i].period.substr(22)));
        EXPECT_EQ(rows[i].period.substr(19, 3), " ~ ");
        EXPECT_EQ(end - start, 3'455);  // 86,399 game seconds, fraction dropped
        if (i > 0) {
            const auto prev = EarthSeconds(ParseShown(rows[i - 1].period.substr(0, 19)));
            EXPECT_EQ(start - prev, 3'456);
        }
        const int cycle = static_cast<int>((tomorrow + static_cast<std::int64_t>(i)) % 3);
        EXPECT_EQ(rows[i].cycle, cycle);
        EXPECT_EQ(rows[i].destination, ChocoDestinationText(kChocoDestinations[0][static_cast<std::size_t>(cycle)].longName));
    }
    EXPECT_EQ(ChocoDestinationText("バストゥーク"), "→ バストゥーク");
}

TEST_P(ChocoboPage, KazhamOffersNorgOneDayInThree) {
    auto t = At(OnDay(kCycle0Day, 6, 0));
    auto rows = ComputeChocoboSchedule(t.game, 3, t.bias);
    ASSERT_EQ(rows.size(), 10u);
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].destination, (i % 3 == 2) ? "→ ノーグ" : "") << i;
}

TEST_P(ChocoboPage, NoTownChosenGivesNoRows) {
    auto t = At(OnDay(kCycle0Day, 6, 0));
    EXPECT_TRUE(ComputeChocoboSchedule(t.game, kNoTown, t.bias).empty());
    EXPECT_TRUE(ComputeChocoboSchedule(t.game, 4, t.bias).empty());
}

}  // namespace
}  // namespace norvane
