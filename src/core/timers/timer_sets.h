#pragma once
// Timer sets and alarm sets: the records and their place in the settings.
//
// "Timer"                       Count, Flag, Flag2, Item1..Item12 (row selections)
// "Timer\Timer-Set00"           Name, Option (kind), Timer (value)
// "Timer\Timer-Set00\Section0"  Second                          (Section0..2)
// "Timer\Alarm"                 Item0..Item11 (alarm assignment of cell 1..12)
// "Alarm"                       Count
// "Alarm\Alarm-Set00"           Name
// "Alarm\Alarm-Set00\Section0"  Filename, Second                (Section0..2)
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace norvane {

class SettingsStore;

inline constexpr int kMaxTimerSets = 100;
inline constexpr int kMaxAlarmSets = 20;
inline constexpr int kTimerCellCount = 12;

// The three kinds, compared exactly.
inline const QString kKindCountdown = QStringLiteral("countdown");
inline const QString kKindStopwatch = QStringLiteral("stopwatch");
inline const QString kKindChaintime = QStringLiteral("chaintime");

struct TTimerSet {
    bool Used = false;
    QString Name;
    QString Kind;
    // Countdown length in seconds, or enemy level for "chaintime"; 0 for "stopwatch".
    int Value = 0;
    // Warning thresholds in seconds before the end, earliest first; 0 is none.
    std::array<int, 3> Section{};

    friend bool operator==(const TTimerSet&, const TTimerSet&) = default;
};

struct TSectionSet {
    bool Enabled = false;  // Filename is not empty
    bool Armed = false;    // run time only: set by Start, cleared once played
    QString Filename;
    // Timer reading in whole seconds at which it sounds: remaining time for
    // countdowns and chains, elapsed time for stopwatches.
    int Second = 0;

    friend bool operator==(const TSectionSet&, const TSectionSet&) = default;
};

struct TAlarmSet {
    bool Used = false;
    QString Name;
    std::array<TSectionSet, 3> Section{};

    friend bool operator==(const TAlarmSet&, const TAlarmSet&) = default;
};

// "Count" as stored, held to 0..100 (timer) and 0..20 (alarm) so that a hand-edited
// value never reaches past the lists.
int ReadTimerSetCount(const SettingsStore& store);
int ReadAlarmSetCount(const SettingsStore& store);

// The stored lists in order, every entry Used. Values are returned as stored.
std::vector<TTimerSet> ReadTimerSets(const SettingsStore& store);
TTimerSet ReadTimerSet(const SettingsStore& store, int index);
std::vector<TAlarmSet> ReadAlarmSets(const SettingsStore& store);

// Writes the working slots (at most 100 / 20 are looked at): a slot that holds a
// set is written under its index, every other index up to the limit is erased with
// its Section subkeys, and "Count" becomes the number of sets written.
void WriteTimerSets(SettingsStore& store, const std::vector<TTimerSet>& working);
void WriteAlarmSets(SettingsStore& store, const std::vector<TAlarmSet>& working);
// One set under the given index (the seeding's writer).
void WriteTimerSet(SettingsStore& store, int index, const TTimerSet& set);

// Row selections, "Timer" Item1..Item12, -1 for none. Returned as stored.
std::array<int, kTimerCellCount> ReadTimerRowSelections(const SettingsStore& store);
void WriteTimerRowSelections(SettingsStore& store, const std::array<int, kTimerCellCount>& rows);

// Alarm assignments, "Timer\Alarm" Item0..Item11: 0 none, n the alarm set n-1.
// Returned as stored; see UsableAlarmAssignment.
std::array<int, kTimerCellCount> ReadAlarmAssignments(const SettingsStore& store);
void WriteAlarmAssignment(SettingsStore& store, int cell, int assignment);
void WriteAlarmAssignments(SettingsStore& store, const std::array<int, kTimerCellCount>& cells);

// An assignment that names no existing alarm set counts as none (0).
int UsableAlarmAssignment(int assignment, int alarmSetCount);

}  // namespace norvane
