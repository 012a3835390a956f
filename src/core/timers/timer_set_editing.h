#pragma once
// What the options dialog's timer and alarm pages show and how their edits change
// the working copies: 100 timer slots, 20 alarm slots and the twelve cells' alarm
// assignments. The occupied slots come first; list row i is slot i.
#include <QString>
#include <QStringList>
#include <array>
#include <utility>
#include <vector>

#include "core/timers/timer_sets.h"

namespace norvane {

class SettingsStore;

struct TimerEditCopies {
    std::vector<TTimerSet> timers = std::vector<TTimerSet>(kMaxTimerSets);
    std::vector<TAlarmSet> alarms = std::vector<TAlarmSet>(kMaxAlarmSets);
    std::array<int, kTimerCellCount> alarmOfCell{};  // 0 none, n the alarm set n-1
};

// The stored sets and assignments as working copies. An assignment naming no
// existing alarm set reads as none.
TimerEditCopies ReadTimerEditCopies(const SettingsStore& store);
// The timer sets, the alarm sets and the assignments, every slot written or erased.
void WriteTimerEditCopies(SettingsStore& store, const TimerEditCopies& copies);

// Number of occupied slots (they are dense, from slot 0).
int UsedSlots(const std::vector<TTimerSet>& slotList);
int UsedSlots(const std::vector<TAlarmSet>& list);

// Pictures of the dialogs' image list.
enum DialogIcon { kIconAlarm = 0, kIconExpanded = 1, kIconCollapsed = 2, kIconCountdown = 3,
                  kIconStopwatch = 4, kIconChain = 5 };

// One row of the timer-set list: name, value column and the three divisions.
struct TimerSetRowText {
    int icon = kIconCountdown;
    QString name;
    QString value;
    std::array<QString, 3> divisions;
    friend bool operator==(const TimerSetRowText&, const TimerSetRowText&) = default;
};
TimerSetRowText TimerSetRow(const TTimerSet& set);

// One row of the alarm-set list: a division shows its second only when it has a file.
struct AlarmSetRowText {
    QString name;
    std::array<QString, 3> divisions;
    friend bool operator==(const AlarmSetRowText&, const AlarmSetRowText&) = default;
};
AlarmSetRowText AlarmSetRow(const TAlarmSet& set);

// " タイマー1" .. " タイマー12" for cell index 0..11.
QString CellAlarmRowCaption(int cell);
// "(なし)" followed by the names of the occupied alarm slots: the in-place drop-down.
QStringList AlarmChoices(const std::vector<TAlarmSet>& alarms);
// The drop-down entry a cell shows; an entry that does not exist shows as none.
QString CellAlarmText(const QStringList& choices, int assignment);

// Slot moves. Every one keeps the occupied slots dense.
template <typename Set>
void DeleteSlot(std::vector<Set>& list, int i) {
    if (i < 0 || i >= static_cast<int>(list.size())) return;
    list.erase(list.begin() + i);
    list.push_back(Set{});
}
template <typename Set>
void SwapSlots(std::vector<Set>& list, int i, int j) {
    std::swap(list.at(static_cast<std::size_t>(i)), list.at(static_cast<std::size_t>(j)));
}
// Slot `from` goes to `to`; those between shift by one toward `from`'s old place.
template <typename Set>
void MoveSlot(std::vector<Set>& list, int from, int to) {
    const int n = static_cast<int>(list.size());
    if (from < 0 || to < 0 || from >= n || to >= n || from == to) return;
    Set moving = std::move(list[static_cast<std::size_t>(from)]);
    list.erase(list.begin() + from);
    list.insert(list.begin() + to, std::move(moving));
}

// After alarm row `deleted` (0-based) is gone: cells on it get none, cells on a
// later set follow it one place up.
void RenumberAfterAlarmDelete(std::array<int, kTimerCellCount>& alarmOfCell, int deleted);

// The set dialog's kind list: "countdown", "stopwatch", "chaintime" at 0, 1, 2.
int KindPosition(const QString& kind);
QString KindAtPosition(int position);
// What OK of the set dialog stores: a stopwatch keeps no value and no divisions.
TTimerSet TimerSetFromEditor(const QString& name, int kindPosition, int value, const std::array<int, 3>& divisions);

// Decimal digits of any script (the full-width "２３" of Japanese input) as the
// ASCII digits of the same value; every other character as it is.
QString WithAsciiDigits(const QString& text);
// The number edits: the text's integer value (digits of any script read as their
// values), `emptyValue` for an empty or non-numeric text, held to 0..max.
inline constexpr int kTimerValueMax = 32767;
inline constexpr int kSecondsMax = 9999;
inline constexpr int kAlarmSecondsWhenEmpty = 60;
int NormalisedEditValue(const QString& text, int emptyValue, int max);

// The desktop's sound folder with a trailing "/" ("sounds" in the first XDG data
// folder that has one, /usr/share/sounds/ on most systems), or empty when there is none.
QString DesktopSoundFolder();
// "(なし)" followed by the "*.wav" files of `folder` in the order the folder lists them.
QStringList SoundFileChoices(const QString& folder);
inline const QString kNoSound = QStringLiteral("(なし)");

// The sound picker of one alarm section: the folder it lists and what its text says.
struct SoundPick {
    QString folder;    // with a trailing "/", or empty
    QString text;      // the file list's text
    QString filename;  // the section's Filename
    bool refill = false;
};
// The folder and text shown for a section: its file's folder and name, else the default folder.
SoundPick SoundPickForSection(const TSectionSet& section, const QString& defaultFolder);
// The file list's text changed: "(なし)" clears the file; a path to an existing file
// moves the folder there and keeps only the name; the file is folder + text.
SoundPick SoundPickFromText(const QString& folder, const QString& text);

}  // namespace norvane
