#pragma once
// First-start seeding of the timer-set list and the one-time append of the chain sets.
//
// Start-up order for the main window, before the timer rows are loaded:
//     SettingsStore store;
//     SeedTimerSetsOnFirstStart(store, DefaultTimerIniPath());
//     AppendChainSetsOnce(store);
// (PrepareTimerSets does both.) Both stop at 100 timer sets.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/timers/timer_sets.h"

namespace norvane {

class SettingsStore;

// One line of "timer.ini": comma-separated Name, Kind, Value and the thresholds
// last to first (Section[2], Section[1], Section[0]). Exactly six fields and the kind
// "countdown" or "stopwatch" are accepted; a number field that is no integer counts
// as 0. Quoted fields may hold blanks and commas; an unquoted blank splits a field.
std::optional<TTimerSet> ParseTimerLine(const QString& line);

// The 22 built-in sets, one "timer.ini" line each.
const QStringList& BuiltInTimerLines();

// The lines of a "timer.ini" (Shift-JIS text, any line ends), or nothing when the
// file cannot be read.
std::optional<QStringList> ReadTimerIni(const QString& path);
// The same for the file's bytes.
QStringList TimerIniLines(const QByteArray& bytes);

// "timer.ini" beside the program.
QString DefaultTimerIniPath();

// Writes every accepted line as the next timer set from index 00, up to 100 sets,
// and sets "Timer" "Count" to their number, which it returns. Rejected lines take no
// index. Sets stored beyond the new Count are left alone.
int SeedTimerSetsFromLines(SettingsStore& store, const QStringList& lines);

// Seeds from "timer.ini" when fromUserFile, else from the built-in list. A
// "timer.ini" that exists but cannot be read falls back to the built-in list.
int SeedTimerSets(SettingsStore& store, bool fromUserFile, const QString& timerIniPath);

// Appends "チェーン 敵Lv10" .. "チェーン 敵Lv80" after the stored sets (as far as the
// 100-set limit allows) and raises "Count"; returns how many were added.
int AppendChainSets(SettingsStore& store);

// When "Timer" "Flag" is false: seeds (from the file when it exists) and sets Flag.
// Returns whether it seeded. Once Flag is set the file is never read again.
// Stored set keys are never seeded over: with them, a missing Count becomes the
// highest set index + 1 and the missing flags are set, so the list stays as it was.
bool SeedTimerSetsOnFirstStart(SettingsStore& store, const QString& timerIniPath);
// When "Timer" "Flag2" is false: appends the chain sets and sets Flag2. Returns
// whether it appended. Brings older lists up to date exactly once.
bool AppendChainSetsOnce(SettingsStore& store);
// Both of the above, in order.
void PrepareTimerSets(SettingsStore& store, const QString& timerIniPath);

}  // namespace norvane
