// One 100 ms tick of the timer page with all twelve cells running, offscreen:
// the cell logic and the label, colour and caption updates it causes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>

#include "core/settings/settings_store.h"
#include "gui/main_window/main_window.h"
#include "gui/timers/timer_controller.h"
#include "gui/timers/timer_page.h"
#include "platform/sound.h"
#include "support/fake_os_clock.h"
#include "support/fake_sound_player.h"

namespace {

using namespace norvane;

// Countdowns of two hours, chain windows of level 80 and stopwatches, four each,
// every cell with an alarm set that never comes due.
struct RunningPage {
    RunningPage() : clockScope(clock), soundScope(sound) {
        qputenv("NORVANE_SETTINGS", dir.filePath("Norvane.reg").toUtf8());
        {
            SettingsStore s;
            s.WriteInteger("Alarm", "Count", 1);
            s.WriteString("Alarm\\Alarm-Set00", "Name", QStringLiteral("鐘"));
            for (int i = 0; i < 3; ++i) {
                const QString key = QStringLiteral("Alarm\\Alarm-Set00\\Section%1").arg(i);
                s.WriteString(key, "Filename", QStringLiteral("/snd/bell%1.wav").arg(i));
                s.WriteInteger(key, "Second", 9000 + i);
            }
            for (int c = 0; c < kTimerCellCount; ++c)
                s.WriteInteger("Timer\\Alarm", QStringLiteral("Item%1").arg(c), 1);
        }
        clock.setTick(1000);
        w = std::make_unique<TfrmMain>(std::vector<std::string>{"norvane"});
        const int sets[3] = {21, 29, 0};  // "2時間", "チェーン 敵Lv80", "ストップウォッチ"
        for (int c = 0; c < kTimerCellCount; ++c)
            w->findChild<QComboBox*>(QStringLiteral("cmbTimer%1").arg(c + 1))->setCurrentIndex(sets[c % 3]);
        w->show();
        QApplication::processEvents();
        Restart();
    }

    void Restart() {
        for (int c = 0; c < kTimerCellCount; ++c) {
            w->Timers()->ResetAction(c)->trigger();
            w->Timers()->StartAction(c)->trigger();
        }
        started = clock.tickCount();
    }

    // The next tick; every 400 s (before the chain windows end) all cells start over.
    void Advance(benchmark::State& state) {
        clock.advanceTick(100);
        if (clock.tickCount() - started > 400'000) {
            state.PauseTiming();
            Restart();
            state.ResumeTiming();
        }
    }

    QTemporaryDir dir;
    FakeOsClock clock;
    ScopedOsClock clockScope;
    FakeSoundPlayer sound;
    ScopedSoundPlayer soundScope;
    std::unique_ptr<TfrmMain> w;
    std::uint32_t started = 0;
};

void BM_TimerPageTick(benchmark::State& state) {
    RunningPage page;
    for (auto _ : state) {
        page.Advance(state);
        page.w->Timers()->tmrTimerTimer();
    }
    if (!page.w->Timers()->Page()->Cells.AnyRunning()) state.SkipWithError("cells stopped");
}
BENCHMARK(BM_TimerPageTick)->Unit(benchmark::kMicrosecond);

// The same with the repaint the tick asks for (the timer page showing).
void BM_TimerPageTickWithPaint(benchmark::State& state) {
    RunningPage page;
    for (auto _ : state) {
        page.Advance(state);
        page.w->Timers()->tmrTimerTimer();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_TimerPageTickWithPaint)->Unit(benchmark::kMicrosecond);

}  // namespace
