#include "core/schedules/skill_schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/schedules/schedule_common.h"
#include "core/settings/ini_file.h"

namespace norvane {
namespace {

constexpr int kLevels[] = {1, 50, 51, 60, 61, 70, 71, 72, 73, 74, 75};

TEST(SkillCap, EveryGradeAtEveryBandEdge) {
    struct Case {
        const char* code;
        int caps[std::size(kLevels)];
    };
    const Case cases[] = {
        {"a+", {6, 153, 158, 203, 207, 251, 256, 261, 266, 271, 276}},
        {"a_", {6, 153, 158, 203, 207, 244, 249, 254, 259, 264, 269}},
        {"a?", {6, 153, 158, 203, 207, 244, 249, 254, 259, 264, 269}},
        {"a-", {6, 153, 158, 203, 207, 244, 249, 254, 259, 264, 269}},
        {"b+", {5, 147, 151, 196, 199, 233, 237, 241, 246, 251, 256}},
        {"b_", {5, 147, 151, 196, 199, 228, 232, 236, 240, 245, 250}},
        {"b?", {5, 147, 151, 196, 199, 228, 232, 236, 240, 245, 250}},
        {"b-", {5, 147, 151, 196, 198, 223, 226, 229, 232, 236, 240}},
        {"c+", {5, 142, 146, 190, 192, 215, 218, 221, 224, 227, 230}},
        {"c_", {5, 142, 146, 190, 192, 212, 214, 217, 219, 222, 225}},
        {"c?", {5, 142, 146, 190, 192, 212, 214, 217, 219, 222, 225}},
        {"c-", {5, 142, 146, 190, 192, 210, 212, 214, 216, 218, 220}},
        {"d_", {4, 136, 140, 183, 184, 201, 203, 205, 207, 208, 210}},
        {"e_", {4, 126, 130, 171, 172, 190, 192, 194, 196, 198, 200}},
        {"f_", {4, 116, 120, 159, 161, 179, 181, 183, 185, 187, 189}},
    };
    for (const Case& c : cases)
        for (std::size_t i = 0; i < std::size(kLevels); ++i)
            EXPECT_EQ(SkillCap(c.code, kLevels[i]), c.caps[i]) << c.code << " at level " << kLevels[i];
}

TEST(SkillCap, NoCapOutsideTheGradeTableAndTheLevels) {
    for (const char* code : {"n_", "", "a", "a+ ", "A+", "B_", "d+", "d-", "d?", "g_", "a*", "aa", "_a"})
        for (int level : kLevels) EXPECT_EQ(SkillCap(code, level), kNoSkillCap) << '"' << code << '"';
    for (int level : {-5, 0, 76, 99}) EXPECT_EQ(SkillCap("a+", level), kNoSkillCap) << level;
}

TEST(SkillPage, ValueTextsAndColours) {
    // Slot 2 "a-" at level 75: (75 - 70) * 5 + 244. Extra entries past thirty are
    // ignored; empty, quoted and blank-separated entries each take one slot.
    std::string value = "n_,d_,a-,b_, \"c+\" e_,,f_,a?";
    for (int i = 9; i < 30; ++i) value += ",n_";
    value += ",a+";
    const IniFile ini = IniFile::FromBytes(("[Skill]\r\nwar=" + value + "\r\n").c_str());
    const SkillPageView page = ComputeSkillPage(ini, JobOfKey("war"), 75);
    const std::pair<const char*, const char*> expected[] = {
        {"格闘", "-"},        {"短剣", "D    210"}, {"片手剣", "A-   269"}, {"両手剣", "B    250"},
        {"片手斧", "C+   230"}, {"両手斧", "E    200"}, {"両手鎌", "-"},        {"両手槍", "F    189"},
        {"片手刀", "A?   269"},
    };
    for (std::size_t slot = 0; slot < std::size(expected); ++slot) {
        EXPECT_EQ(page[slot].name, expected[slot].first) << slot;
        EXPECT_EQ(page[slot].value, expected[slot].second) << slot;
        const bool none = page[slot].value == "-";
        EXPECT_EQ(page[slot].none, none) << slot;
        EXPECT_EQ(page[slot].colour, none ? kSkillNoneColour : kColourBlack) << slot;
    }
    EXPECT_EQ(page[29].name, "召喚魔法");
    EXPECT_EQ(page[29].value, "-");
}

TEST(SkillPage, ShortListsMissingKeysAndOtherJobsShowNoCaps) {
    const IniFile ini = IniFile::FromBytes("[skill]\nWAR=a+,b-\nmnk=\n");
    const SkillPageView shortList = ComputeSkillPage(ini, 0, 1);
    EXPECT_EQ(shortList[0].value, "A+   6");
    EXPECT_EQ(shortList[1].value, "B-   5");
    for (std::size_t slot = 2; slot < kSkillSlotCount; ++slot) {
        EXPECT_EQ(shortList[slot].value, "-") << slot;
        EXPECT_TRUE(shortList[slot].none) << slot;
    }
    EXPECT_EQ(ReadSkillCodes(ini, JobOfKey("whm")), std::vector<std::string>(kSkillSlotCount, "n_"));
    for (int job : {JobOfKey("mnk"), JobOfKey("whm"), kNoJob, static_cast<int>(kJobCount)})
        for (const SkillRow& row : ComputeSkillPage(ini, job, 75)) EXPECT_EQ(row.value, "-") << job;
    for (const SkillRow& row : ComputeSkillPage(std::string("/no/such/folder/skill.ini"), 0, 75))
        EXPECT_EQ(row.value, "-");
}

TEST(SkillPage, EveryJobOfTheShippedFileHasThirtyKnownCodes) {
    const IniFile ini = IniFile::Load(NORVANE_DATA_DIR "/skill.ini");
    for (int job = 0; job < static_cast<int>(kJobCount); ++job) {
        ASSERT_TRUE(ini.HasKey("Skill", kJobKeys[static_cast<std::size_t>(job)])) << job;
        const auto codes = ReadSkillCodes(ini, job);
        ASSERT_EQ(codes.size(), kSkillSlotCount) << job;
        int graded = 0;
        for (const std::string& code : codes) {
            EXPECT_TRUE(code == "n_" || SkillGrade(code) != kNoGrade) << job << ": " << code;
            graded += code != "n_";
        }
        EXPECT_GT(graded, 0) << job;
    }
    EXPECT_EQ(ComputeSkillPage(ini, JobOfKey("war"), 75)[4].value, "A-   269");
}

TEST(SkillLevel, TextReadsAsALevelWithinTheRange) {
    const std::pair<const char*, int> texts[] = {{"0", 1},  {"1", 1},  {"07", 7}, {"75", 75},
                                                 {"76", 75}, {"99", 75}, {"", 1},   {"ab", 1}};
    for (const auto& [typed, level] : texts) EXPECT_EQ(SkillLevelOfText(typed), level) << typed;
}

}  // namespace
}  // namespace norvane
