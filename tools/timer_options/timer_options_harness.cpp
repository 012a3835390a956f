// The timer and alarm pages in their stand-in options dialog, for trying them by
// hand in an X server: the settings file comes from NORVANE_SETTINGS; Apply writes
// it; closing the dialog ends the program. An empty settings file gets the
// first-start timer sets and two alarm sets.
#include <QApplication>

#include "core/timers/timer_seed.h"
#include "options_harness.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    {
        norvane::SettingsStore store;
        if (norvane::ReadTimerSetCount(store) == 0) {
            norvane::SeedTimerSetsOnFirstStart(store, QString());
            norvane::AppendChainSetsOnce(store);
            norvane::TAlarmSet bell;
            bell.Used = true;
            bell.Name = QStringLiteral("ベル");
            bell.Section[0] = {true, false, QStringLiteral("/usr/share/sounds/bell.wav"), 10};
            norvane::TAlarmSet gong = bell;
            gong.Name = QStringLiteral("ドラ");
            norvane::WriteAlarmSets(store, {bell, gong});
            norvane::WriteAlarmAssignments(store, {1, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        }
    }
    norvane::OptionsHarness h;
    h.Load();
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--alarm")) h.tabs->setCurrentIndex(1);
    h.show();
    return app.exec();
}
