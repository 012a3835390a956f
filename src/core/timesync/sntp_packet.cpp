#include "core/timesync/sntp_packet.h"

#include <algorithm>

namespace norvane {
namespace {

using std::chrono::nanoseconds;

// Seconds from 1900-01-01 (the NTP era 0 start) to 1970-01-01.
constexpr std::int64_t kNtpToUnix = 2'208'988'800;
constexpr std::int64_t kEraSeconds = std::int64_t{1} << 32;
constexpr std::int64_t kNanosPerSecond = 1'000'000'000;

std::uint32_t Get32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 | std::uint32_t{b[at + 2]} << 8 |
           std::uint32_t{b[at + 3]};
}

NtpTimestamp GetTimestamp(std::span<const std::uint8_t> b, std::size_t at) {
    return {Get32(b, at), Get32(b, at + 4)};
}

void Put32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v >> 24);
    p[1] = static_cast<std::uint8_t>(v >> 16);
    p[2] = static_cast<std::uint8_t>(v >> 8);
    p[3] = static_cast<std::uint8_t>(v);
}

}  // namespace

NtpTimestamp ToNtpTimestamp(Instant t) {
    const std::int64_t ns = std::chrono::duration_cast<nanoseconds>(t.time_since_epoch()).count();
    std::int64_t secs = ns / kNanosPerSecond;
    std::int64_t frac = ns % kNanosPerSecond;
    if (frac < 0) {
        frac += kNanosPerSecond;
        --secs;
    }
    // Rounded to the nearest fraction unit, so that a timestamp read back gives
    // the same nanosecond.
    const std::uint64_t fraction = ((static_cast<std::uint64_t>(frac) << 32) + kNanosPerSecond / 2) / kNanosPerSecond;
    const std::int64_t ntpSeconds = secs + kNtpToUnix;
    return {static_cast<std::uint32_t>(static_cast<std::uint64_t>(ntpSeconds) & 0xFFFF'FFFFu),
            static_cast<std::uint32_t>(fraction)};
}

Instant FromNtpTimestamp(NtpTimestamp ts) {
    std::int64_t secs = static_cast<std::int64_t>(ts.seconds) - kNtpToUnix;
    if ((ts.seconds & 0x8000'0000u) == 0) secs += kEraSeconds;
    // Rounded to the nearest nanosecond, but never up into the next second: the
    // last instant of the later era would come back from the earlier one.
    const std::int64_t frac = std::min<std::int64_t>(
        static_cast<std::int64_t>((std::uint64_t{ts.fraction} * kNanosPerSecond + (std::uint64_t{1} << 31)) >> 32),
        kNanosPerSecond - 1);
    return Instant(std::chrono::duration_cast<Instant::duration>(nanoseconds(secs * kNanosPerSecond + frac)));
}

std::array<std::uint8_t, kSntpPacketSize> BuildSntpRequest(NtpTimestamp transmit) {
    std::array<std::uint8_t, kSntpPacketSize> p{};
    p[0] = 0x1B;
    Put32(&p[40], transmit.seconds);
    Put32(&p[44], transmit.fraction);
    return p;
}

ReplyVerdict ReadSntpReply(std::span<const std::uint8_t> bytes, std::size_t length, NtpTimestamp sentTransmit,
                           SntpReply& reply) {
    if (length < kSntpPacketSize || bytes.size() < kSntpPacketSize) return ReplyVerdict::Short;
    reply.leap = bytes[0] >> 6;
    reply.version = (bytes[0] >> 3) & 7;
    reply.mode = bytes[0] & 7;
    reply.stratum = bytes[1];
    reply.originate = GetTimestamp(bytes, 24);
    reply.receive = GetTimestamp(bytes, 32);
    reply.transmit = GetTimestamp(bytes, 40);
    if (length > kSntpPacketSize) return ReplyVerdict::TooLong;
    // Only a server's answer that echoes the transmit timestamp we sent is a
    // reply to us: anything else may be stray or forged and must not set the clock.
    if (reply.mode != 4 || reply.originate != sentTransmit) return ReplyVerdict::NotOurs;
    if (reply.leap == 3) return ReplyVerdict::Unsynchronised;
    if (reply.transmit.IsZero()) return ReplyVerdict::NoTransmitTime;
    if (reply.stratum == 0 || reply.stratum > 15) return ReplyVerdict::BadStratum;
    if (reply.receive.IsZero()) return ReplyVerdict::NoReceiveTime;
    return ReplyVerdict::Valid;
}

const char* ReplyVerdictText(ReplyVerdict verdict) {
    switch (verdict) {
        case ReplyVerdict::Valid: return "";
        case ReplyVerdict::Short: return "the reply is shorter than 48 bytes";
        case ReplyVerdict::TooLong: return "the reply is longer than 48 bytes";
        case ReplyVerdict::NotOurs: return "the datagram is not a server's reply to this request";
        case ReplyVerdict::Unsynchronised: return "the server's clock is not synchronised (leap indicator 3)";
        case ReplyVerdict::NoTransmitTime: return "the reply has no transmit timestamp";
        case ReplyVerdict::BadStratum: return "the server's stratum is not between 1 and 15";
        case ReplyVerdict::NoReceiveTime: return "the reply has no receive timestamp";
        case ReplyVerdict::ImpossibleDelay: return "the reply's timestamps give an impossible round-trip delay";
    }
    return "";
}

ClockOffset ComputeClockOffset(Instant t1, Instant t2, Instant t3, Instant t4) {
    ClockOffset r;
    r.delay = (t4 - t1) - (t2 - t3);
    r.offset = ((t2 - t1) + (t3 - t4)) / 2;
    return r;
}

ReplyVerdict JudgeRoundTrip(const ClockOffset& clock, std::chrono::nanoseconds wait) {
    if (clock.delay < -std::chrono::nanoseconds(kDelayGranularity) || clock.delay > wait)
        return ReplyVerdict::ImpossibleDelay;
    return ReplyVerdict::Valid;
}

}  // namespace norvane
