#include "core/schedules/schedule_common.h"

#include "core/schedules/chocobo_schedule.h"
#include "core/schedules/forecast.h"
#include "core/schedules/guild_schedule.h"
#include "core/schedules/racial_schedule.h"
#include "core/schedules/ship_schedule.h"
#include "schedule_test_support.h"
#include "support/fake_os_clock.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace norvane {
namespace {

TEST(ScheduleMoment, GameAndLocalTimeOfOneInstant) {
    FakeOsClock clock;
    clock.setUtc({2003, 12, 1, 9, 0, 1, 750});
    clock.setBias(-540);
    ScopedOsClock scoped(clock);
    auto m = CurrentScheduleMoment();
    EXPECT_EQ(m.bias, -540);
    EXPECT_EQ(m.local, (EarthTime{2003, 12, 1, 18, 0, 1, 750}));
    EXPECT_EQ(VanaTimeText(m.game), "0934/08/04(雷) 18:00:00 <上弦の月>");
    // West of UTC the local date lags behind.
    EXPECT_EQ(ScheduleMomentAt({2004, 1, 1, 2, 0, 0, 0}, 300).local, (EarthTime{2003, 12, 31, 21, 0, 0, 0}));
}

TEST(Countdown, ColourThresholdsOfTheShownValue) {
    EXPECT_EQ(CountdownColour(0), 0x0010FFu);
    EXPECT_EQ(CountdownColour(59), 0x0010FFu);
    EXPECT_EQ(CountdownColour(60), 0x0060FFu);
    EXPECT_EQ(CountdownColour(179), 0x0060FFu);
    EXPECT_EQ(CountdownColour(180), 0x0080FFu);
    EXPECT_EQ(CountdownColour(299), 0x0080FFu);
    EXPECT_EQ(CountdownColour(300), 0u);
    EXPECT_EQ(CountdownColour(3600), 0u);
}

TEST(Countdown, AddsOneSecondAndDropsTheFraction) {
    const EarthTime target{2003, 12, 1, 9, 1, 0, 0};
    EXPECT_EQ(ShownCountdown(target, {2003, 12, 1, 9, 0, 0, 0}), 61);
    EXPECT_EQ(ShownCountdown(target, {2003, 12, 1, 9, 0, 0, 1}), 60);
    EXPECT_EQ(ShownCountdown(target, {2003, 12, 1, 9, 0, 0, 999}), 60);
    // At the target the display still reads one second; past it, zero, never negative.
    EXPECT_EQ(ShownCountdown(target, target), 1);
    EXPECT_EQ(ShownCountdown(target, {2003, 12, 1, 9, 1, 0, 500}), 0);
    EXPECT_EQ(ShownCountdown(target, {2003, 12, 1, 9, 1, 3, 0}), 0);
}

// The racial and chocobo pages count to the turn of the week and the day, which
// the clock shows at a whole Earth second: through the last second they read
// 00:00:01, at any millisecond of a tick, and the next tick shows the new period.
TEST(Countdown, DayAndWeekEndsReadOneSecondToTheLastAndNeverZero) {
    const std::int64_t weekStart = testing::DayWithWeekday(8) * kVanaDay;
    for (const int bias : testing::kBiases) {
        const EarthTime turn = testing::TickAtGame(weekStart, bias).utc;
        for (std::int64_t ms = -2500; ms < 1000; ms += 100) {
            SCOPED_TRACE(::testing::Message() << "bias " << bias << " ms " << ms);
            const ScheduleMoment m = ScheduleMomentAt(EarthTimeFromMilliseconds(EarthMilliseconds(turn) + ms), bias);
            const std::int64_t left = ms < 0 ? (-ms + 999) / 1000 : 0;
            const RacialNowView racial = ComputeRacialNow(m.game, m.local, m.bias);
            const ChocoboNowView chocobo = ComputeChocoboNow(m.game, m.local, m.bias);
            EXPECT_EQ(racial.timeLeft, ms < 0 ? FormatHoursMinutesSeconds(left) : "07:40:48");
            EXPECT_EQ(chocobo.timeLeft, ms < 0 ? FormatHoursMinutesSeconds(left) : "00:57:36");
            EXPECT_EQ(ShownCountdownUntil(weekStart, m.local, bias), left);
        }
    }
    // A game second between two Earth seconds is reached at the later one.
    const EarthTime local{2003, 12, 1, 18, 0, 1, 0};  // game 18:00:00 at the base, UTC+9
    EXPECT_EQ(ShownCountdownUntil(VanaBaseSeconds() + 26, local, -540), 2);
    EXPECT_EQ(ShownCountdownUntil(VanaBaseSeconds() + 25, local, -540), 1);
    EXPECT_EQ(ShownCountdownUntil(VanaBaseSeconds(), local, -540), 0);
}

// One countdown as a page shows it: the event it runs to, its value and its text.
struct ShownCount {
    std::int64_t event;
    std::int64_t seconds;
    std::string text;
};

// Every countdown of the pages and forecast windows, at 100 ms steps over two game
// days around a moon phase's turn: none reads zero while its event is ahead, none
// rises while it runs to one event, and (except a guild's, which the holiday's
// start moves on early) each reads 1 on the last step before it moves on.
TEST(Countdown, NoPageReadsZeroBeforeItsEvent) {
    auto add = [](std::vector<ShownCount>& out, std::int64_t event, std::int64_t seconds, std::string text) {
        out.push_back({event, seconds, std::move(text)});
    };
    const struct Face {
        const char* name;
        bool movesOnlyAtItsEvent;
        std::function<void(const ScheduleMoment&, std::vector<ShownCount>&)> counts;
    } faces[] = {
        {"ships", true,
         [&](const ScheduleMoment& m, std::vector<ShownCount>& out) {
             for (const ShipRowView& row : ComputeShipPage(m.game, m.local, m.bias))
                 for (const ShipColumnView& c : row.columns)
                     add(out, EarthMilliseconds(c.target), c.secondsLeft, c.countdown);
         }},
        {"guilds", false,
         [&](const ScheduleMoment& m, std::vector<ShownCount>& out) {
             for (const GuildRowView& row : ComputeGuildPage(m.game, m.local, m.bias))
                 add(out, EarthMilliseconds(row.target), row.secondsLeft, row.timeLeft);
         }},
        {"week", true,
         [&](const ScheduleMoment& m, std::vector<ShownCount>& out) {
             const std::int64_t left = WeekCountdownSeconds(m.game, m.local, m.bias);
             add(out, VanaToSeconds(m.game) / kVanaDay, left, WeekCountdownText(left));
         }},
        {"moon", true,
         [&](const ScheduleMoment& m, std::vector<ShownCount>& out) {
             const std::int64_t left = MoonCountdownSeconds(m.game, m.game.Moon, m.local, m.bias);
             add(out, VanaToSeconds(MoonPhaseEnd(m.game, m.game.Moon)), left, MoonCountdownText(left));
         }},
        {"racial and chocobo", true,
         [&](const ScheduleMoment& m, std::vector<ShownCount>& out) {
             const RacialNowView racial = ComputeRacialNow(m.game, m.local, m.bias);
             add(out, EarthMilliseconds(racial.end), racial.secondsLeft, racial.timeLeft);
             const ChocoboNowView chocobo = ComputeChocoboNow(m.game, m.local, m.bias);
             add(out, EarthMilliseconds(chocobo.end), chocobo.secondsLeft, chocobo.timeLeft);
         }},
    };
    std::int64_t turn = testing::kDay1000 + 1;
    while (SecondsToVana(turn * kVanaDay).Moon == SecondsToVana((turn - 1) * kVanaDay).Moon) ++turn;
    for (const int bias : {-540, 300}) {
        const std::int64_t from = EarthMilliseconds(testing::TickAtGame((turn - 1) * kVanaDay, bias).utc);
        for (const Face& face : faces) {
            SCOPED_TRACE(::testing::Message() << face.name << ", bias " << bias);
            std::vector<ShownCount> before, now;
            int faults = 0;
            std::string first;
            auto fault = [&](std::int64_t ms, const ShownCount& c, const char* what) {
                if (faults++ == 0)
                    first = std::string(what) + " " + c.text + " at " + FormatEarthTime(EarthTimeFromMilliseconds(ms)) +
                            "." + std::to_string(ms % 1000);
            };
            for (std::int64_t ms = from; ms < from + 2 * kVanaDay / kTimeFactor * 1000; ms += 100) {
                const ScheduleMoment m = ScheduleMomentAt(EarthTimeFromMilliseconds(ms), bias);
                now.clear();
                face.counts(m, now);
                for (std::size_t i = 0; i < now.size(); ++i) {
                    const ShownCount& c = now[i];
                    if (c.seconds < 1 || c.text.find_first_not_of("0:") == std::string::npos) fault(ms, c, "zero");
                    if (before.empty()) continue;
                    const ShownCount& was = before[i];
                    if (c.event == was.event && c.seconds > was.seconds) fault(ms, c, "rose to");
                    if (c.event != was.event && face.movesOnlyAtItsEvent && was.seconds != 1)
                        fault(ms, was, "moved on from");
                }
                std::swap(before, now);
            }
            EXPECT_EQ(faults, 0) << "first: " << first;
        }
    }
}

TEST(Countdown, CountsAcrossMidnightAndTheYear) {
    EXPECT_EQ(ShownCountdown({2004, 1, 1, 0, 0, 5, 0}, {2003, 12, 31, 23, 59, 50, 0}), 16);
}

TEST(Countdown, Formats) {
    EXPECT_EQ(FormatMinutesSeconds(0), "00:00");
    EXPECT_EQ(FormatMinutesSeconds(59), "00:59");
    EXPECT_EQ(FormatMinutesSeconds(60), "01:00");
    // Minutes keep counting past the hour rather than wrapping.
    EXPECT_EQ(FormatMinutesSeconds(72 * 60 + 1), "72:01");
    EXPECT_EQ(FormatMinutesSeconds(100 * 60 + 5), "100:05");
    EXPECT_EQ(FormatHoursMinutesSeconds(7 * 3600 + 40 * 60 + 48), "07:40:48");
    EXPECT_EQ(FormatHoursMinutesSeconds(1), "00:00:01");
}

}  // namespace
}  // namespace norvane
