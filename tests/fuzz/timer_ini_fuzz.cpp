// "timer.ini": Shift-JIS text a user wrote by hand, read at the first start. Each
// accepted line must read the same when written out plainly again, and the sets
// seeded from the file must come back unchanged from the settings file the next
// start reads.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/settings/settings_store.h"
#include "core/timers/timer_seed.h"
#include "core/timers/timer_sets.h"
#include "fuzz_check.h"

namespace {

QString g_settings;

// The plainest line that names the set: the name quoted, quotes doubled.
QString LineOf(const norvane::TTimerSet& set) {
    QString name = set.Name;
    name.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    QStringList fields = {QLatin1Char('"') + name + QLatin1Char('"'), set.Kind, QString::number(set.Value)};
    for (int i : {2, 1, 0}) fields << QString::number(set.Section[static_cast<std::size_t>(i)]);
    return fields.join(QLatin1Char(','));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Settings files go to memory where the machine has it: a save per input.
    static QTemporaryDir dir(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/norvane-fuzz-XXXXXX")
                                                        : QDir::tempPath() + QStringLiteral("/norvane-fuzz-XXXXXX"));
    g_settings = dir.filePath(QStringLiteral("Norvane.reg"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = norvane::TimerIniLines(bytes);
    std::vector<norvane::TTimerSet> accepted;
    for (const QString& line : lines) {
        FUZZ_CHECK(!line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r')), "a line holds a line end");
        const auto set = norvane::ParseTimerLine(line);
        if (!set) continue;
        FUZZ_CHECK(set->Kind == norvane::kKindCountdown || set->Kind == norvane::kKindStopwatch,
                   "a line of another kind was accepted");
        FUZZ_CHECK(set->Value >= 0 && set->Value <= 32767, "a length beyond what the editors allow was accepted");
        const auto again = norvane::ParseTimerLine(LineOf(*set));
        FUZZ_CHECK(again && *again == *set, "an accepted line reads differently when written out again");
        accepted.push_back(*set);
    }
    if (accepted.size() > static_cast<std::size_t>(norvane::kMaxTimerSets)) accepted.resize(norvane::kMaxTimerSets);

    QFile::remove(g_settings);
    {
        norvane::SettingsStore store(g_settings);
        const int count = norvane::SeedTimerSetsFromLines(store, lines);
        FUZZ_CHECK(count == static_cast<int>(accepted.size()), "the seeding took another number of sets");
    }
    // The next start reads the saved file.
    const norvane::SettingsStore store(g_settings);
    FUZZ_CHECK(norvane::ReadTimerSets(store) == accepted, "seeded sets changed in the settings file");
    return 0;
}
