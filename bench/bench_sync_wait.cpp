// How late the main window's clock tick runs while a synchronisation waits for a
// time server that never answers (a silent loopback server, a fake clock setter).
// Reported: the latest tick against its 500 ms period, and the latest 10 ms probe
// timer, over a 3 s wait; both must stay well under 100 ms.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>

#include "core/settings/settings_store.h"
#include "gui/main_window/main_window.h"
#include "gui/main_window/user_messages.h"
#include "gui/timesync/sync_controller.h"
#include "support/fake_pc_clock.h"
#include "support/fake_sntp_server.h"

namespace {

using Clock = std::chrono::steady_clock;

class QuietMessages final : public norvane::UserMessages {
public:
    void Beep(norvane::BeepKind) override {}
    void Show(QWidget*, norvane::MessageIcon, const QString&) override {}
};

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void BM_TickWhileServerIsSilent(benchmark::State& state) {
    QTemporaryDir dir;
    qputenv("NORVANE_SETTINGS", dir.filePath("Norvane.reg").toUtf8());
    norvane::FakeSntpServer server([](const auto&, norvane::Instant) {
        return std::vector<norvane::FakeSntpServer::Datagram>{};
    });
    {
        norvane::SettingsStore s;
        s.WriteString("Time", "Server", QString::fromStdString(server.server()));
        s.WriteBool("Option", "TimeServerAccess", false);
    }
    norvane::FakePcClock clock;
    norvane::ScopedPcClock clockScope(clock);
    QuietMessages messages;
    norvane::ScopedUserMessages messagesScope(messages);
    norvane::TfrmMain w({"norvane"});
    w.show();
    QApplication::processEvents();
    auto* tmrClock = w.findChild<QTimer*>("tmrClock");
    w.Sync()->SetReplyTimeout(std::chrono::milliseconds(3000));

    double tickLate = 0, probeLate = 0, waited = 0;
    int ticks = 0;
    for (auto _ : state) {
        Clock::time_point lastTick{}, lastProbe{};
        auto onTick = QObject::connect(tmrClock, &QTimer::timeout, [&] {
            const auto now = Clock::now();
            if (lastTick != Clock::time_point{}) tickLate = std::max(tickLate, Ms(now - lastTick) - 500);
            lastTick = now;
            ++ticks;
        });
        QTimer probe;
        probe.setTimerType(Qt::PreciseTimer);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            const auto now = Clock::now();
            if (lastProbe != Clock::time_point{}) probeLate = std::max(probeLate, Ms(now - lastProbe) - 10);
            lastProbe = now;
        });
        QEventLoop loop;
        QObject::connect(w.Sync(), &norvane::TSyncController::finished, &loop, &QEventLoop::quit);
        const auto start = Clock::now();
        probe.start(10);
        w.findChild<QAction*>("actSync")->trigger();
        loop.exec();
        waited = Ms(Clock::now() - start);
        probe.stop();
        QObject::disconnect(onTick);
    }
    state.counters["max_tick_late_ms"] = tickLate;
    state.counters["max_probe_late_ms"] = probeLate;
    state.counters["ticks"] = ticks;
    state.counters["wait_ms"] = waited;
    state.counters["clock_set"] = static_cast<double>(clock.calls().size());
    if (tickLate > 100) state.SkipWithError("a tick was delayed by more than 100 ms");
}
BENCHMARK(BM_TickWhileServerIsSilent)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
