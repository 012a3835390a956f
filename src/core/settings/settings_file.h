#pragma once
// The settings file of one path, shared by the accessors of this process that
// are open at the same time. The first one locks the file against other
// processes and reads it; the last one saves it when it changed and unlocks.
// A save that fails keeps the values in memory for the rest of the run.
#include <QString>
#include <memory>
#include <mutex>

#include "core/settings/reg_document.h"

namespace norvane {

struct SharedSettings;

class SettingsFile {
public:
    explicit SettingsFile(const QString& path);
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    // Hold the returned lock while using Document().
    std::unique_lock<std::mutex> Lock() const;
    RegDocument& Document() const;
    void MarkChanged();

private:
    std::shared_ptr<SharedSettings> shared_;
};

// One line on standard error, the first time `key` comes up in this process.
void ReportSettingsProblemOnce(const QString& key, const QString& message);

// Steps of a save at which tests can make it fail (or stop the process).
enum class SaveStep { WriteTemporary, Rename };
// Called before each step; returning false fails the step. nullptr: no hook.
using SaveFaultHook = bool (*)(SaveStep);
void SetSaveFaultHook(SaveFaultHook hook);

}  // namespace norvane
