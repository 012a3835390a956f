#pragma once
// Problems with the settings file that the user must be told of, beyond the line
// on standard error: a save that failed, a file that cannot be read or was found
// damaged. Each kind is told once per run and file; the window takes the notices
// and shows them.
#include <QString>
#include <functional>
#include <vector>

#include "platform/bounded_file.h"

namespace norvane {

enum class SettingsNoticeKind {
    DiskFull,  // a save failed: no space left (or over the quota)
    ReadOnly,  // a save failed: the folder or file cannot be written
    SaveFailed,  // a save failed for another reason
    Unreadable,  // the file cannot be read: defaults are used, nothing is saved
    NotAFile,    // a folder, FIFO or device at the path: as Unreadable
    TooLarge,    // the file is beyond what a settings file can be: as Unreadable
    Damaged,     // lines were left out; the original was copied aside
    DamagedNotCopied,  // as Damaged, but no copy could be made: nothing is saved
    LinkRefused,  // a link whose target is no settings file: nothing is saved there
};

struct SettingsNotice {
    SettingsNoticeKind kind = SettingsNoticeKind::SaveFailed;
    QString path;    // the settings file
    QString reason;  // the system's words for the error, or what is wrong with the file
    QString other;   // the copy made aside (Damaged), or the link's target (LinkRefused)
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

// The reason of a Damaged notice, as the box tells it.
QString SettingsDamageText(bool headerMissing, bool undecodable, int badLines, int firstBadLine);
// The reason of a NotAFile notice: what lies at the path ("フォルダー" ...).
QString SettingsNotAFileText(FileKind kind);

}  // namespace norvane
