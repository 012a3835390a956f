#include "core/settings/internet_access.h"

#include "core/settings/settings_store.h"

namespace norvane {

bool ShouldAskInternetAccess(const SettingsStore& store, const SettingKey<bool>& ask) { return store.Read(ask); }

void StoreInternetAccessAnswer(SettingsStore& store, const SettingKey<bool>& ask, DialogResult result,
                               bool dontAskAgain) {
    // "No" with the box checked must not silence the question: the user declined
    // this once, not every time.
    if (result != DialogResult::Yes || !dontAskAgain) return;
    store.Write(ask, false);
}

}  // namespace norvane
