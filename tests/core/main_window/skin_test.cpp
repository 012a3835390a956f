#include "core/main_window/skin.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/settings/ini_file.h"
#include "core/time/support.h"

namespace norvane {
namespace {

namespace fs = std::filesystem;

class SkinFolder {
public:
    SkinFolder() {
        dir_ = fs::temp_directory_path() / ("norvane-skins-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    ~SkinFolder() { fs::remove_all(dir_); }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    std::string Path() const { return dir_.string() + "/"; }

private:
    fs::path dir_;
};

TEST(SkinColourTest, ReadsDecimalDollarAndZeroXHexadecimal) {
    const struct {
        const char* text;
        bool ok;
        Colour value;
    } cases[] = {
        {"255", true, 0x0000FF},       {" 16244438 ", true, Rgb(214, 222, 247)},
        {"$FF", true, 0x0000FF},       {"$00ff8000", true, Rgb(0, 128, 255)},
        {"0x0000FF", true, 0x0000FF},  {"0XfF0000", true, 0xFF0000},
        {"-1", true, 0xFFFFFFFFu},     {"$FFFFFFFF", true, 0xFFFFFFFFu},
        {"", false, 0},                {"red", false, 0},
        {"$", false, 0},               {"0x", false, 0},
        {"$1FFFFFFFF", false, 0},      {"12abc", false, 0},
        {"99999999999", false, 0},     {"$FG", false, 0},
    };
    for (const auto& c : cases) {
        Colour v = 0;
        EXPECT_EQ(ParseSkinColour(c.text, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.text;
        }
    }
}

TEST(SkinColourTest, MissingKeysAndNonNumbersTakeTheDesignColours) {
    const SkinColours d;
    EXPECT_EQ(d.Vana, Colour(10502144));
    EXPECT_EQ(d.Earth, Colour(6316128));
    EXPECT_EQ(d.Back, Colour(11683841));
    EXPECT_EQ(d.Edge, Colour(11103050));
    EXPECT_EQ(d.Base, Colour(16244438));
    EXPECT_EQ(d.Item, Colour(16774378));

    EXPECT_EQ(ReadSkinColours(IniFile()), d);
    // Only Back given: it alone changes.
    SkinColours red = d;
    red.Back = Rgb(255, 0, 0);
    EXPECT_EQ(ReadSkinColours(IniFile::FromBytes("[Color]\r\nBack=255\r\n")), red);
    // A value that is no number, and a key in another section, read as the default.
    EXPECT_EQ(ReadSkinColours(IniFile::FromBytes("[Color]\r\nBack=blue\r\nItem=\r\n[Skin]\r\nEdge=1\r\n")), d);
    const SkinColours all = ReadSkinColours(IniFile::FromBytes(
        "[color]\r\nvana=1\r\nEart=$2\r\nBack=0x3\r\nEdge=4\r\nBace=5\r\nItem=6\r\n"));
    EXPECT_EQ(all, (SkinColours{1, 2, 3, 4, 5, 6}));
}

TEST(SkinNameTest, MissingOrEmptyNameIsNameless) {
    EXPECT_EQ(ReadSkinName(IniFile()), "名無し");
    EXPECT_EQ(ReadSkinName(IniFile::FromBytes("[Skin]\r\nName=\r\n")), "名無し");
    // Shift-JIS "青" (0x90 0xC2).
    EXPECT_EQ(ReadSkinName(IniFile::FromBytes("[Skin]\r\nName=\x90\xC2\r\n")), HasShiftJisDecoder() ? "青" : "");
}

TEST(SkinListTest, ListsSkinFilesSortedByNameWithTheirNames) {
    SkinFolder folder;
    // Written in an order that is neither the sorted one nor its reverse.
    folder.Write("red.SKN", "[Color]\r\nBack=255\r\n");
    folder.Write("z10.skn", "[Skin]\r\nName=Skin 10\r\n");
    folder.Write("blue.skn", "[Skin]\r\nName=blue\r\n");
    folder.Write("notes.txt", "[Skin]\r\nName=No\r\n");
    folder.Write("kana.skn", "[Skin]\r\nName=\x82\xA0\x82\xA8\r\n");  // "あお" in Shift-JIS
    folder.Write("z2.skn", "[Skin]\r\nName=skin 2\r\n");
    folder.Write("Blue2.skn", "[Skin]\r\nName=Blue\r\n");
    folder.Write("blue.skn.bak", "");
    fs::create_directories(folder.Path() + "dir.skn");
    // A FIFO would hold the reader in open() for good.
    ASSERT_EQ(::mkfifo((folder.Path() + "pipe.skn").c_str(), 0600), 0);

    // Latin letters without regard to case (equal names by file name), numbers
    // by value, kana after Latin.
    const std::vector<std::string> list = BuildSkinList(folder.Path());
    EXPECT_EQ(list, (std::vector<std::string>{"\"Blue2.skn\",\"Blue\"", "\"blue.skn\",\"blue\"",
                                              "\"z2.skn\",\"skin 2\"", "\"z10.skn\",\"Skin 10\"",
                                              "\"kana.skn\",\"あお\"", "\"red.SKN\",\"名無し\""}));

    EXPECT_EQ(ChosenSkinIndex(list, "blue.skn"), 1);
    // A name that differs only in case finds its file, unless two files share it;
    // an exact match wins over one that differs in case.
    EXPECT_EQ(ChosenSkinIndex(list, "Blue.skn"), 1);
    EXPECT_EQ(ChosenSkinIndex(list, "red.skn"), 5);
    EXPECT_EQ(ChosenSkinIndex(list, "green.skn"), -1);
    EXPECT_EQ(ChosenSkinIndex({"\"a.skn\",\"1\"", "\"A.skn\",\"2\""}, "a.SKN"), -1);
    EXPECT_EQ(ChosenSkinIndex({"\"a.skn\",\"1\"", "\"A.skn\",\"2\""}, "A.skn"), 1);
    EXPECT_EQ(ChosenSkinIndex({}, "blue.skn"), -1);
    EXPECT_TRUE(BuildSkinList(folder.Path() + "missing/").empty());
}

TEST(SkinListTest, ANameWithAQuoteSplitsBackWhole) {
    const std::vector<std::string> list = {SkinListEntry("a.skn", "say \"hi\", then")};
    std::string file, name;
    SplitPair(list, 0, file, name);
    EXPECT_EQ(file, "a.skn");
    EXPECT_EQ(name, "say \"hi\", then");
}

}  // namespace
}  // namespace norvane
