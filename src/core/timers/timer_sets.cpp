#include "core/timers/timer_sets.h"

#include <algorithm>

#include "core/settings/settings_store.h"

namespace norvane {
namespace {

const QString kTimer = QStringLiteral("Timer");
const QString kAlarm = QStringLiteral("Alarm");
const QString kTimerAlarm = QStringLiteral("Timer\\Alarm");
const QString kCount = QStringLiteral("Count");
const QString kSecond = QStringLiteral("Second");

QString SubSection(const QString& set, int k) {
    return set + QStringLiteral("\\Section%1").arg(k);
}

QString RowItem(int cell) { return QStringLiteral("Item%1").arg(cell + 1); }
QString AlarmItem(int cell) { return QStringLiteral("Item%1").arg(cell); }

void WriteAlarmSet(SettingsStore& store, int index, const TAlarmSet& set) {
    const QString section = AlarmSetSection(index);
    store.WriteString(section, QStringLiteral("Name"), set.Name);
    for (int k = 0; k < 3; ++k) {
        const auto& s = set.Section[static_cast<std::size_t>(k)];
        store.WriteString(SubSection(section, k), QStringLiteral("Filename"), s.Filename);
        store.WriteInteger(SubSection(section, k), kSecond, s.Second);
    }
}

}  // namespace

QString TimerSetSection(int index) { return QString::asprintf("Timer\\Timer-Set%.2d", index); }
QString AlarmSetSection(int index) { return QString::asprintf("Alarm\\Alarm-Set%.2d", index); }

int ReadTimerSetCount(const SettingsStore& store) {
    return std::clamp(store.ReadInteger(kTimer, kCount, 0), 0, kMaxTimerSets);
}

int ReadAlarmSetCount(const SettingsStore& store) {
    return std::clamp(store.ReadInteger(kAlarm, kCount, 0), 0, kMaxAlarmSets);
}

TTimerSet ReadTimerSet(const SettingsStore& store, int index) {
    const QString section = TimerSetSection(index);
    TTimerSet set;
    set.Used = true;
    set.Name = store.ReadString(section, QStringLiteral("Name"), QString());
    set.Kind = store.ReadString(section, QStringLiteral("Option"), QString());
    set.Value = store.ReadInteger(section, QStringLiteral("Timer"), 0);
    for (int k = 0; k < 3; ++k)
        set.Section[static_cast<std::size_t>(k)] = store.ReadInteger(SubSection(section, k), kSecond, 0);
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
        const QString section = AlarmSetSection(i);
        TAlarmSet set;
        set.Used = true;
        set.Name = store.ReadString(section, QStringLiteral("Name"), QString());
        for (int k = 0; k < 3; ++k) {
            auto& s = set.Section[static_cast<std::size_t>(k)];
            s.Filename = store.ReadString(SubSection(section, k), QStringLiteral("Filename"), QString());
            s.Second = store.ReadInteger(SubSection(section, k), kSecond, 0);
            s.Enabled = !s.Filename.isEmpty();
        }
        sets.push_back(std::move(set));
    }
    return sets;
}

void WriteTimerSet(SettingsStore& store, int index, const TTimerSet& set) {
    const QString section = TimerSetSection(index);
    store.WriteString(section, QStringLiteral("Name"), set.Name);
    store.WriteString(section, QStringLiteral("Option"), set.Kind);
    store.WriteInteger(section, QStringLiteral("Timer"), set.Value);
    for (int k = 0; k < 3; ++k)
        store.WriteInteger(SubSection(section, k), kSecond, set.Section[static_cast<std::size_t>(k)]);
}

void WriteTimerSets(SettingsStore& store, const std::vector<TTimerSet>& working) {
    int count = 0;
    for (int i = 0; i < kMaxTimerSets; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (slot < working.size() && working[slot].Used) {
            WriteTimerSet(store, i, working[slot]);
            ++count;
        } else {
            store.EraseSection(TimerSetSection(i));
        }
    }
    store.WriteInteger(kTimer, kCount, count);
}

void WriteAlarmSets(SettingsStore& store, const std::vector<TAlarmSet>& working) {
    int count = 0;
    for (int i = 0; i < kMaxAlarmSets; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (slot < working.size() && working[slot].Used) {
            WriteAlarmSet(store, i, working[slot]);
            ++count;
        } else {
            store.EraseSection(AlarmSetSection(i));
        }
    }
    store.WriteInteger(kAlarm, kCount, count);
}

std::array<int, kTimerCellCount> ReadTimerRowSelections(const SettingsStore& store) {
    std::array<int, kTimerCellCount> rows{};
    for (int c = 0; c < kTimerCellCount; ++c)
        rows[static_cast<std::size_t>(c)] = store.ReadInteger(kTimer, RowItem(c), -1);
    return rows;
}

void WriteTimerRowSelections(SettingsStore& store, const std::array<int, kTimerCellCount>& rows) {
    for (int c = 0; c < kTimerCellCount; ++c)
        store.WriteInteger(kTimer, RowItem(c), rows[static_cast<std::size_t>(c)]);
}

std::array<int, kTimerCellCount> ReadAlarmAssignments(const SettingsStore& store) {
    std::array<int, kTimerCellCount> cells{};
    for (int c = 0; c < kTimerCellCount; ++c)
        cells[static_cast<std::size_t>(c)] = store.ReadInteger(kTimerAlarm, AlarmItem(c), 0);
    return cells;
}

void WriteAlarmAssignment(SettingsStore& store, int cell, int assignment) {
    if (cell < 0 || cell >= kTimerCellCount) return;
    store.WriteInteger(kTimerAlarm, AlarmItem(cell), assignment);
}

void WriteAlarmAssignments(SettingsStore& store, const std::array<int, kTimerCellCount>& cells) {
    for (int c = 0; c < kTimerCellCount; ++c) WriteAlarmAssignment(store, c, cells[static_cast<std::size_t>(c)]);
}

int UsableAlarmAssignment(int assignment, int alarmSetCount) {
    return assignment >= 1 && assignment <= alarmSetCount ? assignment : 0;
}

}  // namespace norvane
