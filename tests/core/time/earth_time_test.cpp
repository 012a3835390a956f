#include "core/time/earth_time.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

TEST(EarthTime, DayCountsFromYearOne) {
    EXPECT_EQ(DaysFromCivil(1, 1, 1), 0);
    EXPECT_EQ(DaysFromCivil(2003, 12, 1), 731'549);
    EXPECT_EQ(DaysFromCivil(1970, 1, 1), 719'162);
    // Leap days: 2000 is a leap year, 1900 is not.
    EXPECT_EQ(DaysFromCivil(2000, 3, 1) - DaysFromCivil(2000, 2, 28), 2);
    EXPECT_EQ(DaysFromCivil(1900, 3, 1) - DaysFromCivil(1900, 2, 28), 1);
    // Out-of-range days and months roll forward linearly.
    EXPECT_EQ(DaysFromCivil(2003, 12, 32), DaysFromCivil(2004, 1, 1));
    EXPECT_EQ(DaysFromCivil(2003, 13, 1), DaysFromCivil(2004, 1, 1));
}

TEST(EarthTime, SecondsRoundTrip) {
    for (std::int64_t s = -100'000'000'000LL; s < 100'000'000'000LL; s += 999'999'937) {
        auto t = EarthTimeFromSeconds(s);
        ASSERT_EQ(EarthSeconds(t), s);
        ASSERT_GE(t.month, 1);
        ASSERT_LE(t.month, 12);
        ASSERT_GE(t.hour, 0);
    }
    auto t = EarthTimeFromMilliseconds(-1);
    EXPECT_EQ(t.millisecond, 999);
    EXPECT_EQ(EarthMilliseconds(t), -1);
}

TEST(EarthTime, IsoWeekdayAndFormat) {
    EXPECT_EQ(IsoWeekday({2003, 12, 1}), 1);  // a Monday
    EXPECT_EQ(IsoWeekday({2026, 12, 6}), 7);  // a Sunday
    EXPECT_EQ(FormatEarthTime({2003, 12, 1, 18, 14, 24, 999}), "2003/12/01 18:14:24");
}

TEST(EarthTime, CountdownAddsOneSecondAndTruncates) {
    EarthTime target{2003, 12, 1, 10, 0, 0, 0};
    EXPECT_EQ(CountdownSeconds(target, {2003, 12, 1, 9, 59, 58, 500}), 2);
    EXPECT_EQ(CountdownSeconds(target, {2003, 12, 1, 9, 59, 59, 0}), 2);
    EXPECT_EQ(CountdownSeconds(target, {2003, 12, 1, 9, 59, 59, 1}), 1);
    EXPECT_EQ(CountdownSeconds(target, {2003, 12, 1, 9, 59, 59, 999}), 1);
    EXPECT_EQ(CountdownSeconds(target, {2003, 12, 1, 9, 45, 36, 0}), 865);
}

}  // namespace
}  // namespace norvane
