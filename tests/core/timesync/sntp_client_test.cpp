#include "core/timesync/sntp_client.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "core/timesync/sync_messages.h"
#include "support/fake_pc_clock.h"
#include "support/fake_sntp_server.h"
#include "support/loopback_chronyd.h"
#include "support/scoped_tz.h"

namespace norvane {
namespace {

using namespace std::chrono;
using namespace std::chrono_literals;
using Datagrams = std::vector<FakeSntpServer::Datagram>;

double Ms(nanoseconds d) { return duration<double, std::milli>(d).count(); }

SntpOptions Wait(milliseconds timeout) {
    SntpOptions o;
    o.timeout = timeout;
    return o;
}

TEST(SntpClient, LoopbackChronydAgreesWithTheMachineClock) {
    LoopbackChronyd chronyd;
    if (!chronyd.installed()) GTEST_SKIP() << "chronyd is not installed (Debian package chrony; see scripts/setup)";
    ASSERT_TRUE(chronyd.running()) << chronyd.problem();

    // The exchange with the shortest delay of a few, as a loaded machine may
    // delay any one of them by milliseconds.
    std::optional<SntpExchange> best;
    for (int i = 0; i < 5; ++i) {
        const SyncOutcome r = QueryServerTime(chronyd.server());
        ASSERT_TRUE(r.ok()) << r.detail;
        if (!best || r.exchange->clock.delay < best->clock.delay) best = r.exchange;
    }
    const SntpExchange& ex = *best;
    EXPECT_EQ(ex.server, chronyd.server());
    EXPECT_EQ(ex.reply.stratum, 8);
    EXPECT_EQ(ex.reply.leap, 0);
    EXPECT_EQ(ex.reply.mode, 4);
    EXPECT_LE(ex.t1, ex.t2);
    EXPECT_LE(ex.t2, ex.t3);
    EXPECT_LE(ex.t3, ex.t4);
    // chronyd serves this machine's own clock: the offset is within half the
    // round trip, and within a few milliseconds.
    EXPECT_GE(Ms(ex.clock.delay), 0.0);
    EXPECT_LE(std::abs(Ms(ex.clock.offset)), Ms(ex.clock.delay) / 2 + 0.01);
    EXPECT_LT(std::abs(Ms(ex.clock.offset)), 3.0);

    // A synchronisation would set the clock to now plus the offset it measured.
    FakePcClock clock;
    const SyncOutcome s = SyncPcClock(chronyd.server(), clock);
    const Instant after = system_clock::now();
    ASSERT_TRUE(s.ok()) << s.detail;
    EXPECT_TRUE(s.clockSet);
    ASSERT_EQ(clock.calls().size(), 1u);
    EXPECT_NEAR(Ms(clock.calls()[0] - after), Ms(s.exchange->clock.offset), 2.0);
}

TEST(SntpClient, UnusableRepliesNeverSetTheClockAndNameTheirMessage) {
    struct Case {
        const char* what;
        FakeSntpServer::Responder responder;
        SyncMessage message;
        const char* detail;
        bool waitsOut;  // ends only when the wait runs out
    };
    const auto echo = [](const std::array<std::uint8_t, 48>& request, Instant) {
        return Datagrams{{std::vector<std::uint8_t>(request.begin(), request.end())}};
    };
    const std::vector<Case> cases = {
        {"stratum 0", Answer({.stratum = 0}), SyncMessage::ClockNotSet, "stratum", false},
        {"stratum 16", Answer({.stratum = 16}), SyncMessage::ClockNotSet, "stratum", false},
        {"leap indicator 3", Answer({.leap = 3}), SyncMessage::ClockNotSet, "leap indicator 3", false},
        {"zero transmit timestamp", Answer({.zeroTransmit = true}), SyncMessage::ClockNotSet, "no transmit", false},
        {"47 bytes", Answer({.length = 47}), SyncMessage::ClockNotSet, "shorter than 48", false},
        {"49 bytes", Answer({.length = 49}), SyncMessage::NoConnection, "longer than 48", false},
        {"a reply from another port", [](const auto& request, Instant arrived) {
             return Datagrams{{MakeReply(request, arrived), true}};
         }, SyncMessage::ClockNotSet, "no reply", true},
        {"a wrong originate timestamp", Answer({.wrongOriginate = true}), SyncMessage::ClockNotSet, "no reply", true},
        {"our own request echoed", echo, SyncMessage::ClockNotSet, "no reply", true},
        {"a client-mode reply", Answer({.mode = 3}), SyncMessage::ClockNotSet, "no reply", true},
        // Timestamps no real exchange gives are ignored like a forged reply.
        {"a zero receive timestamp", Answer({.zeroReceive = true}), SyncMessage::ClockNotSet, "no reply", true},
        {"answered before the request came (negative delay)", Answer({.claimedHold = -50ms}),
         SyncMessage::ClockNotSet, "no reply", true},
        {"a delay above the wait", Answer({.claimedHold = 400ms}), SyncMessage::ClockNotSet, "no reply", true},
        {"no reply at all", [](const auto&, Instant) { return Datagrams{}; }, SyncMessage::ClockNotSet, "no reply",
         true},
    };
    constexpr auto kWait = 300ms;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeSntpServer server(c.responder);
        FakePcClock clock;
        const auto start = steady_clock::now();
        const SyncOutcome r = SyncPcClock(server.server(), clock, Wait(kWait));
        const auto took = steady_clock::now() - start;
        EXPECT_EQ(r.message, c.message);
        EXPECT_NE(r.detail.find(c.detail), std::string::npos) << r.detail;
        EXPECT_FALSE(r.clockSet);
        EXPECT_TRUE(clock.calls().empty());
        EXPECT_EQ(server.requests(), 1);
        if (c.waitsOut) {
            EXPECT_GE(took, kWait);
            EXPECT_LT(took, kWait + 700ms);
        } else {
            EXPECT_LT(took, kWait);
        }
    }
}

TEST(SntpClient, TheGenuineReplyIsTakenAfterStrayAndForgedDatagrams) {
    FakeSntpServer server([](const std::array<std::uint8_t, 48>& request, Instant arrived) {
        return Datagrams{
            {MakeReply(request, arrived, {.offset = 1h}), true, 10ms},           // forged sender port
            {MakeReply(request, arrived, {.offset = 2h, .wrongOriginate = true})},  // not an answer to us
            {MakeReply(request, arrived, {.offset = 3h, .zeroReceive = true})},
            {MakeReply(request, arrived, {.offset = 4h, .claimedHold = -1s})},    // a delay of minus a second
            {std::vector<std::uint8_t>(request.begin(), request.end())},         // our own request
            {MakeReply(request, arrived, {.offset = 90s}), false, 10ms},
        };
    });
    FakePcClock clock;
    const SyncOutcome r = SyncPcClock(server.server(), clock, Wait(2s));
    const Instant after = system_clock::now();
    ASSERT_TRUE(r.ok()) << r.detail;
    EXPECT_NEAR(Ms(r.exchange->clock.offset), 90'000.0, 30.0);
    ASSERT_EQ(clock.calls().size(), 1u);
    EXPECT_NEAR(Ms(clock.calls()[0] - after), 90'000.0, 30.0);
}

TEST(SntpClient, SetsTheClockByTheServersOffsetInAnyZoneAndOverIPv6) {
    struct Case {
        const char* zone;
        milliseconds offset;
        bool ipv6;
    };
    for (const Case& c : {Case{"Asia/Tokyo", 90s, false}, Case{"America/New_York", -1h, false},
                          Case{"America/New_York", 2500ms, true}, Case{"Asia/Tokyo", 0ms, true}}) {
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.offset.count()) + (c.ipv6 ? " IPv6" : " IPv4"));
        ScopedTz tz(c.zone);
        FakeSntpServer server(Answer({.stratum = 1, .offset = c.offset}), c.ipv6);
        FakePcClock clock;
        const SyncOutcome r = SyncPcClock(server.server(), clock, Wait(2s));
        const Instant after = system_clock::now();
        ASSERT_TRUE(r.ok()) << r.detail;
        EXPECT_EQ(r.exchange->server, server.server());
        EXPECT_EQ(r.exchange->reply.stratum, 1);
        // Positive: the PC clock is behind the server.
        EXPECT_NEAR(Ms(r.exchange->clock.offset), static_cast<double>(c.offset.count()), 30.0);
        ASSERT_EQ(clock.calls().size(), 1u);
        EXPECT_NEAR(Ms(clock.calls()[0] - after), static_cast<double>(c.offset.count()), 30.0);
    }
}

TEST(SntpClient, ASetterThatRefusesOrFailsGivesTheSecondMessageWithItsReason) {
    FakeSntpServer server(Answer({}));
    for (const SetResult& answer : {SetResult{SetResult::Status::Refused, "the administrator's consent was not given"},
                                    SetResult{SetResult::Status::AutomaticSync, "automatic time synchronisation is on"},
                                    SetResult{SetResult::Status::Failed, "clock_settime: Invalid argument"}}) {
        FakePcClock clock(answer);
        const SyncOutcome r = SyncPcClock(server.server(), clock, Wait(2s));
        EXPECT_EQ(r.message, SyncMessage::ClockNotSet) << answer.reason;
        EXPECT_EQ(r.detail, answer.reason);
        EXPECT_FALSE(r.clockSet);
        EXPECT_TRUE(r.exchange.has_value());
        EXPECT_EQ(clock.calls().size(), 1u);
        EXPECT_STREQ(SyncMessageText(r.message), kSyncClockNotSetText);
    }
}

TEST(SntpClient, AnUnreachableServerGivesTheFirstMessage) {
    // A label longer than 63 characters fails inside the resolver: no query leaves the machine.
    const std::string unresolvable = std::string(64, 'x') + ".invalid";
    struct Case {
        std::string server;
        const char* detail;
    };
    for (const Case& c : {Case{unresolvable, "cannot resolve"},
                          Case{unresolvable + ":10123", "cannot resolve"},
                          Case{"127.0.0.1:" + std::to_string(UnusedLoopbackPort()), "refused"},
                          Case{"127.0.0.1:70000", "not a time server address"},
                          Case{"", "not a time server address"}}) {
        FakePcClock clock;
        const auto start = steady_clock::now();
        const SyncOutcome r = SyncPcClock(c.server, clock, Wait(3s));
        EXPECT_EQ(r.message, SyncMessage::NoConnection) << c.server;
        EXPECT_NE(r.detail.find(c.detail), std::string::npos) << r.detail;
        EXPECT_LT(steady_clock::now() - start, 1s) << c.server;
        EXPECT_TRUE(clock.calls().empty());
        EXPECT_STREQ(SyncMessageText(r.message), kSyncNoConnectionText);
    }
}

}  // namespace
}  // namespace norvane
