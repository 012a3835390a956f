// The settings batches the windows run: open an accessor on a file of 300
// values, read or write 20 of them, close it (saving after writes).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "core/settings/settings_store.h"

namespace {

constexpr int kSections = 30;
constexpr int kValuesPerSection = 10;

QString Section(int i) { return QStringLiteral("Timer\\Timer-Set%1\\Section%2").arg(i / 5, 2, 10, QLatin1Char('0')).arg(i % 5); }

// A file of kSections * kValuesPerSection values, half texts, half numbers.
QString MakeFile(const QTemporaryDir& dir) {
    QString path = dir.filePath(QStringLiteral("Norvane.reg"));
    norvane::SettingsStore s(path);
    for (int i = 0; i < kSections; ++i)
        for (int v = 0; v < kValuesPerSection; ++v) {
            QString name = QStringLiteral("Item%1").arg(v);
            if (v % 2) s.WriteInteger(Section(i), name, i * 100 + v);
            else s.WriteString(Section(i), name, QStringLiteral("C:\\Media\\sound %1-%2.wav").arg(i).arg(v));
        }
    return path;
}

void BM_ReadBatchOf20(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = MakeFile(dir);
    int sum = 0;
    for (auto _ : state) {
        norvane::SettingsStore s(path);
        for (int k = 0; k < 10; ++k) {
            sum += s.ReadInteger(Section(k * 3), QStringLiteral("Item%1").arg(k % 5 * 2 + 1), 0);
            sum += s.ReadString(Section(k * 3 + 1), QStringLiteral("Item%1").arg(k % 5 * 2), QString()).size();
        }
    }
    benchmark::DoNotOptimize(sum);
}
BENCHMARK(BM_ReadBatchOf20)->Unit(benchmark::kMicrosecond);

void BM_WriteBatchOf20WithSave(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = MakeFile(dir);
    int round = 0;
    for (auto _ : state) {
        norvane::SettingsStore s(path);
        ++round;
        for (int k = 0; k < 10; ++k) {
            s.WriteInteger(Section(k * 3), QStringLiteral("Item%1").arg(k % 5 * 2 + 1), round);
            s.WriteString(Section(k * 3 + 1), QStringLiteral("Item%1").arg(k % 5 * 2), QString::number(round));
        }
    }
}
BENCHMARK(BM_WriteBatchOf20WithSave)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
