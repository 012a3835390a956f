#include "platform/display_platform.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

TEST(DisplayPlatform, PrefersXUnlessTheUserChoseAPlatform) {
    struct Case {
        const char *qt, *display, *wayland, *expected;
    };
    const Case cases[] = {
        {nullptr, ":0", nullptr, "xcb"},                // an X session
        {nullptr, ":0", "wayland-0", "xcb;wayland"},    // Wayland with XWayland
        {"", ":1", "wayland-0", "xcb;wayland"},         // an empty setting is no choice
        {nullptr, nullptr, "wayland-0", ""},            // Wayland alone: Qt's own choice
        {nullptr, "", "wayland-0", ""},
        {"wayland", ":0", "wayland-0", ""},             // the user's choice stands
        {"offscreen", ":0", nullptr, ""},
        {nullptr, nullptr, nullptr, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PreferredDisplayPlatform(c.qt, c.display, c.wayland), c.expected)
            << (c.qt ? c.qt : "-") << " " << (c.display ? c.display : "-") << " " << (c.wayland ? c.wayland : "-");
}

}  // namespace
}  // namespace norvane
