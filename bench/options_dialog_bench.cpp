// The options dialog, offscreen, over a settings file holding 100 timer sets
// and 20 alarm sets: opening it (made, loaded, shown) and applying it, with
// the main window that it tells of the changes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QTemporaryDir>

#include "core/settings/settings_store.h"
#include "core/timers/timer_sets.h"
#include "gui/main_window/main_window.h"
#include "gui/settings/options_dialog.h"
#include "support/fake_os_clock.h"

namespace {

void SeedSets(const QString& path) {
    norvane::SettingsStore store(path);
    std::vector<norvane::TTimerSet> timers(100);
    for (int i = 0; i < 100; ++i) {
        auto& t = timers[static_cast<std::size_t>(i)];
        t.Used = true;
        t.Name = QString("タイマー %1").arg(i);
        t.Kind = "countdown";
        t.Value = 60 + i;
        t.Section = {30, 10, 5};
    }
    norvane::WriteTimerSets(store, timers);
    std::vector<norvane::TAlarmSet> alarms(20);
    for (int i = 0; i < 20; ++i) {
        auto& a = alarms[static_cast<std::size_t>(i)];
        a.Used = true;
        a.Name = QString("アラーム %1").arg(i);
        for (auto& s : a.Section) {
            s.Enabled = true;
            s.Filename = "/usr/share/sounds/alarm.wav";
            s.Second = 10;
        }
    }
    norvane::WriteAlarmSets(store, alarms);
    for (int i = 0; i < 10; ++i)
        store.WriteString("Time\\History", QString::asprintf("Item%.2d", i), QString("ntp%1.example").arg(i));
    store.WriteInteger("Time\\History", "Count", 10);
}

struct Fixture {
    QTemporaryDir dir;
    norvane::FakeOsClock clock;
    norvane::ScopedOsClock scope{clock};
    std::unique_ptr<norvane::TfrmMain> w;

    Fixture() {
        const QString path = dir.filePath("Norvane.reg");
        qputenv("NORVANE_SETTINGS", path.toUtf8());
        SeedSets(path);
        w = std::make_unique<norvane::TfrmMain>(std::vector<std::string>{"norvane"});
        QApplication::processEvents();
    }
};

void BM_OpenOptionsDialog(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        norvane::TfrmOpt d(f.w.get());
        d.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OpenOptionsDialog)->Unit(benchmark::kMillisecond);

void BM_ApplyOptionsDialog(benchmark::State& state) {
    Fixture f;
    norvane::TfrmOpt d(f.w.get());
    d.show();
    QApplication::processEvents();
    auto* web = d.findChild<QCheckBox*>("chkWebAccess");
    for (auto _ : state) {
        // A changed value, so that every apply writes the file.
        web->click();
        d.actBtnAppExecute();
    }
}
BENCHMARK(BM_ApplyOptionsDialog)->Unit(benchmark::kMillisecond);

}  // namespace
