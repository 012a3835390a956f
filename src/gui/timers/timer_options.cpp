#include "gui/timers/timer_options.h"

#include <QWidget>

namespace norvane {

TOptTimerPages::TOptTimerPages(QWidget* dialog, QWidget* tstTimer, QWidget* tstAlarm)
    : QObject(dialog), dialog_(dialog), tstTimer_(tstTimer), tstAlarm_(tstAlarm) {}

TOptTimerPages::~TOptTimerPages() = default;

void TOptTimerPages::Load(const SettingsStore&) {}

void TOptTimerPages::Apply(SettingsStore&) {}

}  // namespace norvane
