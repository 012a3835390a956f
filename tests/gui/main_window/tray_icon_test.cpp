// The tray clock as a player meets it: nothing of it unless switched on; where
// the desktop has a tray, its menu, its click and closing to the tray. The
// offscreen platform has no tray: those tests skip there and run under a real
// X server with a tray (QT_QPA_PLATFORM=xcb).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>

#include "activate_window.h"
#include "core/main_window/tray_text.h"
#include "core/settings/settings_store.h"
#include "gui/main_window/main_window.h"
#include "support/fake_sound_player.h"
#include "window_fixture.h"

namespace norvane {
namespace {

class TrayIconTest : public WindowFixture {
protected:
    TrayIconTest() : soundScope_(sound_) {}
    ~TrayIconTest() override { QGuiApplication::setQuitOnLastWindowClosed(true); }

    static void Store(bool enabled, bool closeToTray) {
        SettingsStore s;
        s.WriteBool("Tray", "Enabled", enabled);
        s.WriteBool("Tray", "CloseToTray", closeToTray);
    }
    // A shown window with the given keys; null (and the test skipped) where no tray exists.
    std::unique_ptr<TfrmMain> StartWithTray(bool closeToTray) {
        if (!QSystemTrayIcon::isSystemTrayAvailable()) return nullptr;
        Store(true, closeToTray);
        auto w = std::make_unique<TfrmMain>(std::vector<std::string>{"norvane"});
        ActivateWindow(*w);
        return w;
    }
    static QSystemTrayIcon* Tray(TfrmMain& w) { return w.findChild<QSystemTrayIcon*>("trayClock"); }
    static bool Ended(TfrmMain& w) { return !w.findChild<QTimer*>("tmrClock")->isActive(); }

    FakeSoundPlayer sound_;
    ScopedSoundPlayer soundScope_;
};

TEST_F(TrayIconTest, NothingOfItIsBuiltUntilSwitchedOn) {
    TfrmMain w({"norvane"});
    EXPECT_EQ(w.findChild<QSystemTrayIcon*>(), nullptr);
    EXPECT_EQ(w.findChild<QMenu*>("mnuTray"), nullptr);
    // Closing ends the program as before, whatever "CloseToTray" says, with no tray.
    Store(false, true);
    w.ApplyTraySettings();
    w.show();
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(Ended(w));
}

TEST_F(TrayIconTest, ShowsTheMomentAndTheMainMenusOwnCommands) {
    auto w = StartWithTray(false);
    if (!w) GTEST_SKIP() << "no system tray on this platform";
    QSystemTrayIcon* tray = Tray(*w);
    ASSERT_NE(tray, nullptr);
    EXPECT_TRUE(tray->isVisible());
    EXPECT_FALSE(tray->icon().isNull());
    EXPECT_EQ(tray->toolTip().toStdString(), TrayTextsAt(clock_.utcNow(), -540).toolTip);
    // A game minute later the tooltip follows at the next tick.
    clock_.advanceMs(3000);
    w->tmrClockTimer();
    EXPECT_EQ(tray->toolTip().toStdString(), TrayTextsAt(clock_.utcNow(), -540).toolTip);

    QMenu* menu = tray->contextMenu();
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> items = menu->actions();
    ASSERT_FALSE(items.isEmpty());
    EXPECT_EQ(items.first()->text(), QStringLiteral("表示/非表示"));
    // The very actions of the window, not copies.
    for (const char* name : {"actSimple", "actNormal", "actSync", "actAllways", "actOption", "actHelp", "actWeb",
                             "actUpdate", "actVersion", "actExit"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(items.contains(w->findChild<QAction*>(name)));
    }
    QMenu* pages = nullptr;
    for (QAction* a : items)
        if (a->menu()) pages = a->menu();
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->actions().size(), 7);
    pages->actions().at(2)->trigger();
    EXPECT_EQ(w->CurrentPage(), Page::Guild);
}

TEST_F(TrayIconTest, AClickOrItsMenuHidesAndShowsTheWindow) {
    auto w = StartWithTray(false);
    if (!w) GTEST_SKIP() << "no system tray on this platform";
    QSystemTrayIcon* tray = Tray(*w);
    emit tray->activated(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(Ended(*w));
    // Hidden, a dialog closing must not end the program.
    EXPECT_FALSE(QGuiApplication::quitOnLastWindowClosed());
    emit tray->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(w->isVisible());
    // The context click only opens the menu.
    emit tray->activated(QSystemTrayIcon::Context);
    EXPECT_TRUE(w->isVisible());
    tray->contextMenu()->actions().first()->trigger();
    EXPECT_FALSE(w->isVisible());
    // Switched off while hidden: the window comes back, since nothing else could bring it.
    Store(false, false);
    w->ApplyTraySettings();
    EXPECT_EQ(Tray(*w), nullptr);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(TrayIconTest, ClosingHidesOnlyWithCloseToTrayAndExitAlwaysEnds) {
    for (const bool closeToTray : {true, false}) {
        SCOPED_TRACE(closeToTray);
        auto w = StartWithTray(closeToTray);
        if (!w) GTEST_SKIP() << "no system tray on this platform";
        EXPECT_EQ(w->close(), !closeToTray);
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(Ended(*w), !closeToTray);
        if (!closeToTray) continue;
        // Still in the tray; "終了" from its menu ends the program.
        EXPECT_TRUE(Tray(*w)->isVisible());
        w->findChild<QAction*>("actExit")->trigger();
        EXPECT_TRUE(Ended(*w));
        EXPECT_TRUE(QGuiApplication::quitOnLastWindowClosed());
    }
}

}  // namespace
}  // namespace norvane
