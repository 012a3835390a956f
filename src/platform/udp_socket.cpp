#include "platform/udp_socket.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace norvane {
namespace {

std::string ErrnoText(int err) { return std::strerror(err); }

std::string NumericPeer(const sockaddr* sa, socklen_t len) {
    char host[NI_MAXHOST];
    char serv[NI_MAXSERV];
    if (getnameinfo(sa, len, host, sizeof host, serv, sizeof serv, NI_NUMERICHOST | NI_NUMERICSERV) != 0)
        return "?";
    if (sa->sa_family == AF_INET6) return std::string("[") + host + "]:" + serv;
    return std::string(host) + ":" + serv;
}

}  // namespace

UdpSocket::UdpSocket() : wake_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

UdpSocket::~UdpSocket() {
    if (fd_ >= 0) close(fd_);
    if (wake_ >= 0) close(wake_);
}

UdpStatus UdpSocket::Fail(UdpStatus status, std::string what) {
    error_ = std::move(what);
    return status;
}

UdpStatus UdpSocket::Connect(const std::string& host, std::uint16_t port) {
    addresses_.clear();
    next_ = 0;
    host_ = host;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    hints.ai_protocol = IPPROTO_UDP;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo* list = nullptr;
    const std::string service = std::to_string(port);
    const int rc = getaddrinfo(host.c_str(), service.c_str(), &hints, &list);
    if (rc != 0) {
        const std::string why = rc == EAI_SYSTEM ? ErrnoText(errno) : gai_strerror(rc);
        return Fail(UdpStatus::ResolveFailed, "cannot resolve " + host + ": " + why);
    }
    for (addrinfo* ai = list; ai != nullptr; ai = ai->ai_next) {
        if (ai->ai_addrlen > sizeof(sockaddr_storage)) continue;
        Address a{};
        std::memcpy(&a.addr, ai->ai_addr, ai->ai_addrlen);
        a.len = ai->ai_addrlen;
        a.family = ai->ai_family;
        a.type = ai->ai_socktype;
        a.protocol = ai->ai_protocol;
        addresses_.push_back(a);
    }
    freeaddrinfo(list);
    if (cancelled_) return Fail(UdpStatus::Cancelled, "cancelled");
    return ConnectNext();
}

UdpStatus UdpSocket::ConnectNext() {
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
    }
    // A name may have addresses of a family this machine cannot reach (IPv6
    // without a route): the first one that connects is used.
    std::string lastError = error_.empty() ? "no address for " + host_ : error_;
    while (next_ < addresses_.size()) {
        const Address& a = addresses_[next_++];
        const auto* sa = reinterpret_cast<const sockaddr*>(&a.addr);
        const int fd = socket(a.family, a.type | SOCK_CLOEXEC, a.protocol);
        if (fd < 0) {
            lastError = "socket: " + ErrnoText(errno);
            continue;
        }
        if (connect(fd, sa, a.len) != 0) {
            lastError = "connect to " + NumericPeer(sa, a.len) + ": " + ErrnoText(errno);
            close(fd);
            continue;
        }
        fd_ = fd;
        peer_ = NumericPeer(sa, a.len);
        return UdpStatus::Ok;
    }
    return Fail(UdpStatus::Failed, lastError);
}

std::string UdpSocket::PeerText() const { return peer_; }

UdpStatus UdpSocket::Send(const void* data, std::size_t size) {
    if (fd_ < 0) return Fail(UdpStatus::Failed, "not connected");
    if (cancelled_) return Fail(UdpStatus::Cancelled, "cancelled");
    ssize_t n;
    do {
        n = send(fd_, data, size, 0);
    } while (n < 0 && errno == EINTR);
    if (n < 0) return Fail(UdpStatus::Failed, "send to " + peer_ + ": " + ErrnoText(errno));
    if (static_cast<std::size_t>(n) != size) return Fail(UdpStatus::Failed, "send to " + peer_ + ": datagram cut short");
    return UdpStatus::Ok;
}

UdpStatus UdpSocket::Receive(void* buffer, std::size_t capacity, std::size_t& size,
                             std::chrono::steady_clock::time_point deadline) {
    using namespace std::chrono;
    size = 0;
    if (fd_ < 0) return Fail(UdpStatus::Failed, "not connected");
    for (;;) {
        if (cancelled_) return Fail(UdpStatus::Cancelled, "cancelled");
        const auto left = duration_cast<milliseconds>(deadline - steady_clock::now());
        if (left.count() <= 0) return Fail(UdpStatus::TimedOut, "no reply from " + peer_);
        pollfd fds[2] = {{fd_, POLLIN, 0}, {wake_, POLLIN, 0}};
        // Rounded up so that the wait never ends just before the deadline.
        const int rc = poll(fds, wake_ >= 0 ? 2 : 1, static_cast<int>(left.count()) + 1);
        if (rc < 0) {
            if (errno == EINTR) continue;
            return Fail(UdpStatus::Failed, "poll: " + ErrnoText(errno));
        }
        if (rc == 0 || !(fds[0].revents & (POLLIN | POLLERR))) continue;
        // MSG_TRUNC gives the datagram's real length, so one longer than the
        // buffer is seen as such rather than cut silently.
        const ssize_t n = recv(fd_, buffer, capacity, MSG_TRUNC | MSG_DONTWAIT);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) continue;
            return Fail(UdpStatus::Failed, "receive from " + peer_ + ": " + ErrnoText(errno));
        }
        size = static_cast<std::size_t>(n);
        return UdpStatus::Ok;
    }
}

void UdpSocket::Cancel() {
    cancelled_ = true;
    if (wake_ >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = write(wake_, &one, sizeof one);
    }
}

}  // namespace norvane
