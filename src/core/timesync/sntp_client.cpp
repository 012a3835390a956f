#include "core/timesync/sntp_client.h"

#include <algorithm>
#include <array>

#include "core/timesync/time_server.h"

namespace norvane {
namespace {

using std::chrono::steady_clock;
using std::chrono::system_clock;

SyncOutcome Failure(SyncMessage message, std::string detail) {
    SyncOutcome r;
    r.message = message;
    r.detail = std::move(detail);
    return r;
}

// Keeps the socket attached to the cancel object while it is in use.
class Attachment {
public:
    Attachment(SyncCancel* cancel, UdpSocket& socket) : cancel_(cancel) {
        if (cancel_) cancel_->Attach(&socket);
    }
    ~Attachment() {
        if (cancel_) cancel_->Detach();
    }
    Attachment(const Attachment&) = delete;
    Attachment& operator=(const Attachment&) = delete;

private:
    SyncCancel* cancel_;
};

}  // namespace

void SyncCancel::Cancel() {
    std::lock_guard lock(mutex_);
    cancelled_ = true;
    if (socket_) socket_->Cancel();
}

bool SyncCancel::Cancelled() const {
    std::lock_guard lock(mutex_);
    return cancelled_;
}

void SyncCancel::Attach(UdpSocket* socket) {
    std::lock_guard lock(mutex_);
    socket_ = socket;
    if (cancelled_) socket_->Cancel();
}

void SyncCancel::Detach() {
    std::lock_guard lock(mutex_);
    socket_ = nullptr;
}

SyncOutcome QueryServerTime(const std::string& text, const SntpOptions& options) {
    const auto server = ParseTimeServer(text);
    if (!server) return Failure(SyncMessage::NoConnection, "not a time server address: \"" + text + "\"");

    UdpSocket socket;
    Attachment attachment(options.cancel, socket);
    switch (socket.Connect(server->host, server->port)) {
        case UdpStatus::Ok: break;
        case UdpStatus::Cancelled: return Failure(SyncMessage::ClockNotSet, "cancelled");
        default: return Failure(SyncMessage::NoConnection, socket.Error());
    }

    const auto deadline = steady_clock::now() + options.timeout;
    NtpTimestamp sent;
    // Sends a request stamped now; an address that refuses or cannot be reached
    // gives way to the next address of the name, within the same deadline.
    auto sendRequest = [&]() -> UdpStatus {
        for (;;) {
            sent = ToNtpTimestamp(system_clock::now());
            const auto request = BuildSntpRequest(sent);
            const UdpStatus status = socket.Send(request.data(), request.size());
            if (status != UdpStatus::Failed || socket.ConnectNext() != UdpStatus::Ok) return status;
        }
    };
    if (const UdpStatus status = sendRequest(); status != UdpStatus::Ok)
        return status == UdpStatus::Cancelled ? Failure(SyncMessage::ClockNotSet, "cancelled")
                                              : Failure(SyncMessage::NoConnection, socket.Error());

    // Room for more than one packet, so that a longer datagram shows its length.
    std::array<std::uint8_t, 512> buffer{};
    for (;;) {
        std::size_t length = 0;
        UdpStatus status = socket.Receive(buffer.data(), buffer.size(), length, deadline);
        if (status == UdpStatus::Failed && socket.ConnectNext() == UdpStatus::Ok) {
            status = sendRequest();
            if (status == UdpStatus::Ok) continue;
        }
        switch (status) {
            case UdpStatus::Ok: break;
            case UdpStatus::TimedOut:
                return Failure(SyncMessage::ClockNotSet,
                               "no reply from " + socket.PeerText() + " within " +
                                   std::to_string(options.timeout.count()) + " ms");
            case UdpStatus::Cancelled: return Failure(SyncMessage::ClockNotSet, "cancelled");
            default: return Failure(SyncMessage::NoConnection, socket.Error());
        }
        const Instant t4 = system_clock::now();
        const auto receivedAt = steady_clock::now();

        SntpReply reply;
        const ReplyVerdict verdict =
            ReadSntpReply(std::span<const std::uint8_t>(buffer.data(), std::min(length, buffer.size())), length,
                          sent, reply);
        // A stray or forged datagram ends nothing: the real reply may still come.
        if (verdict == ReplyVerdict::NotOurs || verdict == ReplyVerdict::NoReceiveTime) continue;

        const std::string why = std::string(ReplyVerdictText(verdict)) + " (" + socket.PeerText() + ")";
        if (verdict == ReplyVerdict::Short) return Failure(SyncMessage::ClockNotSet, why);
        if (verdict == ReplyVerdict::TooLong) return Failure(SyncMessage::NoConnection, why);

        SntpExchange ex;
        ex.server = socket.PeerText();
        ex.reply = reply;
        ex.t1 = FromNtpTimestamp(reply.originate);
        ex.t2 = FromNtpTimestamp(reply.receive);
        ex.t3 = FromNtpTimestamp(reply.transmit);
        ex.t4 = t4;
        ex.clock = ComputeClockOffset(ex.t1, ex.t2, ex.t3, ex.t4);
        ex.receivedAt = receivedAt;
        // Timestamps that no real exchange gives (a delay of minus years) would
        // set the clock years off: such a reply is ignored like a forged one.
        if (verdict == ReplyVerdict::Valid && JudgeRoundTrip(ex.clock, options.timeout) != ReplyVerdict::Valid) continue;
        SyncOutcome r;
        r.exchange = ex;
        if (verdict != ReplyVerdict::Valid) {
            r.message = SyncMessage::ClockNotSet;
            r.detail = why;
            return r;
        }
        r.message = SyncMessage::None;
        return r;
    }
}

Instant ClockTarget(const SntpExchange& ex, steady_clock::time_point now) {
    const auto sinceReply = std::chrono::duration_cast<Instant::duration>(now - ex.receivedAt);
    return ex.t1 + std::chrono::duration_cast<Instant::duration>(ex.clock.offset + ex.clock.delay) + sinceReply;
}

SyncOutcome SyncPcClock(const std::string& server, PcClock& clock, const SntpOptions& options) {
    SyncOutcome r = QueryServerTime(server, options);
    if (!r.ok()) return r;
    if (options.cancel && options.cancel->Cancelled()) {
        r.message = SyncMessage::ClockNotSet;
        r.detail = "cancelled";
        return r;
    }
    const SetResult set = clock.Set(ClockTarget(*r.exchange, steady_clock::now()));
    if (!set.ok()) {
        r.message = SyncMessage::ClockNotSet;
        r.detail = set.reason.empty() ? "the PC clock could not be set" : set.reason;
        return r;
    }
    r.clockSet = true;
    return r;
}

}  // namespace norvane
