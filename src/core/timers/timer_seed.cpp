#include "core/timers/timer_seed.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <string>

#include "core/settings/data_file.h"
#include "core/settings/settings_store.h"
#include "core/timers/timer_set_editing.h"
#include "core/time/support.h"

namespace norvane {
namespace {


int FieldInteger(const std::string& field) {
    bool ok = false;
    const int v = QString::fromStdString(field).toInt(&ok, 10);
    return ok ? v : 0;
}

// "timer.ini" is written in code page 932. Every name below is the same table in
// ICU; the last resort keeps plain ASCII files working.
QString DecodeShiftJis(const QByteArray& bytes) {
    for (const char* name : {"Shift_JIS", "windows-31j", "CP932"}) {
        QStringDecoder decoder(name);
        if (decoder.isValid()) return decoder.decode(bytes);
    }
    return QString::fromUtf8(bytes);
}

QStringList SplitLines(const QString& text) {
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = unified.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

// The highest index of a stored "Timer-SetNN" key, or -1 when there is none.
int HighestStoredSetIndex(const SettingsStore& store) {
    int highest = -1;
    for (const QString& name : store.SubSections(QString::fromUtf8(setting::kTimerSection))) {
        if (name.size() != 11 || !name.startsWith(QStringLiteral("Timer-Set"), Qt::CaseInsensitive)) continue;
        bool ok = false;
        const int index = name.mid(9).toInt(&ok, 10);
        if (ok && name.at(9).isDigit() && name.at(10).isDigit()) highest = std::max(highest, index);
    }
    return highest;
}

TTimerSet ChainSet(int j) {
    TTimerSet set;
    set.Used = true;
    set.Name = QStringLiteral("チェーン 敵Lv%1").arg(10 * (j + 1));
    set.Kind = kKindChaintime;
    set.Value = 10 * (j + 1);
    set.Section = {60, 30, 15};
    return set;
}

}  // namespace

std::optional<TTimerSet> ParseTimerLine(const QString& line) {
    const auto fields = SplitCommaText(line.toStdString());
    if (fields.size() != 6) return std::nullopt;
    TTimerSet set;
    set.Used = true;
    set.Name = QString::fromStdString(fields[0]);
    set.Kind = QString::fromStdString(fields[1]);
    if (set.Kind != kKindCountdown && set.Kind != kKindStopwatch) return std::nullopt;
    set.Value = std::clamp(FieldInteger(fields[2]), 0, kTimerValueMax);
    set.Section[2] = FieldInteger(fields[3]);
    set.Section[1] = FieldInteger(fields[4]);
    set.Section[0] = FieldInteger(fields[5]);
    return set;
}

const QStringList& BuiltInTimerLines() {
    static const QStringList lines = {
        QStringLiteral("ストップウォッチ,stopwatch,0,0,0,0"),
        QStringLiteral("15秒,countdown,15,5,0,0"),
        QStringLiteral("30秒,countdown,30,5,15,0"),
        QStringLiteral("45秒,countdown,45,5,15,0"),
        QStringLiteral("1分,countdown,60,5,15,30"),
        QStringLiteral("2分,countdown,120,15,30,60"),
        QStringLiteral("3分,countdown,180,15,30,60"),
        QStringLiteral("5分,countdown,300,15,30,60"),
        QStringLiteral("6分,countdown,360,15,30,60"),
        QStringLiteral("8分,countdown,480,15,30,60"),
        QStringLiteral("10分,countdown,600,15,30,60"),
        QStringLiteral("12分,countdown,720,15,30,60"),
        QStringLiteral("14分,countdown,840,15,30,60"),
        QStringLiteral("15分,countdown,900,15,30,60"),
        QStringLiteral("16分,countdown,960,15,30,60"),
        QStringLiteral("20分,countdown,1200,15,30,60"),
        QStringLiteral("25分,countdown,1500,15,30,60"),
        QStringLiteral("30分,countdown,1800,15,30,60"),
        QStringLiteral("45分,countdown,2700,15,30,60"),
        QStringLiteral("1時間,countdown,3600,15,30,60"),
        QStringLiteral("90分,countdown,5400,15,30,60"),
        QStringLiteral("2時間,countdown,7200,15,30,60"),
    };
    return lines;
}

std::optional<QStringList> ReadTimerIni(const QString& path) {
    std::optional<QByteArray> bytes = ReadDataFile(path);
    if (!bytes) return std::nullopt;
    return TimerIniLines(*bytes);
}

QStringList TimerIniLines(const QByteArray& bytes) { return SplitLines(DecodeShiftJis(bytes)); }

QString DefaultTimerIniPath() { return QFile::decodeName(TimerIniPath(ProgramPath()).c_str()); }

int SeedTimerSetsFromLines(SettingsStore& store, const QStringList& lines) {
    int count = 0;
    for (const QString& line : lines) {
        if (count >= kMaxTimerSets) break;
        if (auto set = ParseTimerLine(line)) WriteTimerSet(store, count++, *set);
    }
    store.Write(setting::kTimerSetCount, count);
    return count;
}

int SeedTimerSets(SettingsStore& store, bool fromUserFile, const QString& timerIniPath) {
    std::optional<QStringList> lines;
    if (fromUserFile) lines = ReadTimerIni(timerIniPath);
    return SeedTimerSetsFromLines(store, lines ? *lines : BuiltInTimerLines());
}

int AppendChainSets(SettingsStore& store) {
    const int n = ReadTimerSetCount(store);
    const int added = std::clamp(kMaxTimerSets - n, 0, 8);
    if (added == 0) return 0;
    for (int j = 0; j < added; ++j) WriteTimerSet(store, n + j, ChainSet(j));
    store.Write(setting::kTimerSetCount, n + added);
    return added;
}

bool SeedTimerSetsOnFirstStart(SettingsStore& store, const QString& timerIniPath) {
    if (store.Read(setting::kTimerSetsSeeded)) return false;
    // Set keys without their flags mean a "Timer" key lost to damage, not a first
    // start: the player's sets stay as they are and only what was lost is made
    // again. A gap stays an empty slot so that no set is hidden beyond Count.
    if (const int highest = HighestStoredSetIndex(store); highest >= 0) {
        if (!store.Exists(setting::kTimerSetCount)) store.Write(setting::kTimerSetCount, highest + 1);
        store.Write(setting::kTimerSetsSeeded, true);
        if (!store.Exists(setting::kChainSetsAdded)) store.Write(setting::kChainSetsAdded, true);
        return false;
    }
    SeedTimerSets(store, QFileInfo(timerIniPath).isFile(), timerIniPath);
    store.Write(setting::kTimerSetsSeeded, true);
    return true;
}

bool AppendChainSetsOnce(SettingsStore& store) {
    if (store.Read(setting::kChainSetsAdded)) return false;
    AppendChainSets(store);
    store.Write(setting::kChainSetsAdded, true);
    return true;
}

void PrepareTimerSets(SettingsStore& store, const QString& timerIniPath) {
    SeedTimerSetsOnFirstStart(store, timerIniPath);
    AppendChainSetsOnce(store);
}

}  // namespace norvane
