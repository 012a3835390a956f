#pragma once
// The options dialog's own values beside the time server: the main window's
// mouse-wheel scrolling and the three internet-access questions, with the
// defaults the dialog shows when nothing is stored.
#include <QString>

#include "platform/os_clock.h"

namespace norvane {

class SettingsStore;

inline constexpr int kWheelLinesMin = 1;
inline constexpr int kWheelLinesMax = 99;

struct GeneralOptions {
    // The dialog offers its own wheel handling switched on, although the main
    // window starts without it while nothing is stored.
    bool wheelOwn = true;
    int wheelLines = 3;
    bool timeServerAccess = true;
    bool webAccess = true;
    bool newVersionAccess = true;
    friend bool operator==(const GeneralOptions&, const GeneralOptions&) = default;
};

// What the dialog opens with; the line count is held within 1..99, as its spin
// control would hold a stored value beyond that.
GeneralOptions ReadGeneralOptions(const SettingsStore& store);

// "Option\Scroll" "NewEnable" and "Count" (the count as the spin control's
// 16-bit signed position).
void StoreWheelOptions(SettingsStore& store, bool own, int lines);

// "Option" "TimeServerAccess", "WebAccess" and "NewVersionAccess".
void StoreAccessOptions(SettingsStore& store, bool timeServer, bool web, bool newVersion);

// "現在の時刻 : " and the local date and time as "yyyy/mm/dd hh:nn:ss", the way
// every other time of the program is written, whatever the user's locale.
QString TimeNowText(const EarthTime& local);

}  // namespace norvane
