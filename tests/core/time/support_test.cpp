#include "core/time/support.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

TEST(Paths, DataFilesBesideTheExecutable) {
    EXPECT_EQ(BallistaIniPath("/opt/games/tool/app"), "/opt/games/tool/ballista.ini");
    EXPECT_EQ(SkillIniPath("/opt/games/tool/app"), "/opt/games/tool/skill.ini");
    EXPECT_EQ(TimerIniPath("/opt/x/norvane"), "/opt/x/timer.ini");
    EXPECT_EQ(HelpFilePath("/opt/x/norvane"), "/opt/x/norvane.hlp");
    auto folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(SkillIniPath(ProgramPath()), folder + "skill.ini");
}

TEST(CommaText, QuotedFieldsBlanksAndPairs) {
    std::string a, b;
    SplitPair({"\"x.skn\",\"Blue\""}, 0, a, b);
    EXPECT_EQ(a, "x.skn");
    EXPECT_EQ(b, "Blue");
    SplitPair({"x.skn"}, 0, a, b);
    EXPECT_EQ(a, "");
    EXPECT_EQ(b, "");
    SplitPair({"one", "\"a, b\",\"say \"\"hi\"\"\""}, 1, a, b);
    EXPECT_EQ(a, "a, b");
    EXPECT_EQ(b, "say \"hi\"");
    SplitPair({"x"}, 5, a, b);  // out of range
    EXPECT_EQ(a, "");

    // A blank ends an unquoted field; a trailing comma adds an empty field.
    EXPECT_EQ(SplitCommaText("x.skn Blue"), (std::vector<std::string>{"x.skn", "Blue"}));
    EXPECT_EQ(SplitCommaText("  a , b,"), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(SplitCommaText("a,,b"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitCommaText("\"青い\",赤"), (std::vector<std::string>{"青い", "赤"}));
    EXPECT_EQ(SplitCommaText("\"open"), (std::vector<std::string>{"open"}));
    EXPECT_TRUE(SplitCommaText("").empty());
}

}  // namespace
}  // namespace norvane
