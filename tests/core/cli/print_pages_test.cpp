#include "core/cli/print_pages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/cli/cli.h"
#include "core/time/earth_time.h"
#include "core/time/vanatime.h"
#include "platform/os_clock.h"
#include "support/fake_os_clock.h"

namespace norvane {
namespace {

// Runs the print face under a POSIX time-zone rule, restoring the process zone afterwards.
class PrintPages : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* tz = std::getenv("TZ")) saved_ = tz;
    }
    void TearDown() override {
        if (saved_) setenv("TZ", saved_->c_str(), 1);
        else unsetenv("TZ");
        tzset();
    }
    static void Zone(const char* rule) {
        setenv("TZ", rule, 1);
        tzset();
    }

    struct Result {
        int status;
        std::vector<std::string> lines;
        std::string err;
    };
    static Result Print(std::vector<std::string> extra) {
        std::vector<std::string> args{"norvane", "--print"};
        args.insert(args.end(), extra.begin(), extra.end());
        std::ostringstream out, err;
        Result r;
        r.status = RunPrintCommand(args, out, err);
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);) r.lines.push_back(line);
        r.err = err.str();
        return r;
    }
    static std::vector<std::string> Fields(const std::string& line) {
        std::vector<std::string> f;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            f.push_back(line.substr(start, tab - start));
        f.push_back(line.substr(start));
        return f;
    }

private:
    std::optional<std::string> saved_;
};

constexpr const char* kBase = "2003-12-01T09:00:01Z";  // game 0934/08/04 18:00:00, a 雷 day

TEST_F(PrintPages, ShipsAtAKnownInstant) {
    Zone("JST-9");
    auto r = Print({"ships", "--at", kBase});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 9u);
    for (const auto& line : r.lines) EXPECT_EQ(Fields(line).size(), 8u) << line;
    EXPECT_EQ(r.lines[0], "ジュノから\t→ サンドリアへ\t 18:12着\t00:29\t 19:13発\t02:56\t 21:12着\t07:41");
    EXPECT_EQ(r.lines[8], "セルビナ ─\tマウラ航路\t 22:40着\t11:13\t 00:00発\t14:25\t 22:40着\t11:13");
    EXPECT_TRUE(r.err.empty());
}

TEST_F(PrintPages, GuildsAtAKnownInstant) {
    Zone("UTC0");
    auto r = Print({"guilds", "--at", kBase});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 13u);
    for (const auto& line : r.lines) EXPECT_EQ(Fields(line).size(), 5u) << line;
    EXPECT_EQ(r.lines[0], "漁師ギルド\t( 定休日 )\t03:00~18:00\t21:37\tウィン港(C8), セルビナ(H9)");
    EXPECT_EQ(r.lines[2], "木工ギルド\t( 営業中 )\t06:00~21:00\t07:13\t北サンド(E3)");
}

TEST_F(PrintPages, RacialWithAndWithoutARace) {
    Zone("JST-9");
    auto upper = Print({"racial", "--at", kBase});
    ASSERT_EQ(upper.status, 0) << upper.err;
    ASSERT_EQ(upper.lines.size(), 1u);
    EXPECT_EQ(upper.lines[0], "エルヴァーン♂\tシャクラミの迷宮\t02:09:36");
    auto list = Print({"racial", "--race", "2", "--at", kBase});
    ASSERT_EQ(list.lines.size(), 11u);
    for (std::size_t i = 1; i < list.lines.size(); ++i) EXPECT_EQ(Fields(list.lines[i]).size(), 2u);
    EXPECT_EQ(list.lines[1], "シャクラミの迷宮\t2003/12/01 12:28:49 ~ 2003/12/01 20:09:36");
}

TEST_F(PrintPages, ChocoboWithAndWithoutATown) {
    Zone("JST-9");
    auto upper = Print({"chocobo", "--at", kBase});
    ASSERT_EQ(upper.status, 0) << upper.err;
    ASSERT_EQ(upper.lines, std::vector<std::string>{"→ バス\t→ ウィン\t→ ジュノ\t→ ノーグ\t00:14:24"});
    auto list = Print({"chocobo", "--at", kBase, "--town", "3"});
    ASSERT_EQ(list.lines.size(), 11u);
    // An empty destination is an empty field.
    EXPECT_EQ(list.lines[1], "\t2003/12/01 18:14:25 ~ 2003/12/01 19:12:00");
    EXPECT_EQ(Fields(list.lines[3])[0], "→ ノーグ");
}

TEST_F(PrintPages, UsesTheZoneOffsetInForceAtTheInstant) {
    Zone("EST5EDT,M3.2.0,M11.1.0");
    // In January the zone is 5 hours behind UTC, in July 4.
    auto winter = Print({"chocobo", "--town", "0", "--at", "2004-01-15T12:00:00Z"});
    auto summer = Print({"chocobo", "--town", "0", "--at", "2004-07-15T12:00:00Z"});
    ASSERT_EQ(winter.status, 0);
    ASSERT_EQ(summer.status, 0);
    auto expectFirstRow = [](const std::string& line, const char* at, int bias) {
        auto d = VanaTimeAt(*ParseIsoUtc(at));
        EXPECT_EQ(line.substr(line.find('\t') + 1, 19),
                  FormatEarthTime(VanaToEarth(d.Year, d.Month, d.Day + 1, 0, 0, 0, bias)));
    };
    expectFirstRow(winter.lines[1], "2004-01-15T12:00:00Z", 300);
    expectFirstRow(summer.lines[1], "2004-07-15T12:00:00Z", 240);
}

TEST_F(PrintPages, WithoutAnInstantReadsTheProcessClock) {
    Zone("UTC0");  // must not matter: the process clock gives its own bias
    FakeOsClock clock;
    clock.setUtc(*ParseIsoUtc(kBase));
    clock.setBias(-540);
    ScopedOsClock scoped(clock);
    auto now = Print({"racial", "--race", "2"});
    Zone("JST-9");
    auto at = Print({"racial", "--race", "2", "--at", kBase});
    ASSERT_EQ(now.status, 0);
    EXPECT_EQ(now.lines, at.lines);
}

TEST_F(PrintPages, ReachedFromTheCommandLine) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine({"norvane", "--print", "guilds", "--at", kBase}, out, err), 0);
    EXPECT_NE(out.str().find("ノーグ店"), std::string::npos);
}

TEST_F(PrintPages, BadArgumentsFailWithStatusTwo) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"ship"},
        {"Ships"},
        {"ships", "--at"},
        {"ships", "--at", "2003-12-01 09:00:01"},
        {"ships", "--at", "2003-02-30T00:00:00Z"},
        {"ships", "--at", kBase, "--at", kBase},
        {"ships", "--race", "1"},
        {"racial", "--race", "8"},
        {"racial", "--race", "-1"},
        {"racial", "--race", "x"},
        {"racial", "--race", "01"},
        {"racial", "--race", "1", "--race", "2"},
        {"chocobo", "--town", "4"},
        {"chocobo", "--town", ""},
        {"chocobo", "--race", "1"},
        {"guilds", "--verbose", "1"},
        {"guilds", "extra"},
    };
    for (const auto& args : bad) {
        auto r = Print(args);
        std::string shown;
        for (const auto& a : args) shown += a + ' ';
        EXPECT_EQ(r.status, 2) << shown;
        EXPECT_TRUE(r.lines.empty()) << shown;
        ASSERT_FALSE(r.err.empty()) << shown;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << shown;
    }
}

}  // namespace
}  // namespace norvane
