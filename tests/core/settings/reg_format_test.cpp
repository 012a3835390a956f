#include <gtest/gtest.h>

#include "core/settings/reg_document.h"

namespace norvane {
namespace {

const QString kExport = QStringLiteral(
    "Windows Registry Editor Version 5.00\n"
    "\n"
    "; exported by hand\n"
    "\n"
    "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane]\n"
    "@=\"root default\"\n"
    "\n"
    "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Option]\n"
    "\"Skin\"=\"C:\\\\skins\\\\\\\"blue\\\".skn\"\n"
    "\"Page\"=dword:0000000a\n"
    "\"Path\"=hex(2):25,00,41,00,50,00,50,00,44,00,41,00,54,00,41,00,25,00,5c,00,4e,\\\n"
    "  00,6f,00,72,00,76,00,61,00,6e,00,65,00,00,00\n"
    "\"List\"=hex(7):61,00,00,00,62,00,00,00,00,00\n"
    "\"Blob\"=hex:01,02,ff\n"
    "; a note inside a key\n"
    "\"Name with = and \\\"quotes\\\"\"=\"\"\n"
    "\n");

TEST(RegText, ReadsEveryKindAndWritesUntouchedTextBackExactly) {
    RegParseResult r = ParseRegText(kExport);
    EXPECT_TRUE(r.badLines.empty());
    EXPECT_FALSE(r.headerMissing);
    ASSERT_EQ(r.doc.keys.size(), 2u);
    const RegKey& root = r.doc.keys[0];
    ASSERT_EQ(root.values.size(), 1u);
    EXPECT_EQ(root.values[0].name, QString());
    EXPECT_EQ(root.values[0].text, QStringLiteral("root default"));

    const RegKey& option = r.doc.keys[1];
    EXPECT_EQ(option.path.last(), QStringLiteral("Option"));
    const RegValue* skin = option.FindValue(FoldName(QStringLiteral("SKIN")));
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->text, QStringLiteral("C:\\skins\\\"blue\".skn"));
    EXPECT_EQ(option.FindValue(QStringLiteral("page"))->dword, 10u);
    const RegValue* path = option.FindValue(QStringLiteral("path"));
    EXPECT_EQ(path->type, RegType::ExpandString);
    EXPECT_EQ(path->text, QStringLiteral("%APPDATA%\\Norvane"));
    EXPECT_EQ(option.FindValue(QStringLiteral("list"))->type, RegType::Other);
    EXPECT_EQ(option.FindValue(QStringLiteral("blob"))->type, RegType::Other);
    EXPECT_EQ(option.FindValue(FoldName(QStringLiteral("Name with = and \"quotes\"")))->text, QString());
    EXPECT_EQ(option.values.size(), 7u);  // six values and the note

