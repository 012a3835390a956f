// A reply of a time server: any datagram that reaches the socket. Only a
// 48-byte server reply that echoes our request, has a synchronised clock and
// both server timestamps is used, and only when the delay it gives could have
// happened within the wait; its timestamps convert back and forth losslessly,
// and the offset and delay it gives agree with them.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <span>

#include "core/timesync/sntp_packet.h"
#include "fuzz_check.h"

namespace {

using namespace norvane;
using std::chrono::nanoseconds;

// The request's transmit timestamp (2025) and the moment the reply arrived.
constexpr NtpTimestamp kSent{0xEB0A'1B2Cu, 0x1234'5678u};

// Wide enough that no sum of the checks below can overflow.
__extension__ typedef __int128 Wide;

Wide Ns(Instant t) { return std::chrono::duration_cast<nanoseconds>(t.time_since_epoch()).count(); }

bool Near(Wide a, Wide b) { return a - b <= 1 && b - a <= 1; }

void CheckTimestamp(NtpTimestamp ts) {
    const Instant t = FromNtpTimestamp(ts);
    FUZZ_CHECK(FromNtpTimestamp(ToNtpTimestamp(t)) == t, "a timestamp does not convert back to its instant");
    // The two eras the reader knows: 1968-01-20 to 2104-02-26.
    const Wide s = Ns(t) / 1'000'000'000;
    FUZZ_CHECK(s >= -61'505'152 && s <= 4'233'462'144, "a timestamp lies outside its eras");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    SntpReply reply;
    const ReplyVerdict verdict = ReadSntpReply(bytes, size, kSent, reply);
    // The socket's buffer holds 48 bytes; a longer datagram is known by its length only.
    SntpReply cut;
    const ReplyVerdict cutVerdict = ReadSntpReply(bytes.first(std::min<std::size_t>(size, kSntpPacketSize)), size, kSent, cut);
    FUZZ_CHECK(verdict == cutVerdict, "the verdict depends on bytes past the 48th");

    FUZZ_CHECK((verdict == ReplyVerdict::Short) == (size < kSntpPacketSize), "a short datagram not called short");
    FUZZ_CHECK((verdict == ReplyVerdict::TooLong) == (size > kSntpPacketSize), "a long datagram not called long");
    if (size < kSntpPacketSize) return 0;

    FUZZ_CHECK(reply.leap == data[0] >> 6 && reply.mode == (data[0] & 7) && reply.stratum == data[1],
               "header fields misread");
    for (NtpTimestamp ts : {reply.originate, reply.receive, reply.transmit}) CheckTimestamp(ts);
    if (verdict != ReplyVerdict::Valid) return 0;

    FUZZ_CHECK(reply.mode == 4 && reply.originate == kSent, "a datagram that does not answer us was used");
    FUZZ_CHECK(reply.leap != 3 && reply.stratum >= 1 && reply.stratum <= 15 && !reply.transmit.IsZero(),
               "a reply of an unsynchronised server was used");
    FUZZ_CHECK(!reply.receive.IsZero(), "a reply without a receive timestamp was used");

    const Instant t1 = FromNtpTimestamp(reply.originate);
    const Instant t2 = FromNtpTimestamp(reply.receive);
    const Instant t3 = FromNtpTimestamp(reply.transmit);
    const Instant t4 = t1 + std::chrono::milliseconds(data[2]) + nanoseconds(data[3]);
    const ClockOffset c = ComputeClockOffset(t1, t2, t3, t4);
    FUZZ_CHECK(Ns(t1 + c.delay) - Ns(t1) == (Ns(t4) - Ns(t1)) - (Ns(t2) - Ns(t3)), "the delay disagrees with the timestamps");
    FUZZ_CHECK(Near(2 * Wide{c.offset.count()}, (Ns(t2) - Ns(t1)) + (Ns(t3) - Ns(t4))),
               "the offset disagrees with the timestamps");
    // The corrected clock at arrival is the server's send time plus half the
    // time the exchange spent on the way.
    const Wide wire = (Ns(t4) - Ns(t1)) - (Ns(t3) - Ns(t2));
    FUZZ_CHECK(Near(Ns(t4) + c.offset.count(), Ns(t3) + wire / 2), "the corrected clock is not the server's");

    // The exchange's delay decides the rest: within a tick below zero up to the
    // wait (here up to 2.55 s, from the reply's poll field) it is used, else not.
    const auto wait = std::chrono::milliseconds(10 * data[2]);
    const bool used = JudgeRoundTrip(c, wait) == ReplyVerdict::Valid;
    const Wide delay = c.delay.count();
    FUZZ_CHECK(used == (delay >= -Wide{nanoseconds(kDelayGranularity).count()} && delay <= Wide{nanoseconds(wait).count()}),
               "a delay that cannot have happened was used, or a possible one refused");
    return 0;
}
