// The settings file with many values in one key, 1,000 to 100,000: reading it
// when it changed on disk, writing every value and saving, and reaching it when
// it did not change. Reading and writing report their time per value, which must
// stay flat as the key grows; reaching an unchanged file must not grow at all.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/settings/settings_store.h"

namespace {

const QString kKey = QStringLiteral("Timer\\Timer-Set01");

QString Name(int i) { return QStringLiteral("Item%1").arg(i); }
QString Text(int i, int round) { return QStringLiteral("C:\\Media\\sound %1-%2.wav").arg(i).arg(round); }

QString MakeFile(const QTemporaryDir& dir, int values) {
    const QString path = dir.filePath(QStringLiteral("Norvane.reg"));
    norvane::SettingsStore s(path);
    for (int i = 0; i < values; ++i) s.WriteString(kKey, Name(i), Text(i, 0));
    return path;
}

// A new modification time, long ago, so that the next accessor reads the file again.
void Touch(const QString& path, int round) {
    const timespec times[2] = {{1'000'000'000 + round, 0}, {1'000'000'000 + round, 0}};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

void PerValue(benchmark::State& state) {
    state.counters["per_value"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

void BM_ReadChangedFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = MakeFile(dir, static_cast<int>(state.range(0)));
    int round = 0, sum = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Touch(path, ++round);
        state.ResumeTiming();
        norvane::SettingsStore s(path);
        sum += s.ReadString(kKey, Name(round % 1000), QString()).size();
    }
    benchmark::DoNotOptimize(sum);
    PerValue(state);
}

void BM_WriteEveryValueAndSave(benchmark::State& state) {
    QTemporaryDir dir;
    const int values = static_cast<int>(state.range(0));
    const QString path = MakeFile(dir, values);
    int round = 0;
    for (auto _ : state) {
        norvane::SettingsStore s(path);
        ++round;
        for (int i = 0; i < values; ++i) s.WriteString(kKey, Name(i), Text(i, round));
    }
    PerValue(state);
}

void BM_ReachUnchangedFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = MakeFile(dir, static_cast<int>(state.range(0)));
    int sum = 0;
    for (auto _ : state) {
        norvane::SettingsStore s(path);
        sum += s.ReadString(kKey, Name(7), QString()).size();
    }
    benchmark::DoNotOptimize(sum);
}

void Sizes(benchmark::internal::Benchmark* b) {
    for (int n : {1'000, 3'000, 10'000, 30'000, 100'000}) b->Arg(n);
}

BENCHMARK(BM_ReadChangedFile)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteEveryValueAndSave)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReachUnchangedFile)->Apply(Sizes)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
