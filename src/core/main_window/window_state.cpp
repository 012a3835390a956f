#include "core/main_window/window_state.h"

#include <algorithm>
#include <cstdio>

#include "core/settings/settings_store.h"
#include "core/time/earth_time.h"

namespace norvane {

NormalBounds ReadNormalBounds(const SettingsStore& s, int defaultWidth) {
    NormalBounds b;
    b.height = s.Read(setting::kWindowHeight);
    b.width = s.Read(setting::kWindowWidth, defaultWidth);
    b.top = s.Read(setting::kWindowTop);
    b.left = s.Read(setting::kWindowLeft);
    return b;
}

void WriteNormalBounds(SettingsStore& s, const NormalBounds& b) {
    s.Write(setting::kWindowTop, b.top);
    s.Write(setting::kWindowLeft, b.left);
    s.Write(setting::kWindowHeight, b.height);
    s.Write(setting::kWindowWidth, b.width);
}

QPoint ReadSimplePosition(const SettingsStore& s) {
    return {s.Read(setting::kSimpleLeft), s.Read(setting::kSimpleTop)};
}

void WriteSimplePosition(SettingsStore& s, QPoint p) {
    s.Write(setting::kSimpleTop, p.y());
    s.Write(setting::kSimpleLeft, p.x());
}

StartupSettings ReadStartupSettings(const SettingsStore& s) {
    StartupSettings r;
    r.bounds = ReadNormalBounds(s, setting::kWindowWidth.fallback);
    r.maximized = s.Read(setting::kWindowMaximized);
    r.alwaysOnTop = s.Read(setting::kAlwaysOnTop);
    r.wheelOwn = s.Read(setting::kWheelOwn);
    r.wheelLines = s.Read(setting::kWheelLines);
    r.racial = s.Read(setting::kRacial);
    r.chocobo = s.Read(setting::kChocobo);
    r.skillJob = s.Read(setting::kSkillJob);
    r.skillLv = s.Read(setting::kSkillLevel);
    r.calenBallista = s.Read(setting::kCalendarBallista);
    r.calenRacial = s.Read(setting::kCalendarRacial);
    r.calenJeuno = s.Read(setting::kCalendarJeuno);
    r.simpleMode = s.Read(setting::kSimpleMode);
    r.executeSync = s.Read(setting::kExecuteSync);
    r.page = s.Read(setting::kPage);
    return r;
}

void WriteCloseState(SettingsStore& s, const CloseState& c) {
    if (!c.simpleMode) {
        if (c.maximized) {
            s.Write(setting::kWindowMaximized, true);
        } else {
            s.Write(setting::kWindowMaximized, false);
            WriteNormalBounds(s, c.bounds);
        }
        s.Write(setting::kAlwaysOnTop, c.alwaysOnTop);
    } else {
        WriteSimplePosition(s, c.simplePos);
    }
    s.Write(setting::kRacial, c.racial);
    s.Write(setting::kChocobo, c.chocobo);
    s.Write(setting::kSkillJob, c.skillJob);
    s.Write(setting::kSkillLevel, c.skillLv);
    s.Write(setting::kCalendarBallista, c.calenBallista);
    s.Write(setting::kCalendarRacial, c.calenRacial);
    s.Write(setting::kCalendarJeuno, c.calenJeuno);
    s.Write(setting::kPage, c.page);
    s.Write(setting::kSimpleMode, c.simpleMode);
}

NormalBounds SaneBounds(NormalBounds b, const QRect& wa) {
    // A hand-edited file may hold negative or huge sizes: keep them between the
    // minimum size and the work area (or the minimum, for a tiny work area).
    b.width = std::clamp(b.width, kNormalMinWidth, std::max(kNormalMinWidth, wa.width()));
    b.height = std::clamp(b.height, kNormalMinHeight, std::max(kNormalMinHeight, wa.height()));
    return b;
}

bool AsksForSimpleMode(const std::vector<std::string>& args) {
    return args.size() > 1 && args[1].compare(0, 2, "/s") == 0;
}

std::string VanaClockText(const VanaDateTime& d) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.4d/%.2d/%.2d %.2d:%.2d:%.2d", d.Year, d.Month, d.Day, d.Hour,
                  d.Minute, d.Second);
    return buf;
}

std::string EarthClockText(const EarthTime& local) { return FormatEarthTime(local); }

}  // namespace norvane
