#include "platform/display_platform.h"

#include <cstdlib>

namespace norvane {

namespace {

bool Set(const char* value) { return value && *value; }

}  // namespace

std::string PreferredDisplayPlatform(const char* qtPlatform, const char* display, const char* waylandDisplay) {
    if (Set(qtPlatform) || !Set(display)) return {};
    // Qt tries the names in turn: a stale DISPLAY still opens the window on Wayland.
    return Set(waylandDisplay) ? "xcb;wayland" : "xcb";
}

void PreferXDisplay() {
    const std::string platform =
        PreferredDisplayPlatform(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
    if (!platform.empty()) setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
}

}  // namespace norvane
