#include "core/cli/time_commands.h"

#include <QCoreApplication>
#include <cstdio>
#include <memory>
#include <optional>
#include <ostream>

#include "core/cli/cli.h"
#include "core/settings/settings_store.h"
#include "core/timesync/time_server.h"

namespace norvane {
namespace {

std::string Millis(std::chrono::nanoseconds ns) {
    char text[48];
    std::snprintf(text, sizeof text, "%.3f", static_cast<double>(ns.count()) / 1e6);
    return text;
}

// The server named on the command line, else the stored one; nothing (after a
// message) for a bad argument.
std::optional<std::string> ServerArgument(const std::vector<std::string>& args, std::ostream& err) {
    if (args.size() > 3) {
        err << "norvane: unexpected argument: " << ShownArgument(args[3]) << " (see --help)\n";
        return std::nullopt;
    }
    std::string server;
    if (args.size() == 3) {
        server = args[2];
    } else {
        SettingsStore store;
        server = ReadTimeServerSetting(store).toStdString();
    }
    if (!ParseTimeServer(server)) {
        err << "norvane: not a time server (HOST, HOST:PORT or [IPv6]:PORT): \"" << ShownArgument(server)
            << "\" (see --help)\n";
        return std::nullopt;
    }
    return server;
}

// The outcome's words with the server's name cut as every echoed argument is:
// a failed look-up names the host, which may be any length.
std::string ShownDetail(const SyncOutcome& r, const std::string& server) {
    std::string detail = r.detail;
    const auto parsed = ParseTimeServer(server);
    for (const std::string& name : {server, parsed ? parsed->host : std::string()}) {
        const std::string shown = ShownArgument(name);
        if (name.empty() || shown == name) continue;
        for (std::size_t at = detail.find(name); at != std::string::npos; at = detail.find(name, at + shown.size()))
            detail.replace(at, name.size(), shown);
    }
    return detail;
}

const char* MessagePrefix(SyncMessage message) {
    return message == SyncMessage::NoConnection ? "cannot reach the time server" : "no usable reply";
}

}  // namespace

std::string ExchangeLine(const SntpExchange& ex) {
    return "server=" + ex.server + " stratum=" + std::to_string(ex.reply.stratum) +
           " offset_ms=" + Millis(ex.clock.offset) + " delay_ms=" + Millis(ex.clock.delay);
}

int RunCheckTimeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto server = ServerArgument(args, err);
    if (!server) return 2;
    const SyncOutcome r = QueryServerTime(*server);
    if (r.ok()) {
        out << ExchangeLine(*r.exchange) << '\n';
        return 0;
    }
    err << "norvane: " << MessagePrefix(r.message) << ": " << ShownDetail(r, *server) << '\n';
    return r.message == SyncMessage::NoConnection ? 2 : 1;
}

int RunSyncCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto server = ServerArgument(args, err);
    if (!server) return 2;
    // The desktop's time service is reached through Qt's D-Bus module, which
    // wants an application object.
    std::unique_ptr<QCoreApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "norvane";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    const SyncOutcome r = SyncPcClock(*server);
    if (r.ok()) {
        out << ExchangeLine(*r.exchange) << '\n';
        return 0;
    }
    err << "norvane: the PC clock was not set: " << ShownDetail(r, *server) << '\n';
    return 1;
}

}  // namespace norvane
