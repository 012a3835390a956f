#include "core/time/vanatime.h"

#include <gtest/gtest.h>

#include "core/time/earth_time.h"
#include "support/fake_os_clock.h"

namespace norvane {
namespace {

EarthTime Utc(int y, int mo, int d, int h, int mi, int s, int ms = 0) {
    return EarthTime{y, mo, d, h, mi, s, ms};
}

VanaDateTime Vana(int y, int mo, int d, int h, int mi, int s) {
    VanaDateTime v;
    v.Year = y, v.Month = mo, v.Day = d, v.Hour = h, v.Minute = mi, v.Second = s;
    return v;
}

void ExpectVana(const VanaDateTime& d, int y, int mo, int day, int h, int mi, int s, int wd, int moon) {
    EXPECT_EQ(d.Year, y);
    EXPECT_EQ(d.Month, mo);
    EXPECT_EQ(d.Day, day);
    EXPECT_EQ(d.Hour, h);
    EXPECT_EQ(d.Minute, mi);
    EXPECT_EQ(d.Second, s);
    EXPECT_EQ(d.Weekday, wd);
    EXPECT_EQ(d.Moon, moon);
}

TEST(VanaTime, BaseCountsAreTheFixedPair) {
    EXPECT_EQ(EarthBaseSeconds(), 63'205'866'001);
    EXPECT_EQ(VanaBaseSeconds(), 29'069'604'000);
    EXPECT_EQ(EarthSeconds(Utc(2003, 12, 1, 9, 0, 1)), EarthBaseSeconds());
}

TEST(VanaTime, WorkedExampleAtTheBase) {
    auto d = VanaTimeAt(Utc(2003, 12, 1, 9, 0, 1));
    ExpectVana(d, 934, 8, 4, 18, 0, 0, 5, 5);
    EXPECT_EQ(VanaTimeText(d), "0934/08/04(雷) 18:00:00 <上弦の月>");
}

TEST(VanaTime, KnownInstants) {
    ExpectVana(VanaTimeAt(Utc(2003, 12, 1, 9, 0, 0)), 934, 8, 4, 17, 59, 35, 5, 5);
    ExpectVana(VanaTimeAt(Utc(2003, 12, 1, 9, 0, 2)), 934, 8, 4, 18, 0, 25, 5, 5);
    ExpectVana(VanaTimeAt(Utc(2003, 12, 2, 9, 0, 1)), 934, 8, 29, 18, 0, 0, 6, 8);
    ExpectVana(VanaTimeAt(Utc(2001, 12, 31, 15, 0, 1)), 886, 1, 1, 0, 0, 0, 0, 2);
    ExpectVana(VanaTimeAt(Utc(2001, 12, 31, 15, 0, 0)), 885, 12, 30, 23, 59, 35, 7, 1);
    ExpectVana(VanaTimeAt(Utc(2026, 12, 7, 2, 49, 36)), 1518, 5, 23, 7, 39, 35, 6, 5);
    ExpectVana(VanaTimeAt(Utc(1967, 1, 26, 5, 24, 1)), 0, 1, 1, 0, 0, 0, 0, 0);
}

TEST(VanaTime, MillisecondsNeverMatter) {
    EXPECT_EQ(VanaTimeAt(Utc(2003, 12, 1, 9, 0, 1, 999)), VanaTimeAt(Utc(2003, 12, 1, 9, 0, 1, 0)));
}

TEST(VanaTime, MoonChangesAtMidnightOfDaysFiveModSeven) {
    // Day counts 5 mod 7 start a new phase; the day before still shows the old one.
    for (std::int64_t day = 336'400; day < 336'500; ++day) {
        auto before = SecondsToVana(day * kVanaDay - 1);
        auto at = SecondsToVana(day * kVanaDay);
        if (day % 7 == 5)
            EXPECT_EQ(at.Moon, (before.Moon + 1) % 12) << day;
        else
            EXPECT_EQ(at.Moon, before.Moon) << day;
    }
}

TEST(VanaTime, RoundTripOverAWideRange) {
    for (std::int64_t v = 0; v < 4'000'000'000'000LL; v += 7'777'777'777LL + 13) {
        auto d = SecondsToVana(v);
        ASSERT_EQ(VanaToSeconds(d), v);
        ASSERT_GE(d.Month, 1);
        ASSERT_LE(d.Month, 12);
        ASSERT_GE(d.Day, 1);
        ASSERT_LE(d.Day, 30);
    }
}

TEST(VanaTime, OutOfRangeDaysNormalise) {
    auto d = SecondsToVana(VanaToSeconds(Vana(934, 8, 31, 0, 0, 0)));
    ExpectVana(d, 934, 9, 1, 0, 0, 0, d.Weekday, d.Moon);
    d = SecondsToVana(VanaToSeconds(Vana(934, 12, 31, 0, 0, 0)));
    EXPECT_EQ(d.Year, 935);
    EXPECT_EQ(d.Month, 1);
    EXPECT_EQ(d.Day, 1);
}

TEST(VanaTime, NegativeCountsStayInRange) {
    // A PC clock before 1967-01-26 05:24:01 UTC.
    auto d = SecondsToVana(-1);
    ExpectVana(d, -1, 12, 30, 23, 59, 59, 7, 0);
    EXPECT_EQ(VanaToSeconds(d), -1);
    for (std::int64_t v = -1; v > -40'000'000'000LL; v -= 123'456'789) {
        auto n = SecondsToVana(v);
        ASSERT_EQ(VanaToSeconds(n), v);
        ASSERT_GE(n.Weekday, 0);
        ASSERT_LE(n.Weekday, 7);
        ASSERT_GE(n.Moon, 0);
        ASSERT_LE(n.Moon, 11);
        ASSERT_GE(n.Hour, 0);
        ASSERT_GE(n.Second, 0);
    }
    auto old = VanaTimeAt(Utc(1900, 1, 1, 0, 0, 0));
    EXPECT_LT(old.Year, 0);
    EXPECT_FALSE(VanaTimeText(old).empty());
}

TEST(VanaToEarth, WorkedExamplesAtUtcPlusNine) {
    EXPECT_EQ(FormatEarthTime(VanaToEarth(934, 8, 4, 23, 59, 59, -540)), "2003/12/01 18:14:24");
    EXPECT_EQ(FormatEarthTime(VanaToEarth(886, 1, 1, 0, 0, 0, -540)), "2002/01/01 00:00:01");
    EXPECT_EQ(FormatEarthTime(VanaToEarth(934, 8, 4, 18, 0, 0, 0)), "2003/12/01 09:00:01");
}

TEST(VanaToEarth, FollowsTheBiasOnly) {
    // Western zones, a daylight bias and a half-hour zone.
    EXPECT_EQ(FormatEarthTime(VanaToEarth(934, 8, 4, 18, 0, 0, 300)), "2003/12/01 04:00:01");
    EXPECT_EQ(FormatEarthTime(VanaToEarth(934, 8, 4, 18, 0, 0, 240)), "2003/12/01 05:00:01");
    EXPECT_EQ(FormatEarthTime(VanaToEarth(934, 8, 4, 18, 0, 0, -330)), "2003/12/01 14:30:01");
    EXPECT_EQ(FormatEarthTime(VanaToEarth(934, 8, 4, 18, 0, 0, 600)), "2003/11/30 23:00:01");
}

TEST(VanaToEarth, AcceptsDayPastTheMonthEnd) {
    EXPECT_EQ(VanaToEarth(934, 8, 31, 0, 0, 0, 0), VanaToEarth(934, 9, 1, 0, 0, 0, 0));
    EXPECT_EQ(VanaToEarth(934, 12, 31, 6, 0, 0, 0), VanaToEarth(935, 1, 1, 6, 0, 0, 0));
}

TEST(VanaToEarth, UsesTheProcessClockBias) {
    FakeOsClock fake;
    ScopedOsClock scope(fake);
    fake.setBias(-540);
    EXPECT_EQ(FormatEarthTime(VanaToEarth(934, 8, 4, 23, 59, 59)), "2003/12/01 18:14:24");
    fake.setBias(0);
    EXPECT_EQ(FormatEarthTime(VanaToEarth(934, 8, 4, 23, 59, 59)), "2003/12/01 09:14:24");
}

TEST(VanaTime, GetVanaTimeReadsTheProcessClock) {
    FakeOsClock fake;
    ScopedOsClock scope(fake);
    fake.setUtc(Utc(2003, 12, 1, 9, 0, 1, 500));
    fake.setBias(-540);  // the zone never changes game time
    std::string text;
    auto d = GetVanaTime(text);
    ExpectVana(d, 934, 8, 4, 18, 0, 0, 5, 5);
    EXPECT_EQ(text, "0934/08/04(雷) 18:00:00 <上弦の月>");
}

TEST(VanaCycles, DayAndWeekCycles) {
    auto base = SecondsToVana(VanaBaseSeconds());  // day count 336,453
    EXPECT_EQ(VanaDayCycle3(base), 336'453 % 3);
    int m8 = -1, m3 = -1;
    VanaWeekCycle(base, m8, m3);
    const std::int64_t w = VanaBaseSeconds() / kVanaWeek + 2;
    EXPECT_EQ(m8, w % 8);
    EXPECT_EQ(m3, w % 3);
    // One game week later both cycles step by one.
    auto next = SecondsToVana(VanaBaseSeconds() + kVanaWeek);
    int n8, n3;
    VanaWeekCycle(next, n8, n3);
    EXPECT_EQ(n8, (m8 + 1) % 8);
    EXPECT_EQ(n3, (m3 + 1) % 3);
    // Negative counts never give negative cycle values.
    auto neg = SecondsToVana(-5 * kVanaDay);
    EXPECT_GE(VanaDayCycle3(neg), 0);
    VanaWeekCycle(neg, n8, n3);
    EXPECT_GE(n8, 0);
    EXPECT_GE(n3, 0);
}

}  // namespace
}  // namespace norvane
