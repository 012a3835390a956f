// Process entry: the command-line faces, or the one running copy of the window.
#include <QApplication>

#include <pthread.h>

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/cli/cli.h"
#include "core/cli/clock_face.h"
#include "core/time/earth_time.h"
#include "core/time/vanatime.h"
#include "gui/art/pictures.h"
#include "gui/main_window/app_style.h"
#include "gui/main_window/help_viewer.h"
#include "gui/main_window/main_window.h"
#include "platform/display_platform.h"
#include "platform/os_clock.h"
#include "platform/single_instance.h"
#include "platform_gui/ui_font.h"

namespace {

// Qt would abort with a terse message when no display can be reached: say what
// is needed instead.
bool HasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    const char* x = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (wayland && *wayland);
}

// A wall clock stopped at one UTC instant; the local time follows TZ and the
// tick count keeps running, so timers still count.
class FixedWallClock final : public norvane::OsClock {
public:
    explicit FixedWallClock(const norvane::EarthTime& utc) : utc_(utc) {}
    norvane::EarthTime utcNow() const override { return utc_; }
    norvane::EarthTime localNow() const override {
        return norvane::EarthTimeFromMilliseconds(norvane::EarthMilliseconds(utc_) -
                                                  std::int64_t{localBias()} * 60'000);
    }
    int localBias() const override { return norvane::SystemBiasAt(utc_); }
    std::uint32_t tickCount() const override { return system_.tickCount(); }

private:
    norvane::EarthTime utc_;
    norvane::SystemOsClock system_;
};

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv, argv + argc);

    // NORVANE_FAKE_TIME=2003-12-01T09:00:01Z stops the wall clock at that instant
    // for this run (window and text faces alike), so that the README's pictures
    // and the end-to-end test show the same moment every time.
    std::optional<FixedWallClock> fixedClock;
    std::optional<norvane::ScopedOsClock> fixedClockInUse;
    if (const char* fake = std::getenv("NORVANE_FAKE_TIME"); fake && *fake) {
        const auto instant = norvane::ParseIsoUtc(fake);
        if (!instant) {
            std::cerr << "norvane: NORVANE_FAKE_TIME is not an ISO 8601 UTC instant (e.g. 2003-12-01T09:00:01Z)\n";
            return 2;
        }
        fixedClock.emplace(*instant);
        fixedClockInUse.emplace(*fixedClock);
    }

    if (norvane::IsFollowRequest(args)) {
        // A closed output shows as a failed write, which ends the face quietly.
        // SIGINT and SIGTERM are taken by a thread that wakes the sleeper, so the
        // face ends between two lines.
        std::signal(SIGPIPE, SIG_IGN);
        static norvane::WakeableSleeper sleeper;
        static sigset_t stop;
        sigemptyset(&stop);
        sigaddset(&stop, SIGINT);
        sigaddset(&stop, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &stop, nullptr);
        std::thread([] {
            int signal = 0;
            sigwait(&stop, &signal);
            sleeper.Stop();
        }).detach();
        return norvane::RunCommandLine(args, std::cout, std::cerr, sleeper);
    }
    if (norvane::IsCommandLineRequest(args)) return norvane::RunCommandLine(args, std::cout, std::cerr);

    if (!HasDisplay()) {
        std::cerr << "norvane: no display to open the window on (DISPLAY or WAYLAND_DISPLAY is not set).\n"
                     "Start it from a desktop session, or use the terminal faces: norvane --help\n";
        return 1;
    }

    // Font configuration and the first pictures are prepared on other threads
    // while the display connection and the window are set up.
    norvane::PrepareUiFamily();
    norvane::PreferXDisplay();
    QApplication app(argc, argv);
    {
        const norvane::VanaDateTime now = norvane::GetVanaTime();
        norvane::PrepareStartupPictures(now.Weekday, now.Moon);
    }
    QApplication::setApplicationName("Norvane");
    norvane::InstallAppStyle();

    norvane::SingleInstance instance;
    switch (instance.start()) {
        case norvane::SingleInstance::Role::Secondary:
            // Another copy runs: bring it forward and end without a window.
            norvane::PostAppMessage(norvane::AppMessage::MainActive, 3000);
            return 0;
        case norvane::SingleInstance::Role::Unguarded:
            std::cerr << "norvane: " << instance.errorString().toStdString()
                      << " (running without the single-instance guard)\n";
            break;
        case norvane::SingleInstance::Role::Primary: break;
    }
    // Only the copy that shows a window needs the list of installed faces; the
    // window waits for it, so it is done long before the application object goes.
    norvane::PrepareFontList();
    norvane::InstallJapaneseUi();

    // What the window does not show when it opens is built just after.
    norvane::TfrmMain frmMain(args, nullptr, norvane::TfrmMain::BuildOrder::ShownFirst);
    frmMain.SetEndsProgramOnClose(true);
    QObject::connect(&instance, &norvane::SingleInstance::activateRequested, &frmMain,
                     &norvane::TfrmMain::ActivateFromMessage);
    QObject::connect(&instance, &norvane::SingleInstance::exitRequested, &frmMain, &norvane::TfrmMain::ExitFromMessage);
    QObject::connect(&instance, &norvane::SingleInstance::helpRequested, &frmMain,
                     [&frmMain](int context) { norvane::ShowHelp(&frmMain, context); });
    frmMain.show();
    return app.exec();
}
