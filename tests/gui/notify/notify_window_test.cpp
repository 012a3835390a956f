// The notifications as a player meets them: chosen on the "通知" page, shown
// once through the desktop's notification service (a fake one on a private
// bus), a click bringing the window forward on the event's page.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QtCore/qtestsupport_core.h>
#include <QListWidget>
#include <QSpinBox>
#include <QTemporaryDir>

#include "activate_window.h"
#include "core/main_window/tray_text.h"
#include "core/notify/notify_choices.h"
#include "core/settings/settings_store.h"
#include "core/time/earth_time.h"
#include "gui/main_window/main_window.h"
#include "gui/settings/notify_page.h"
#include "platform/notifications.h"
#include "support/fake_notification_service.h"
#include "support/fake_os_clock.h"
#include "support/fake_sound_player.h"

namespace norvane {
namespace {

class NotifyWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        service_ = new FakeNotificationService;
        if (service_->Running()) service_->Register();
    }
    static void TearDownTestSuite() { delete service_; }

    NotifyWindowTest() : clockScope_(clock_), soundScope_(sound_), notifierScope_(*notifier_) {
        qputenv("NORVANE_SETTINGS", dir_.filePath("Norvane.reg").toUtf8());
        clock_.setBias(-540);
        clock_.setUtc({2026, 3, 1, 3, 0, 0, 0});
    }
    void SetUp() override {
        if (!service_->Running()) GTEST_SKIP() << "dbus-daemon is not installed (Debian package dbus-daemon; see scripts/setup)";
    }

    QTemporaryDir dir_;
    FakeOsClock clock_;
    ScopedOsClock clockScope_;
    FakeSoundPlayer sound_;
    ScopedSoundPlayer soundScope_;
    static inline FakeNotificationService* service_ = nullptr;
    static inline std::unique_ptr<Notifier> notifier_ = DBusNotifier(NOTIFY_MODULE);
    ScopedNotifier notifierScope_;
};

TEST_F(NotifyWindowTest, ChosenOnThePageShownOnceAlsoAfterARestartAndAClickOpensItsPage) {
    // The page writes what the player ticks, the tray's switches too.
    {
        TNotifyPage page;
        {
            SettingsStore store;
            page.Load(store);
        }
        EXPECT_FALSE(page.findChild<QCheckBox*>("chkCloseToTray")->isEnabled());
        page.findChild<QListWidget*>("lstNotifyRoutes")->item(0)->setCheckState(Qt::Checked);
        page.findChild<QCheckBox*>("chkNotifyMoon8")->setChecked(true);
        page.findChild<QSpinBox*>("spnNotifyMinutes")->setValue(5);
        page.findChild<QCheckBox*>("chkTrayEnabled")->setChecked(true);
        EXPECT_TRUE(page.findChild<QCheckBox*>("chkCloseToTray")->isEnabled());
        SettingsStore store;
        page.Store(store);
    }
    {
        SettingsStore store;
        const NotifyChoices c = ReadNotifyChoices(store);
        EXPECT_EQ(c.events.routes.to_ulong(), 1u);
        EXPECT_EQ(c.events.moonPhases.to_ulong(), 1u << 8);
        EXPECT_EQ(c.minutesAhead, 5);
        EXPECT_FALSE(c.timers);
        EXPECT_TRUE(ReadTraySettings(store).enabled);
        EXPECT_FALSE(ReadTraySettings(store).closeToTray);
        store.WriteBool("Tray", "Enabled", false);
    }

    // The next event of the Jeuno - San d'Oria airship, and the window ten
    // seconds before its notice.
    EventChoices route;
    route.routes = 1;
    const std::vector<UpcomingEvent> events =
        ComputeUpcomingEvents(VanaTimeAt(clock_.utcNow()), clock_.localBias(), route);
    ASSERT_EQ(events[0].subject, 0);
    const char* const what[] = {"が出発地に着きます", "が出発します", "が目的地に着きます"};
    const QString summary = QString("ジュノ発サンドリア行きの飛空艇") + what[static_cast<int>(events[0].kind)];
    clock_.setUtc(EarthTimeFromMilliseconds(events[0].utcMs - 5 * 60'000 - 10'000));
    const std::size_t before = service_->Calls().size();
    std::uint32_t id = 0;
    {
        TfrmMain w({"norvane"});
        ActivateWindow(w);
        w.ShowPage(Page::Guild);
        w.tmrClockTimer();
        EXPECT_EQ(service_->Calls().size(), before) << service_->Calls().back().summary.toStdString();
        clock_.advanceMs(10'500);
        w.tmrClockTimer();
        w.tmrClockTimer();
        const std::vector<NotifyCall> calls = service_->Calls();
        ASSERT_EQ(calls.size(), before + 1);
        EXPECT_EQ(calls.back().summary, summary);
        EXPECT_TRUE(calls.back().body.contains("あと 5 分です。")) << calls.back().body.toStdString();
        EXPECT_GT(calls.back().imageWidth, 0);
        id = calls.back().id;

        // Clicked while the window is out of sight: back, on the ships' page.
        w.hide();
        service_->Invoke(id, "default");
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.isVisible(); }));
        EXPECT_EQ(w.CurrentPage(), Page::Ship);
    }
    // A restart at the same moment: nothing again.
    TfrmMain again({"norvane"});
    again.tmrClockTimer();
    clock_.advanceMs(60'000);
    again.tmrClockTimer();
    EXPECT_EQ(service_->Calls().size(), before + 1);
}

}  // namespace
}  // namespace norvane
