#include "gui/timesync/sync_controller.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <optional>
#include <set>

#include "core/settings/settings_store.h"
#include "gui/settings/confirm_dialog.h"
#include "modal_answer.h"
#include "window_fixture.h"
#include "support/fake_pc_clock.h"
#include "support/fake_sntp_server.h"
#include "support/fake_user_messages.h"

namespace norvane {
namespace {

using namespace std::chrono_literals;
using Datagrams = std::vector<FakeSntpServer::Datagram>;

const QString kNotSynced = QString::fromUtf8("時刻未同期");
const QString kSynced = QString::fromUtf8("時刻同期済み");
// A label longer than 63 characters fails inside the resolver: no query leaves the machine.
const QString kUnresolvable = QString(64, 'x') + ".invalid";

FakeSntpServer::Responder Silent() {
    return [](const auto&, Instant) { return Datagrams{}; };
}

// The window fixture with a fake clock setter and recorded messages. The
// window reads the process clock: it must move on while an exchange runs.
class SyncControllerTest : public WindowFixture {
protected:
    SyncControllerTest() : pcClockScope_(pcClock_), messagesScope_(messages_) { UseRealClock(); }

    void SetServer(const QString& server, bool ask = true, bool atStart = false) {
        SettingsStore s(path_);
        s.WriteString("Time", "Server", server);
        s.WriteBool("Option", "TimeServerAccess", ask);
        s.WriteBool("Time", "ExecuteSync", atStart);
    }
    static QString Host(const FakeSntpServer& server) { return QString::fromStdString(server.server()); }

