#include "core/timers/timer_set_editing.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "core/settings/settings_store.h"

namespace norvane {
namespace {

QString Seconds(int s) { return QStringLiteral("%1 秒").arg(s); }

const QString kDash = QStringLiteral("-");

QString WithSlash(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/'))) return folder;
    return folder + QLatin1Char('/');
}

}  // namespace

TimerEditCopies ReadTimerEditCopies(const SettingsStore& store) {
    TimerEditCopies c;
    const auto timers = ReadTimerSets(store);
    std::copy(timers.begin(), timers.end(), c.timers.begin());
    const auto alarms = ReadAlarmSets(store);
    std::copy(alarms.begin(), alarms.end(), c.alarms.begin());
    const auto cells = ReadAlarmAssignments(store);
    for (std::size_t k = 0; k < cells.size(); ++k)
        c.alarmOfCell[k] = UsableAlarmAssignment(cells[k], static_cast<int>(alarms.size()));
    return c;
}

void WriteTimerEditCopies(SettingsStore& store, const TimerEditCopies& copies) {
    WriteTimerSets(store, copies.timers);
    WriteAlarmSets(store, copies.alarms);
    WriteAlarmAssignments(store, copies.alarmOfCell);
}

int UsedSlots(const std::vector<TTimerSet>& slotList) {
    return static_cast<int>(std::count_if(slotList.begin(), slotList.end(), [](const TTimerSet& s) { return s.Used; }));
}

int UsedSlots(const std::vector<TAlarmSet>& slotList) {
    return static_cast<int>(std::count_if(slotList.begin(), slotList.end(), [](const TAlarmSet& s) { return s.Used; }));
}

TimerSetRowText TimerSetRow(const TTimerSet& set) {
    TimerSetRowText row;
    row.name = set.Name;
    if (set.Kind == kKindStopwatch) {
        row.icon = kIconStopwatch;
        row.value = kDash;
        row.divisions = {kDash, kDash, kDash};
        return row;
    }
    if (set.Kind == kKindChaintime) {
        row.icon = kIconChain;
        row.value = QStringLiteral("敵Lv %1").arg(set.Value);
    } else {
        row.icon = kIconCountdown;
        row.value = Seconds(set.Value);
    }
    for (std::size_t k = 0; k < 3; ++k) row.divisions[k] = Seconds(set.Section[k]);
    return row;
}

AlarmSetRowText AlarmSetRow(const TAlarmSet& set) {
    AlarmSetRowText row;
    row.name = set.Name;
    for (std::size_t k = 0; k < 3; ++k)
        row.divisions[k] = set.Section[k].Filename.isEmpty() ? kDash : Seconds(set.Section[k].Second);
    return row;
}

QString CellAlarmRowCaption(int cell) { return QStringLiteral(" タイマー%1").arg(cell + 1); }

QStringList AlarmChoices(const std::vector<TAlarmSet>& alarms) {
    QStringList choices{kNoSound};
    for (const auto& a : alarms)
        if (a.Used) choices.append(a.Name);
    return choices;
}

QString CellAlarmText(const QStringList& choices, int assignment) {
    if (assignment < 0 || assignment >= choices.size()) return choices.value(0, kNoSound);
    return choices[assignment];
}

void RenumberAfterAlarmDelete(std::array<int, kTimerCellCount>& alarmOfCell, int deleted) {
    const int gone = deleted + 1;
    for (int& a : alarmOfCell) {
        if (a == gone)
            a = 0;
        else if (a > gone)
            --a;
    }
}

int KindPosition(const QString& kind) {
    if (kind == kKindStopwatch) return 1;
    if (kind == kKindChaintime) return 2;
    return 0;
}

QString KindAtPosition(int position) {
    switch (position) {
    case 1: return kKindStopwatch;
    case 2: return kKindChaintime;
    default: return kKindCountdown;
    }
}

TTimerSet TimerSetFromEditor(const QString& name, int kindPosition, int value, const std::array<int, 3>& divisions) {
    TTimerSet set;
    set.Used = true;
    set.Name = name;
    set.Kind = KindAtPosition(kindPosition);
    if (set.Kind != kKindStopwatch) {
        set.Value = value;
        set.Section = divisions;
    }
    return set;
}

QString WithAsciiDigits(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (c.isDigit() && c.unicode() > 0x7F) c = QLatin1Char(static_cast<char>('0' + c.digitValue()));
    return out;
}

int NormalisedEditValue(const QString& text, int emptyValue, int max) {
    // Japanese input often gives full-width digits; they are the same number.
    const QString t = WithAsciiDigits(text.trimmed());
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok);
    if (ok) return static_cast<int>(std::clamp<qlonglong>(v, 0, max));
    // A pasted run of digits too long for any integer is still a large number.
    const bool digits = !t.isEmpty() && std::all_of(t.begin(), t.end(), [](QChar c) { return c.isDigit(); });
    return digits ? max : std::clamp(emptyValue, 0, max);
}


QString DesktopSoundFolder() {
    const QString found =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("sounds"), QStandardPaths::LocateDirectory);
    if (!found.isEmpty()) return WithSlash(found);
    // The desktop's data folders may be unset for the program; the usual one then.
    if (QFileInfo(QStringLiteral("/usr/share/sounds")).isDir()) return QStringLiteral("/usr/share/sounds/");
    return {};
}

QStringList SoundFileChoices(const QString& folder) {
    QStringList choices{kNoSound};
    if (folder.isEmpty()) return choices;
    const QDir dir(folder);
    choices.append(dir.entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Unsorted));
    return choices;
}

SoundPick SoundPickForSection(const TSectionSet& section, const QString& defaultFolder) {
    SoundPick pick;
    pick.refill = true;
    pick.filename = section.Filename;
    if (section.Filename.isEmpty()) {
        pick.folder = defaultFolder;
        return pick;
    }
    const QFileInfo f(section.Filename);
    pick.text = f.fileName();
    pick.folder = WithSlash(section.Filename.left(section.Filename.size() - pick.text.size()));
    return pick;
}

SoundPick SoundPickFromText(const QString& folder, const QString& text) {
    SoundPick pick{folder, text, {}, false};
    // An emptied text names no file: the section falls silent rather than
    // storing the bare folder as its sound.
    if (text == kNoSound || text.isEmpty()) return pick;
    if (text.contains(QLatin1Char('/')) && QFileInfo(text).isFile()) {
        const QFileInfo f(text);
        pick.text = f.fileName();
        pick.folder = WithSlash(text.left(text.size() - pick.text.size()));
        pick.refill = true;
    }
    pick.filename = pick.folder + pick.text;
    return pick;
}

}  // namespace norvane
