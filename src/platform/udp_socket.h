#pragma once
// One UDP socket talking to one server, over plain POSIX sockets so that the
// program loads no network module for its one exchange. The socket is connected
// to the server's address, so the kernel hands it only datagrams from the
// address and port the request went to.
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <sys/socket.h>

namespace norvane {

enum class UdpStatus {
    Ok,
    ResolveFailed,  // the host name has no address
    Failed,         // a socket, connect, send or receive error
    TimedOut,       // no datagram before the deadline
    Cancelled,      // Cancel() was called
};

class UdpSocket {
public:
    UdpSocket();
    ~UdpSocket();
    UdpSocket(const UdpSocket&) = delete;
    UdpSocket& operator=(const UdpSocket&) = delete;

    // Resolves `host` to IPv4 or IPv6 addresses (a numeric address is used as it
    // stands) and connects a socket from an ephemeral local port to the first one
    // that takes it.
    UdpStatus Connect(const std::string& host, std::uint16_t port);
    // Moves on to the next address of the name (after one that refused or could
    // not be reached); Failed when there is none left.
    UdpStatus ConnectNext();
    // The connected server as numeric text: "192.0.2.1:123", "[2001:db8::1]:123".
    std::string PeerText() const;

    UdpStatus Send(const void* data, std::size_t size);
    // Waits until `deadline` for one datagram and copies at most `capacity` bytes
    // of it; `size` is its full length, also when that is more than `capacity`.
    UdpStatus Receive(void* buffer, std::size_t capacity, std::size_t& size,
                      std::chrono::steady_clock::time_point deadline);

    // From any thread: ends a wait in Receive, now or later, with Cancelled.
    void Cancel();

    // Why the last call failed, in one line.
    const std::string& Error() const { return error_; }

private:
    UdpStatus Fail(UdpStatus status, std::string what);

    struct Address {
        sockaddr_storage addr;
        socklen_t len;
        int family, type, protocol;
    };
    std::vector<Address> addresses_;
    std::size_t next_ = 0;
    std::string host_;
    int fd_ = -1;
    int wake_ = -1;  // an eventfd that Cancel() makes readable
    std::atomic<bool> cancelled_{false};
    std::string peer_;
    std::string error_;
};

}  // namespace norvane
