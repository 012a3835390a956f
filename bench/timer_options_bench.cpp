// The options dialog's timer and alarm pages with full lists (100 timer sets, 20
// alarm sets), offscreen: opening them (build, load, first paint) and applying.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <memory>

#include "core/settings/settings_store.h"
#include "core/timers/timer_sets.h"
#include "gui/timers/timer_options.h"

namespace {

using namespace norvane;

struct FullLists {
    FullLists() {
        qputenv("NORVANE_SETTINGS", dir.filePath("Norvane.reg").toUtf8());
        std::vector<TTimerSet> timers;
        for (int i = 0; i < kMaxTimerSets; ++i)
            timers.push_back({true, QStringLiteral("タイマー %1").arg(i), i % 3 ? kKindCountdown : kKindChaintime,
                              60 + i, {60, 30, 15}});
        std::vector<TAlarmSet> alarms;
        for (int i = 0; i < kMaxAlarmSets; ++i) {
            TAlarmSet a;
            a.Used = true;
            a.Name = QStringLiteral("アラーム %1").arg(i);
            for (auto& s : a.Section) s = {true, false, QStringLiteral("/usr/share/sounds/bell%1.wav").arg(i), i};
            alarms.push_back(a);
        }
        SettingsStore s;
        WriteTimerSets(s, timers);
        WriteAlarmSets(s, alarms);
        WriteAlarmAssignments(s, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    }
    QTemporaryDir dir;
};

// The options dialog's frame as far as these pages need it.
struct Dialog {
    Dialog() {
        dlg.setFixedSize(470, 412);
        tabs = new QTabWidget(&dlg);
        tabs->setGeometry(6, 6, 458, 368);
        auto* timer = new QWidget;
        auto* alarm = new QWidget;
        tabs->addTab(timer, QStringLiteral("タイマー"));
        tabs->addTab(alarm, QStringLiteral("アラーム"));
        pages = new TOptTimerPages(&dlg, timer, alarm);
    }
    QDialog dlg;
    QTabWidget* tabs;
    TOptTimerPages* pages;
};

void BM_OpenTimerPagesWithFullLists(benchmark::State& state) {
    FullLists lists;
    for (auto _ : state) {
        Dialog d;
        {
            SettingsStore store;
            d.pages->Load(store);
        }
        d.dlg.show();
        QApplication::processEvents();
        d.tabs->setCurrentIndex(1);
        QApplication::processEvents();
        benchmark::DoNotOptimize(d.pages);
    }
}
BENCHMARK(BM_OpenTimerPagesWithFullLists)->Unit(benchmark::kMillisecond);

// Each apply follows a move of the first two sets, so every one writes the file.
void BM_ApplyFullLists(benchmark::State& state) {
    FullLists lists;
    Dialog d;
    {
        SettingsStore store;
        d.pages->Load(store);
    }
    auto* list = d.dlg.findChild<QTreeWidget*>("lsvTimerSet");
    auto* down = d.dlg.findChild<QPushButton*>("btnTimerDown");
    for (auto _ : state) {
        state.PauseTiming();
        list->setCurrentItem(list->topLevelItem(0));
        down->click();
        state.ResumeTiming();
        SettingsStore store;
        d.pages->Apply(store);
    }
}
BENCHMARK(BM_ApplyFullLists)->Unit(benchmark::kMillisecond);

}  // namespace
