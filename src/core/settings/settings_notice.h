#pragma once
// Problems with the settings file that the user must be told of, beyond the line
// on standard error: a save that failed, a file that cannot be read. Each kind is
// told once per run and file; the window takes the notices and shows them.
#include <QString>
#include <functional>
#include <vector>

namespace norvane {

enum class SettingsNoticeKind {
    DiskFull,  // a save failed: no space left (or over the quota)
    ReadOnly,  // a save failed: the folder or file cannot be written
    SaveFailed,  // a save failed for another reason
    Unreadable,  // the file cannot be read: defaults are used, nothing is saved
};

struct SettingsNotice {
    SettingsNoticeKind kind = SettingsNoticeKind::SaveFailed;
    QString path;    // the settings file
    QString reason;  // the system's words for the error
    bool operator==(const SettingsNotice&) const = default;
};

// The kind of a failed save by the error the system gave.
SettingsNoticeKind SaveFailureKind(int error);

// Queues a notice unless one of that kind and path was queued before in this run.
// Returns whether it was queued; then the listener (if any) is called.
bool QueueSettingsNotice(const SettingsNotice& notice);
// The notices queued and not yet taken, oldest first.
std::vector<SettingsNotice> TakeSettingsNotices();
// Called after a notice was queued, on the thread that met the problem and while
// the settings file is held: it must not open the settings itself (a queued call
// does). An empty function: none. Returns the previous listener.
std::function<void()> SetSettingsNoticeListener(std::function<void()> listener);
// Forgets which kinds were told, so that tests start afresh.
void ResetSettingsNotices();

// The message box text: what happened, what becomes of the settings, the file.
QString SettingsNoticeText(const SettingsNotice& notice);

}  // namespace norvane
