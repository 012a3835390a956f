#include <benchmark/benchmark.h>

#include "core/timers/timer_cells.h"
#include "core/timers/timer_rows.h"
#include "platform/sound.h"
#include "support/fake_sound_player.h"

namespace {

using namespace norvane;

// One 100 ms tick with all twelve cells running: countdowns past their thresholds,
// chain windows and stopwatches, each with an armed alarm set.
void BM_TickTwelveRunningCells(benchmark::State& state) {
    FakeSoundPlayer sound;
    ScopedSoundPlayer scoped(sound);
    std::vector<TTimerSet> sets;
    for (int i = 0; i < 4; ++i) {
        TTimerSet countdown{true, QStringLiteral("カウント%1").arg(i), kKindCountdown, 3600, {900, 600, 300}};
        TTimerSet chain{true, QStringLiteral("チェーン %1").arg(i), kKindChaintime, 80, {60, 30, 15}};
        TTimerSet watch{true, QStringLiteral("計測%1").arg(i), kKindStopwatch, 0, {0, 0, 0}};
        sets.insert(sets.end(), {countdown, chain, watch});
    }
    std::array<int, kTimerCellCount> rows{};
    std::array<int, kTimerCellCount> alarms{};
    for (int c = 0; c < kTimerCellCount; ++c) rows[static_cast<std::size_t>(c)] = c;
    alarms.fill(1);
    TAlarmSet alarm{true, QStringLiteral("鐘"), {}};
    for (auto& s : alarm.Section) s = {true, false, QStringLiteral("/snd/bell.wav"), 1};

    TimerCells cells;
    cells.LoadRows(sets, rows);
    cells.SetRowAlarms(RowAlarmsFor({alarm}, alarms));
    EarthTime local{2024, 1, 1, 12, 0, 0, 0};
    std::uint32_t tick = 1000;
    for (int c = 0; c < kTimerCellCount; ++c) cells.Start(c, tick, local);
    for (auto _ : state) {
        tick += 100;
        if (tick > 1000 + 80'000) {  // keep every cell running, alarms armed
            state.PauseTiming();
            tick = 1100;
            for (int c = 0; c < kTimerCellCount; ++c) {
                cells.Reset(c);
                cells.Start(c, 1000, local);
            }
            state.ResumeTiming();
        }
        auto r = cells.Tick(tick);
        benchmark::DoNotOptimize(r);
    }
    if (cells.AnyRunning() == false) state.SkipWithError("cells stopped");
}
BENCHMARK(BM_TickTwelveRunningCells)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
