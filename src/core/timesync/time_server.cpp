#include "core/timesync/time_server.h"

#include <cctype>

#include "core/settings/settings_store.h"

namespace norvane {
namespace {


std::string Trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

std::optional<std::uint16_t> ParsePort(const std::string& text) {
    if (text.empty() || text.size() > 5) return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value == 0 || value > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

bool PlainHost(const std::string& host) {
    if (host.empty()) return false;
    for (char c : host)
        if (std::isspace(static_cast<unsigned char>(c)) || c == '[' || c == ']' || c == '/') return false;
    return true;
}

}  // namespace

std::optional<TimeServer> ParseTimeServer(const std::string& raw) {
    const std::string text = Trim(raw);
    if (text.empty()) return std::nullopt;
    TimeServer server;
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close == std::string::npos) return std::nullopt;
        server.host = text.substr(1, close - 1);
        const std::string rest = text.substr(close + 1);
        if (!rest.empty()) {
            if (rest.front() != ':') return std::nullopt;
            auto port = ParsePort(rest.substr(1));
            if (!port) return std::nullopt;
            server.port = *port;
        }
        if (!PlainHost(server.host) || server.host.find(':') == std::string::npos) return std::nullopt;
        return server;
    }
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) {
        server.host = text;
    } else if (text.find(':', colon + 1) != std::string::npos) {
        // More than one colon: a bare IPv6 address, which cannot carry a port.
        server.host = text;
    } else {
        server.host = text.substr(0, colon);
        auto port = ParsePort(text.substr(colon + 1));
        if (!port) return std::nullopt;
        server.port = *port;
    }
    if (!PlainHost(server.host)) return std::nullopt;
    return server;
}

QString ReadTimeServerSetting(const SettingsStore& store) {
    const QString server = store.Read(setting::kTimeServer).trimmed();
    return server.isEmpty() ? QString::fromUtf8(kDefaultTimeServers[0]) : server;
}

QStringList ReadServerHistory(const SettingsStore& store) {
    QStringList list;
    const int count = store.Read(setting::kServerHistoryCount);
    for (int i = 0; i < count; ++i) {
        const QString item = store.Read(setting::ServerHistoryItem(i));
        if (!item.isEmpty()) list.append(item);
    }
    if (list.isEmpty())
        for (const char* server : kDefaultTimeServers) list.append(QString::fromUtf8(server));
    return list;
}

QStringList PutServerOnTop(QStringList list, const QString& text) {
    // A blank field would take a place at the top, push the oldest name out and
    // then not be written: applying an empty field must not cost a remembered name.
    if (text.trimmed().isEmpty()) return list;
    const qsizetype old = list.lastIndexOf(text);
    list.prepend(text);
    if (old >= 0)
        list.removeAt(old + 1);
    while (list.size() > kServerHistoryMax) list.removeLast();
    return list;
}

QStringList ApplyTimeServerOptions(SettingsStore& store, const QStringList& list, const QString& text,
                                   bool executeSync) {
    store.Write(setting::kTimeServer, text);
    const QStringList updated = PutServerOnTop(list, text);
    int written = 0;
    for (const QString& item : updated) {
        if (item.isEmpty()) continue;
        store.Write(setting::ServerHistoryItem(written), item);
        ++written;
    }
    store.Write(setting::kServerHistoryCount, written);
    store.Write(setting::kExecuteSync, executeSync);
    return updated;
}

}  // namespace norvane
