// Process entry: the command-line faces, or the one running copy of the window.
#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "core/cli/cli.h"
#include "core/time/vanatime.h"
#include "gui/art/pictures.h"
#include "gui/main_window/app_style.h"
#include "gui/main_window/help_viewer.h"
#include "gui/main_window/main_window.h"
#include "platform/single_instance.h"
#include "platform/ui_font.h"

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

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv, argv + argc);
    if (norvane::IsCommandLineRequest(args)) return norvane::RunCommandLine(args, std::cout, std::cerr);

    if (!HasDisplay()) {
        std::cerr << "norvane: no display to open the window on (DISPLAY or WAYLAND_DISPLAY is not set).\n"
                     "Start it from a desktop session, or use the terminal faces: norvane --help\n";
        return 1;
    }

    // Font configuration and the first pictures are prepared on other threads
    // while the display connection and the window are set up.
    norvane::PrepareUiFamily();
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

    // What the window does not show when it opens is built just after.
    norvane::TfrmMain frmMain(args, nullptr, norvane::TfrmMain::BuildOrder::ShownFirst);
    QObject::connect(&instance, &norvane::SingleInstance::activateRequested, &frmMain,
                     &norvane::TfrmMain::ActivateFromMessage);
    QObject::connect(&instance, &norvane::SingleInstance::exitRequested, &frmMain, &QWidget::close);
    QObject::connect(&instance, &norvane::SingleInstance::helpRequested, &frmMain,
                     [&frmMain](int context) { norvane::ShowHelp(&frmMain, context); });
    frmMain.show();
    return app.exec();
}
