// The options dialog's two ways in: the menu's "オプション(&O)..." and the alarm
// menu's "アラームの設定(&A)...", which opens it on its alarm page.
#include <QAction>

#include "core/main_window/window_state.h"
#include "core/settings/settings_store.h"
#include "gui/main_window/main_window.h"
#include "gui/settings/options_dialog.h"
#include "gui/timers/timer_controller.h"

namespace norvane {

void TfrmMain::CreateOptionsRoute() {
    // The dialog, with the window's font face, shown modally and destroyed when it closes.
    auto show = [this](OptionsPage page) {
        TfrmOpt dialog(this);
        dialog.ShowPage(page);
        dialog.exec();
    };
    connect(Command(QStringLiteral("actOption")), &QAction::triggered, this, [this, show] {
        show(OptionsPage::General);
    });
    connect(timers_, &TTimerController::alarmOptionsRequested, this, [show] { show(OptionsPage::Alarm); });
}

void TfrmMain::OptionsApplied(bool timerSetsChanged) {
    StartupSettings st;
    {
        SettingsStore store;
        st = ReadStartupSettings(store);
    }
    wheelOwn_ = st.wheelOwn;
    wheelLines_ = st.wheelLines;
    // Reloading the rows would stop the running cells: only new sets call for it.
    if (timerSetsChanged) timers_->LoadTimerRows();
    timers_->BuildAlarmMenu();
    // The tray and notification keys take effect once the dialog has stored them.
    ApplyTraySettings();
    ApplyNotifySettings();
}

}  // namespace norvane
