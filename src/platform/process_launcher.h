#pragma once
// Starting another program, behind one small interface so that tests never
// start a real process.
#include <QString>
#include <QStringList>

namespace norvane {

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // Starts `program` with `arguments`, detached: it is neither waited for nor
    // watched. Returns whether it started.
    virtual bool StartDetached(const QString& program, const QStringList& arguments) = 0;
};

class SystemProcessLauncher final : public ProcessLauncher {
public:
    bool StartDetached(const QString& program, const QStringList& arguments) override;
};

// The launcher every part of the program uses. Defaults to a SystemProcessLauncher.
ProcessLauncher& processLauncher();

// Replaces the process launcher while alive (tests); restores the previous one on destruction.
class ScopedProcessLauncher {
public:
    explicit ScopedProcessLauncher(ProcessLauncher& launcher);
    ~ScopedProcessLauncher();
    ScopedProcessLauncher(const ScopedProcessLauncher&) = delete;
    ScopedProcessLauncher& operator=(const ScopedProcessLauncher&) = delete;

private:
    ProcessLauncher* previous_;
};

}  // namespace norvane
