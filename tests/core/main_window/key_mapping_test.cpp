#include "core/main_window/key_mapping.h"

#include <gtest/gtest.h>

#include <string>

namespace norvane {
namespace {

// Types `keys` in turn ('S' is the remote's stop key) and collects the function
// keys pressed ("F4", "^F3" for Ctrl+F3), space-separated.
std::string Type(const std::u32string& keys, bool timerPage, KeyPrefixes* end = nullptr) {
    KeyPrefixes p;
    std::string pressed;
    for (char32_t k : keys) {
        if (k == U'S') {
            ApplyRemoteCommand(p, RemoteCommand::ResetPrefix);
            continue;
        }
        const FunctionKey f = TypedCharacter(p, k, timerPage);
        if (f.number == 0) continue;
        if (!pressed.empty()) pressed += ' ';
        pressed += (f.ctrl ? "^F" : "F") + std::to_string(f.number);
    }
    if (end) *end = p;
    return pressed;
}

TEST(KeyMappingTest, DigitsOnTheTimerPagePressFunctionKeys) {
    const struct {
        std::u32string keys;
        std::string pressed;
    } cases[] = {
        {U"4", "F4"},
        {U"123456789", "F1 F2 F3 F4 F5 F6 F7 F8 F9"},
        {U"00", "F10"},
        {U"01", "F11"},
        {U"02", "F12"},
        {U"05", "F5"},              // 3-9 ignore the leading zero
        {U"0", ""},                 // waits for the second digit
        {U"0a1", "F1"},             // any other key clears it
        {U"0\r2", "F2"},            // so does Enter
        {U"S3", "^F3"},             // stop, then a digit: reset
        {U"S02", "^F12"},
        {U"S3 4", "^F3 F4"},        // the reset prefix lasts one digit
        {U"Sx3", "F3"},             // another key clears the stop
        {U"0S2", "^F2"},            // a remote command clears the zero too
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Type(c.keys, true), c.pressed) << std::string(c.keys.begin(), c.keys.end());
    }
}

TEST(KeyMappingTest, DigitsOnAnotherPagePressNothingAndKeepTheZero) {
    KeyPrefixes end;
    EXPECT_EQ(Type(U"4020S5", false, &end), "");
    EXPECT_EQ(end, (KeyPrefixes{}));
    // A zero typed on the timer page survives a digit on another page; the stop does not.
    KeyPrefixes p{true, true};
    EXPECT_EQ(TypedCharacter(p, U'7', false), FunctionKey{});
    EXPECT_EQ(p, (KeyPrefixes{true, false}));
}

TEST(KeyMappingTest, RemoteCommandsClearThePrefixesAndStopSetsTheReset) {
    for (RemoteCommand c : {RemoteCommand::OpenMenu, RemoteCommand::NextControl, RemoteCommand::NextPage,
                            RemoteCommand::PrevPage, RemoteCommand::Swallow}) {
        KeyPrefixes p{true, true};
        ApplyRemoteCommand(p, c);
        EXPECT_EQ(p, KeyPrefixes{});
    }
    KeyPrefixes p{true, false};
    ApplyRemoteCommand(p, RemoteCommand::ResetPrefix);
    EXPECT_EQ(p, (KeyPrefixes{false, true}));
    ApplyRemoteCommand(p, RemoteCommand::None);
    EXPECT_EQ(p, (KeyPrefixes{false, true}));
}

TEST(KeyMappingTest, ChannelsStepThePagesRoundTheEnds) {
    EXPECT_EQ(SteppedPage(Page::Calendar, true), Page::Timer);
    EXPECT_EQ(SteppedPage(Page::Timer, false), Page::Calendar);
    EXPECT_EQ(SteppedPage(Page::Ship, true), Page::Guild);
    EXPECT_EQ(SteppedPage(Page::Ship, false), Page::Timer);
}

}  // namespace
}  // namespace norvane

#include <Qt>

namespace norvane {
namespace {

TEST(KeyMappingTest, RemoteKeysMapToTheirCommands) {
    const struct {
        int key;
        RemoteCommand command;
    } cases[] = {
        {Qt::Key_Back, RemoteCommand::OpenMenu},        {Qt::Key_VolumeMute, RemoteCommand::NextControl},
        {Qt::Key_MediaStop, RemoteCommand::ResetPrefix}, {Qt::Key_ChannelUp, RemoteCommand::NextPage},
        {Qt::Key_ChannelDown, RemoteCommand::PrevPage}, {Qt::Key_MediaPlay, RemoteCommand::Swallow},
        {Qt::Key_MediaPause, RemoteCommand::Swallow},   {Qt::Key_MediaRecord, RemoteCommand::Swallow},
        {Qt::Key_AudioForward, RemoteCommand::Swallow}, {Qt::Key_AudioRewind, RemoteCommand::Swallow},
        {Qt::Key_VolumeUp, RemoteCommand::Swallow},     {Qt::Key_MediaNext, RemoteCommand::Swallow},
        {Qt::Key_4, RemoteCommand::None},               {Qt::Key_Left, RemoteCommand::None},
        {Qt::Key_F1, RemoteCommand::None},
    };
    for (const auto& c : cases) EXPECT_EQ(RemoteCommandForKey(c.key), c.command) << c.key;
    // The channel keys reach Qt unnamed, with their X keysyms.
    EXPECT_EQ(RemoteCommandForKey(0, 0x10081192), RemoteCommand::NextPage);
    EXPECT_EQ(RemoteCommandForKey(Qt::Key_unknown, 0x10081193), RemoteCommand::PrevPage);
    EXPECT_EQ(RemoteCommandForKey(0, 0x61), RemoteCommand::None);
    EXPECT_EQ(RemoteCommandForKey(Qt::Key_A, 0x10081192), RemoteCommand::None);
}

}  // namespace
}  // namespace norvane
