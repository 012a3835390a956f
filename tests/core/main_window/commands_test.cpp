#include "core/main_window/commands.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace norvane {
namespace {

std::string Names(const std::vector<MenuEntry>& entries) {
    std::string out;
    for (const MenuEntry& e : entries) {
        if (!out.empty()) out += ' ';
        switch (e.kind) {
            case MenuEntry::Action: out += e.name; break;
            case MenuEntry::Separator: out += '-'; break;
            case MenuEntry::PageMenu: out += "pages" + std::to_string(e.pages); break;
            case MenuEntry::ColourMenu: out += "colours"; break;
        }
    }
    return out;
}

TEST(CommandsTest, MenusListTheirEntriesInOrder) {
    EXPECT_EQ(Names(MenuBarEntries()),
              "pages7 - actSimple actNormal actSync actAllways actOption - actHelp actWeb - actUpdate actVersion - "
              "actExit");
    EXPECT_EQ(Names(PopupMenuEntries()),
              "pages6 - actSimple actNormal actSync actAllways colours actOption - actHelp actWeb - actUpdate "
              "actVersion - actExit");
    std::string bar;
    for (const ToolbarEntry& t : ToolbarEntries())
        bar += std::string(t.action) + ":" + std::string(t.caption) + ":" + std::to_string(t.picture) + " ";
    EXPECT_EQ(bar, "actSimple:シンプルモード:2 actSync:時刻の同期:1 actAllways:&手前に表示:3 ");
}

TEST(CommandsTest, EveryMenuCommandHasItsCaptionHintAndPicture) {
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
        int picture;
        bool visible;
    } cases[] = {
        {"actSimple", "シンプルモードへ切り替え(&S)", "ウインドウ表示をシンプルモードへ切り替えます。", 2, true},
        {"actNormal", "通常モードへ切り替え(&N)", "ウインドウ表示を通常モードへ切り替えます。", -1, false},
        {"actSync", "時刻の同期(&T)", "PC内部時計をインターネット時刻と同期させます。", 1, true},
        {"actAllways", "常に手前に表示(&A)", "ウインドウを常に手前に表示します。", 3, true},
        {"actOption", "オプション(&O)...", "Norvane のオプションを表示します。", -1, true},
        {"actHelp", "ヘルプ トピック(&H)", "Norvane のヘルプを表示します。", -1, true},
        {"actWeb", "ウェブサイトを表示(&W)", "Norvane のウェブサイトにアクセスします。", -1, true},
        {"actUpdate", "最新バージョンへアップデート(&U)", "Norvane の最新バージョンの有無をチェックします。", -1, true},
        {"actVersion", "バージョン情報(&B)...", "Norvane のバージョン情報を表示します。", -1, true},
        {"actExit", "終了(&X)", "Norvane を終了します。", -1, true},
        {"actPage1", "タイマー(&T)", "タイマーのページを開きます。", -1, true},
        {"actPage7", "カレンダー(&C)", "カレンダーのページを開きます。", -1, true},
    };
    for (const auto& c : cases) {
        const CommandInfo* info = FindCommand(c.name);
        ASSERT_NE(info, nullptr) << c.name;
        EXPECT_EQ(info->caption, c.caption);
        EXPECT_EQ(info->hint, c.hint);
        EXPECT_EQ(info->picture, c.picture) << c.name;
        EXPECT_EQ(info->visible, c.visible) << c.name;
        EXPECT_EQ(info->category, std::string(c.name).starts_with("actPage") ? kPageCategory : kMenuCategory);
    }
    // Names are unique, and every action a menu names exists.
    std::set<std::string_view> names;
    for (const CommandInfo& c : WindowCommands()) EXPECT_TRUE(names.insert(c.name).second) << c.name;
    for (const auto* menu : {&MenuBarEntries(), &PopupMenuEntries()})
        for (const MenuEntry& e : *menu)
            if (e.kind == MenuEntry::Action) {
                EXPECT_NE(FindCommand(e.name), nullptr) << e.name;
            }
    for (int i = 1; i <= 7; ++i) {
        const CommandInfo* tab = FindCommand("actTab" + std::to_string(i));
        ASSERT_NE(tab, nullptr);
        EXPECT_EQ(tab->category, kTabCategory);
    }
}

}  // namespace
}  // namespace norvane
