#pragma once
// The texts the windows show around a synchronisation, exactly as the user sees
// them ("\n" is a line break). The core only says which one; the window shows it.
#include "core/timesync/sntp_client.h"

namespace norvane {

// The main window's confirmation before it connects (section "Option", value "TimeServerAccess").
inline constexpr const char* kSyncConfirmCaption = "時刻同期の確認 - Norvane";
inline constexpr const char* kSyncConfirmText =
    "時刻の同期を行うにはインターネットへの接続が必要です。\n"
    "インターネットへ接続します。よろしいですか？";

// Warning: the time server could not be reached.
inline constexpr const char* kSyncNoConnectionText =
    "インターネット時刻サーバーに接続できませんでした。\n\n"
    "時刻サーバーのアドレスが間違っているか、\n"
    "このサーバーは時刻サーバーではない可能性があります。";

// Warning: no usable reply, or the clock could not be set.
inline constexpr const char* kSyncClockNotSetText =
    "PC内部時計の設定に失敗しました。\n\n"
    "エラーの原因は特定できません。\n"
    "時間をおいて、再度時刻サーバーとの同期を試みてください。";

// Information after the options dialog's "sync now" succeeded.
inline constexpr const char* kSyncSucceededText =
    "時刻の同期に成功しました。\n\n"
    "インターネット時刻サーバーから正常に時刻を取得し、\n"
    "PC内部時計の設定が正常に行われました。";

// The main window's status label, before and after a successful synchronisation.
inline constexpr const char* kTimeNotSyncedText = "時刻未同期";
inline constexpr const char* kTimeSyncedText = "時刻同期済み";

// The warning text of a failed synchronisation; empty for SyncMessage::None.
inline const char* SyncMessageText(SyncMessage message) {
    switch (message) {
        case SyncMessage::None: return "";
        case SyncMessage::NoConnection: return kSyncNoConnectionText;
        case SyncMessage::ClockNotSet: return kSyncClockNotSetText;
    }
    return "";
}

}  // namespace norvane