    EXPECT_EQ(FormatRegText(r.doc), kExport);
}

TEST(RegText, NewValuesAreWrittenInExportFormAndReadBackTheSame) {
    RegDocument doc = ParseRegText(QString()).doc;
    bool created = false;
    int k = doc.EnsureKey({QStringLiteral("HKEY_CURRENT_USER"), QStringLiteral("X")}, 2, created);
    auto add = [&](RegType type, const QString& name, const QString& text, std::uint32_t dword) {
        RegValue v;
        v.type = type;
        v.name = name;
        v.folded = FoldName(name);
        v.text = text;
        v.dword = dword;
        doc.keys[static_cast<size_t>(k)].values.push_back(v);
    };
    const QString longText = QStringLiteral("%SystemRoot%\\Media\\ウィンドウズ 通知音 とても長い名前.wav");
    add(RegType::String, QStringLiteral("Quote\"Back\\"), QStringLiteral("a\\b\"c"), 0);
    add(RegType::Dword, QStringLiteral("Neg"), QString(), 0xfffffffeu);
    add(RegType::ExpandString, QStringLiteral("Wave"), longText, 0);
    add(RegType::String, QStringLiteral("Lines"), QStringLiteral("one\r\ntwo"), 0);
    add(RegType::String, QString(), QStringLiteral("default"), 0);

    const QString text = FormatRegText(doc);
    EXPECT_TRUE(text.contains(QStringLiteral("\"Quote\\\"Back\\\\\"=\"a\\\\b\\\"c\"\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\"Neg\"=dword:fffffffe\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\"Lines\"=hex(1):6f,00,6e,00,65,00,0d,00,0a,00,")));
    EXPECT_TRUE(text.contains(QStringLiteral("@=\"default\"\n")));
    for (const QString& line : text.split(QLatin1Char('\n'))) EXPECT_LE(line.size(), 80) << line.toStdString();

    RegParseResult back = ParseRegText(text);
    ASSERT_TRUE(back.badLines.empty());
    const RegKey& key = back.doc.keys.at(0);
    ASSERT_EQ(key.values.size(), 5u);
    for (size_t i = 0; i < key.values.size(); ++i) {
        const RegValue& was = doc.keys[0].values[i];
        EXPECT_EQ(key.values[i].name, was.name);
        EXPECT_EQ(key.values[i].type, was.type);
        EXPECT_EQ(key.values[i].text, was.text);
        EXPECT_EQ(key.values[i].dword, was.dword);
    }
}

TEST(RegText, LinesThatDoNotParseAreLeftOutAndTheRestKept) {
    const QString text = QStringLiteral(
        "\"Lost\"=\"no key yet\"\n"         // 1: before any key
        "[HKEY_CURRENT_USER\\A]\n"           // 2
        "\"Good1\"=\"x\"\n"                  // 3
        "garbage line\n"                     // 4
        "\"Bad\"=dword:zz\n"                 // 5
        "\"Bad2\"=hex:1,2,300\n"             // 6
        "\"Bad3\"=\"open\n"                  // 7: never closed on a line of its own
        "\"Good2\"=dword:1\n"                // 8
        "[HKEY_CURRENT_USER\\B\n"            // 9: broken key line
        "\"Orphan\"=\"x\"\n"                 // 10: its key is unknown
        "[HKEY_CURRENT_USER\\C]\n"           // 11
        "\"Good3\"=\"multi\n"                // 12: a text over two lines
        "line\"\n");                          // 13
    RegParseResult r = ParseRegText(text);
    EXPECT_TRUE(r.headerMissing);
    EXPECT_EQ(r.badLines, (std::vector<int>{1, 4, 5, 6, 7, 9, 10}));
    ASSERT_EQ(r.doc.keys.size(), 2u);
    EXPECT_EQ(r.doc.keys[0].values.size(), 2u);
    EXPECT_EQ(r.doc.keys[0].FindValue(QStringLiteral("good2"))->dword, 1u);
    EXPECT_EQ(r.doc.keys[1].FindValue(QStringLiteral("good3"))->text, QStringLiteral("multi\nline"));
}

TEST(RegText, RepeatedKeysAndNamesMergeWithTheLaterValueWinning) {
    RegParseResult r = ParseRegText(QStringLiteral(
        "Windows Registry Editor Version 5.00\n\n"
        "[HKEY_CURRENT_USER\\A]\n\"One\"=\"1\"\n\"Two\"=\"2\"\n\n"
        "[hkey_current_user\\a]\n\"TWO\"=dword:2\n\"Three\"=\"3\"\n"));
    ASSERT_EQ(r.doc.keys.size(), 1u);
    const auto& values = r.doc.keys[0].values;
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[1].name, QStringLiteral("Two"));
    EXPECT_EQ(values[1].type, RegType::Dword);
    EXPECT_EQ(values[2].name, QStringLiteral("Three"));
}

TEST(RegText, NamesFoldAlikeWhetherPlainOrNot) {
    // Plain names take a shortcut; the result must be what full folding gives.
    for (const char* name : {"Skin", "SKIN", "skin", "", "Timer12\\Name", "@", "Ärger", "ΣΊΣΥΦΟΣ",
                             "タイマー設定A", "Mixed Ä and A"}) {
        const QString n = QString::fromUtf8(name);
        EXPECT_EQ(FoldName(n), n.toCaseFolded()) << name;
    }
    EXPECT_EQ(FoldPath({QStringLiteral("HKEY_CURRENT_USER"), QStringLiteral("Ä")}),
              QStringLiteral("hkey_current_user\\ä"));
}

