#include "core/cli/cli.h"

#include <gtest/gtest.h>

#include <QString>

#include "core/time/earth_time.h"
#include "support/scoped_tz.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <sstream>

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

}  // namespace
}  // namespace norvane
