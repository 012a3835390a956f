#pragma once
// The settings file of one path, shared by the accessors of this process that
// are open at the same time. The first one locks the file against other
// processes and reads it, unless it is unchanged on disk since it was last read
// or saved; the last one saves it when it changed and unlocks. A save that fails
// keeps the values in memory for the rest of the run.
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
    // The changes wait for the next accessor to close, when this is the only one open.
    void SaveLater();

private:
    std::shared_ptr<SharedSettings> shared_;
};

// One warning of the category "norvane.settings", the first time `key` comes up
// in this process.
void ReportSettingsProblemOnce(const QString& key, const QString& message);

}  // namespace norvane
