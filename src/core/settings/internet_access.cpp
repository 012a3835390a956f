#include "core/settings/internet_access.h"

#include "core/settings/settings_store.h"

namespace norvane {

bool ShouldAskInternetAccess(const SettingsStore& store, const char* section, const char* value) {
    return store.ReadBool(QString::fromUtf8(section), QString::fromUtf8(value), true);
}

void StoreInternetAccessAnswer(SettingsStore& store, const char* section, const char* value, DialogResult result,
                               bool dontAskAgain) {
    // "No" with the box checked must not silence the question: the user declined
    // this once, not every time.
    if (result != DialogResult::Yes || !dontAskAgain) return;
    store.WriteBool(QString::fromUtf8(section), QString::fromUtf8(value), false);
}

}  // namespace norvane
