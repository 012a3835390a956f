#include "core/main_window/key_mapping.h"

#include <Qt>

namespace norvane {

FunctionKey TypedCharacter(KeyPrefixes& prefixes, char32_t ch, bool timerPage) {
    if (ch == U'\r' || ch == U'\n' || ch < U'0' || ch > U'9') {
        prefixes = {};
        return {};
    }
    if (!timerPage) {
        prefixes.ctrl = false;
        return {};
    }
    const int digit = static_cast<int>(ch - U'0');
    int number = digit;
    if (prefixes.zero && digit <= 2) {
        number = 10 + digit;
    } else if (digit == 0) {
        prefixes.zero = true;
        return {};
    }
    const bool ctrl = prefixes.ctrl;
    prefixes = {};
    return {number, ctrl};
}

void ApplyRemoteCommand(KeyPrefixes& prefixes, RemoteCommand command) {
    if (command == RemoteCommand::None) return;
    prefixes = {};
    if (command == RemoteCommand::ResetPrefix) prefixes.ctrl = true;
}

Page SteppedPage(Page current, bool up) {
    const int i = PageIndex(current);
    return *PageAt(up ? (i + 1) % kPageCount : (i + kPageCount - 1) % kPageCount);
}

RemoteCommand RemoteCommandForKey(int key, std::uint32_t keysym) {
    // XF86ChannelUp and XF86ChannelDown, newer than the keysyms Qt names.
    constexpr std::uint32_t kChannelUpKeysym = 0x10081192;
    constexpr std::uint32_t kChannelDownKeysym = 0x10081193;
    if (key == 0 || key == Qt::Key_unknown) {
        if (keysym == kChannelUpKeysym) return RemoteCommand::NextPage;
        if (keysym == kChannelDownKeysym) return RemoteCommand::PrevPage;
        return RemoteCommand::None;
    }
    switch (key) {
        case Qt::Key_Back: return RemoteCommand::OpenMenu;
        case Qt::Key_VolumeMute: return RemoteCommand::NextControl;
        case Qt::Key_MediaStop: return RemoteCommand::ResetPrefix;
        case Qt::Key_ChannelUp: return RemoteCommand::NextPage;
        case Qt::Key_ChannelDown: return RemoteCommand::PrevPage;
        // Browser, volume and track commands, and the remote's play, pause,
        // record, forward and rewind.
        case Qt::Key_Forward:
        case Qt::Key_Refresh:
        case Qt::Key_Stop:
        case Qt::Key_Search:
        case Qt::Key_Favorites:
        case Qt::Key_HomePage:
        case Qt::Key_VolumeDown:
        case Qt::Key_VolumeUp:
        case Qt::Key_MediaNext:
        case Qt::Key_MediaPrevious:
        case Qt::Key_MediaPlay:
        case Qt::Key_MediaPause:
        case Qt::Key_MediaTogglePlayPause:
        case Qt::Key_MediaRecord:
        case Qt::Key_AudioForward:
        case Qt::Key_AudioRewind: return RemoteCommand::Swallow;
        default: return RemoteCommand::None;
    }
}

}  // namespace norvane
