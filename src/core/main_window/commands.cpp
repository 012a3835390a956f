#include "core/main_window/commands.h"

namespace norvane {

const std::vector<CommandInfo>& WindowCommands() {
    static const std::vector<CommandInfo> commands = {
        {"actPage1", kPageCategory, "タイマー(&T)", "タイマーのページを開きます。"},
        {"actPage2", kPageCategory, "船・飛空挺(&S)", "船・飛空挺のページを開きます。"},
        {"actPage3", kPageCategory, "ギルド(&G)", "ギルドのページを開きます。"},
        {"actPage4", kPageCategory, "種族装備(&R)", "種族装備のページを開きます。"},
        {"actPage5", kPageCategory, "チョコボ(&B)", "チョコボのページを開きます。"},
        {"actPage6", kPageCategory, "スキル(&K)", "スキルのページを開きます。"},
        {"actPage7", kPageCategory, "カレンダー(&C)", "カレンダーのページを開きます。"},
        {"actTab1", kTabCategory, "", ""},
        {"actTab2", kTabCategory, "", ""},
        {"actTab3", kTabCategory, "", ""},
        {"actTab4", kTabCategory, "", ""},
        {"actTab5", kTabCategory, "", ""},
        {"actTab6", kTabCategory, "", ""},
        {"actTab7", kTabCategory, "", ""},
        {"actSimple", kMenuCategory, "シンプルモードへ切り替え(&S)", "ウインドウ表示をシンプルモードへ切り替えます。",
         kSimplePicture},
        {"actNormal", kMenuCategory, "通常モードへ切り替え(&N)", "ウインドウ表示を通常モードへ切り替えます。",
         kNoPicture, "", false},
        {"actSync", kMenuCategory, "時刻の同期(&T)", "PC内部時計をインターネット時刻と同期させます。", kSyncPicture},
        {"actAllways", kMenuCategory, "常に手前に表示(&A)", "ウインドウを常に手前に表示します。",
         kAlwaysOnTopOffPicture},
        {"actOption", kMenuCategory, "オプション(&O)...", "Norvane のオプションを表示します。"},
        {"actHelp", kMenuCategory, "ヘルプ トピック(&H)", "Norvane のヘルプを表示します。"},
        {"actWeb", kMenuCategory, "ウェブサイトを表示(&W)", "Norvane のウェブサイトにアクセスします。"},
        {"actUpdate", kMenuCategory, "最新バージョンへアップデート(&U)",
         "Norvane の最新バージョンの有無をチェックします。"},
        {"actVersion", kMenuCategory, "バージョン情報(&B)...", "Norvane のバージョン情報を表示します。"},
        {"actExit", kMenuCategory, "終了(&X)", "Norvane を終了します。"},
    };
    return commands;
}

const CommandInfo* FindCommand(std::string_view name) {
    for (const CommandInfo& c : WindowCommands())
        if (c.name == name) return &c;
    return nullptr;
}

namespace {

std::vector<MenuEntry> MenuWithPages(int pages, std::string_view pageMenu, bool colourMenu) {
    using E = MenuEntry;
    std::vector<MenuEntry> m = {{E::PageMenu, pageMenu, pages}, {E::Separator, ""},
                                {E::Action, "actSimple"},       {E::Action, "actNormal"},
                                {E::Action, "actSync"},         {E::Action, "actAllways"}};
    if (colourMenu) m.push_back({E::ColourMenu, "mnuColor"});
    const std::vector<MenuEntry> rest = {{E::Action, "actOption"}, {E::Separator, ""},   {E::Action, "actHelp"},
                                         {E::Action, "actWeb"},    {E::Separator, ""},   {E::Action, "actUpdate"},
                                         {E::Action, "actVersion"}, {E::Separator, ""},  {E::Action, "actExit"}};
    m.insert(m.end(), rest.begin(), rest.end());
    return m;
}

}  // namespace

const std::vector<MenuEntry>& MenuBarEntries() {
    static const std::vector<MenuEntry> entries = MenuWithPages(7, "mbrPage", false);
    return entries;
}

const std::vector<MenuEntry>& PopupMenuEntries() {
    static const std::vector<MenuEntry> entries = MenuWithPages(6, "mnuPage", true);
    return entries;
}

const std::vector<ToolbarEntry>& ToolbarEntries() {
    static const std::vector<ToolbarEntry> entries = {
        {"actSimple", "シンプルモード", kSimplePicture},
        {"actSync", "時刻の同期", kSyncPicture},
        {"actAllways", "&手前に表示", kAlwaysOnTopOffPicture},
    };
    return entries;
}

}  // namespace norvane
