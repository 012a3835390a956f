#pragma once
// What the keyboard and a remote control mean to the main window beyond the
// controls' own keys: digits typed on the timer page start timers (a leading
// "0" reaches timers 10 to 12, the remote's stop key before a digit resets
// instead), and a few remote-control keys move the focus, open the menu or
// step the pages.
#include <cstdint>

#include "core/main_window/page.h"

namespace norvane {

// The two prefixes a digit waits on.
struct KeyPrefixes {
    bool zero = false;  // a "0" was typed on the timer page; the next digit picks F10-F12
    bool ctrl = false;  // the remote's stop key: the next digit resets
    bool operator==(const KeyPrefixes&) const = default;
};

// The function key a typed digit stands for: 0 for none, else 1-12, with Ctrl
// for a reset.
struct FunctionKey {
    int number = 0;
    bool ctrl = false;
    bool operator==(const FunctionKey&) const = default;
};

// A typed character (not swallowed by the window). `timerPage` is whether the
// timer page shows. Updates the prefixes and says which function key to press.
FunctionKey TypedCharacter(KeyPrefixes& prefixes, char32_t ch, bool timerPage);

// The commands of remote controls and multimedia keyboards.
enum class RemoteCommand {
    None,        // not a remote command: the default handling
    OpenMenu,    // back: the menu bar's menu opens
    NextControl, // mute: the focus moves on
    ResetPrefix, // stop: the next digit resets
    NextPage,    // channel up, after the last page the first
    PrevPage,    // channel down, before the first page the last
    Swallow,     // the other media and browser commands: nothing
};

// Every remote command clears both prefixes first; stop then sets `ctrl`.
void ApplyRemoteCommand(KeyPrefixes& prefixes, RemoteCommand command);

// The page channel up or down shows, with wrap-around.
Page SteppedPage(Page current, bool up);

}  // namespace norvane

namespace norvane {

// The remote-control command a key stands for: a Qt::Key value as the desktop
// delivers the remote's and the multimedia keyboard's keys, or, for keys this
// Qt leaves unnamed (0), the X keysym (the channel keys arrive so).
RemoteCommand RemoteCommandForKey(int key, std::uint32_t keysym = 0);

}  // namespace norvane
