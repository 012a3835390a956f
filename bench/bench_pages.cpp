// Refreshing the showing schedule page, offscreen: the tick's page step when the
// clock has not moved (nothing to write) and when it moves on a second.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>

#include "core/settings/settings_store.h"
#include "gui/main_window/main_window.h"
#include "gui/schedules/schedule_pages.h"
#include "support/fake_os_clock.h"

namespace {

using norvane::TfrmMain;

// The argument is the page's tab index, 1-4: ships, guilds, racial equipment, chocobo.
void RunPage(benchmark::State& state, std::int64_t stepMs) {
    const norvane::Page page = *norvane::PageAt(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString settings = dir.filePath("Norvane.reg");
    qputenv("NORVANE_SETTINGS", settings.toUtf8());
    {
        // Lists filled, as a user with choices sees them.
        norvane::SettingsStore store(settings);
        store.WriteInteger("Option", "Racial", 3);
        store.WriteInteger("Option", "Chocobo", 1);
    }
    norvane::FakeOsClock clock;
    clock.setBias(-540);
    norvane::ScopedOsClock scope(clock);
    TfrmMain w({"norvane"});
    w.show();
    w.ShowPage(page);
    QApplication::processEvents();
    for (auto _ : state) {
        clock.advanceMs(stepMs);
        w.SchedulePages()->Refresh(page, norvane::GetVanaTime());
    }
    QApplication::processEvents();
}

void BM_PageRefreshUnchanged(benchmark::State& state) { RunPage(state, 0); }
BENCHMARK(BM_PageRefreshUnchanged)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

// Every countdown of the page changes (the repaint itself is not counted).
void BM_PageRefreshNextSecond(benchmark::State& state) { RunPage(state, 1000); }
BENCHMARK(BM_PageRefreshNextSecond)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

}  // namespace
