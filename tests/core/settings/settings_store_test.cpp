#include "core/settings/settings_store.h"

#include <gtest/gtest.h>

#include "settings/test_files.h"

namespace norvane {
namespace {

using namespace testing_files;

class SettingsStoreTest : public ::testing::Test {
protected:
    QString File() const { return dir_.filePath(QStringLiteral("Norvane.reg")); }
    QString Text() const { return QString::fromUtf8(ReadBytes(File())); }
    void Seed(const char* body) { WriteBytes(File(), QByteArray(kHeader) + body); }

    QTemporaryDir dir_;
};

const char* kTypedValues =
    "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Option\\Scroll]\n"
    "\"Count\"=\"5\"\n"
    "\"NewEnable\"=dword:00000001\n"
    "\"Seven\"=\"7\"\n"
    "\"Zero\"=\"0\"\n"
    "\"Yes\"=\"yes\"\n"
    "\"Minus\"=dword:ffffffff\n"
    "\"Spaced\"=\" -12 \"\n"
    "\"Huge\"=\"2147483648\"\n"
    "\"Multi\"=hex(7):61,00,00,00,00,00\n"
    "\"Expand\"=hex(2):34,00,32,00,00,00\n";

TEST_F(SettingsStoreTest, ReadsFollowTheTypeRulesAndFallBackToTheirOwnDefaults) {
    Seed(kTypedValues);
    SettingsStore s(File());
    const QString sec = QStringLiteral("Option\\Scroll");
    EXPECT_EQ(s.ReadInteger(sec, "Count", 3), 5);
    EXPECT_EQ(s.ReadString(sec, "Count", "d"), "5");
    EXPECT_EQ(s.ReadInteger(sec, "Minus", 0), -1);
    EXPECT_EQ(s.ReadInteger(sec, "Spaced", 0), -12);
    EXPECT_EQ(s.ReadInteger(sec, "Huge", 9), 9);
    EXPECT_EQ(s.ReadInteger(sec, "Yes", 9), 9);
    EXPECT_EQ(s.ReadInteger(sec, "Expand", 0), 42);
    EXPECT_EQ(s.ReadString(sec, "NewEnable", "d"), "d");  // a dword is no text

    EXPECT_TRUE(s.ReadBool(sec, "NewEnable", false));
    EXPECT_TRUE(s.ReadBool(sec, "Seven", false));
    EXPECT_FALSE(s.ReadBool(sec, "Zero", true));
    EXPECT_TRUE(s.ReadBool(sec, "Yes", true));
    EXPECT_FALSE(s.ReadBool(sec, "Yes", false));

    // Another type reads as each reader's default.
    EXPECT_EQ(s.ReadString(sec, "Multi", "d"), "d");
    EXPECT_EQ(s.ReadInteger(sec, "Multi", 4), 4);
    EXPECT_TRUE(s.ReadBool(sec, "Multi", true));

    // Missing section or value: the default of that read.
    EXPECT_EQ(s.ReadInteger("Window", "Width", 514), 514);
    EXPECT_EQ(s.ReadInteger("Window", "Width", 490), 490);
    EXPECT_EQ(s.ReadString(sec, "None", "blue.skn"), "blue.skn");
    EXPECT_FALSE(s.ReadBool("Option\\Scroll\\Deeper", "NewEnable", false));
}

TEST_F(SettingsStoreTest, WritesKeepTheTypeAValueWasFirstGiven) {
    Seed(kTypedValues);
    {
        SettingsStore s(File());
        const QString sec = QStringLiteral("option\\scroll");
        s.WriteInteger(sec, "Count", 12);       // text stays text
        s.WriteInteger(sec, "NewEnable", 0);    // dword stays dword
        s.WriteInteger(sec, "Expand", 43);      // expandable text stays so
        s.WriteInteger("Window", "Width", -2);  // new: dword
        s.WriteBool("Window", "Allways", true);
        s.WriteBool("Window", "Maximized", false);
        s.WriteString("Option", "Skin", "red.skn");
    }
    const QString text = Text();
    EXPECT_TRUE(text.contains("\"Count\"=\"12\"\n"));
    EXPECT_TRUE(text.contains("\"NewEnable\"=dword:00000000\n"));
    EXPECT_TRUE(text.contains("\"Expand\"=hex(2):34,00,33,00,00,00\n"));
    EXPECT_TRUE(text.contains("\"Width\"=dword:fffffffe\n"));
    EXPECT_TRUE(text.contains("\"Allways\"=\"1\"\n\"Maximized\"=\"0\"\n"));
    EXPECT_TRUE(text.contains("\"Multi\"=hex(7):61,00,00,00,00,00\n"));  // kept intact

    SettingsStore s(File());
    EXPECT_EQ(s.ReadInteger("Option\\Scroll", "Count", 0), 12);
    EXPECT_EQ(s.ReadInteger("Window", "Width", 0), -2);
    EXPECT_TRUE(s.ReadBool("Window", "Allways", false));
    EXPECT_EQ(s.ReadString("Option", "Skin", ""), "red.skn");
}

TEST_F(SettingsStoreTest, NothingIsWrittenUnlessAValueChanged) {
    {
        SettingsStore s(File());
        EXPECT_EQ(s.ReadInteger("Option", "Page", 0), 0);
        EXPECT_TRUE(s.SubSections("").isEmpty());
    }
    EXPECT_FALSE(QFile::exists(File()));
    {
        SettingsStore s(File());
        s.WriteInteger("Option", "Page", 2);
    }
    const QByteArray saved = ReadBytes(File());
    EXPECT_EQ(saved, QByteArray(kHeader) +
                         "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane]\n\n"
                         "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Option]\n"
                         "\"Page\"=dword:00000002\n\n");
    // Writing what is already there saves nothing: the extra line stays.
    WriteBytes(File(), saved + "; untouched\n");
    {
        SettingsStore s(File());
        s.WriteInteger("Option", "Page", 2);
        s.ReadString("Option", "Skin", "");
        s.EraseSection("Option\\None");
    }
    EXPECT_EQ(ReadBytes(File()), saved + "; untouched\n");
}

TEST_F(SettingsStoreTest, ASaveKeepsTheFileMode) {
    Seed("");
    QFile::setPermissions(File(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    {
        SettingsStore s(File());
        s.WriteInteger("Option", "Page", 2);
    }
    EXPECT_EQ(QFile::permissions(File()) & ~(QFile::ReadUser | QFile::WriteUser),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
}

TEST_F(SettingsStoreTest, EraseSectionRemovesTheBranchAndLeavesSiblings) {
    Seed("[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Timer]\n\"Count\"=dword:2\n\n"
         "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Timer\\Timer-Set1]\n\"Name\"=\"a\"\n\n"
         "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Timer\\Timer-Set1\\Section1]\n\"T\"=\"1\"\n\n"
         "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Timer\\Timer-Set1\\Section1\\Deep]\n\"T\"=\"1\"\n\n"
         "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Timer\\Timer-Set10]\n\"Name\"=\"b\"\n\n"
         "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Timer\\Timer-Set1x]\n\"Name\"=\"c\"\n\n");
    {
        SettingsStore s(File());
        s.EraseSection("");  // never the whole tree
        s.EraseSection("TIMER\\timer-set1");
        EXPECT_EQ(s.SubSections("Timer"), (QStringList{"Timer-Set10", "Timer-Set1x"}));
        EXPECT_EQ(s.ReadInteger("Timer", "Count", 0), 2);
    }
    const QString text = Text();
    EXPECT_FALSE(text.contains("Timer-Set1]"));
    EXPECT_FALSE(text.contains("Section1"));
    EXPECT_TRUE(text.contains("\"Name\"=\"b\""));
    EXPECT_TRUE(text.contains("\"Name\"=\"c\""));
}

TEST_F(SettingsStoreTest, NamesIgnoreLetterCaseAndKeepTheFirstSpelling) {
    {
        SettingsStore s(File());
        s.WriteString("Option\\Calendar", "Ballista", "1");
        s.WriteString("OPTION\\calendar", "BALLISTA", "0");
        s.WriteInteger("option", "page", 4);
        EXPECT_TRUE(s.ValueExists("Option\\CALENDAR", "ballista"));
        EXPECT_EQ(s.ReadString("option\\calendar", "ballista", ""), "0");
        EXPECT_EQ(s.SubSections("Option"), QStringList{"Calendar"});
        EXPECT_EQ(s.SubSections(""), QStringList{"Option"});
    }
    const QString text = Text();
    EXPECT_TRUE(text.contains("\\Norvane\\Option\\Calendar]\n\"Ballista\"=\"0\"\n\n"));
    EXPECT_TRUE(text.contains("\\Norvane\\Option]\n\"page\"=dword:00000004\n"));
    EXPECT_FALSE(text.contains("OPTION"));
}

TEST_F(SettingsStoreTest, ASaveChangesOnlyTheLinesOfChangedValues) {
    const QByteArray before = QByteArray(kHeader) +
                              "[HKEY_CURRENT_USER\\Software\\Tobrin]\n\n"
                              "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane]\n\n"
                              "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Window]\n"
                              "\"Top\"=dword:0000000a\n\"Left\"=dword:0000000b\n\"Height\"=dword:00000144\n\n"
                              "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Window\\Simple]\n"
                              "\"Top\"=dword:00000001\n\n"
                              "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Zeta]\n"
                              "\"Blob\"=hex:00,\\\n  01\n\n";
    WriteBytes(File(), before);
    {
        SettingsStore s(File());
        s.WriteInteger("Window", "Left", 20);
        s.WriteInteger("Window", "Width", 514);
        s.WriteInteger("window\\simple\\sub", "X", 1);
    }
    QByteArray expected = before;
    expected.replace("\"Left\"=dword:0000000b\n\"Height\"=dword:00000144\n",
                     "\"Left\"=dword:00000014\n\"Height\"=dword:00000144\n\"Width\"=dword:00000202\n");
    expected.replace("\"Top\"=dword:00000001\n\n",
                     "\"Top\"=dword:00000001\n\n"
                     "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Window\\Simple\\sub]\n"
                     "\"X\"=dword:00000001\n\n");
    EXPECT_EQ(ReadBytes(File()), expected);
}

TEST_F(SettingsStoreTest, AWindowsExportInUtf16WithCrLfIsRead) {
    const QString exported = QStringLiteral(
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Time\\History]\r\n"
        "\"Count\"=dword:00000002\r\n"
        "\"Item00\"=\"ntp.example.jp\"\r\n"
        "\"Item01\"=\"時刻サーバー\"\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Timer\\Alarm]\r\n"
        "\"Item0\"=hex(2):25,00,53,00,79,00,73,00,74,00,65,00,6d,00,52,00,6f,00,6f,00,74,\\\r\n"
        "  00,25,00,5c,00,4d,00,65,00,64,00,69,00,61,00,5c,00,63,00,68,00,69,00,6d,00,\\\r\n"
        "  65,00,73,00,2e,00,77,00,61,00,76,00,00,00\r\n"
        "\r\n");
    QByteArray bytes("\xff\xfe", 2);
    for (QChar c : exported) {
        bytes.append(static_cast<char>(c.unicode() & 0xff));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    WriteBytes(File(), bytes);
    ::testing::internal::CaptureStderr();
    {
        SettingsStore s(File());
        EXPECT_EQ(s.ReadInteger("Time\\History", "Count", 0), 2);
        EXPECT_EQ(s.ReadString("Time\\History", "Item01", ""), QStringLiteral("時刻サーバー"));
        EXPECT_EQ(s.ReadString("Timer\\Alarm", "Item0", ""), QStringLiteral("%SystemRoot%\\Media\\chimes.wav"));
        s.WriteString("Time\\History", "Item02", "x");
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    // Saved as UTF-8 with LF line ends, everything still there.
    const QByteArray saved = ReadBytes(File());
    EXPECT_TRUE(saved.startsWith("Windows Registry Editor Version 5.00\n\n"));
    EXPECT_FALSE(saved.contains('\r'));
    EXPECT_TRUE(saved.contains(QStringLiteral("\"Item01\"=\"時刻サーバー\"\n\"Item02\"=\"x\"\n").toUtf8()));
    SettingsStore s(File());
    EXPECT_EQ(s.ReadString("Timer\\Alarm", "Item0", ""), QStringLiteral("%SystemRoot%\\Media\\chimes.wav"));
}

TEST_F(SettingsStoreTest, TextsOfEveryKindComeBackUnchanged) {
    // NUL characters too: a name read from a file may hold them, and a registry
    // string written in hex form ends with one.
    const QStringList texts = {"", "C:\\Program Files\\\"quoted\"\\", "ブルー.skn", "two\nlines\r\n", "tab\there",
                               QString::fromUtf16(u"co\0\0untdown", 11), QString::fromUtf16(u"ends\0", 5)};
    {
        SettingsStore s(File());
        for (int i = 0; i < texts.size(); ++i) s.WriteString("Texts", QStringLiteral("T%1").arg(i), texts[i]);
        s.WriteString("Texts", "", "the default value");
        s.WriteString("Texts", "Name \"with\" \\ marks", "v");
    }
    SettingsStore s(File());
    for (int i = 0; i < texts.size(); ++i)
        EXPECT_EQ(s.ReadString("Texts", QStringLiteral("T%1").arg(i), "d"), texts[i]) << i;
    EXPECT_EQ(s.ReadString("Texts", "", "d"), "the default value");
    EXPECT_EQ(s.ReadString("Texts", "name \"WITH\" \\ marks", "d"), "v");
}

TEST_F(SettingsStoreTest, ANameWithALineBreakIsRefusedAndTheFileStaysSound) {
    ::testing::internal::CaptureStderr();
    {
        SettingsStore s(File());
        s.WriteString("Option", "Bad\nName", "x");
        s.WriteInteger("Opt\rion", "Page", 1);
        s.WriteString("Option", "Good", "y");
    }
    const std::string message = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find("\"Option\\Bad?Name\" has a control character"), std::string::npos) << message;
    EXPECT_NE(message.find("\"Opt?ion\\Page\""), std::string::npos) << message;
    EXPECT_EQ(SettingsStore(File()).SubSections(""), QStringList{"Option"});
    EXPECT_TRUE(Text().contains("\\Norvane\\Option]\n\"Good\"=\"y\"\n\n"));
    EXPECT_EQ(FolderEntries(dir_), QStringList{"Norvane.reg"});  // nothing had to be copied aside
}

TEST_F(SettingsStoreTest, AccessorsOpenAtOnceShareTheirValues) {
    {
        SettingsStore outer(File());
        outer.WriteInteger("A", "Outer", 1);
        {
            SettingsStore inner(File());  // would wait for the lock forever if not shared
            EXPECT_EQ(inner.ReadInteger("A", "Outer", 0), 1);
            inner.WriteInteger("A", "Inner", 2);
        }
        EXPECT_EQ(outer.ReadInteger("A", "Inner", 0), 2);
    }
    SettingsStore s(File());
    EXPECT_EQ(s.ReadInteger("A", "Outer", 0) + s.ReadInteger("A", "Inner", 0), 3);
}

TEST(SettingsPath, OwnVariableThenConfigFolderThenHome) {
    const QByteArray own = qgetenv("NORVANE_SETTINGS"), xdg = qgetenv("XDG_CONFIG_HOME"), home = qgetenv("HOME");
    qputenv("NORVANE_SETTINGS", "/tmp/own.reg");
    qputenv("XDG_CONFIG_HOME", "/cfg");
    qputenv("HOME", "/home/u");
    EXPECT_EQ(SettingsStore::DefaultPath(), "/tmp/own.reg");
    qunsetenv("NORVANE_SETTINGS");
    EXPECT_EQ(SettingsStore::DefaultPath(), "/cfg/Tobrin/Norvane.reg");
    qputenv("XDG_CONFIG_HOME", "relative/ignored");
    EXPECT_EQ(SettingsStore::DefaultPath(), "/home/u/.config/Tobrin/Norvane.reg");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(SettingsStore::DefaultPath(), "/home/u/.config/Tobrin/Norvane.reg");
    auto restore = [](const char* name, const QByteArray& value) {
        if (value.isNull()) qunsetenv(name);
        else qputenv(name, value);
    };
    restore("NORVANE_SETTINGS", own);
    restore("XDG_CONFIG_HOME", xdg);
    restore("HOME", home);
}

}  // namespace
}  // namespace norvane
