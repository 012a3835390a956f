#include "core/settings/proxy_settings.h"

#include "core/settings/settings_store.h"

namespace norvane {
ProxySettings ReadProxySettings(const SettingsStore& store) {
    ProxySettings p;
    p.enable = store.Read(setting::kProxyEnable);
    p.useInternetSetting = store.Read(setting::kProxyUseInternetSetting);
    p.server = store.Read(setting::kProxyServer);
    p.port = store.Read(setting::kProxyPort);
    return p;
}

QString ProxyPortText(int port) { return QString::number(port); }

std::optional<int> ParseProxyPort(const QString& text) {
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ++i;
    if (i == text.size()) return std::nullopt;
    for (qsizetype j = i; j < text.size(); ++j)
        if (text[j] < u'0' || text[j] > u'9') return std::nullopt;
    bool ok = false;
    const int port = text.toInt(&ok, 10);
    if (!ok) return std::nullopt;
    return port;
}

void StoreProxySettings(SettingsStore& store, bool enable, bool useInternetSetting, const QString& server,
                        const QString& portText) {
    store.Write(setting::kProxyEnable, enable);
    store.Write(setting::kProxyUseInternetSetting, useInternetSetting);
    store.Write(setting::kProxyServer, server);
    if (const std::optional<int> port = ParseProxyPort(portText)) store.Write(setting::kProxyPort, *port);
}

ProxyControlStates ProxyEnabledStates(bool useProxy, bool useInternetSetting) {
    return {useProxy, useProxy && !useInternetSetting};
}


}  // namespace norvane
