#include "platform/desktop_bus.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDBusConnection>
#include <QTemporaryDir>
#include <QThreadPool>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace norvane {
namespace {

// A stand-in session bus on a socket of the test's own: it takes connections
// but never answers, so whoever connects waits until the test lets go.
class SilentBus {
public:
    SilentBus() {
        path_ = dir_.filePath("bus").toStdString();
        fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        std::strncpy(addr.sun_path, path_.c_str(), sizeof addr.sun_path - 1);
        ok_ = fd_ >= 0 && bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 && listen(fd_, 4) == 0;
    }
    ~SilentBus() {
        for (int c : clients_) close(c);
        if (fd_ >= 0) close(fd_);
    }
    bool ok() const { return ok_; }
    std::string address() const { return "unix:path=" + path_; }

    // True when a connection arrives within the time given.
    bool Accept(int waitMs) {
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, waitMs) != 1) return false;
        const int c = accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (c < 0) return false;
        clients_.push_back(c);
        return true;
    }
    // True while the newest connection is open on the other side: whoever made
    // it is still waiting for the bus to answer.
    bool PeerWaiting() const {
        if (clients_.empty()) return false;
        char buf[512];
        for (;;) {
            const ssize_t n = recv(clients_.back(), buf, sizeof buf, MSG_DONTWAIT);
            if (n > 0) continue;  // its greeting, never answered
            return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
        }
    }
    // Hanging up ends the connection attempt with an error.
    void HangUp() {
        for (int c : clients_) close(c);
        clients_.clear();
    }

private:
    QTemporaryDir dir_;
    std::string path_;
    int fd_ = -1;
    bool ok_ = false;
    std::vector<int> clients_;
};

TEST(DesktopBus, ConnectsOnceAwayFromTheCallerAndSurvivesAMissingBus) {
    SilentBus bus;
    ASSERT_TRUE(bus.ok());
    qputenv("DBUS_SESSION_BUS_ADDRESS", QByteArray::fromStdString(bus.address()));

    // The bus has not answered, yet the call is back: the wait is elsewhere.
    PrepareDesktopBus();
    ASSERT_TRUE(bus.Accept(10000)) << "no connection attempt reached the bus";
    EXPECT_TRUE(bus.PeerWaiting());
    PrepareDesktopBus();  // only the first call connects
    EXPECT_FALSE(bus.Accept(300));

    bus.HangUp();
    QThreadPool::globalInstance()->waitForDone();
    // The failed attempt is what everyone asking later gets, without a new wait.
    EXPECT_FALSE(QDBusConnection::sessionBus().isConnected());
    EXPECT_FALSE(bus.Accept(300));
}

}  // namespace
}  // namespace norvane
