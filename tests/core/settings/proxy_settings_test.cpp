#include "core/settings/proxy_settings.h"

#include <gtest/gtest.h>

#include "support/geometry_print.h"

#include <QTemporaryDir>

#include "core/main_window/window_geometry.h"
#include "core/settings/settings_store.h"

namespace norvane {
namespace {

TEST(ProxySettings, AnEmptyStoreReadsAllOffWithPortZero) {
    QTemporaryDir dir;
    SettingsStore s(dir.filePath("Norvane.reg"));
    EXPECT_EQ(ReadProxySettings(s), ProxySettings{});
    EXPECT_EQ(ProxyPortText(ReadProxySettings(s).port), "0");
}

TEST(ProxySettings, ThePortIsStoredOnlyWhenItsTextIsANumber) {
    struct Case {
        const char* text;
        int stored;  // 8080 = unchanged
    };
    const Case cases[] = {
        {"3128", 3128}, {"99999", 99999}, {"0", 0}, {"007", 7},
        {"", 8080},      // a cleared field keeps the stored port
        {"80a", 8080},   // pasted letters
        {" 80", 8080},   {"+", 8080}, {"-", 8080}, {"１２", 8080},  // full-width digits are not ours
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        SettingsStore s(dir.filePath("Norvane.reg"));
        s.WriteInteger("Option\\Proxy", "Port", 8080);
        StoreProxySettings(s, true, false, "proxy.example", QString::fromUtf8(c.text));
        const ProxySettings p = ReadProxySettings(s);
        EXPECT_EQ(p.port, c.stored) << c.text;
        // The rest is stored whatever the port says.
        EXPECT_TRUE(p.enable);
        EXPECT_FALSE(p.useInternetSetting);
        EXPECT_EQ(p.server, "proxy.example");
    }
}

TEST(ProxySettings, ServerAndPortAreOpenOnlyForAProxyOfOurOwn) {
    EXPECT_EQ(ProxyEnabledStates(false, false), (ProxyControlStates{false, false}));
    EXPECT_EQ(ProxyEnabledStates(false, true), (ProxyControlStates{false, false}));
    EXPECT_EQ(ProxyEnabledStates(true, false), (ProxyControlStates{true, true}));
    EXPECT_EQ(ProxyEnabledStates(true, true), (ProxyControlStates{true, false}));
}

// The proxy dialog opens over the options dialog.
TEST(SubDialogPosition, ASubDialogIsCentredOnItsOwnerThenHeldInTheWorkArea) {
    const QRect wa = Edges(0, 0, 1024, 740);
    struct Case {
        QRect owner;
        int w, h;
        QPoint expected;
    };
    const Case cases[] = {
        {Edges(100, 100, 570, 512), 304, 134, {183, 239}},   // 100 + 235 - 152, 100 + 206 - 67
        {Edges(-300, -200, 170, 212), 304, 134, {0, 0}},     // off the top left
        {Edges(900, 700, 1370, 1112), 304, 134, {720, 606}},  // off the bottom right
        {Edges(0, 0, 470, 412), 1200, 900, {-176, -160}},    // larger than the work area: far edges win
    };
    for (const Case& c : cases) EXPECT_EQ(SubDialogPosition(c.owner, c.w, c.h, wa), c.expected);
}

}  // namespace
}  // namespace norvane
