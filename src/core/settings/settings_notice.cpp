#include "core/settings/settings_notice.h"

#include <cerrno>
#include <mutex>
#include <set>
#include <utility>

namespace norvane {

namespace {

std::mutex g_mutex;
std::set<std::pair<int, QString>> g_told;
std::vector<SettingsNotice> g_pending;
std::function<void()> g_listener;

}  // namespace

SettingsNoticeKind SaveFailureKind(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT: return SettingsNoticeKind::DiskFull;
        case EROFS:
        case EACCES:
        case EPERM: return SettingsNoticeKind::ReadOnly;
        default: return SettingsNoticeKind::SaveFailed;
    }
}

bool QueueSettingsNotice(const SettingsNotice& notice) {
    std::function<void()> listener;
    {
        std::lock_guard guard(g_mutex);
        if (!g_told.insert({static_cast<int>(notice.kind), notice.path}).second) return false;
        g_pending.push_back(notice);
        listener = g_listener;
    }
    if (listener) listener();
    return true;
}

std::vector<SettingsNotice> TakeSettingsNotices() {
    std::lock_guard guard(g_mutex);
    return std::exchange(g_pending, {});
}

std::function<void()> SetSettingsNoticeListener(std::function<void()> listener) {
    std::lock_guard guard(g_mutex);
    return std::exchange(g_listener, std::move(listener));
}

void ResetSettingsNotices() {
    std::lock_guard guard(g_mutex);
    g_told.clear();
    g_pending.clear();
}

QString SettingsNoticeText(const SettingsNotice& notice) {
    const QString kept = QStringLiteral(
        "変更した設定は Norvane を終了するまで保持され、\r\n保存できるようになると保存されます。");
    QString text;
    switch (notice.kind) {
        case SettingsNoticeKind::DiskFull:
            text = QStringLiteral("設定を保存できませんでした。\r\n\r\nディスクの空き容量が足りません。\r\n") + kept;
            break;
        case SettingsNoticeKind::ReadOnly:
            text = QStringLiteral("設定を保存できませんでした。\r\n\r\n設定ファイルのフォルダーに書き込めません"
                                  "（読み取り専用か、書き込みの権限がありません）。\r\n") +
                   kept;
            break;
        case SettingsNoticeKind::SaveFailed:
            text = QStringLiteral("設定を保存できませんでした。\r\n\r\n") + notice.reason + QStringLiteral("\r\n") + kept;
            break;
        case SettingsNoticeKind::Unreadable:
            text = QStringLiteral("設定ファイルを読み込めませんでした。\r\n\r\n") + notice.reason +
                   QStringLiteral("\r\n既定の設定で動作します。設定ファイルはそのまま残し、\r\n"
                                  "変更した設定は保存しません。");
            break;
    }
    return text + QStringLiteral("\r\n\r\n") + notice.path;
}

}  // namespace norvane
