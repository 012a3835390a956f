#include "core/time/vanatime.h"

#include <cstdio>

#include "core/time/earth_time.h"

namespace norvane {
namespace {

// Floored division and matching non-negative remainder. For non-negative
// dividends these equal C++'s truncating operators.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}
constexpr std::int64_t FloorMod(std::int64_t a, std::int64_t b) {
    std::int64_t r = a % b;
    return (r < 0) ? r + b : r;
}

}  // namespace

std::int64_t VanaToSeconds(const VanaDateTime& d) {
    return std::int64_t{d.Year} * kVanaYear + (std::int64_t{d.Month} - 1) * kVanaMonth +
           (std::int64_t{d.Day} - 1) * kVanaDay + std::int64_t{d.Hour} * kVanaHour +
           std::int64_t{d.Minute} * kVanaMinute + d.Second;
}

VanaDateTime SecondsToVana(std::int64_t v) {
    VanaDateTime d;
    d.Weekday = static_cast<std::int32_t>(FloorMod(FloorDiv(v, kVanaDay), 8));
    // The two-day shift puts phase changes at 00:00 of days whose count is 5 mod 7.
    d.Moon = static_cast<std::int32_t>(FloorMod(FloorDiv(v + 172'800, kVanaMoonPhase), 12));
    d.Year = static_cast<std::int32_t>(FloorDiv(v, kVanaYear));
    std::int64_t r = FloorMod(v, kVanaYear);
    d.Month = static_cast<std::int32_t>(r / kVanaMonth + 1);
    r %= kVanaMonth;
    d.Day = static_cast<std::int32_t>(r / kVanaDay + 1);
    r %= kVanaDay;
    d.Hour = static_cast<std::int32_t>(r / kVanaHour);
    r %= kVanaHour;
    d.Minute = static_cast<std::int32_t>(r / kVanaMinute);
    d.Second = static_cast<std::int32_t>(r % kVanaMinute);
    return d;
}

std::int64_t VanaSecondsAt(const EarthTime& utc) {
    return (EarthSeconds(utc) - EarthBaseSeconds()) * kTimeFactor + VanaBaseSeconds();
}

VanaDateTime VanaTimeAt(const EarthTime& utc) { return SecondsToVana(VanaSecondsAt(utc)); }

std::string VanaTimeText(const VanaDateTime& d) {
    // Fields come from SecondsToVana, so the indices are in range; clamp anyway
    // because callers may hand in a hand-built record.
    auto wd = VanaWeekdayNames[static_cast<std::size_t>(FloorMod(d.Weekday, 8))];
    auto moon = MoonPhaseNames[static_cast<std::size_t>(FloorMod(d.Moon, 12))];
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.4d/%.2d/%.2d(%.*s) %.2d:%.2d:%.2d <%.*s>", d.Year, d.Month,
                  d.Day, static_cast<int>(wd.size()), wd.data(), d.Hour, d.Minute, d.Second,
                  static_cast<int>(moon.size()), moon.data());
    return buf;
}

VanaDateTime GetVanaTime() { return VanaTimeAt(GetUtcNow()); }

VanaDateTime GetVanaTime(std::string& text) {
    VanaDateTime d = GetVanaTime();
    text = VanaTimeText(d);
    return d;
}

EarthTime GetUtcNow() { return osClock().utcNow(); }
EarthTime GetLocalNow() { return osClock().localNow(); }
int GetLocalBias() { return osClock().localBias(); }

EarthTime VanaToEarth(std::int32_t year, std::int32_t month, std::int32_t day,
                      std::int32_t hour, std::int32_t minute, std::int32_t second, int bias) {
    VanaDateTime d;
    d.Year = year;
    d.Month = month;
    d.Day = day;
    d.Hour = hour;
    d.Minute = minute;
    d.Second = second;
    std::int64_t v = VanaToSeconds(d);
    std::int64_t e = (v - VanaBaseSeconds()) / kTimeFactor + EarthBaseSeconds();
    e -= std::int64_t{bias} * 60;
    return EarthTimeFromSeconds(e);
}

EarthTime VanaToEarth(std::int32_t year, std::int32_t month, std::int32_t day,
                      std::int32_t hour, std::int32_t minute, std::int32_t second) {
    return VanaToEarth(year, month, day, hour, minute, second, GetLocalBias());
}

EarthTime VanaToEarth(const VanaDateTime& d, int bias) {
    return VanaToEarth(d.Year, d.Month, d.Day, d.Hour, d.Minute, d.Second, bias);
}

int VanaDayCycle3(const VanaDateTime& d) {
    return static_cast<int>(FloorMod(FloorDiv(VanaToSeconds(d), kVanaDay), 3));
}

void VanaWeekCycle(const VanaDateTime& d, int& mod8, int& mod3) {
    std::int64_t w = FloorDiv(VanaToSeconds(d), kVanaWeek) + 2;
    mod8 = static_cast<int>(FloorMod(w, 8));
    mod3 = static_cast<int>(FloorMod(w, 3));
}

}  // namespace norvane