    // Runs the event loop until the controller reports (or 10 s pass); `during`
    // runs every 20 ms meanwhile.
    std::optional<SyncOutcome> WaitFor(TSyncController& sync, const std::function<void()>& during = {}) {
        std::optional<SyncOutcome> outcome;
        if (!sync.IsRunning()) return outcome;
        QEventLoop loop;
        QTimer poll;
        if (during) QObject::connect(&poll, &QTimer::timeout, during);
        QObject::connect(&sync, &TSyncController::finished, &loop, [&](const SyncOutcome& o) {
            outcome = o;
            loop.quit();
        });
        QTimer::singleShot(10'000, &loop, &QEventLoop::quit);
        poll.start(20);
        loop.exec();
        return outcome;
    }

    // Answers the time-synchronisation question, recording that it was asked.
    void AnswerQuestion(bool yes, int giveUpMs = 1000) {
        WhenModalShows<TfrmDlg>([this, yes](TfrmDlg* d) {
            asked_.push_back(d->windowTitle());
            d->findChild<QPushButton*>(yes ? "btnYes" : "btnNo")->click();
        }, giveUpMs);
    }

    std::vector<QString> Shown() const {
        std::vector<QString> texts;
        for (const auto& s : messages_.shown) texts.push_back(s.text);
        return texts;
    }

    FakePcClock pcClock_;
    ScopedPcClock pcClockScope_;
    FakeUserMessages messages_;
    ScopedUserMessages messagesScope_;
    std::vector<QString> asked_;
};

TEST_F(SyncControllerTest, TheCommandAsksThenSetsTheClockAndMarksTheWindowSynchronised) {
    FakeSntpServer server(Answer({.hold = 100ms}));
    SetServer(Host(server));
    TfrmMain w({"norvane"});
    w.show();
    auto* status = w.findChild<QLabel*>("lblTimeHelp");
    auto* help = w.findChild<QLabel*>("lblHelp");
    ASSERT_TRUE(status && help);
    EXPECT_EQ(status->text(), kNotSynced);
    EXPECT_LT(status->geometry().right(), w.width() - 16);
    const int statusWidth = status->width();

    AnswerQuestion(true);
    w.findChild<QAction*>("actSync")->trigger();
    ASSERT_TRUE(w.Sync()->IsRunning());
    bool waitCursor = false;
    const auto outcome = WaitFor(*w.Sync(), [&] {
        const QCursor* c = QGuiApplication::overrideCursor();
        waitCursor |= c && c->shape() == Qt::WaitCursor;
    });
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->ok()) << outcome->detail;
    EXPECT_EQ(asked_, std::vector<QString>{"時刻同期の確認 - Norvane"});
    EXPECT_EQ(pcClock_.calls().size(), 1u);
    EXPECT_EQ(status->text(), kSynced);
    // The wider state takes its room from the hint line, which does not run under it.
    EXPECT_GT(status->width(), statusWidth);
    EXPECT_LE(help->geometry().right(), status->x());
    // Both states end short of the size grip's dots (16 pixels from the right).
    EXPECT_LT(status->geometry().right(), w.width() - 16);
    EXPECT_TRUE(waitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(messages_.beeps, std::vector<BeepKind>{BeepKind::Question});
}

TEST_F(SyncControllerTest, ASilentServerGivesTheSecondMessageAfterTheBoundedWaitWhileTheWindowTicks) {
    // The real process clock: the window's Earth time must move on during the wait.
    FakeSntpServer server(Silent());
    SetServer(Host(server), false);
    TfrmMain w({"norvane"});
    w.show();
    w.Sync()->SetReplyTimeout(1500ms);
    auto* earth = w.findChild<QLabel*>("lblEarthTime");
    std::set<QString> seen;
    QElapsedTimer elapsed;
    elapsed.start();
    w.findChild<QAction*>("actSync")->trigger();
    const auto outcome = WaitFor(*w.Sync(), [&] { seen.insert(earth->text()); });
    ASSERT_TRUE(outcome);
    EXPECT_GE(elapsed.elapsed(), 1500);
    EXPECT_LT(elapsed.elapsed(), 4000);
    EXPECT_GE(seen.size(), 2u) << "the clock label stood still during the wait";
    EXPECT_EQ(server.requests(), 1);
    EXPECT_TRUE(asked_.empty());  // the question is turned off: it connects at once
    EXPECT_EQ(Shown(), std::vector<QString>{QString::fromUtf8(kSyncClockNotSetText)});
    EXPECT_EQ(messages_.beeps, std::vector<BeepKind>{BeepKind::Exclamation});
    EXPECT_EQ(messages_.shown[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(pcClock_.calls().empty());
    EXPECT_EQ(w.findChild<QLabel*>("lblTimeHelp")->text(), kNotSynced);
}

TEST_F(SyncControllerTest, AnUnresolvableNameGivesTheFirstMessageAndLeavesTheStatusAlone) {
    SetServer(kUnresolvable, false);
    TfrmMain w({"norvane"});
    w.findChild<QAction*>("actSync")->trigger();
    ASSERT_TRUE(WaitFor(*w.Sync()));
    EXPECT_EQ(Shown(), std::vector<QString>{QString::fromUtf8(kSyncNoConnectionText)});
    EXPECT_EQ(messages_.beeps, std::vector<BeepKind>{BeepKind::Exclamation});
    EXPECT_EQ(w.findChild<QLabel*>("lblTimeHelp")->text(), kNotSynced);
    EXPECT_TRUE(pcClock_.calls().empty());
}

TEST_F(SyncControllerTest, DecliningContactsNothing) {
    FakeSntpServer server(Answer({}));
    SetServer(Host(server));
    TfrmMain w({"norvane"});
    AnswerQuestion(false);
    w.findChild<QAction*>("actSync")->trigger();
    EXPECT_EQ(asked_.size(), 1u);
    EXPECT_FALSE(w.Sync()->IsRunning());
    EXPECT_FALSE(QTest::qWaitFor([&] { return server.requests() > 0; }, 200));
    EXPECT_TRUE(pcClock_.calls().empty());
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(w.findChild<QLabel*>("lblTimeHelp")->text(), kNotSynced);
}

TEST_F(SyncControllerTest, TheStartUpSynchronisationAsksTheSameQuestionOnceTheWindowShows) {
    FakeSntpServer server(Answer({}));
    SetServer(Host(server), true, true);
    AnswerQuestion(false, 100);
    TfrmMain w({"norvane"});
    EXPECT_FALSE(QTest::qWaitFor([&] { return !asked_.empty(); }, 150)) << "asked before the window showed";
    // A loaded machine may take a while to show the window and ask.
    AnswerQuestion(true, 10'000);
    bool finished = false;
    QObject::connect(w.Sync(), &TSyncController::finished, [&] { finished = true; });
    w.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished; }, 10'000));
    EXPECT_EQ(asked_, std::vector<QString>{"時刻同期の確認 - Norvane"});
    EXPECT_EQ(pcClock_.calls().size(), 1u);
    EXPECT_EQ(w.findChild<QLabel*>("lblTimeHelp")->text(), kSynced);
    // Shown again later (simple mode and back): not asked again.
    w.hide();
    w.show();
    EXPECT_FALSE(QTest::qWaitFor([&] { return asked_.size() > 1; }, 100));
}

TEST_F(SyncControllerTest, HostileRepliesNeverSetTheClock) {
    struct Case {
        const char* name;
        ReplySpec spec;
        const char* message;
    };
    const Case cases[] = {
        {"stratum 16", {.stratum = 16}, kSyncClockNotSetText},
        {"stratum 0", {.stratum = 0}, kSyncClockNotSetText},
        {"leap 3", {.leap = 3}, kSyncClockNotSetText},
        {"zero transmit", {.zeroTransmit = true}, kSyncClockNotSetText},
        {"47 bytes", {.length = 47}, kSyncClockNotSetText},
        {"49 bytes", {.length = 49}, kSyncNoConnectionText},
    };
    QWidget window;
    QLabel status(&window);
    TSyncController sync(&window, &status);
    sync.SetReplyTimeout(1500ms);
    for (const Case& c : cases) {
        messages_.shown.clear();
        FakeSntpServer server(Answer(c.spec));
        ASSERT_TRUE(sync.btnTimeSetClick(Host(server))) << c.name;
        ASSERT_TRUE(WaitFor(sync)) << c.name;
        EXPECT_EQ(Shown(), std::vector<QString>{QString::fromUtf8(c.message)}) << c.name;
    }
    EXPECT_TRUE(pcClock_.calls().empty());
    EXPECT_EQ(status.text(), kNotSynced);
}

TEST_F(SyncControllerTest, SyncNowTellsSuccessAndLeavesTheStatusAlone) {
    FakeSntpServer server(Answer({.hold = 200ms}));
    QWidget window;
    QLabel status(&window);
    TSyncController sync(&window, &status);
    ASSERT_TRUE(sync.btnTimeSetClick(Host(server)));
    // One exchange at a time: a second press while it runs starts nothing.
    EXPECT_FALSE(sync.btnTimeSetClick(Host(server)));
    ASSERT_TRUE(WaitFor(sync));
    EXPECT_EQ(server.requests(), 1);
    EXPECT_EQ(pcClock_.calls().size(), 1u);
    EXPECT_EQ(Shown(), std::vector<QString>{QString::fromUtf8(kSyncSucceededText)});
    EXPECT_EQ(messages_.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages_.beeps, (std::vector<BeepKind>{BeepKind::Asterisk, BeepKind::Asterisk}));
    EXPECT_EQ(status.text(), kNotSynced);
    // A refusing clock setter: the second message.
    FakePcClock refusing({SetResult::Status::Refused, "not allowed"});
    ScopedPcClock scope(refusing);
    messages_.shown.clear();
    ASSERT_TRUE(sync.btnTimeSetClick(Host(server)));
    ASSERT_TRUE(WaitFor(sync));
    EXPECT_EQ(Shown(), std::vector<QString>{QString::fromUtf8(kSyncClockNotSetText)});
}

}  // namespace
}  // namespace norvane
