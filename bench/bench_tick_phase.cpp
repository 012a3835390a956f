// Where the window's clock tick lands against the system clock's half-second
// boundaries, on the real clock, offscreen, for a minute each (set
// NORVANE_TICK_PHASE_SECONDS for another length). The phase is read when the
// tick's work is done, that is when the new second shows: "median_ms" and
// "max_ms" are how long after a boundary that is (negative: before it), "over_20ms"
// how many ticks came later than 20 ms. A free-running 500 ms timer, as the
// window had, is measured beside it for comparison.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <vector>

#include "gui/main_window/main_window.h"

namespace {

// Milliseconds since the last half-second boundary of the system clock, from
// -250 up to 250.
double PhaseNowMs() {
    using namespace std::chrono;
    const auto us = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
    double ms = static_cast<double>(us % 500'000) / 1000.0;
    if (ms >= 250.0) ms -= 500.0;
    return ms;
}

int MeasuredSeconds() {
    bool ok = false;
    const int s = qEnvironmentVariableIntValue("NORVANE_TICK_PHASE_SECONDS", &ok);
    return ok && s > 0 ? s : 60;
}

// Runs the event loop for the measured time, noting the phase after each tick.
void MeasureTicks(benchmark::State& state, QTimer& tick) {
    std::vector<double> phases;
    QObject watcher;
    // Connected after the tick's own handler, so it runs when the tick's work is done.
    QObject::connect(&tick, &QTimer::timeout, &watcher, [&phases] { phases.push_back(PhaseNowMs()); });
    for (auto _ : state) {
        QEventLoop loop;
        QTimer::singleShot(MeasuredSeconds() * 1000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (phases.empty()) {
        state.SkipWithError("no tick came");
        return;
    }
    std::sort(phases.begin(), phases.end());
    state.counters["ticks"] = static_cast<double>(phases.size());
    state.counters["median_ms"] = phases[phases.size() / 2];
    state.counters["max_ms"] = phases.back();
    state.counters["min_ms"] = phases.front();
    state.counters["over_20ms"] =
        static_cast<double>(std::count_if(phases.begin(), phases.end(), [](double p) { return p < 0.0 || p > 20.0; }));
}

void BM_WindowClockTickPhase(benchmark::State& state) {
    QTemporaryDir dir;
    qputenv("NORVANE_SETTINGS", dir.filePath("Norvane.reg").toUtf8());
    norvane::TfrmMain w({"norvane"});
    w.show();
    QApplication::processEvents();
    auto* tick = w.findChild<QTimer*>("tmrClock");
    if (!tick) {
        state.SkipWithError("no tmrClock");
        return;
    }
    MeasureTicks(state, *tick);
}
BENCHMARK(BM_WindowClockTickPhase)->Iterations(1)->Unit(benchmark::kSecond);

void BM_FreeRunningTickPhase(benchmark::State& state) {
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(500);
    tick.start();
    MeasureTicks(state, tick);
}
BENCHMARK(BM_FreeRunningTickPhase)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
