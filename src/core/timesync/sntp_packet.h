#pragma once
// The SNTP request and the reading of a reply, as pure functions over bytes: one
// 48-byte NTP header each way, multi-byte fields big-endian.
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>

namespace norvane {

inline constexpr std::size_t kSntpPacketSize = 48;
inline constexpr std::uint16_t kSntpPort = 123;

// 32-bit seconds since an era start and a 32-bit binary fraction of a second.
struct NtpTimestamp {
    std::uint32_t seconds = 0;
    std::uint32_t fraction = 0;
    bool IsZero() const { return seconds == 0 && fraction == 0; }
    friend bool operator==(const NtpTimestamp&, const NtpTimestamp&) = default;
};

using Instant = std::chrono::system_clock::time_point;

// UTC instant -> timestamp of its era (seconds since 1900 modulo 2^32).
NtpTimestamp ToNtpTimestamp(Instant t);
// Timestamp -> UTC instant. Seconds with the high bit set count from 1900
// (1968-2036), the others from 2036-02-07 06:28:16 UTC (2036-2104).
Instant FromNtpTimestamp(NtpTimestamp ts);

// Leap 0, version 3, mode 3 (client); every field zero but the transmit timestamp.
std::array<std::uint8_t, kSntpPacketSize> BuildSntpRequest(NtpTimestamp transmit);

struct SntpReply {
    int leap = 0;     // 0-3; 3: the server's clock is not synchronised
    int version = 0;
    int mode = 0;     // 4: server
    int stratum = 0;  // 1-15 valid; 0 is a kiss-of-death, 16 unsynchronised
    NtpTimestamp originate;  // our transmit timestamp, echoed (T1)
    NtpTimestamp receive;    // the server's clock when the request arrived (T2)
    NtpTimestamp transmit;   // the server's clock when the reply left (T3)
};

enum class ReplyVerdict {
    Valid,
    Short,           // fewer than 48 bytes
    TooLong,         // more than 48 bytes
    NotOurs,         // not a server's reply to our request: ignored, the wait goes on
    Unsynchronised,  // leap indicator 3
    NoTransmitTime,  // zero transmit timestamp
    BadStratum,      // stratum 0 or above 15
    // Forged or broken, ignored as NotOurs is: the wait goes on.
    NoReceiveTime,   // zero receive timestamp
    ImpossibleDelay,  // a round-trip delay below zero or above the wait (JudgeRoundTrip)
};

// Judges one datagram of `length` bytes (of which `bytes` holds the first ones)
// as a reply to the request sent with `sentTransmit`, and reads its fields into
// `reply` when it has 48 bytes.
ReplyVerdict ReadSntpReply(std::span<const std::uint8_t> bytes, std::size_t length, NtpTimestamp sentTransmit,
                           SntpReply& reply);

// One line saying why a reply was not used; empty for Valid.
const char* ReplyVerdictText(ReplyVerdict verdict);

struct ClockOffset {
    std::chrono::nanoseconds delay{0};   // d = (T4 - T1) - (T2 - T3)
    std::chrono::nanoseconds offset{0};  // t = ((T2 - T1) + (T3 - T4)) / 2; positive: the PC clock is behind
};

// T1 request sent, T2 request received, T3 reply sent, T4 reply received.
ClockOffset ComputeClockOffset(Instant t1, Instant t2, Instant t3, Instant t4);

// How far below zero a real delay may come out: a server's clock that ticks
// coarsely (about 15.6 ms on some systems) may stamp T2 and T3 a tick apart.
inline constexpr std::chrono::milliseconds kDelayGranularity{16};

// Valid when the exchange's delay could have happened within a wait of `wait`
// for the reply; ImpossibleDelay otherwise (timestamps forged or garbled).
ReplyVerdict JudgeRoundTrip(const ClockOffset& clock, std::chrono::nanoseconds wait);

}  // namespace norvane
