#include "core/time/earth_time.h"

#include <charconv>
#include <cstdio>

namespace norvane {
namespace {

bool ParseInt(const std::string& s, std::size_t pos, std::size_t len, int& out) {
    if (pos + len > s.size()) return false;
    const char* b = s.data() + pos;
    for (std::size_t i = 0; i < len; ++i)
        if (b[i] < '0' || b[i] > '9') return false;
    auto [p, ec] = std::from_chars(b, b + len, out);
    return ec == std::errc() && p == b + len;
}

int DaysInMonth(int y, int m) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : kDays[m - 1];
}


constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// Days since 1970-01-01 (any year), after H. Hinnant's civil-calendar algorithm.
constexpr std::int64_t DaysFromEpoch(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = FloorDiv(y, 400);
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

constexpr std::int64_t kEpochFromYear1 = 719162;  // days from 0001-01-01 to 1970-01-01

void CivilFromDays(std::int64_t z, EarthTime& t) {
    z += 719468 - kEpochFromYear1;
    const std::int64_t era = FloorDiv(z, 146097);
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    t.year = static_cast<int>(y + (m <= 2));
    t.month = static_cast<int>(m);
    t.day = static_cast<int>(d);
}

}  // namespace

std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    // Months outside 1-12 roll into neighbouring years, days are linear.
    std::int64_t m0 = month - 1;
    year += FloorDiv(m0, 12);
    m0 -= FloorDiv(m0, 12) * 12;
    return DaysFromEpoch(year, static_cast<unsigned>(m0 + 1), 1) + (day - 1) + kEpochFromYear1;
}

std::int64_t EarthSeconds(const EarthTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * 86'400 + std::int64_t{t.hour} * 3'600 +
           std::int64_t{t.minute} * 60 + t.second;
}

std::int64_t EarthMilliseconds(const EarthTime& t) {
    return EarthSeconds(t) * 1000 + t.millisecond;
}

EarthTime EarthTimeFromSeconds(std::int64_t seconds) {
    EarthTime t;
    std::int64_t days = FloorDiv(seconds, 86'400);
    std::int64_t rest = seconds - days * 86'400;
    CivilFromDays(days, t);
    t.hour = static_cast<int>(rest / 3'600);
    t.minute = static_cast<int>(rest % 3'600 / 60);
    t.second = static_cast<int>(rest % 60);
    t.millisecond = 0;
    return t;
}

EarthTime EarthTimeFromMilliseconds(std::int64_t ms) {
    std::int64_t s = FloorDiv(ms, 1000);
    EarthTime t = EarthTimeFromSeconds(s);
    t.millisecond = static_cast<int>(ms - s * 1000);
    return t;
}

int IsoWeekday(const EarthTime& t) {
    // 0001-01-01 was a Monday.
    std::int64_t days = DaysFromCivil(t.year, t.month, t.day);
    return static_cast<int>(days - FloorDiv(days, 7) * 7) + 1;
}

std::string FormatEarthTime(const EarthTime& t) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.4d/%.2d/%.2d %.2d:%.2d:%.2d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return buf;
}

std::string FormatIsoLocal(const EarthTime& t, int bias) {
    const int offset = bias < 0 ? -bias : bias;
    char buf[80];
    std::snprintf(buf, sizeof buf, "%.4d-%.2d-%.2dT%.2d:%.2d:%.2d%c%.2d:%.2d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second, bias > 0 ? '-' : '+', offset / 60, offset % 60);
    return buf;
}

std::int64_t CountdownSeconds(const EarthTime& target, const EarthTime& now) {
    return (EarthMilliseconds(target) - EarthMilliseconds(now) + 1000) / 1000;
}

std::optional<EarthTime> ParseIsoUtc(const std::string& s) {
    EarthTime t;
    if (s.size() < 20 || s[4] != '-' || s[7] != '-' || (s[10] != 'T' && s[10] != 't') ||
        s[13] != ':' || s[16] != ':')
        return std::nullopt;
    if (!ParseInt(s, 0, 4, t.year) || !ParseInt(s, 5, 2, t.month) || !ParseInt(s, 8, 2, t.day) ||
        !ParseInt(s, 11, 2, t.hour) || !ParseInt(s, 14, 2, t.minute) || !ParseInt(s, 17, 2, t.second))
        return std::nullopt;
    std::size_t i = 19;
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        ++i;
        std::size_t digits = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
        if (digits == 0) return std::nullopt;
    }
    std::string zone = s.substr(i);
    if (zone != "Z" && zone != "z" && zone != "+00:00" && zone != "-00:00") return std::nullopt;
    if (t.year < 1 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > DaysInMonth(t.year, t.month) ||
        t.hour > 23 || t.minute > 59 || t.second > 59)
        return std::nullopt;
    return t;
}

}  // namespace norvane
