// The timer and alarm pages in their stand-in options dialog, for trying them by
// hand in an X server: the settings file comes from NORVANE_SETTINGS; Apply writes
// it; closing the dialog ends the program.
#include <QApplication>

#include "options_harness.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    norvane::OptionsHarness h;
    h.Load();
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--alarm")) h.tabs->setCurrentIndex(1);
    h.show();
    return app.exec();
}
