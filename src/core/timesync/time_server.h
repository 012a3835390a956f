#pragma once
// The time server's name as the settings keep it, the default servers, and the
// options dialog's list of recently used servers.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace norvane {

class SettingsStore;

// Offered in this order when the history is empty; the first is the default server.
inline constexpr std::array<const char*, 3> kDefaultTimeServers = {
    "jp.pool.ntp.org", "asia.pool.ntp.org", "pool.ntp.org"};

inline constexpr int kServerHistoryMax = 10;

struct TimeServer {
    std::string host;  // a name, a dotted IPv4 address or an IPv6 address (without brackets)
    std::uint16_t port = 123;
    friend bool operator==(const TimeServer&, const TimeServer&) = default;
};

// "host", "host:port", "[IPv6]:port", "[IPv6]" or a bare IPv6 address; a plain
// host keeps port 123. Blanks around the text are ignored. Nothing when the text
// is empty or the port is not a number from 1 to 65535.
std::optional<TimeServer> ParseTimeServer(const std::string& text);

// "Time\Server" for a synchronisation: the first default server when absent or blank.
QString ReadTimeServerSetting(const SettingsStore& store);

// The list the options dialog opens with: "Time\History" Item00 ... up to Count - 1,
// blanks left out; the three default servers when that leaves nothing.
QStringList ReadServerHistory(const SettingsStore& store);

// The list after `text` was applied: `text` at the top; its old entry (the last
// one when it was there more than once, compared case-sensitively) removed, and
// otherwise the oldest dropped beyond ten entries. A blank text changes nothing.
QStringList PutServerOnTop(QStringList list, const QString& text);

// What the options dialog's apply stores for the time server: "Time\Server" =
// `text`, the list after PutServerOnTop written as Item00, Item01, ... (blanks
// left out, renumbered) with its Count, and "Time\ExecuteSync". Returns the new
// list for the dialog to show, with `text` on top.
QStringList ApplyTimeServerOptions(SettingsStore& store, const QStringList& list, const QString& text,
                                   bool executeSync);

}  // namespace norvane
