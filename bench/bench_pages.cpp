// Refreshing the showing schedule page, offscreen: the tick's page step when the
// clock has not moved (nothing to write) and when it moves on a second; the
// skill caps (reading "skill.ini" included) and the calendar's 84-row rebuild.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
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

// The skill or calendar page showing, with the shipped data files.
struct AskedPage {
    QTemporaryDir dir;
    norvane::FakeOsClock clock;
    norvane::ScopedOsClock scope{clock};
    std::unique_ptr<TfrmMain> w;

    explicit AskedPage(norvane::Page page) {
        const QString settings = dir.filePath("Norvane.reg");
        qputenv("NORVANE_SETTINGS", settings.toUtf8());
        {
            norvane::SettingsStore store(settings);
            store.WriteInteger("Option", "SkillJob", 0);
            store.WriteInteger("Option", "SkillLv", 75);
        }
        clock.setBias(-540);
        w = std::make_unique<TfrmMain>(std::vector<std::string>{"norvane"});
        w->SchedulePages()->SetDataFiles(NORVANE_DATA_DIR "/skill.ini", NORVANE_DATA_DIR "/ballista.ini");
        w->show();
        w->ShowPage(page);
        QApplication::processEvents();
    }
};

// ShowSkillCaps through the level edit: the file read, thirty caps computed and
// written (the level alternates, so every cap label changes).
void BM_ShowSkillCaps(benchmark::State& state) {
    AskedPage p(norvane::Page::Skill);
    auto* level = p.w->findChild<QLineEdit*>("edtSkillMLv");
    bool high = false;
    for (auto _ : state) {
        level->setText(high ? QStringLiteral("75") : QStringLiteral("60"));
        high = !high;
    }
    QApplication::processEvents();
}
BENCHMARK(BM_ShowSkillCaps)->Unit(benchmark::kMicrosecond);

// btnCalenRefClick: "ballista.ini" read, 84 rows computed and copied. The
// clock moves on a game day each time, so every row's texts and pictures change.
void BM_CalendarRebuild(benchmark::State& state) {
    AskedPage p(norvane::Page::Calendar);
    auto* refresh = p.w->findChild<QPushButton*>("btnCalenRef");
    for (auto _ : state) {
        p.clock.advanceMs(norvane::kVanaDay * 1000 / norvane::kTimeFactor);
        refresh->click();
    }
    QApplication::processEvents();
}
BENCHMARK(BM_CalendarRebuild)->Unit(benchmark::kMicrosecond);

}  // namespace
