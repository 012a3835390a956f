#include "core/timesync/sync_runner.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <optional>
#include <thread>

#include "support/fake_pc_clock.h"
#include "support/fake_sntp_server.h"

namespace norvane {
namespace {

using namespace std::chrono_literals;
using Datagrams = std::vector<FakeSntpServer::Datagram>;

// Runs the event loop until the runner reports, counting the ticks of a 20 ms
// timer meanwhile (as the window's clock would tick).
struct Waited {
    std::optional<SyncOutcome> outcome;
    int ticks = 0;
};

Waited WaitFor(SyncRunner& runner) {
    Waited w;
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&w] { ++w.ticks; });
    QObject::connect(&runner, &SyncRunner::finished, &loop, [&](const SyncOutcome& o) {
        w.outcome = o;
        loop.quit();
    });
    QTimer::singleShot(10'000, &loop, &QEventLoop::quit);
    tick.start(20);
    loop.exec();
    return w;
}

TEST(SyncRunner, TheEventLoopKeepsTurningWhileItWaitsAndTheWaitIsBounded) {
    FakeSntpServer server([](const auto&, Instant) { return Datagrams{}; });
    FakePcClock clock;
    ScopedPcClock scoped(clock);
    SyncRunner runner;
    QElapsedTimer elapsed;
    elapsed.start();
    ASSERT_TRUE(runner.Start(QString::fromStdString(server.server()), true, 400ms));
    EXPECT_TRUE(runner.IsRunning());
    const Waited w = WaitFor(runner);
    ASSERT_TRUE(w.outcome);
    EXPECT_EQ(w.outcome->message, SyncMessage::ClockNotSet);
    EXPECT_GE(elapsed.elapsed(), 400);
    EXPECT_LT(elapsed.elapsed(), 1500);
    EXPECT_GE(w.ticks, 10);
    EXPECT_FALSE(runner.IsRunning());
    EXPECT_TRUE(clock.calls().empty());
}

TEST(SyncRunner, OneExchangeAtATimeInTheWholeProgram) {
    FakeSntpServer server(Answer({.hold = 200ms}));
    FakePcClock clock;
    ScopedPcClock scoped(clock);
    SyncRunner first, second;
    const QString host = QString::fromStdString(server.server());
    ASSERT_TRUE(first.Start(host, true));
    EXPECT_FALSE(first.Start(host, true));
    EXPECT_FALSE(second.Start(host, false));
    const Waited w = WaitFor(first);
    ASSERT_TRUE(w.outcome);
    EXPECT_TRUE(w.outcome->ok()) << w.outcome->detail;
    EXPECT_TRUE(w.outcome->clockSet);
    EXPECT_EQ(clock.calls().size(), 1u);
    // Free again once it has reported; a query never sets the clock.
    ASSERT_TRUE(second.Start(host, false));
    const Waited q = WaitFor(second);
    ASSERT_TRUE(q.outcome);
    EXPECT_TRUE(q.outcome->ok()) << q.outcome->detail;
    EXPECT_FALSE(q.outcome->clockSet);
    EXPECT_EQ(clock.calls().size(), 1u);
}

TEST(SyncRunner, GoingAwayOrCancellingEndsTheWaitAtOnceWithoutSettingTheClock) {
    FakeSntpServer server([](const auto&, Instant) { return Datagrams{}; });
    FakePcClock clock;
    ScopedPcClock scoped(clock);
    const QString host = QString::fromStdString(server.server());
    QElapsedTimer elapsed;
    {
        SyncRunner runner;
        ASSERT_TRUE(runner.Start(host, true, 5s));
        std::this_thread::sleep_for(50ms);  // well into the wait for a reply
        elapsed.start();
    }
    EXPECT_LT(elapsed.elapsed(), 500);

    SyncRunner runner;
    ASSERT_TRUE(runner.Start(host, true, 5s));
    elapsed.start();
    QTimer::singleShot(50, &runner, &SyncRunner::Cancel);
    const Waited w = WaitFor(runner);
    ASSERT_TRUE(w.outcome);
    EXPECT_EQ(w.outcome->message, SyncMessage::ClockNotSet);
    EXPECT_EQ(w.outcome->detail, "cancelled");
    EXPECT_LT(elapsed.elapsed(), 1000);
    EXPECT_TRUE(clock.calls().empty());
}

}  // namespace
}  // namespace norvane
