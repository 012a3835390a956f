// The PC clock moved back an hour or on a day while the pages run. The pages keep
// no schedule state, so every countdown must at once be what the new moment gives:
// never below zero, never beyond its period, and from there counting down one a
// second or moving on to a later target, in both time zones.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/schedules/chocobo_schedule.h"
#include "core/schedules/forecast.h"
#include "core/schedules/guild_schedule.h"
#include "core/schedules/racial_schedule.h"
#include "core/schedules/schedule_common.h"
#include "core/schedules/ship_schedule.h"
#include "core/time/earth_time.h"
#include "support/fake_os_clock.h"

namespace norvane {
namespace {

constexpr std::int64_t kGameDay = kVanaDay / kTimeFactor;  // 3456 Earth seconds

// "mm:ss" or "hh:mm:ss", the fields as wide as they come.
std::int64_t Seconds(const std::string& text) {
    std::int64_t total = 0, field = 0;
    for (char c : text) {
        if (c == ':') {
            total = (total + field) * 60;
            field = 0;
        } else {
            EXPECT_TRUE(c >= '0' && c <= '9') << text;
            field = field * 10 + (c - '0');
        }
    }
    return total + field;
}

struct Countdown {
    std::string what;
    std::int64_t seconds;
    std::int64_t longest;  // the period it counts within, plus the shown extra second
};

// Every countdown the schedule pages and forecast windows show at the moment the
// process clock reads, as a clock tick computes them.
std::vector<Countdown> Countdowns() {
    const ScheduleMoment m = CurrentScheduleMoment();
    std::vector<Countdown> all;
    const ShipPageView ships = ComputeShipPage(m.game, m.local, m.bias);
    for (std::size_t r = 0; r < ships.size(); ++r)
        for (std::size_t c = 0; c < 3; ++c)
            all.push_back({"ship " + std::to_string(r) + "/" + std::to_string(c),
                           Seconds(ships[r].columns[c].countdown), kGameDay + 1});
    const GuildPageView guilds = ComputeGuildPage(m.game, m.local, m.bias);
    for (std::size_t r = 0; r < guilds.size(); ++r)
        all.push_back({"guild " + std::to_string(r), Seconds(guilds[r].timeLeft), 2 * kGameDay + 1});
    all.push_back({"racial", Seconds(ComputeRacialNow(m.game, m.local, m.bias).timeLeft), 8 * kGameDay + 1});
    all.push_back({"chocobo", Seconds(ComputeChocoboNow(m.game, m.local, m.bias).timeLeft), kGameDay + 1});
    all.push_back({"week", WeekCountdownSeconds(m.game, m.local, m.bias), kGameDay + 1});
    all.push_back({"moon", MoonCountdownSeconds(m.game, m.game.Moon, m.local, m.bias), 7 * kGameDay + 1});
    return all;
}

TEST(ClockJump, EveryCountdownFollowsTheNewMomentAtOnce) {
    for (const int bias : {-540, 300}) {
        for (const std::int64_t jump : {-3'600LL, 86'400LL}) {
            // Moments spread over a game week, at odd milliseconds.
            for (int start = 0; start < 8; ++start) {
                SCOPED_TRACE(testing::Message() << "bias " << bias << " jump " << jump << " start " << start);
                FakeOsClock clock;
                clock.setBias(bias);
                clock.setUtc(EarthTimeFromMilliseconds(EarthMilliseconds({2024, 5, 17, 3, 4, 5, 0}) +
                                                       start * (kGameDay + 517) * 1000 + 250));
                ScopedOsClock scoped(clock);
                std::vector<Countdown> before = Countdowns();
                for (int second = 1; second <= 180; ++second) {
                    const bool jumps = second == 60;
                    clock.advanceMs(1000 + (jumps ? jump * 1000 : 0));
                    const std::vector<Countdown> now = Countdowns();
                    ASSERT_EQ(now.size(), before.size());
                    for (std::size_t i = 0; i < now.size(); ++i) {
                        const Countdown& c = now[i];
                        EXPECT_GE(c.seconds, 0) << c.what << " at " << second;
                        EXPECT_LE(c.seconds, c.longest) << c.what << " at " << second;
                        if (!jumps && c.seconds <= before[i].seconds) {
                            EXPECT_EQ(c.seconds, before[i].seconds - 1) << c.what << " at " << second;
                        }
                    }
                    before = now;
                }
            }
        }
    }
}

}  // namespace
}  // namespace norvane
