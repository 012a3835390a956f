#pragma once
// What the tray clock shows, as plain values of a moment: the weekday picture
// and the tooltip's lines. Its two settings live under "Tray".
#include <string>

#include "platform/os_clock.h"

namespace norvane {

class SettingsStore;

struct TrayTexts {
    int weekday = 0;  // index of the weekday picture
    std::string toolTip;
    friend bool operator==(const TrayTexts&, const TrayTexts&) = default;
};

// Game and Earth time to the minute: the tooltip changes once a game minute
// (2.4 Earth seconds) and a minute of the local clock, not at every tick.
TrayTexts TrayTextsAt(const EarthTime& utc, int bias);

struct TraySettings {
    bool enabled = false;      // "Tray" "Enabled"
    bool closeToTray = false;  // "Tray" "CloseToTray": closing the window hides it in the tray
};

TraySettings ReadTraySettings(const SettingsStore& store);
void WriteTraySettings(SettingsStore& store, const TraySettings& tray);

}  // namespace norvane
