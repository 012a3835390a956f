#pragma once
// Asking before the program reaches the internet: the three kinds of access, their
// texts, and what the answer stores. The dialog that asks lives in the gui.
#include "core/settings/setting_keys.h"
#include "core/timesync/sync_messages.h"

namespace norvane {

class SettingsStore;

// How a modal dialog closed, in the numbers the windows have always used.
enum class DialogResult : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// One kind of access: the confirmation's caption and message, and the boolean
// setting that says whether to ask (true: ask).
struct InternetAccess {
    const char* caption;
    const char* message;  // two lines joined by "\n"
    const SettingKey<bool>* ask;
};

// Synchronising the PC clock from the main window (the command and the start-up).
inline constexpr InternetAccess kTimeServerAccess{kSyncConfirmCaption, kSyncConfirmText,
                                                  &setting::kAskTimeServerAccess};

// Opening the web page (the command and the version dialog's link).
inline constexpr InternetAccess kWebAccess{
    "ウェブサイト表示の確認 - Norvane",
    "ウェブサイトを表示するにはインターネットへの接続が必要です。\n"
    "インターネットへ接続します。よろしいですか？",
    &setting::kAskWebAccess};

// Starting the update program.
inline constexpr InternetAccess kNewVersionAccess{
    "最新バージョンの確認 - Norvane",
    "最新バージョンの有無を確認をするにはインターネットへの接続が必要です。\n"
    "インターネットへ接続します。よろしいですか？",
    &setting::kAskNewVersionAccess};

// The confirmation's check box "do not show this message again".
inline constexpr const char* kDontAskAgainCaption = "今後、このメッセージを表示しない(&I)";

// Whether the user is to be asked before this access: true unless stored false.
bool ShouldAskInternetAccess(const SettingsStore& store, const SettingKey<bool>& ask);

// What the confirmation's answer stores: false under `ask` when the user said
// yes with "do not show again" checked; nothing for any other close.
void StoreInternetAccessAnswer(SettingsStore& store, const SettingKey<bool>& ask, DialogResult result,
                               bool dontAskAgain);

}  // namespace norvane