TEST(RegText, DecodesWindowsExportsAndFlagsUndecodableBytes) {
    const QString text = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n\"Name\"=\"日本語\"\r\n");
    QByteArray utf16("\xff\xfe", 2);
    for (QChar c : text) {
        utf16.append(static_cast<char>(c.unicode() & 0xff));
        utf16.append(static_cast<char>(c.unicode() >> 8));
    }
    bool clean = false;
    EXPECT_EQ(DecodeRegBytes(utf16, clean), text);
    EXPECT_TRUE(clean);
    EXPECT_EQ(DecodeRegBytes("\xef\xbb\xbf" + text.toUtf8(), clean), text);
    EXPECT_TRUE(clean);
    // An old 8-bit export from a Japanese system; in other files UTF-8, and
    // Shift-JIS only for a line that is no UTF-8.
    EXPECT_EQ(DecodeRegBytes(QByteArray("REGEDIT4\n\"A\"=\"\x93\xfa\x96\x7b\""), clean),
              QStringLiteral("REGEDIT4\n\"A\"=\"日本\""));
    EXPECT_TRUE(clean);
    EXPECT_EQ(DecodeRegBytes(QByteArray("\"A\"=\"\x93\xfa\x96\x7b\"\n\"B\"=\"\xe6\x97\xa5\""), clean),
              QStringLiteral("\"A\"=\"日本\"\n\"B\"=\"日\""));
    EXPECT_TRUE(clean);
    DecodeRegBytes(QByteArray("\"A\"=\"\x81\x20\"\n\"B\"=\"x\""), clean);
    EXPECT_FALSE(clean);
    DecodeRegBytes(QByteArray("REGEDIT4\n\"A\"=\"\x81\x20\""), clean);
    EXPECT_FALSE(clean);

    // Such an export keeps its texts 8-bit inside hex(2): too; it is written back in today's form.
    RegParseResult old = ParseRegText(DecodeRegBytes(
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n\"S\"=\"\x93\xfa\"\r\n\"E\"=hex(2):41,42,00\r\n", clean));
    ASSERT_EQ(old.doc.keys.size(), 1u);
    EXPECT_EQ(old.doc.keys[0].FindValue(QStringLiteral("s"))->text, QStringLiteral("日"));
    EXPECT_EQ(old.doc.keys[0].FindValue(QStringLiteral("e"))->text, QStringLiteral("AB"));
    const QString now = FormatRegText(old.doc);
    EXPECT_TRUE(now.startsWith(QStringLiteral("Windows Registry Editor Version 5.00\n")));
    EXPECT_TRUE(now.contains(QStringLiteral("\"E\"=hex(2):41,00,42,00,00,00\n")));
}

// What a save writes is read back to the same values, and saving that again
// writes the same file.
TEST(RegText, AWrittenFileIsReadBackAsItWasWritten) {
    const QString header = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n");
    for (const QString& body : {
             // A line ending in two carriage returns, as a file passed through two editors may.
             QStringLiteral("[HKEY_CURRENT_USER\\A]\r\r\n\"B\"=hex:01,02\r\r\n; note\r\r\n\"S\"=\"x\"\r\r\n"),
             QStringLiteral("[HKEY_CURRENT_USER\\A]\r\n\"S\"=\"two\r\r\nlines\"\r\n"),
         }) {
        SCOPED_TRACE(body.toStdString());
        const RegParseResult read = ParseRegText(header + body);
        EXPECT_TRUE(read.badLines.empty());
        const QString written = FormatRegText(read.doc);
        const RegParseResult again = ParseRegText(written);
        EXPECT_TRUE(again.badLines.empty());
        EXPECT_EQ(FormatRegText(again.doc), written);
        ASSERT_EQ(again.doc.keys.size(), read.doc.keys.size());
        for (std::size_t v = 0; v < read.doc.keys[0].values.size(); ++v) {
            EXPECT_EQ(again.doc.keys[0].values[v].text, read.doc.keys[0].values[v].text);
            EXPECT_EQ(again.doc.keys[0].values[v].source, read.doc.keys[0].values[v].source);
        }
    }
}

