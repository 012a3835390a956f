#pragma once
// A scripted time server on a loopback UDP port, for tests: it answers each
// request with whatever datagrams the test's responder returns, and can send
// them from a second port to play a stray or forged sender.
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "core/timesync/sntp_packet.h"

namespace norvane {

class FakeSntpServer {
public:
    struct Datagram {
        std::vector<std::uint8_t> bytes;
        bool fromOtherPort = false;
        std::chrono::milliseconds delay{0};  // before sending
    };
    // Called on the server's thread with each request (first 48 bytes) and the
    // instant it arrived.
    using Responder = std::function<std::vector<Datagram>(const std::array<std::uint8_t, 48>& request, Instant arrived)>;

    // ipv6: listen on ::1 instead of 127.0.0.1.
    explicit FakeSntpServer(Responder responder, bool ipv6 = false);
    ~FakeSntpServer();
    FakeSntpServer(const FakeSntpServer&) = delete;
    FakeSntpServer& operator=(const FakeSntpServer&) = delete;

    std::uint16_t port() const { return port_; }
    // "127.0.0.1:PORT" or "[::1]:PORT", as a time-server setting.
    std::string server() const;
    int requests() const { return requests_; }

private:
    void Run();

    Responder responder_;
    bool ipv6_;
    int fd_ = -1;
    int other_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> requests_{0};
    std::thread thread_;
};

// What a reply looks like; the defaults make a valid one.
struct ReplySpec {
    int leap = 0;
    int version = 3;
    int mode = 4;
    int stratum = 2;
    std::chrono::nanoseconds offset{0};  // the server's clock minus the real clock
    std::chrono::nanoseconds hold{0};    // between receiving the request and replying
    // Added to the transmit timestamp only: a hold the server claims but never took
    // (negative: it claims to have answered before the request came).
    std::chrono::nanoseconds claimedHold{0};
    bool zeroReceive = false;
    bool zeroTransmit = false;
    bool wrongOriginate = false;
    std::size_t length = 48;  // cut short, or padded with zero bytes
};

// A reply to `request` that arrived at `arrived`, shaped by `spec`.
std::vector<std::uint8_t> MakeReply(const std::array<std::uint8_t, 48>& request, Instant arrived,
                                    const ReplySpec& spec = {});

// A server that answers every request with one reply shaped by `spec`.
FakeSntpServer::Responder Answer(ReplySpec spec);

// A loopback UDP port that nothing uses, below the ephemeral range: a client
// socket is never given it, so one that sends there cannot end up talking to itself.
int UnusedLoopbackPort();

}  // namespace norvane
