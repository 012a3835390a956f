#pragma once
// Records the programs that would have been started, and answers as told.
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/process_launcher.h"

namespace norvane {

class FakeProcessLauncher final : public ProcessLauncher {
public:
    struct Start {
        QString program;
        QStringList arguments;
    };

    bool StartDetached(const QString& program, const QStringList& arguments) override {
        started.push_back({program, arguments});
        return starts;
    }

    std::vector<Start> started;
    bool starts = true;  // false: as if the program were missing
};

}  // namespace norvane
