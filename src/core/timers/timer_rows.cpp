#include "core/timers/timer_rows.h"

#include <algorithm>

#include "core/settings/settings_store.h"
#include "core/timers/timer_cells.h"

namespace norvane {

void ReadTimerRows(const SettingsStore& store, TimerCells& cells) {
    cells.LoadRows(ReadTimerSets(store), ReadTimerRowSelections(store));
}

void StoreTimerRowSelections(SettingsStore& store, const TimerCells& cells) {
    WriteTimerRowSelections(store, cells.Selections());
}

QStringList AlarmMenuEntries(const std::vector<TAlarmSet>& sets) {
    QStringList entries{kAlarmMenuNone};
    for (const auto& set : sets) entries.append(set.Name);
    return entries;
}

QStringList AlarmMenuEntries(const SettingsStore& store) {
    return AlarmMenuEntries(ReadAlarmSets(store));
}

std::array<TAlarmSet, kTimerCellCount> RowAlarmsFor(
    const std::vector<TAlarmSet>& sets, const std::array<int, kTimerCellCount>& assignments) {
    std::array<TAlarmSet, kTimerCellCount> rows{};
    const int count = static_cast<int>(std::min<std::size_t>(sets.size(), kMaxAlarmSets));
    for (std::size_t c = 0; c < rows.size(); ++c) {
        const int a = UsableAlarmAssignment(assignments[c], count);
        if (a == 0) continue;
        rows[c] = sets[static_cast<std::size_t>(a - 1)];
        for (auto& s : rows[c].Section) s.Armed = false;
    }
    return rows;
}

void ReadRowAlarms(const SettingsStore& store, TimerCells& cells) {
    cells.SetRowAlarms(RowAlarmsFor(ReadAlarmSets(store), ReadAlarmAssignments(store)));
}

int CheckedAlarmEntry(const SettingsStore& store, int cell) {
    if (cell < 0 || cell >= kTimerCellCount) return 0;
    const int stored = ReadAlarmAssignments(store)[static_cast<std::size_t>(cell)];
    return UsableAlarmAssignment(stored, ReadAlarmSetCount(store));
}

void ChooseCellAlarm(SettingsStore& store, TimerCells& cells, int cell, int tag) {
    WriteAlarmAssignment(store, cell, tag);
    ReadRowAlarms(store, cells);
}

}  // namespace norvane