// UTF-16 may hold a half of a surrogate pair, which UTF-8 cannot: what was read
// must be what is written, so that the next start reads the same again.
TEST(RegText, HalvesOfSurrogatePairsSurviveWritingAndReading) {
    // In the file's own text (a key name): undecodable, so flagged and replaced.
    QByteArray file("\xff\xfe", 2);
    for (QChar c : QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\A") +
                       QChar(0xdb52) + QStringLiteral("\\B]\r\n\"S\"=\"x\"\r\n")) {
        file.append(static_cast<char>(c.unicode() & 0xff));
        file.append(static_cast<char>(c.unicode() >> 8));
    }
    bool clean = true;
    const RegParseResult read = ParseRegText(DecodeRegBytes(file, clean));
    EXPECT_FALSE(clean);
    ASSERT_EQ(read.doc.keys.size(), 1u);
    EXPECT_EQ(read.doc.keys[0].path[1], QStringLiteral("A\uFFFD"));
    const RegParseResult again = ParseRegText(DecodeRegBytes(FormatRegText(read.doc).toUtf8(), clean));
    EXPECT_TRUE(clean);
    ASSERT_EQ(again.doc.keys.size(), 1u);
    EXPECT_EQ(again.doc.keys[0].folded, read.doc.keys[0].folded);

    // In a value's data (hex(1)): kept as it is, and written in hex form again.
    RegParseResult value = ParseRegText(QStringLiteral(
        "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\A]\n\"S\"=hex(1):41,00,00,dc,42,00,00,00\n"));
    RegValue& v = value.doc.keys[0].values[0];
    EXPECT_EQ(v.text, QString(QStringLiteral("A") + QChar(0xdc00) + QStringLiteral("B")));
    v.source.clear();  // as after a change
    const RegParseResult written = ParseRegText(DecodeRegBytes(FormatRegText(value.doc).toUtf8(), clean));
    EXPECT_TRUE(clean);
    EXPECT_EQ(written.doc.keys[0].values[0].text, v.text);
}

TEST(RegTree, NewKeysGoBesideTheirFamilyAndErasingTakesTheWholeBranch) {
    RegDocument doc = ParseRegText(QStringLiteral(
        "Windows Registry Editor Version 5.00\n\n"
        "[R]\n\n[R\\Timer\\Timer-Set01\\Section1]\n\n[R\\Timer\\Timer-Set10]\n\n[R\\Zeta]\n\n")).doc;
    auto names = [&] {
        QStringList out;
        for (const auto& k : doc.keys) out << k.path.join(QLatin1Char('\\'));
        return out;
    };
    bool created = false;
    doc.EnsureKey({QStringLiteral("R"), QStringLiteral("TIMER"), QStringLiteral("Timer-Set01")}, 1, created);
    EXPECT_TRUE(created);
    EXPECT_EQ(names(), (QStringList{"R", "R\\Timer", "R\\Timer\\Timer-Set01", "R\\Timer\\Timer-Set01\\Section1",
                                    "R\\Timer\\Timer-Set10", "R\\Zeta"}));
    doc.EnsureKey({QStringLiteral("R"), QStringLiteral("timer"), QStringLiteral("Timer-Set02")}, 1, created);
    EXPECT_EQ(names().at(5), QStringLiteral("R\\Timer\\Timer-Set02"));
    EXPECT_EQ(doc.ChildNames({QStringLiteral("r"), QStringLiteral("timer")}),
              (QStringList{"Timer-Set01", "Timer-Set10", "Timer-Set02"}));

    EXPECT_TRUE(doc.EraseTree(QStringLiteral("r\\timer\\timer-set01")));
    EXPECT_EQ(names(), (QStringList{"R", "R\\Timer", "R\\Timer\\Timer-Set10", "R\\Timer\\Timer-Set02", "R\\Zeta"}));
    EXPECT_FALSE(doc.EraseTree(QStringLiteral("r\\timer\\timer-set1")));

    // Lookups follow every change, including keys moved about directly.
    auto at = [&](const char* folded) { return doc.FindKey(QString::fromLatin1(folded)); };
    EXPECT_EQ(at("r\\zeta"), 4);
    EXPECT_EQ(at("r\\timer\\timer-set01"), -1);
    doc.EnsureKey({QStringLiteral("R"), QStringLiteral("Alpha")}, 1, created);
    EXPECT_EQ(doc.keys[static_cast<size_t>(at("r\\zeta"))].folded, QStringLiteral("r\\zeta"));
    EXPECT_EQ(doc.keys[static_cast<size_t>(at("r\\alpha"))].folded, QStringLiteral("r\\alpha"));
    std::swap(doc.keys[0], doc.keys.back());
    EXPECT_EQ(doc.keys[static_cast<size_t>(at("r"))].folded, QStringLiteral("r"));
    doc.keys[0].removal = true;  // a removal line is never found
    EXPECT_EQ(at(doc.keys[0].folded.toLatin1().constData()), -1);
}

}  // namespace
}  // namespace norvane
