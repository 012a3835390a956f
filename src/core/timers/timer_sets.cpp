#include "core/timers/timer_sets.h"

#include <algorithm>

#include "core/settings/settings_store.h"

namespace norvane {
namespace {

void WriteAlarmSet(SettingsStore& store, int index, const TAlarmSet& set) {
    const setting::AlarmSetKeys keys = setting::AlarmSetKeysOf(index);
    store.Write(keys.name, set.Name);
    for (std::size_t k = 0; k < 3; ++k) {
        store.Write(keys.files[k], set.Section[k].Filename);
        store.Write(keys.seconds[k], set.Section[k].Second);
    }
}

}  // namespace

int ReadTimerSetCount(const SettingsStore& store) {
    return std::clamp(store.Read(setting::kTimerSetCount), 0, kMaxTimerSets);
}

int ReadAlarmSetCount(const SettingsStore& store) {
    return std::clamp(store.Read(setting::kAlarmSetCount), 0, kMaxAlarmSets);
}

TTimerSet ReadTimerSet(const SettingsStore& store, int index) {
    const setting::TimerSetKeys keys = setting::TimerSetKeysOf(index);
    TTimerSet set;
    set.Used = true;
    set.Name = store.Read(keys.name);
    set.Kind = store.Read(keys.kind);
    set.Value = store.Read(keys.value);
    for (std::size_t k = 0; k < 3; ++k) set.Section[k] = store.Read(keys.seconds[k]);
    return set;
}

std::vector<TTimerSet> ReadTimerSets(const SettingsStore& store) {
    std::vector<TTimerSet> sets;
    const int count = ReadTimerSetCount(store);
    sets.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) sets.push_back(ReadTimerSet(store, i));
    return sets;
}

std::vector<TAlarmSet> ReadAlarmSets(const SettingsStore& store) {
    std::vector<TAlarmSet> sets;
    const int count = ReadAlarmSetCount(store);
    for (int i = 0; i < count; ++i) {
        const setting::AlarmSetKeys keys = setting::AlarmSetKeysOf(i);
        TAlarmSet set;
        set.Used = true;
        set.Name = store.Read(keys.name);
        for (std::size_t k = 0; k < 3; ++k) {
            auto& s = set.Section[k];
            s.Filename = store.Read(keys.files[k]);
            s.Second = store.Read(keys.seconds[k]);
            s.Enabled = !s.Filename.isEmpty();
        }
        sets.push_back(std::move(set));
    }
    return sets;
}

void WriteTimerSet(SettingsStore& store, int index, const TTimerSet& set) {
    const setting::TimerSetKeys keys = setting::TimerSetKeysOf(index);
    store.Write(keys.name, set.Name);
    store.Write(keys.kind, set.Kind);
    store.Write(keys.value, set.Value);
    for (std::size_t k = 0; k < 3; ++k) store.Write(keys.seconds[k], set.Section[k]);
}

void WriteTimerSets(SettingsStore& store, const std::vector<TTimerSet>& working) {
    int count = 0;
    for (int i = 0; i < kMaxTimerSets; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (slot < working.size() && working[slot].Used) {
            WriteTimerSet(store, i, working[slot]);
            ++count;
        } else {
            store.EraseSection(setting::TimerSetSection(i));
        }
    }
    store.Write(setting::kTimerSetCount, count);
}

void WriteAlarmSets(SettingsStore& store, const std::vector<TAlarmSet>& working) {
    int count = 0;
    for (int i = 0; i < kMaxAlarmSets; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (slot < working.size() && working[slot].Used) {
            WriteAlarmSet(store, i, working[slot]);
            ++count;
        } else {
            store.EraseSection(setting::AlarmSetSection(i));
        }
    }
    store.Write(setting::kAlarmSetCount, count);
}

std::array<int, kTimerCellCount> ReadTimerRowSelections(const SettingsStore& store) {
    std::array<int, kTimerCellCount> rows{};
    for (int c = 0; c < kTimerCellCount; ++c)
        rows[static_cast<std::size_t>(c)] = store.Read(setting::CellTimerSet(c));
    return rows;
}

void WriteTimerRowSelections(SettingsStore& store, const std::array<int, kTimerCellCount>& rows) {
    for (int c = 0; c < kTimerCellCount; ++c)
        store.Write(setting::CellTimerSet(c), rows[static_cast<std::size_t>(c)]);
}

std::array<int, kTimerCellCount> ReadAlarmAssignments(const SettingsStore& store) {
    std::array<int, kTimerCellCount> cells{};
    for (int c = 0; c < kTimerCellCount; ++c)
        cells[static_cast<std::size_t>(c)] = store.Read(setting::CellAlarmSet(c));
    return cells;
}

void WriteAlarmAssignment(SettingsStore& store, int cell, int assignment) {
    if (cell < 0 || cell >= kTimerCellCount) return;
    store.Write(setting::CellAlarmSet(cell), assignment);
}

void WriteAlarmAssignments(SettingsStore& store, const std::array<int, kTimerCellCount>& cells) {
    for (int c = 0; c < kTimerCellCount; ++c) WriteAlarmAssignment(store, c, cells[static_cast<std::size_t>(c)]);
}

int UsableAlarmAssignment(int assignment, int alarmSetCount) {
    return assignment >= 1 && assignment <= alarmSetCount ? assignment : 0;
}

}  // namespace norvane
