#include "core/cli/clock_face.h"

#include <QJsonValue>
#include <QString>

#include <chrono>
#include <ostream>
#include <string>

#include "core/time/earth_time.h"
#include "core/time/vanatime.h"

namespace norvane {
namespace {

// Slept past the second's turn, so that a wall clock slewed against the steady
// one does not wake the loop just before it and make it wake twice.
constexpr std::int64_t kPastTheTurnMs = 2;

QJsonValue Name(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

FaceRow ClockRow(const EarthTime& utc, int bias) {
    const VanaDateTime d = VanaTimeAt(utc);
    const EarthTime local = EarthTimeFromSeconds(EarthSeconds(utc) - std::int64_t{bias} * 60);
    FaceRow row;
    row.Text("text", VanaTimeText(d))
        .Field("earth", QString::fromStdString(FormatIsoLocal(local, bias)))
        .Field("year", d.Year)
        .Field("month", d.Month)
        .Field("day", d.Day)
        .Field("hour", d.Hour)
        .Field("minute", d.Minute)
        .Field("second", d.Second)
        .Field("weekday", d.Weekday)
        .Field("weekdayName", Name(VanaWeekdayNames[static_cast<std::size_t>(d.Weekday)]))
        .Field("moon", d.Moon)
        .Field("moonName", Name(MoonPhaseNames[static_cast<std::size_t>(d.Moon)]));
    return row;
}

bool WakeableSleeper::Sleep(std::int64_t ms) {
    std::unique_lock lock(mutex_);
    woken_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return stopped_; });
    return !stopped_;
}

void WakeableSleeper::Stop() {
    {
        std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    woken_.notify_all();
}

int FollowClock(const OsClock& clock, FollowSleeper& sleeper, FaceFormat format, std::ostream& out) {
    std::string shown;
    bool first = true;
    while (true) {
        const EarthTime utc = clock.utcNow();
        const FaceRow row = ClockRow(utc, clock.localBias());
        const std::string& text = row.texts.front().second;
        if (first || text != shown) {
            WriteFace({row}, format, out);
            out.flush();
            if (!out) return 0;
            shown = text;
            first = false;
        }
        if (!sleeper.Sleep(1000 - utc.millisecond + kPastTheTurnMs)) return 0;
    }
}

}  // namespace norvane
