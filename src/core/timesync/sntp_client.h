#pragma once
// One SNTP exchange with a time server, and the setting of the PC clock from it.
// Both block (at most the reply wait plus the name look-up, and for the clock
// the desktop's consent dialog): the window runs them through SyncRunner.
#include <chrono>
#include <mutex>
#include <optional>
#include <string>

#include "core/timesync/sntp_packet.h"
#include "platform/pc_clock.h"
#include "platform/udp_socket.h"

namespace norvane {

// Which of the two warnings a failed synchronisation shows.
enum class SyncMessage {
    None,          // the reply was valid (and, for a synchronisation, the clock was set)
    NoConnection,  // the server could not be reached: a bad name or address, a network error
    ClockNotSet,   // no usable reply, or the clock could not be set
};

// What one exchange leaves for the caller.
struct SntpExchange {
    std::string server;  // the address that answered, "127.0.0.1:123" or "[::1]:123"
    SntpReply reply;
    Instant t1, t2, t3, t4;
    ClockOffset clock;  // t and d of the four instants
    // When T4 was read, so that the clock can be set to what the server's time
    // has become by the moment it is set.
    std::chrono::steady_clock::time_point receivedAt;
};

struct SyncOutcome {
    SyncMessage message = SyncMessage::ClockNotSet;
    std::string detail;                     // one line: what went wrong; empty on success
    std::optional<SntpExchange> exchange;   // the reply that was read, when one was
    bool clockSet = false;

    bool ok() const { return message == SyncMessage::None; }
};

// Lets another thread end an exchange early: the wait for the reply ends at
// once and the clock is not set. A name look-up or a consent dialog already
// under way is not cut short.
class SyncCancel {
public:
    void Cancel();
    bool Cancelled() const;

    // The socket whose wait Cancel() interrupts (QueryServerTime attaches it).
    void Attach(UdpSocket* socket);
    void Detach();

private:
    mutable std::mutex mutex_;
    bool cancelled_ = false;
    UdpSocket* socket_ = nullptr;
};

struct SntpOptions {
    std::chrono::milliseconds timeout{5000};  // the wait for a reply
    SyncCancel* cancel = nullptr;
};

// One request/reply exchange with `server` ("host", "host:port", "[IPv6]:port").
// ok(): a valid reply, whose transmit time T3 is the server's time. A bad server
// text, a name that does not resolve, a socket error or a reply longer than 48
// bytes give NoConnection; a short, disregarded or missing reply ClockNotSet.
SyncOutcome QueryServerTime(const std::string& server, const SntpOptions& options = {});

// QueryServerTime, then the PC clock set to T1 + t + d (carried on by the time
// elapsed since the reply arrived) through `clock`. A refusal or failure of the
// setter gives ClockNotSet with its reason.
SyncOutcome SyncPcClock(const std::string& server, PcClock& clock = pcClock(), const SntpOptions& options = {});

// The instant the clock is set to, at `now` on the steady clock.
Instant ClockTarget(const SntpExchange& exchange, std::chrono::steady_clock::time_point now);

}  // namespace norvane
