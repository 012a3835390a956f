#pragma once
// The proxy of the update program's HTTP connections ("Option\Proxy"). The
// program never uses these values itself; it only keeps them for the update program.
#include <QString>
#include <optional>

namespace norvane {

class SettingsStore;

// The port field takes at most this many characters (so at most 99999; not range-checked).
inline constexpr int kProxyPortMaxLength = 5;

struct ProxySettings {
    bool enable = false;
    bool useInternetSetting = false;  // the system's Internet Options instead of server and port
    QString server;
    int port = 0;
    friend bool operator==(const ProxySettings&, const ProxySettings&) = default;
};

ProxySettings ReadProxySettings(const SettingsStore& store);

// What the proxy dialog's fields show: the port as decimal text ("0" when absent).
QString ProxyPortText(int port);

// The port a field's text stands for: a decimal integer with an optional sign,
// nothing else. Empty or anything else (pasted letters) gives nothing.
std::optional<int> ParseProxyPort(const QString& text);

// What OK stores: the two switches and the server as shown; the port only when
// its text is a number, so a cleared or garbled field keeps the stored port.
void StoreProxySettings(SettingsStore& store, bool enable, bool useInternetSetting, const QString& server,
                        const QString& portText);

// Which of the dialog's controls are enabled for the two check boxes' states.
struct ProxyControlStates {
    bool useInternetSetting;  // the "Internet Options" check box
    bool serverAndPort;       // the server and port labels and edit boxes
    friend bool operator==(const ProxyControlStates&, const ProxyControlStates&) = default;
};
ProxyControlStates ProxyEnabledStates(bool useProxy, bool useInternetSetting);

}  // namespace norvane
