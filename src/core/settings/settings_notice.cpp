#include "core/settings/settings_notice.h"

#include <QStringList>
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
    const QString unread = QStringLiteral("設定ファイルを読み込めませんでした。\r\n\r\n");
    const QString leftAlone = QStringLiteral(
        "\r\n既定の設定で動作します。設定ファイルはそのまま残し、\r\n変更した設定は保存しません。");
    const QString notSaved = QStringLiteral(
        "変更した設定は保存しません（Norvane を終了するまでは保持されます）。");
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
            text = unread + notice.reason + leftAlone;
            break;
        case SettingsNoticeKind::NotAFile:
            text = unread + QStringLiteral("設定ファイルの場所にあるのはファイルではなく、%1です。").arg(notice.reason) +
                   leftAlone;
            break;
        case SettingsNoticeKind::TooLarge:
            text = unread + QStringLiteral("設定ファイルが大きすぎます（%1 を超えています）。").arg(notice.reason) +
                   leftAlone;
            break;
        case SettingsNoticeKind::Damaged:
            text = QStringLiteral("設定ファイルの一部が壊れていました。\r\n\r\n") + notice.reason +
                   QStringLiteral("\r\n読み取れた設定はすべて引き継ぎました。\r\n"
                                  "壊れていた元のファイルは次の名前で残してあります。\r\n") +
                   notice.other;
            break;
        case SettingsNoticeKind::DamagedNotCopied:
            text = QStringLiteral("設定ファイルの一部が壊れています。\r\n\r\n") + notice.reason +
                   QStringLiteral("\r\n元のファイルを別の名前で残せなかったため（%1）、\r\n"
                                  "設定ファイルはそのまま残します。\r\n")
                       .arg(notice.other) +
                   notSaved;
            break;
        case SettingsNoticeKind::LinkRefused:
            text = QStringLiteral("設定ファイルのリンク先を設定ファイルとして読めません。\r\n\r\n") + notice.reason +
                   QStringLiteral("\r\nリンク先のファイルは書き換えません。\r\n") + notSaved +
                   QStringLiteral("\r\n\r\nリンク先: ") + notice.other;
            break;
    }
    return text + QStringLiteral("\r\n\r\n") + notice.path;
}

}  // namespace norvane

namespace norvane {

QString SettingsDamageText(bool headerMissing, bool undecodable, int badLines, int firstBadLine) {
    QStringList parts;
    if (headerMissing)
        parts << QStringLiteral("先頭の行が「Windows Registry Editor Version 5.00」ではありません。");
    if (undecodable) parts << QStringLiteral("文字として読めないバイトがあります。");
    if (badLines > 0)
        parts << QStringLiteral("読み取れない行が %1 行あります（最初は %2 行目）。").arg(badLines).arg(firstBadLine);
    return parts.join(QStringLiteral("\r\n"));
}

QString SettingsNotAFileText(FileKind kind) {
    switch (kind) {
        case FileKind::Directory: return QStringLiteral("フォルダー");
        case FileKind::Fifo: return QStringLiteral("名前付きパイプ");
        case FileKind::Device: return QStringLiteral("デバイス");
        case FileKind::Socket: return QStringLiteral("ソケット");
        case FileKind::Missing:
        case FileKind::Regular:
        case FileKind::Other: break;
    }
    return QStringLiteral("特殊なファイル");
}

}  // namespace norvane
