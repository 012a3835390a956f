#include "core/main_window/window_state.h"

#include <gtest/gtest.h>

#include "support/geometry_print.h"

#include <QTemporaryDir>

#include "core/settings/settings_store.h"

namespace norvane {
namespace {

class WindowStateTest : public testing::Test {
protected:
    QTemporaryDir dir_;
    QString path_ = dir_.filePath("Norvane.reg");
};

TEST_F(WindowStateTest, EmptySettingsGiveTheDefaults) {
    SettingsStore s(path_);
    auto r = ReadStartupSettings(s);
    EXPECT_EQ(r.bounds, (NormalBounds{10, 10, 514, 324}));
    EXPECT_FALSE(r.maximized);
    EXPECT_FALSE(r.alwaysOnTop);
    EXPECT_FALSE(r.wheelOwn);
    EXPECT_EQ(r.wheelLines, 3);
    EXPECT_EQ(r.page, 0);
    EXPECT_FALSE(r.simpleMode);
    EXPECT_EQ(r.racial, -1);
    EXPECT_EQ(r.skillLv, 1);
    EXPECT_TRUE(r.calenBallista && r.calenRacial && r.calenJeuno);
    // The switch back from simple mode names its own width default.
    EXPECT_EQ(ReadNormalBounds(s, 490).width, 490);
    EXPECT_EQ(ReadSimplePosition(s), QPoint(10, 10));
}

TEST_F(WindowStateTest, CloseInNormalModeWritesBoundsAndOnTop) {
    CloseState c;
    c.bounds = {100, 50, 600, 400};
    c.alwaysOnTop = true;
    c.page = 3;
    c.racial = 2;
    c.calenJeuno = false;
    {
        SettingsStore s(path_);
        WriteCloseState(s, c);
    }
    SettingsStore s(path_);
    auto r = ReadStartupSettings(s);
    EXPECT_EQ(r.bounds, c.bounds);
    EXPECT_TRUE(r.alwaysOnTop);
    EXPECT_FALSE(r.maximized);
    EXPECT_EQ(r.page, 3);
    EXPECT_EQ(r.racial, 2);
    EXPECT_FALSE(r.calenJeuno);
    EXPECT_FALSE(r.simpleMode);
}

TEST_F(WindowStateTest, CloseMaximizedKeepsTheNormalBounds) {
    {
        SettingsStore s(path_);
        WriteNormalBounds(s, {20, 30, 500, 300});
        CloseState c;
        c.maximized = true;
        c.bounds = {0, 0, 1024, 738};
        WriteCloseState(s, c);
    }
    SettingsStore s(path_);
    EXPECT_TRUE(s.ReadBool("Window", "Maximized", false));
    EXPECT_EQ(ReadNormalBounds(s, 514), (NormalBounds{20, 30, 500, 300}));
}

TEST_F(WindowStateTest, CloseInSimpleModeWritesOnlyItsPosition) {
    {
        SettingsStore s(path_);
        CloseState c;
        c.simpleMode = true;
        c.simplePos = {77, 88};
        c.maximized = true;  // never written from simple mode
        c.alwaysOnTop = true;
        WriteCloseState(s, c);
    }
    SettingsStore s(path_);
    EXPECT_FALSE(s.ValueExists("Window", "Maximized"));
    EXPECT_FALSE(s.ValueExists("Window", "Allways"));
    EXPECT_FALSE(s.ValueExists("Window", "Width"));
    EXPECT_EQ(ReadSimplePosition(s), QPoint(77, 88));
    EXPECT_TRUE(ReadStartupSettings(s).simpleMode);
}

TEST(WindowState, SaneBoundsAndSimpleArgument) {
    const QRect wa = Edges(0, 0, 1024, 738);
    EXPECT_EQ(SaneBounds({10, 10, -5, 99999}, wa), (NormalBounds{10, 10, 490, 738}));
    EXPECT_EQ(SaneBounds({10, 10, 600, 400}, wa), (NormalBounds{10, 10, 600, 400}));
    EXPECT_EQ(SaneBounds({10, 10, 600, 400}, Edges(0, 0, 300, 100)), (NormalBounds{10, 10, 490, 178}));

    EXPECT_TRUE(AsksForSimpleMode({"norvane", "/s"}));
    EXPECT_TRUE(AsksForSimpleMode({"norvane", "/simple"}));
    EXPECT_FALSE(AsksForSimpleMode({"norvane", "/S"}));
    EXPECT_FALSE(AsksForSimpleMode({"norvane", "-s"}));
    EXPECT_FALSE(AsksForSimpleMode({"norvane", "/"}));
    EXPECT_FALSE(AsksForSimpleMode({"norvane"}));
    EXPECT_FALSE(AsksForSimpleMode({"norvane", "x", "/s"}));
}

TEST(WindowState, ClockTexts) {
    auto d = SecondsToVana(VanaBaseSeconds());
    EXPECT_EQ(VanaClockText(d), "0934/08/04 18:00:00");
    EXPECT_EQ(EarthClockText({2003, 12, 1, 18, 0, 1, 500}), "2003/12/01 18:00:01");
}

}  // namespace
}  // namespace norvane
