#pragma once
// Every value the settings file keeps: its section, its name and what it reads
// as when it is missing. Reads and writes of the store go through these entries,
// so a name is spelt in one place only: some are spelt as they have always been
// stored ("Allways"), and must stay so for existing files to be read.
#include <QString>
#include <array>

namespace norvane {

// One entry of the table. T is bool, int, or const char* for a text.
template <class T>
struct SettingKey {
    const char* section;
    const char* name;
    T fallback;
};

// A member of a family of entries (the twelve cells, the numbered sets and
// history items): a table entry whose section or name is computed.
template <class T>
struct NumberedKey {
    QString section;
    QString name;
    T fallback;
};

namespace setting {

// The main window.
inline constexpr SettingKey<int> kWindowTop{"Window", "Top", 10};
inline constexpr SettingKey<int> kWindowLeft{"Window", "Left", 10};
inline constexpr SettingKey<int> kWindowHeight{"Window", "Height", 324};
inline constexpr SettingKey<int> kWindowWidth{"Window", "Width", 514};
inline constexpr SettingKey<bool> kWindowMaximized{"Window", "Maximized", false};
inline constexpr SettingKey<bool> kAlwaysOnTop{"Window", "Allways", false};
inline constexpr SettingKey<int> kSimpleTop{"Window\\Simple", "Top", 10};
inline constexpr SettingKey<int> kSimpleLeft{"Window\\Simple", "Left", 10};

// What the pages show and how.
inline constexpr SettingKey<int> kPage{"Option", "Page", 0};
inline constexpr SettingKey<bool> kSimpleMode{"Option", "SimpleMode", false};
inline constexpr SettingKey<int> kRacial{"Option", "Racial", -1};
inline constexpr SettingKey<int> kChocobo{"Option", "Chocobo", -1};
inline constexpr SettingKey<int> kSkillJob{"Option", "SkillJob", -1};
inline constexpr SettingKey<int> kSkillLevel{"Option", "SkillLv", 1};
inline constexpr SettingKey<bool> kCalendarBallista{"Option\\Calendar", "Ballista", true};
inline constexpr SettingKey<bool> kCalendarRacial{"Option\\Calendar", "Racial", true};
inline constexpr SettingKey<bool> kCalendarJeuno{"Option\\Calendar", "Jeuno", true};
inline constexpr SettingKey<const char*> kSkin{"Option", "Skin", "blue.skn"};

// The wheel, and whether to ask before going on the internet (true: ask).
inline constexpr SettingKey<bool> kWheelOwn{"Option\\Scroll", "NewEnable", false};
inline constexpr SettingKey<int> kWheelLines{"Option\\Scroll", "Count", 3};
inline constexpr SettingKey<bool> kAskTimeServerAccess{"Option", "TimeServerAccess", true};
inline constexpr SettingKey<bool> kAskWebAccess{"Option", "WebAccess", true};
inline constexpr SettingKey<bool> kAskNewVersionAccess{"Option", "NewVersionAccess", true};

// The proxy the update program may use.
inline constexpr SettingKey<bool> kProxyEnable{"Option\\Proxy", "Enable", false};
inline constexpr SettingKey<bool> kProxyUseInternetSetting{"Option\\Proxy", "UseInternetSetting", false};
inline constexpr SettingKey<const char*> kProxyServer{"Option\\Proxy", "Server", ""};
inline constexpr SettingKey<int> kProxyPort{"Option\\Proxy", "Port", 0};

// The time server, its history and the synchronisation at start-up.
inline constexpr SettingKey<const char*> kTimeServer{"Time", "Server", ""};
inline constexpr SettingKey<bool> kExecuteSync{"Time", "ExecuteSync", false};
inline constexpr SettingKey<int> kServerHistoryCount{"Time\\History", "Count", 0};
NumberedKey<const char*> ServerHistoryItem(int index);  // "Item00" ...

// The tray icon.
inline constexpr SettingKey<bool> kTrayEnabled{"Tray", "Enabled", false};
inline constexpr SettingKey<bool> kCloseToTray{"Tray", "CloseToTray", false};

// What the desktop notifications announce: each family of events a text of
// '0'/'1', one character per route, guild, weekday or moon phase; how many Earth
// minutes ahead; and the events already announced ("kind,subject,instant;...").
inline constexpr SettingKey<const char*> kNotifyRoutes{"Notify", "Routes", ""};
inline constexpr SettingKey<const char*> kNotifyGuilds{"Notify", "Guilds", ""};
inline constexpr SettingKey<const char*> kNotifyWeekdays{"Notify", "Weekdays", ""};
inline constexpr SettingKey<const char*> kNotifyMoonPhases{"Notify", "MoonPhases", ""};
inline constexpr SettingKey<bool> kNotifyRacial{"Notify", "Racial", false};
inline constexpr SettingKey<bool> kNotifyChocobo{"Notify", "Chocobo", false};
inline constexpr SettingKey<bool> kNotifyTimers{"Notify", "Timers", false};
inline constexpr SettingKey<int> kNotifyMinutesAhead{"Notify", "MinutesAhead", 3};
inline constexpr SettingKey<const char*> kNotifySent{"Notify", "Sent", ""};

// Timer and alarm sets: their counts, the first-start flags, the twelve cells'
// sets and alarms.
inline constexpr const char* kTimerSection = "Timer";
inline constexpr SettingKey<int> kTimerSetCount{"Timer", "Count", 0};
inline constexpr SettingKey<int> kAlarmSetCount{"Alarm", "Count", 0};
inline constexpr SettingKey<bool> kTimerSetsSeeded{"Timer", "Flag", false};
inline constexpr SettingKey<bool> kChainSetsAdded{"Timer", "Flag2", false};
NumberedKey<int> CellTimerSet(int cell);    // "Timer" "Item1".."Item12"; -1: none
NumberedKey<int> CellAlarmSet(int cell);    // "Timer\Alarm" "Item0".."Item11"

QString TimerSetSection(int index);  // "Timer\Timer-Set00" ...
QString AlarmSetSection(int index);  // "Alarm\Alarm-Set00" ...

struct TimerSetKeys {
    NumberedKey<const char*> name, kind;
    NumberedKey<int> value;
    std::array<NumberedKey<int>, 3> seconds;  // in its "SectionK" subsections
};
TimerSetKeys TimerSetKeysOf(int index);

struct AlarmSetKeys {
    NumberedKey<const char*> name;
    std::array<NumberedKey<const char*>, 3> files;
    std::array<NumberedKey<int>, 3> seconds;
};
AlarmSetKeys AlarmSetKeysOf(int index);

}  // namespace setting
}  // namespace norvane
