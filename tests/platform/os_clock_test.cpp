#include "platform/os_clock.h"

#include <gtest/gtest.h>

#include "support/scoped_tz.h"

#include <cstdlib>
#include <ctime>
#include <string>

#include "core/time/earth_time.h"
#include "support/fake_os_clock.h"

namespace norvane {
namespace {


TEST(SystemClock, BiasFollowsTheZoneAndItsDaylightState) {
    const EarthTime winter{2026, 1, 15, 12, 0, 0, 0};
    const EarthTime summer{2026, 7, 15, 12, 0, 0, 0};
    {
        ScopedTz tz("America/New_York");
        EXPECT_EQ(SystemBiasAt(winter), 300);
        EXPECT_EQ(SystemBiasAt(summer), 240);
    }
    {
        ScopedTz tz("Asia/Tokyo");
        EXPECT_EQ(SystemBiasAt(winter), -540);
        EXPECT_EQ(SystemBiasAt(summer), -540);
    }
    {
        ScopedTz tz("Asia/Kolkata");
        EXPECT_EQ(SystemBiasAt(summer), -330);
    }
    {
        // A zone that cannot be read counts as UTC.
        ScopedTz tz("No/Such_Zone");
        EXPECT_EQ(SystemBiasAt(summer), 0);
    }
}

TEST(SystemClock, LocalNowIsUtcLessTheBias) {
    ScopedTz tz("Asia/Tokyo");
    SystemOsClock c;
    const auto utc = EarthMilliseconds(c.utcNow());
    const auto local = EarthMilliseconds(c.localNow());
    EXPECT_NEAR(static_cast<double>(local - utc), 540.0 * 60'000, 5'000.0);
    EXPECT_EQ(c.localBias(), -540);
}

// The clock tick is aimed 2 ms past the next half-second boundary strictly
// ahead; one that came a little early still aims at the boundary it missed.
TEST(ClockTick, DelayReachesJustPastTheNextHalfSecond) {
    const struct {
        int ms;
        int delay;
    } cases[] = {{0, 502}, {1, 501}, {2, 500}, {300, 202}, {499, 3}, {500, 502},
                 {502, 500}, {880, 122}, {998, 4}, {999, 3}};
    for (const auto& c : cases) {
        const EarthTime now{2026, 12, 9, 20, 59, 59, c.ms};
        EXPECT_EQ(ClockTickDelay(now), c.delay) << c.ms;
        // Whatever the reading, the tick after the delay lands 2 ms into a half-second.
        EXPECT_EQ((c.ms + ClockTickDelay(now)) % kClockTickPeriodMs, kClockTickLagMs) << c.ms;
    }
}

TEST(FakeClock, ScopedReplacementAndArithmetic) {
    FakeOsClock fake;
    {
        ScopedOsClock scope(fake);
        EXPECT_EQ(&osClock(), &fake);
        fake.setUtc({2003, 12, 31, 23, 59, 59, 900});
        fake.setBias(-540);
        EXPECT_EQ(osClock().localNow(), (EarthTime{2004, 1, 1, 8, 59, 59, 900}));
        fake.advanceMs(100);
        EXPECT_EQ(osClock().utcNow(), (EarthTime{2004, 1, 1, 0, 0, 0, 0}));
        fake.setTick(0xFFFFFFF0u);
        fake.advanceTick(0x20);
        EXPECT_EQ(osClock().tickCount(), 0x10u);
    }
    EXPECT_NE(&osClock(), &fake);
}

}  // namespace
}  // namespace norvane
