#include "core/schedules/schedule_common.h"

#include <algorithm>

#include "core/time/earth_time.h"

namespace norvane {

ScheduleMoment ScheduleMomentAt(const EarthTime& utc, int bias) {
    ScheduleMoment m;
    m.game = VanaTimeAt(utc);
    m.bias = bias;
    m.local = EarthTimeFromMilliseconds(EarthMilliseconds(utc) - std::int64_t{bias} * 60'000);
    return m;
}

ScheduleMoment CurrentScheduleMoment() {
    const EarthTime utc = osClock().utcNow();
    return ScheduleMomentAt(utc, osClock().localBias());
}

Colour CountdownColour(std::int64_t shownSeconds) {
    if (shownSeconds < 60) return kColourCountdownUnder1Min;
    if (shownSeconds < 180) return kColourCountdownUnder3Min;
    if (shownSeconds < 300) return kColourCountdownUnder5Min;
    return kColourBlack;
}

std::int64_t ShownCountdown(const EarthTime& target, const EarthTime& localNow) {
    return std::max<std::int64_t>(0, CountdownSeconds(target, localNow));
}

namespace {

std::int64_t LocalSecondsReaching(std::int64_t vanaSeconds, int bias) {
    // The clock reaches the target at the Earth second the division rounds up to.
    const std::int64_t fromBase = vanaSeconds - VanaBaseSeconds();
    std::int64_t steps = fromBase / kTimeFactor;
    if (steps * kTimeFactor < fromBase) ++steps;
    return EarthBaseSeconds() + steps - std::int64_t{bias} * 60;
}

}  // namespace

EarthTime LocalTimeReaching(std::int64_t vanaSeconds, int bias) {
    return EarthTimeFromSeconds(LocalSecondsReaching(vanaSeconds, bias));
}

std::int64_t ShownCountdownUntil(std::int64_t vanaSeconds, const EarthTime& localNow, int bias) {
    const std::int64_t leftMs = LocalSecondsReaching(vanaSeconds, bias) * 1000 - EarthMilliseconds(localNow);
    return leftMs > 0 ? (leftMs + 999) / 1000 : 0;
}

void AppendTwoDigits(std::string& out, std::int64_t value) {
    // Called on every tick for dozens of labels; plain digit pushing beats snprintf.
    if (value < 0) value = 0;
    char buf[20];
    int n = 0;
    do {
        buf[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    if (n == 1) buf[n++] = '0';
    while (n > 0) out.push_back(buf[--n]);
}

std::string FormatMinutesSeconds(std::int64_t seconds) {
    std::string s;
    AppendTwoDigits(s, seconds / 60);
    s.push_back(':');
    AppendTwoDigits(s, seconds % 60);
    return s;
}

std::string FormatHoursMinutesSeconds(std::int64_t seconds) {
    std::string s;
    AppendTwoDigits(s, seconds / 3600);
    s.push_back(':');
    AppendTwoDigits(s, seconds / 60 % 60);
    s.push_back(':');
    AppendTwoDigits(s, seconds % 60);
    return s;
}

}  // namespace norvane
