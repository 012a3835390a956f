#include "support/fake_sntp_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <random>
#include <stdexcept>

namespace norvane {
namespace {

int BoundSocket(bool ipv6, std::uint16_t& port) {
    const int fd = socket(ipv6 ? AF_INET6 : AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) throw std::runtime_error("socket");
    sockaddr_storage ss{};
    socklen_t len;
    if (ipv6) {
        auto* a = reinterpret_cast<sockaddr_in6*>(&ss);
        a->sin6_family = AF_INET6;
        a->sin6_addr = in6addr_loopback;
        len = sizeof *a;
    } else {
        auto* a = reinterpret_cast<sockaddr_in*>(&ss);
        a->sin_family = AF_INET;
        a->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        len = sizeof *a;
    }
    if (bind(fd, reinterpret_cast<sockaddr*>(&ss), len) != 0) throw std::runtime_error("bind");
    getsockname(fd, reinterpret_cast<sockaddr*>(&ss), &len);
    port = ntohs(ipv6 ? reinterpret_cast<sockaddr_in6*>(&ss)->sin6_port : reinterpret_cast<sockaddr_in*>(&ss)->sin_port);
    return fd;
}

void Put32(std::vector<std::uint8_t>& p, std::size_t at, std::uint32_t v) {
    p[at] = static_cast<std::uint8_t>(v >> 24);
    p[at + 1] = static_cast<std::uint8_t>(v >> 16);
    p[at + 2] = static_cast<std::uint8_t>(v >> 8);
    p[at + 3] = static_cast<std::uint8_t>(v);
}

void PutTimestamp(std::vector<std::uint8_t>& p, std::size_t at, NtpTimestamp ts) {
    Put32(p, at, ts.seconds);
    Put32(p, at + 4, ts.fraction);
}

}  // namespace

FakeSntpServer::FakeSntpServer(Responder responder, bool ipv6) : responder_(std::move(responder)), ipv6_(ipv6) {
    fd_ = BoundSocket(ipv6, port_);
    std::uint16_t otherPort = 0;
    other_ = BoundSocket(ipv6, otherPort);
    thread_ = std::thread([this] { Run(); });
}

FakeSntpServer::~FakeSntpServer() {
    stop_ = true;
    thread_.join();
    close(fd_);
    close(other_);
}

std::string FakeSntpServer::server() const {
    return (ipv6_ ? "[::1]:" : "127.0.0.1:") + std::to_string(port_);
}

void FakeSntpServer::Run() {
    while (!stop_) {
        pollfd pfd{fd_, POLLIN, 0};
        if (poll(&pfd, 1, 20) <= 0) continue;
        std::array<std::uint8_t, 48> request{};
        sockaddr_storage from{};
        socklen_t fromLen = sizeof from;
        const ssize_t n = recvfrom(fd_, request.data(), request.size(), 0, reinterpret_cast<sockaddr*>(&from), &fromLen);
        const Instant arrived = std::chrono::system_clock::now();
        if (n <= 0) continue;
        ++requests_;
        for (const Datagram& d : responder_(request, arrived)) {
            if (d.delay.count() > 0) std::this_thread::sleep_for(d.delay);
            sendto(d.fromOtherPort ? other_ : fd_, d.bytes.data(), d.bytes.size(), 0,
                   reinterpret_cast<sockaddr*>(&from), fromLen);
        }
    }
}

std::vector<std::uint8_t> MakeReply(const std::array<std::uint8_t, 48>& request, Instant arrived,
                                    const ReplySpec& spec) {
    std::vector<std::uint8_t> p(48, 0);
    p[0] = static_cast<std::uint8_t>(spec.leap << 6 | spec.version << 3 | spec.mode);
    p[1] = static_cast<std::uint8_t>(spec.stratum);
    p[2] = 6;
    p[3] = static_cast<std::uint8_t>(-20);
    std::copy(request.begin() + 40, request.begin() + 48, p.begin() + 24);  // originate = their transmit
    if (spec.wrongOriginate) p[31] ^= 0x01;
    const auto offset = std::chrono::duration_cast<Instant::duration>(spec.offset);
    const auto hold = std::chrono::duration_cast<Instant::duration>(spec.hold);
    PutTimestamp(p, 16, ToNtpTimestamp(arrived + offset - std::chrono::seconds(16)));
    const auto claimed = std::chrono::duration_cast<Instant::duration>(spec.claimedHold);
    if (!spec.zeroReceive) PutTimestamp(p, 32, ToNtpTimestamp(arrived + offset));
    if (!spec.zeroTransmit) PutTimestamp(p, 40, ToNtpTimestamp(arrived + offset + hold + claimed));
    p.resize(spec.length, 0);
    return p;
}

FakeSntpServer::Responder Answer(ReplySpec spec) {
    return [spec](const std::array<std::uint8_t, 48>& request, Instant arrived) {
        if (spec.hold.count() > 0) std::this_thread::sleep_for(spec.hold);
        return std::vector<FakeSntpServer::Datagram>{{MakeReply(request, arrived, spec)}};
    };
}

int UnusedLoopbackPort() {
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<int> ports(20000, 29999);
    for (;;) {
        const int port = ports(random);
        const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = htons(static_cast<std::uint16_t>(port));
        const bool free = bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
        close(fd);
        if (free) return port;
    }
}

}  // namespace norvane
