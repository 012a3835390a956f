#include "core/main_window/window_state.h"

#include <algorithm>
#include <cstdio>

#include "core/settings/settings_store.h"
#include "core/time/earth_time.h"

namespace norvane {

NormalBounds ReadNormalBounds(const SettingsStore& s, int defaultWidth) {
    NormalBounds b;
    b.height = s.ReadInteger("Window", "Height", 324);
    b.width = s.ReadInteger("Window", "Width", defaultWidth);
    b.top = s.ReadInteger("Window", "Top", 10);
    b.left = s.ReadInteger("Window", "Left", 10);
    return b;
}

void WriteNormalBounds(SettingsStore& s, const NormalBounds& b) {
    s.WriteInteger("Window", "Top", b.top);
    s.WriteInteger("Window", "Left", b.left);
    s.WriteInteger("Window", "Height", b.height);
    s.WriteInteger("Window", "Width", b.width);
}

QPoint ReadSimplePosition(const SettingsStore& s) {
    return {s.ReadInteger("Window\\Simple", "Left", 10), s.ReadInteger("Window\\Simple", "Top", 10)};
}

void WriteSimplePosition(SettingsStore& s, QPoint p) {
    s.WriteInteger("Window\\Simple", "Top", p.y());
    s.WriteInteger("Window\\Simple", "Left", p.x());
}

StartupSettings ReadStartupSettings(const SettingsStore& s) {
    StartupSettings r;
    r.bounds = ReadNormalBounds(s, 514);
    r.maximized = s.ReadBool("Window", "Maximized", false);
    r.allways = s.ReadBool("Window", "Allways", false);
    r.wheelOwn = s.ReadBool("Option\\Scroll", "NewEnable", false);
    r.wheelLines = s.ReadInteger("Option\\Scroll", "Count", 3);
    r.racial = s.ReadInteger("Option", "Racial", -1);
    r.chocobo = s.ReadInteger("Option", "Chocobo", -1);
    r.skillJob = s.ReadInteger("Option", "SkillJob", -1);
    r.skillLv = s.ReadInteger("Option", "SkillLv", 1);
    r.calenBallista = s.ReadBool("Option\\Calendar", "Ballista", true);
    r.calenRacial = s.ReadBool("Option\\Calendar", "Racial", true);
    r.calenJeuno = s.ReadBool("Option\\Calendar", "Jeuno", true);
    r.simpleMode = s.ReadBool("Option", "SimpleMode", false);
    r.executeSync = s.ReadBool("Time", "ExecuteSync", false);
    r.page = s.ReadInteger("Option", "Page", 0);
    return r;
}

void WriteCloseState(SettingsStore& s, const CloseState& c) {
    if (!c.simpleMode) {
        if (c.maximized) {
            s.WriteBool("Window", "Maximized", true);
        } else {
            s.WriteBool("Window", "Maximized", false);
            WriteNormalBounds(s, c.bounds);
        }
        s.WriteBool("Window", "Allways", c.allways);
    } else {
        WriteSimplePosition(s, c.simplePos);
    }
    s.WriteInteger("Option", "Racial", c.racial);
    s.WriteInteger("Option", "Chocobo", c.chocobo);
    s.WriteInteger("Option", "SkillJob", c.skillJob);
    s.WriteInteger("Option", "SkillLv", c.skillLv);
    s.WriteBool("Option\\Calendar", "Ballista", c.calenBallista);
    s.WriteBool("Option\\Calendar", "Racial", c.calenRacial);
    s.WriteBool("Option\\Calendar", "Jeuno", c.calenJeuno);
    s.WriteInteger("Option", "Page", c.page);
    s.WriteBool("Option", "SimpleMode", c.simpleMode);
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
