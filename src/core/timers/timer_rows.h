#pragma once
// What the timer page reads from and writes to the settings, for the main window's
// LoadTimerRows, SaveTimerRowSelections, BuildAlarmMenu and LoadAlarmAssignments.
// Each takes an open SettingsStore: one per batch, as everywhere.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "core/timers/timer_sets.h"

namespace norvane {

class SettingsStore;
class TimerCells;

// LoadTimerRows: the stored timer sets and each cell's stored selection go into
// the cells (every cell stops; see TimerCells::LoadRows).
void ReadTimerRows(const SettingsStore& store, TimerCells& cells);
// SaveTimerRowSelections: each cell's selection, -1 for none.
void StoreTimerRowSelections(SettingsStore& store, const TimerCells& cells);

// The alarm menu: its entries in order, entry i carrying Tag i ("(なし)" is 0,
// alarm set i is i + 1), then a separator and the options entry.
inline const QString kAlarmMenuNone = QStringLiteral("(なし)");
inline const QString kAlarmMenuOptionCaption = QStringLiteral("アラームの設定(&A)...");
inline const QString kAlarmMenuOptionHint = QStringLiteral("アラームの設定オプションを表示します。");
QStringList AlarmMenuEntries(const SettingsStore& store);
QStringList AlarmMenuEntries(const std::vector<TAlarmSet>& sets);

// Each cell's alarm record for its assignment: a copy of the set, or an empty record
// for 0 or an assignment that names no set. Nothing is armed.
std::array<TAlarmSet, kTimerCellCount> RowAlarmsFor(
    const std::vector<TAlarmSet>& sets, const std::array<int, kTimerCellCount>& assignments);
// LoadAlarmAssignments: replaces (and so disarms) every cell's alarm record.
void ReadRowAlarms(const SettingsStore& store, TimerCells& cells);

// The menu entry to check when cell's alarm icon is clicked: its stored assignment,
// 0 ("(なし)") when that names no set.
int CheckedAlarmEntry(const SettingsStore& store, int cell);
// An alarm-menu entry was chosen for cell: stores its Tag and reloads every cell's alarm.
void ChooseCellAlarm(SettingsStore& store, TimerCells& cells, int cell, int tag);

}  // namespace norvane
