#pragma once
// What the main window reads from the settings at start-up and writes when it
// closes or switches modes, as plain values; the window applies them.
#include <string>
#include <vector>

#include "core/main_window/window_geometry.h"
#include "core/time/vanatime.h"
#include "platform/os_clock.h"

namespace norvane {

class SettingsStore;

struct NormalBounds {
    int left = 10;
    int top = 10;
    int width = 514;
    int height = 324;
    friend bool operator==(const NormalBounds&, const NormalBounds&) = default;
};

struct StartupSettings {
    NormalBounds bounds;
    bool maximized = false;
    bool alwaysOnTop = false;
    bool wheelOwn = false;
    int wheelLines = 3;
    int racial = -1;
    int chocobo = -1;
    int skillJob = -1;
    int skillLv = 1;
    bool calenBallista = true;
    bool calenRacial = true;
    bool calenJeuno = true;
    bool simpleMode = false;
    bool executeSync = false;
    int page = 0;
};

// Everything the close request writes.
struct CloseState {
    bool simpleMode = false;
    bool maximized = false;
    NormalBounds bounds;     // normal mode, not maximized
    QPoint simplePos;      // simple mode
    bool alwaysOnTop = false;    // normal mode only
    int racial = -1;
    int chocobo = -1;
    int skillJob = -1;
    int skillLv = 1;
    bool calenBallista = true;
    bool calenRacial = true;
    bool calenJeuno = true;
    int page = 0;
};

inline constexpr int kNormalMinWidth = 490;
inline constexpr int kNormalMinHeight = 178;
inline constexpr int kSimpleWidth = 426;
inline constexpr int kSimpleHeight = 56;

StartupSettings ReadStartupSettings(const SettingsStore& store);
// The normal-mode bounds; the switch back from simple mode names 490 as width default.
NormalBounds ReadNormalBounds(const SettingsStore& store, int defaultWidth);
void WriteNormalBounds(SettingsStore& store, const NormalBounds& b);
QPoint ReadSimplePosition(const SettingsStore& store);
void WriteSimplePosition(SettingsStore& store, QPoint p);
void WriteCloseState(SettingsStore& store, const CloseState& s);

// Sizes read from a hand-edited file are held to sane limits before use.
NormalBounds SaneBounds(NormalBounds b, const QRect& workArea);

// Only the first two characters of the first argument count: "/s", "/simple".
bool AsksForSimpleMode(const std::vector<std::string>& args);

// The clock panel's two lines.
std::string VanaClockText(const VanaDateTime& d);
std::string EarthClockText(const EarthTime& local);

}  // namespace norvane
