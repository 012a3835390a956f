#include "core/cli/cli.h"

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <regex>
#include <sstream>

#include "core/settings/settings_store.h"
#include "core/time/earth_time.h"
#include "support/fake_pc_clock.h"
#include "support/fake_sntp_server.h"
#include "support/loopback_chronyd.h"
#include "support/scoped_tz.h"

namespace norvane {
namespace {

struct Run {
    int status;
    std::string out, err;
};

Run Cli(std::vector<std::string> args) {
    args.insert(args.begin(), "norvane");
    std::ostringstream out, err;
    int status = RunCommandLine(args, out, err);
    return {status, out.str(), err.str()};
}


TEST(CommandLine, PrintTime) {
    auto r = Cli({"--print-time", "2003-12-01T09:00:01Z"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "0934/08/04(雷) 18:00:00 <上弦の月>\n");
    // Fractions are dropped like the PC clock's milliseconds.
    EXPECT_EQ(Cli({"--print-time", "2003-12-01T09:00:01.999Z"}).out, r.out);
    EXPECT_EQ(Cli({"--print-time", "2003-12-01T09:00:00Z"}).out, "0934/08/04(雷) 17:59:35 <上弦の月>\n");
    auto now = Cli({"--print-time"});
    EXPECT_EQ(now.status, 0);
    EXPECT_EQ(now.out.back(), '\n');
}

TEST(CommandLine, ToEarthUsesTheSystemZone) {
    {
        ScopedTz tz("Asia/Tokyo");
        auto r = Cli({"--to-earth", "0934/08/04 23:59:59"});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, "2003/12/01 18:14:24\n");
        EXPECT_EQ(Cli({"--to-earth", "0934/08/31 00:00:00"}).out,
                  Cli({"--to-earth", "0934/09/01 00:00:00"}).out);
    }
    ScopedTz utc("UTC");
    EXPECT_EQ(Cli({"--to-earth", "0934/08/04 18:00:00"}).out, "2003/12/01 09:00:01\n");
}

TEST(CommandLine, BadArgumentsGiveStatusTwo) {
    for (auto args : std::vector<std::vector<std::string>>{
             {"--print-time", "2003-12-01 09:00:01"},
             {"--print-time", "2003-02-30T00:00:00Z"},
             {"--print-time", "2003-12-01T09:00:01+09:00"},
             {"--print-time", "2003-12-01T24:00:00Z"},
             {"--print-time", "2003-12-01T09:00:01Z", "extra"},
             {"--print-time", "--follow", "2003-12-01T09:00:01Z"},
             {"--print-time", "--follow", "--follow"},
             {"--print-time", "--format", "yaml"},
             {"--print-time", "--format"},
             {"--print-time", "--format", "json", "--format", "json"},
             {"--print-time", "--at", "2003-12-01T09:00:01Z"},
             {"--to-earth"},
             {"--to-earth", "0934-08-04 23:59:59"},
             {"--to-earth", "yesterday"},
             {"--frobnicate"},
             // What is shown of a bad argument stays one plain line: no line
             // breaks, tabs or terminal escapes of its own, and not all of a
             // huge one.
             {"--vers\ton"},
             {"--to-earth", "yesterday\nand today"},
             {"--print", "ships", "--at", "\x1b]0;title\x07\x1b[2J"},
             {"--print", "racial", "--race", "\xc2\x9b" "31m"},
             {"--print", "\xe0\x93\x93" "ships"},
             {"--print-time", std::string(100000, '9')},
             {"--to-earth", std::string(100000, ' ')}}) {
        auto r = Cli(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(r.err.rfind("norvane: ", 0), 0u) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_LT(r.err.size(), 300u);
        EXPECT_TRUE(std::none_of(r.err.begin(), r.err.end() - 1, [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
        })) << r.err;
        EXPECT_EQ(r.err.find("\xc2\x9b"), std::string::npos) << r.err;
        EXPECT_EQ(QString::fromStdString(r.err).toStdString(), r.err) << "not well-formed UTF-8";
    }
}

TEST(CommandLine, HelpAndVersion) {
    EXPECT_EQ(Cli({"--help"}).status, 0);
    EXPECT_NE(Cli({"--help"}).out.find("--print-time"), std::string::npos);
    EXPECT_NE(Cli({"--help"}).out.find("--check-time [SERVER]"), std::string::npos);
    EXPECT_NE(Cli({"--help"}).out.find("--sync [SERVER]"), std::string::npos);
    for (const char* option : {"--follow", "--format json", "--print moon"})
        EXPECT_NE(Cli({"--help"}).out.find(option), std::string::npos) << option;
    EXPECT_EQ(Cli({"--version"}).out.rfind("Norvane ", 0), 0u);
}

TEST(CommandLine, IsoParser) {
    auto t = ParseIsoUtc("2024-02-29T23:59:59.5Z");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->day, 29);
    EXPECT_EQ(t->millisecond, 0);
    EXPECT_FALSE(ParseIsoUtc("2023-02-29T00:00:00Z"));
    EXPECT_FALSE(ParseIsoUtc("2023-01-01T00:00:00."));
    EXPECT_FALSE(ParseIsoUtc(""));
}

// Every test here talks to loopback only: the server is always named, or stored
// in a settings file of the test's own.
const std::regex kExchangeLine(
    R"(server=127\.0\.0\.1:\d+ stratum=\d+ offset_ms=-?\d+\.\d{3} delay_ms=-?\d+\.\d{3}\n)");

TEST(CommandLine, CheckTimeAgainstLoopbackChronydPrintsOneLineAndSetsNothing) {
    LoopbackChronyd chronyd;
    if (!chronyd.installed()) GTEST_SKIP() << "chronyd is not installed (Debian package chrony; see scripts/setup)";
    ASSERT_TRUE(chronyd.running()) << chronyd.problem();
    FakePcClock clock;
    ScopedPcClock scoped(clock);
    const auto r = Cli({"--check-time", chronyd.server()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::regex_match(r.out, kExchangeLine)) << r.out;
    EXPECT_EQ(r.out.rfind("server=" + chronyd.server() + " stratum=8 offset_ms=", 0), 0u) << r.out;
    EXPECT_TRUE(r.err.empty());
    EXPECT_TRUE(clock.calls().empty());
}

TEST(CommandLine, CheckTimeAndSyncExitStatus) {
    FakeSntpServer good(Answer({.offset = std::chrono::seconds(-2)}));
    FakeSntpServer kissOfDeath(Answer({.stratum = 0}));
    FakeSntpServer tooLong(Answer({.length = 49}));
    const std::string unresolvable = std::string(64, 'x') + ".invalid";
    const std::string huge = std::string(131'072, 'x') + ".invalid";
    struct Case {
        std::vector<std::string> args;
        SetResult setter;
        int status;
        std::size_t setCalls;
        const char* err;  // part of the one line on standard error
    };
    const SetResult set{SetResult::Status::Set, {}};
    const SetResult refused{SetResult::Status::Refused, "the administrator's consent was not given"};
    const std::vector<Case> cases = {
        {{"--check-time", good.server()}, set, 0, 0, ""},
        {{"--check-time", kissOfDeath.server()}, set, 1, 0, "stratum"},
        {{"--check-time", tooLong.server()}, set, 2, 0, "longer than 48"},
        {{"--check-time", unresolvable}, set, 2, 0, "cannot resolve"},
        {{"--check-time", huge}, set, 2, 0, "cannot resolve xxxx"},
        {{"--check-time", "[::1"}, set, 2, 0, "not a time server"},
        {{"--check-time", "127.0.0.1:0"}, set, 2, 0, "not a time server"},
        {{"--check-time", good.server(), "extra"}, set, 2, 0, "unexpected argument"},
        {{"--sync", good.server()}, set, 0, 1, ""},
        {{"--sync", good.server()}, refused, 1, 1, "consent was not given"},
        {{"--sync", kissOfDeath.server()}, set, 1, 0, "stratum"},
        {{"--sync", unresolvable}, set, 1, 0, "cannot resolve"},
        {{"--sync", huge}, set, 1, 0, "cannot resolve xxxx"},
        {{"--sync", "host:port"}, set, 2, 0, "not a time server"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1].substr(0, 80));
        FakePcClock clock(c.setter);
        ScopedPcClock scoped(clock);
        const auto r = Cli(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(clock.calls().size(), c.setCalls);
        if (c.status == 0) {
            EXPECT_TRUE(std::regex_match(r.out, kExchangeLine)) << r.out;
            // The PC clock is ahead of this server by 2 s.
            const auto at = r.out.find("offset_ms=");
            EXPECT_NEAR(std::stod(r.out.substr(at + 10)), -2000.0, 30.0) << r.out;
            EXPECT_TRUE(r.err.empty()) << r.err;
        } else {
            EXPECT_TRUE(r.out.empty()) << r.out;
            EXPECT_EQ(r.err.rfind("norvane: ", 0), 0u) << r.err;
            EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
            // A long name is cut in the line, as every argument echoed is.
            EXPECT_LT(r.err.size(), 300u) << r.err.substr(0, 300);
        }
    }
}

TEST(CommandLine, TimeCommandsUseTheStoredServer) {
    FakeSntpServer server(Answer({}));
    QTemporaryDir dir;
    const QByteArray file = dir.filePath("Norvane.reg").toUtf8();
    const QByteArray previous = qgetenv("NORVANE_SETTINGS");
    qputenv("NORVANE_SETTINGS", file);
    {
        SettingsStore store;
        store.WriteString("Time", "Server", QString::fromStdString(server.server()));
    }
    FakePcClock clock;
    ScopedPcClock scoped(clock);
    const auto check = Cli({"--check-time"});
    EXPECT_EQ(check.status, 0) << check.err;
    EXPECT_EQ(check.out.rfind("server=" + server.server() + " ", 0), 0u) << check.out;
    const auto sync = Cli({"--sync"});
    EXPECT_EQ(sync.status, 0) << sync.err;
    EXPECT_EQ(clock.calls().size(), 1u);
    EXPECT_EQ(server.requests(), 2);
    qputenv("NORVANE_SETTINGS", previous);
}

}  // namespace
}  // namespace norvane
