#include "core/timesync/sntp_packet.h"

#include <gtest/gtest.h>

#include <vector>

namespace norvane {
namespace {

using namespace std::chrono;
using namespace std::chrono_literals;

Instant Utc(int y, unsigned mo, unsigned d, int h, int mi, int s, nanoseconds ns = 0ns) {
    return Instant(duration_cast<Instant::duration>(sys_days(year(y) / month(mo) / day(d)).time_since_epoch() +
                                                    hours(h) + minutes(mi) + seconds(s) + ns));
}

TEST(NtpTimestamp, ConvertsBothWaysAndReadsTheEraFromTheHighBit) {
    struct Case {
        Instant utc;
        std::uint32_t seconds, fraction;
    };
    const std::vector<Case> cases = {
        {Utc(1968, 1, 20, 3, 14, 8), 0x8000'0000u, 0},  // the first second read in the 1900 era
        {Utc(1970, 1, 1, 0, 0, 0), 0x83AA'7E80u, 0},
        {Utc(2003, 12, 1, 9, 0, 1, 500ms), 0xC375'8191u, 0x8000'0000u},
        {Utc(2026, 12, 9, 12, 34, 56, 250ms), 0xEEC3'C970u, 0x4000'0000u},
        {Utc(2036, 2, 7, 6, 28, 15, 750ms), 0xFFFF'FFFFu, 0xC000'0000u},
        // The high bit clear: the era that starts 2036-02-07 06:28:16 UTC.
        {Utc(2036, 2, 7, 6, 28, 16), 0, 0},
        {Utc(2036, 2, 7, 6, 28, 17), 1, 0},
        {Utc(2104, 2, 26, 9, 42, 23), 0x7FFF'FFFFu, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seconds);
        EXPECT_EQ(ToNtpTimestamp(c.utc), (NtpTimestamp{c.seconds, c.fraction}));
        EXPECT_EQ(FromNtpTimestamp({c.seconds, c.fraction}), c.utc);
    }
    // Any nanosecond survives the trip through the 2^-32 s fraction.
    for (const auto ns : {1ns, 999'999'999ns, 123'456'789ns, 500'000'001ns}) {
        const Instant t = Utc(2026, 12, 9, 5, 0, 0, ns);
        EXPECT_EQ(FromNtpTimestamp(ToNtpTimestamp(t)), t) << ns.count();
        EXPECT_EQ(FromNtpTimestamp(ToNtpTimestamp(t + hours(24 * 365 * 12))), t + hours(24 * 365 * 12)) << ns.count();
    }
    // The last fraction of a second stays in that second, also in the last
    // second of either era, and converts back to the same instant.
    for (const std::uint32_t s : {0x7FFF'FFFFu, 0xFFFF'FFFFu, 0xEEC3'C970u}) {
        SCOPED_TRACE(s);
        const Instant last = FromNtpTimestamp({s, 0xFFFF'FFFFu});
        EXPECT_EQ(last, FromNtpTimestamp({s, 0}) + 999'999'999ns);
        EXPECT_EQ(FromNtpTimestamp(ToNtpTimestamp(last)), last);
    }
}

TEST(SntpRequest, IsAClientHeaderCarryingOnlyTheTransmitTimestamp) {
    const auto p = BuildSntpRequest({0x0102'0304u, 0x0506'0708u});
    ASSERT_EQ(p.size(), 48u);
    EXPECT_EQ(p[0], 0x1B);  // leap 0, version 3, mode 3
    for (std::size_t i = 1; i < 40; ++i) EXPECT_EQ(p[i], 0) << i;
    const std::uint8_t transmit[] = {1, 2, 3, 4, 5, 6, 7, 8};
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(p[40 + i], transmit[i]) << i;
}

// A valid server reply to a request sent with kSent.
constexpr NtpTimestamp kSent{0xEEC3'C970u, 0x1234'5678u};

std::vector<std::uint8_t> ValidReply() {
    std::vector<std::uint8_t> p(48, 0);
    p[0] = 0x1C;  // leap 0, version 3, mode 4
    p[1] = 2;
    const std::uint8_t originate[] = {0xEE, 0xC3, 0xC9, 0x70, 0x12, 0x34, 0x56, 0x78};
    std::copy(std::begin(originate), std::end(originate), p.begin() + 24);
    const std::uint8_t receive[] = {0xEE, 0xC3, 0xC9, 0x71, 0x00, 0x00, 0x00, 0x00};
    std::copy(std::begin(receive), std::end(receive), p.begin() + 32);
    const std::uint8_t transmit[] = {0xEE, 0xC3, 0xC9, 0x71, 0x80, 0x00, 0x00, 0x00};
    std::copy(std::begin(transmit), std::end(transmit), p.begin() + 40);
    return p;
}

TEST(SntpReply, IsJudgedByLengthSenderModeAndTheDisregardRules) {
    struct Case {
        const char* what;
        void (*change)(std::vector<std::uint8_t>&);
        ReplyVerdict verdict;
    };
    const std::vector<Case> cases = {
        {"valid", [](auto&) {}, ReplyVerdict::Valid},
        {"leap 1 (a leap second today)", [](auto& p) { p[0] = 0x5C; }, ReplyVerdict::Valid},
        {"leap 3", [](auto& p) { p[0] = 0xDC; }, ReplyVerdict::Unsynchronised},
        {"version 4", [](auto& p) { p[0] = 0x24; }, ReplyVerdict::Valid},
        {"stratum 1", [](auto& p) { p[1] = 1; }, ReplyVerdict::Valid},
        {"stratum 15", [](auto& p) { p[1] = 15; }, ReplyVerdict::Valid},
        {"stratum 0 (kiss of death)", [](auto& p) { p[1] = 0; }, ReplyVerdict::BadStratum},
        {"stratum 16", [](auto& p) { p[1] = 16; }, ReplyVerdict::BadStratum},
        {"stratum 255", [](auto& p) { p[1] = 255; }, ReplyVerdict::BadStratum},
        {"zero transmit timestamp", [](auto& p) { std::fill(p.begin() + 40, p.end(), 0); }, ReplyVerdict::NoTransmitTime},
        {"transmit seconds zero, fraction not", [](auto& p) { std::fill(p.begin() + 40, p.begin() + 44, 0); },
         ReplyVerdict::Valid},
        {"zero receive timestamp", [](auto& p) { std::fill(p.begin() + 32, p.begin() + 40, 0); },
         ReplyVerdict::NoReceiveTime},
        {"47 bytes", [](auto& p) { p.resize(47); }, ReplyVerdict::Short},
        {"empty", [](auto& p) { p.clear(); }, ReplyVerdict::Short},
        {"49 bytes", [](auto& p) { p.resize(49); }, ReplyVerdict::TooLong},
        {"68 bytes (with an authenticator)", [](auto& p) { p.resize(68); }, ReplyVerdict::TooLong},
        // Not a reply to us: our own request echoed, a broadcast, a different originate.
        {"mode 3 (client)", [](auto& p) { p[0] = 0x1B; }, ReplyVerdict::NotOurs},
        {"mode 5 (broadcast)", [](auto& p) { p[0] = 0x1D; }, ReplyVerdict::NotOurs},
        {"originate off in its last bit", [](auto& p) { p[31] ^= 1; }, ReplyVerdict::NotOurs},
        {"originate zero", [](auto& p) { std::fill(p.begin() + 24, p.begin() + 32, 0); }, ReplyVerdict::NotOurs},
        // Whether it is ours is settled before the disregard rules.
        {"leap 3 from mode 3", [](auto& p) { p[0] = 0xDB; }, ReplyVerdict::NotOurs},
        {"stratum 0 with a wrong originate", [](auto& p) { p[1] = 0, p[24] ^= 0x80; }, ReplyVerdict::NotOurs},
    };
    for (const auto& c : cases) {
        auto bytes = ValidReply();
        c.change(bytes);
        SntpReply reply;
        EXPECT_EQ(ReadSntpReply(bytes, bytes.size(), kSent, reply), c.verdict) << c.what;
    }
    // A datagram longer than the buffer is judged by its full length.
    auto bytes = ValidReply();
    SntpReply reply;
    EXPECT_EQ(ReadSntpReply(bytes, 100, kSent, reply), ReplyVerdict::TooLong);

    ASSERT_EQ(ReadSntpReply(ValidReply(), 48, kSent, reply), ReplyVerdict::Valid);
    EXPECT_EQ(reply.mode, 4);
    EXPECT_EQ(reply.stratum, 2);
    EXPECT_EQ(reply.originate, kSent);
    EXPECT_EQ(reply.receive, (NtpTimestamp{0xEEC3'C971u, 0}));
    EXPECT_EQ(reply.transmit, (NtpTimestamp{0xEEC3'C971u, 0x8000'0000u}));
}

double Ms(nanoseconds d) { return duration<double, std::milli>(d).count(); }

TEST(ClockOffset, OffsetIsTheServerAheadAndDelayCountsTheServersHoldTwice) {
    // t1 sent, t2 received by the server, t3 sent back, t4 received, in ms of
    // an arbitrary base; theta the server's clock minus ours, each way 10 ms.
    struct Case {
        const char* what;
        int t1, t2, t3, t4;
        double offset, delay;
    };
    const std::vector<Case> cases = {
        {"in step, no hold", 0, 10, 10, 20, 0, 20},
        {"server 1 s ahead", 0, 1010, 1010, 20, 1000, 20},
        {"server 500 ms behind", 1000, 510, 510, 1020, -500, 20},
        // A 4 ms hold at the server is added to the delay twice (once in T4 - T1,
        // once in T3 - T2), and leaves the offset alone.
        {"server 1 s ahead holding 4 ms", 0, 1010, 1014, 24, 1000, 28},
        {"asymmetric: 2 ms out, 18 ms back", 0, 2, 2, 20, -8, 20},
    };
    const Instant base = Utc(2026, 12, 9, 0, 0, 0);
    for (const auto& c : cases) {
        const auto r = ComputeClockOffset(base + milliseconds(c.t1), base + milliseconds(c.t2),
                                          base + milliseconds(c.t3), base + milliseconds(c.t4));
        EXPECT_EQ(Ms(r.offset), c.offset) << c.what;
        EXPECT_EQ(Ms(r.delay), c.delay) << c.what;
    }
}

TEST(ClockOffset, ADelayIsPossibleFromAClockTickBelowZeroUpToTheWait) {
    const struct {
        nanoseconds delay;
        bool possible;
    } cases[] = {
        {-16ms, true}, {-16ms - 1ns, false}, {0ns, true}, {5s, true}, {5s + 1ns, false}, {-hours(24 * 365 * 9), false},
    };
    for (const auto& c : cases) {
        ClockOffset clock;
        clock.delay = c.delay;
        EXPECT_EQ(JudgeRoundTrip(clock, 5s) == ReplyVerdict::Valid, c.possible) << c.delay.count();
    }
}

}  // namespace
}  // namespace norvane
