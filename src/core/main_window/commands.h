#pragma once
// The main window's commands in one place: each action's name, category,
// caption, hint, picture and shortcut, and the order of the menus and the
// toolbar built from them. The window copies these into its actions and menus.
#include <string_view>
#include <vector>

namespace norvane {

// Pictures of the command picture list.
enum CommandPicture : int {
    kNoPicture = -1,
    kMenuPicture = 0,
    kSyncPicture = 1,
    kSimplePicture = 2,
    kAlwaysOnTopOffPicture = 3,
    kAlwaysOnTopOnPicture = 4,
};

struct CommandInfo {
    std::string_view name;      // the action's object name
    std::string_view category;  // "ページ", "タブ", "メニュー", ...
    std::string_view caption;   // empty for internal actions
    std::string_view hint;
    int picture = kNoPicture;
    std::string_view shortcut;  // portable key text ("F1", "Ctrl+F1"), or empty
    bool visible = true;
};

// The window's own actions, in creation order: the pages, the page-changed
// steps, then the menu's commands. The timer and alarm actions belong to the
// timer page and carry the categories kTimerCategory and kAlarmCategory.
const std::vector<CommandInfo>& WindowCommands();
const CommandInfo* FindCommand(std::string_view name);

inline constexpr std::string_view kMenuCategory = "メニュー";
inline constexpr std::string_view kPageCategory = "ページ";
inline constexpr std::string_view kTabCategory = "タブ";
inline constexpr std::string_view kTimerCategory = "タイマー";
inline constexpr std::string_view kAlarmCategory = "アラーム";

// One entry of a menu: an action, a separator, the page submenu (with the
// first `pages` page actions) or the window-colour submenu.
struct MenuEntry {
    enum Kind { Action, Separator, PageMenu, ColourMenu } kind = Action;
    std::string_view name;  // the action, or the submenu's object name
    int pages = 0;
};

inline constexpr std::string_view kMenuBarCaption = "メニュー(&M)";
inline constexpr std::string_view kPageMenuCaption = "ページ切り替え(&P)";
inline constexpr std::string_view kPageMenuHint = "ページ切り替えに関するメニューグループです。";
inline constexpr std::string_view kColourMenuCaption = "ウィンドウカラー(&C)";

// The items under the menu bar's "メニュー(&M)". The window-colour submenu is
// not listed: it is inserted after "常に手前に表示" when the skins are listed.
const std::vector<MenuEntry>& MenuBarEntries();
// The simple-mode menu button's pop-up: the page submenu leaves out the calendar.
const std::vector<MenuEntry>& PopupMenuEntries();

struct ToolbarEntry {
    std::string_view action;
    std::string_view caption;
    int picture;
};
const std::vector<ToolbarEntry>& ToolbarEntries();

}  // namespace norvane
