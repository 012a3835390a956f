// One clock tick of the main window, offscreen, with the game clock moving on
// half a second per tick as it does for real.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "gui/main_window/main_window.h"
#include "support/fake_os_clock.h"

namespace {

void RunTicks(benchmark::State& state, bool paint) {
    QTemporaryDir dir;
    qputenv("NORVANE_SETTINGS", dir.filePath("Norvane.reg").toUtf8());
    norvane::FakeOsClock clock;
    norvane::ScopedOsClock scope(clock);
    norvane::TfrmMain w({"norvane"});
    w.show();
    QApplication::processEvents();
    for (auto _ : state) {
        clock.advanceMs(500);
        w.tmrClockTimer();
        // The repaint the tick asked for.
        if (paint) QApplication::processEvents();
    }
}

void BM_ClockTick(benchmark::State& state) { RunTicks(state, false); }
BENCHMARK(BM_ClockTick);

void BM_ClockTickWithPaint(benchmark::State& state) { RunTicks(state, true); }
BENCHMARK(BM_ClockTickWithPaint);

}  // namespace
