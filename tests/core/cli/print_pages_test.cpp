#include "core/cli/print_pages.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/cli/cli.h"
#include "core/settings/test_files.h"
#include "core/time/earth_time.h"
#include "core/time/support.h"
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
    static Result Print(std::vector<std::string> extra, const std::optional<PrintDataFiles>& files = {}) {
        std::vector<std::string> args{"norvane", "--print"};
        args.insert(args.end(), extra.begin(), extra.end());
        std::ostringstream out, err;
        Result r;
        r.status = files ? RunPrintCommand(args, out, err, *files) : RunPrintCommand(args, out, err);
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

TEST_F(PrintPages, SkillCapsOfAJobFromTheShippedFile) {
    const PrintDataFiles shipped{NORVANE_DATA_DIR "/skill.ini", NORVANE_DATA_DIR "/ballista.ini"};
    auto r = Print({"skill", "--job", "war", "--level", "75"}, shipped);
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 30u);
    for (const auto& line : r.lines) EXPECT_EQ(Fields(line).size(), 2u) << line;
    EXPECT_EQ(r.lines[0], "格闘\tD    210");
    EXPECT_EQ(r.lines[4], "片手斧\tA-   269");
    EXPECT_EQ(r.lines[29], "召喚魔法\t-");
    EXPECT_EQ(Print({"skill", "--level", "1", "--job", "smn"}, shipped).lines[29], "召喚魔法\tA-   6");
    // Without its data file every slot has no cap.
    auto none = Print({"skill", "--job", "war", "--level", "75"}, {{"/no/such/skill.ini", ""}});
    ASSERT_EQ(none.lines.size(), 30u);
    EXPECT_EQ(none.lines[4], "片手斧\t-");
    // The window and the text face read the files beside the program.
    EXPECT_EQ(DataFilesBesideProgram().skillIni, SkillIniPath(ProgramPath()));
    EXPECT_EQ(DataFilesBesideProgram().ballistaIni, BallistaIniPath(ProgramPath()));
}

TEST_F(PrintPages, CalendarWithChosenEntries) {
    Zone("UTC0");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    testing_files::WriteBytes(dir.path() + "/ballista.ini", "[Card]\r\n04=1,99\r\n[Area1]\r\n08=2\r\n");
    const PrintDataFiles files{"", (dir.path() + "/ballista.ini").toStdString()};
    auto tavern = Print({"calendar", "--at", kBase, "--entries", "tavern"}, files);
    ASSERT_EQ(tavern.status, 0) << tavern.err;
    ASSERT_EQ(tavern.lines.size(), 84u);
    for (const auto& line : tavern.lines) EXPECT_EQ(Fields(line).size(), 4u) << line;
    EXPECT_EQ(tavern.lines[0], "12/01(月) 08:16\t0934/08/04\t上弦\t酒場：ヒューム");
    EXPECT_EQ(tavern.lines[4], "12/01(月) 12:07\t08/08\t\t酒場：ガルカ");  // the 12 o'clock row
    auto all = Print({"calendar", "--at", kBase}, files);
    EXPECT_EQ(Fields(all.lines[0])[3], "無制限 パシュハウ,  エルヴァーン♂＠シャクラミの迷宮,  酒場：ヒューム");
    EXPECT_EQ(Print({"calendar", "--entries", "racial,ballista", "--at", kBase}, files).lines[0],
              "12/01(月) 08:16\t0934/08/04\t上弦\t無制限 パシュハウ,  エルヴァーン♂＠シャクラミの迷宮");
    auto none = Print({"calendar", "--at", kBase, "--entries", ""}, files);
    ASSERT_EQ(none.lines.size(), 84u);
    for (const auto& line : none.lines) EXPECT_EQ(Fields(line)[3], "") << line;
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
        {"skill"},
        {"skill", "--job", "war"},
        {"skill", "--level", "75"},
        {"skill", "--job", "WAR", "--level", "75"},
        {"skill", "--job", "warrior", "--level", "75"},
        {"skill", "--job", "war", "--level", "0"},
        {"skill", "--job", "war", "--level", "76"},
        {"skill", "--job", "war", "--level", "7a"},
        {"skill", "--job", "war", "--level", "+7"},
        {"skill", "--job", "war", "--level", ""},
        {"skill", "--job", "war", "--job", "mnk", "--level", "1"},
        {"skill", "--job", "war", "--level", "1", "--at", kBase},
        {"calendar", "--job", "war"},
        {"calendar", "--entries", "foo"},
        {"calendar", "--entries", "Ballista"},
        {"calendar", "--entries", "ballista,"},
        {"calendar", "--entries", ","},
        {"calendar", "--entries", "ballista racial"},
        {"calendar", "--entries", "tavern", "--entries", "racial"},
        {"calendar", "--at", "tomorrow"},
        {"ships", "--entries", "tavern"},
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
