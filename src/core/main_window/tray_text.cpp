#include "core/main_window/tray_text.h"

#include <cstdio>

#include "core/settings/settings_store.h"
#include "core/time/earth_time.h"
#include "core/time/vanatime.h"

namespace norvane {

TrayTexts TrayTextsAt(const EarthTime& utc, int bias) {
    const VanaDateTime d = VanaTimeAt(utc);
    const EarthTime local = EarthTimeFromSeconds(EarthSeconds(utc) - std::int64_t{bias} * 60);
    char game[64];
    std::snprintf(game, sizeof game, "%.4d/%.2d/%.2d %.2d:%.2d", d.Year, d.Month, d.Day, d.Hour, d.Minute);
    char earth[64];
    std::snprintf(earth, sizeof earth, "%.4d/%.2d/%.2d", local.year, local.month, local.day);
    char earthClock[16];
    std::snprintf(earthClock, sizeof earthClock, "%.2d:%.2d", local.hour, local.minute);
    TrayTexts t;
    t.weekday = d.Weekday;
    t.toolTip = std::string("Norvane\nヴァナ時間 ") + game + "\n" + std::string(VanaWeekdayNames[d.Weekday]) +
                "曜日 " + std::string(MoonPhaseNames[d.Moon]) + "\n地球時間 " + earth + "(" +
                std::string(EarthWeekdayNames[IsoWeekday(local) - 1]) + ") " + earthClock;
    return t;
}

TraySettings ReadTraySettings(const SettingsStore& s) {
    return {s.Read(setting::kTrayEnabled), s.Read(setting::kCloseToTray)};
}

void WriteTraySettings(SettingsStore& s, const TraySettings& tray) {
    s.Write(setting::kTrayEnabled, tray.enabled);
    s.Write(setting::kCloseToTray, tray.closeToTray);
}

}  // namespace norvane
