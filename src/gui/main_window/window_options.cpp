// The options dialog's two ways in: the menu's "オプション(&O)..." and the alarm
// menu's "アラームの設定(&A)...", which opens it on its alarm page.
#include <QAction>

#include "gui/main_window/main_window.h"
#include "gui/settings/options_dialog.h"
#include "gui/timers/timer_controller.h"

namespace norvane {

void TfrmMain::CreateOptionsRoute() {
    connect(Command(QStringLiteral("actOption")), &QAction::triggered, this,
            [this] {
                ShowOptionsDialog(this, OptionsPage::General);
                // The tray and notification keys take effect when the dialog closes.
                ApplyTraySettings();
                ApplyNotifySettings();
            });
    connect(timers_, &TTimerController::alarmOptionsRequested, this, [this] {
        ShowOptionsDialog(this, OptionsPage::Alarm);
        ApplyTraySettings();
        ApplyNotifySettings();
    });
}

}  // namespace norvane
