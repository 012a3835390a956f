#include "core/settings/ini_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <climits>
#include <optional>

#include "core/settings/test_files.h"
#include "core/timers/timer_seed.h"

namespace norvane {
namespace {

using testing_files::WriteBytes;

TEST(IniFile, LooksUpByThePrivateProfileRules) {
    const IniFile ini = IniFile::FromBytes(
        "orphan=before any section\r\n"
        "[Skill]\r\n"
        "WAR = a+,b- \r\n"
        "war=second key of the name\r\n"
        "  mnk\t=\t\"a_, b_\"  \r\n"
        "blm='quoted'\r\n"
        "whm=\"unbalanced\r\n"
        "rdm=\r\n"
        "; thf=a comment\r\n"
        "no equals sign\r\n"
        "=no name\r\n"
        "sam=x=y\n"
        "[ card ]\r"
        "01=2,99\r"
        "[SKILL]\n"
        "thf=a later section of the same name\n");
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"Skill", "war", "a+,b-"},           // first key of a name, blanks trimmed
        {"skill", "War", "a+,b-"},           // names compared without case
        {"Skill", "mnk", "a_, b_"},          // one pair of quotes around the value goes
        {"Skill", "blm", "quoted"},
        {"Skill", "whm", "\"unbalanced"},
        {"Skill", "rdm", ""},                // present but empty: not the default
        {"Skill", "sam", "x=y"},             // only the first '=' splits
        {"Skill", "thf", "default"},         // comments and later repeats add nothing
        {"Skill", "; thf", "default"},
        {"Skill", "no equals sign", "default"},
        {"Card", "01", "2,99"},              // bare CR ends lines too; blanks in [ ] go
        {"", "orphan", "default"},
        {"Missing", "war", "default"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ini.ReadString(c.section, c.key, "default"), c.expected) << c.section << "/" << c.key;
    EXPECT_TRUE(ini.HasKey("SKILL", "RDM"));
    EXPECT_FALSE(ini.HasKey("Skill", "thf"));
}

TEST(IniFile, ReadsIntegersInDecimalOnly) {
    const IniFile ini = IniFile::FromBytes(
        "[Area0]\n01=2\n02= -1 \n03=+7\n04=x\n05=12abc\n06=$10\n07=\n08=99999999999\n09=+-3\n10=0x1\n");
    const std::pair<const char*, int> cases[] = {
        {"01", 2}, {"02", -1}, {"03", 7}, {"04", 5}, {"05", 5}, {"06", 5},
        {"07", 5}, {"08", 5},  {"09", 5}, {"10", 5}, {"11", 5},
    };
    for (const auto& [key, expected] : cases) EXPECT_EQ(ini.ReadInteger("area0", key, 5), expected) << key;
    int v = 0;
    EXPECT_TRUE(ParseDecimalInteger("2147483647", v));
    EXPECT_EQ(v, INT_MAX);
    EXPECT_FALSE(ParseDecimalInteger("2147483648", v));
    EXPECT_FALSE(ParseDecimalInteger(" ", v));
    EXPECT_FALSE(ParseDecimalInteger("1 2", v));
}

TEST(IniFile, DecodesShiftJisOnThisMachine) {
    // The data files are written in code page 932; without the table their
    // Japanese would read as mojibake.
    ASSERT_TRUE(HasShiftJisDecoder());
    EXPECT_EQ(DecodeShiftJis("\x95\x73\x96\xBE"), QStringLiteral("不明"));
    // 0x8160 is the full-width tilde of the cap texts, 0x5C a backslash, as on Windows.
    EXPECT_EQ(DecodeShiftJis("\x81\x60" "Lv30\x5C"), QStringLiteral("～Lv30\\"));

    const IniFile ini = IniFile::FromBytes(
        "[\x83\x75\x83\x8B\x81\x5B]\r\n"           // [ブルー]
        "Name=\x96\xBC\x96\xB3\x82\xB5\r\n"        // 名無し
        "[Skin]\r\n"
        "\x82\x76\x82\x60\x82\x71=wide\r\n");     // ＷＡＲ
    EXPECT_EQ(ini.ReadString("ブルー", "name", ""), "名無し");
    EXPECT_EQ(ini.ReadString("Skin", "ｗａｒ", ""), "wide");  // full-width letters fold too
    // A file saved as UTF-8 says so with its mark.
    EXPECT_EQ(IniFile::FromBytes("\xEF\xBB\xBF[Skin]\nName=名無し\n").ReadString("Skin", "Name", ""), "名無し");
}

TEST(IniFile, MissingFileReadsAsEmpty) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = (dir.path() + "/ballista.ini").toStdString();
    EXPECT_EQ(IniFile::Load(path).ReadString("Card", "01", "x"), "x");
    EXPECT_EQ(IniFile::Load(dir.path().toStdString()).ReadString("Card", "01", "x"), "x");  // a folder is no file
    WriteBytes(dir.path() + "/ballista.ini", "[Card]\r\n01=\x95\x73\r\n");
    EXPECT_EQ(IniFile::Load(path).ReadString("Card", "01", ""), "不");
}

// A data file may be replaced by anything: what is no file, or far beyond the
// size of a data file, reads as empty at once and is told once.
TEST(IniFile, WhatIsNoDataFileReadsAsEmptyAtOnceAndIsToldOnce) {
    using namespace testing_files;
    for (NoFile kind : {NoFile::Fifo, NoFile::Device, NoFile::TooLarge}) {
        SCOPED_TRACE(NoFileName(kind));
        QTemporaryDir dir;
        const QString path = dir.path() + "/skill.ini";
        ASSERT_TRUE(MakeNoFile(path, kind, 1024 * 1024, "[Skin]\r\nName=Big\r\n"));
        Watchdog watchdog(20);
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(IniFile::Load(path.toStdString()).HasKey("Skin", "Name"));
        EXPECT_EQ(ReadTimerIni(path), std::nullopt);
        const std::string message = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
        EXPECT_NE(message.find((path + " is ").toStdString()), std::string::npos) << message;
    }
}

}  // namespace
}  // namespace norvane
