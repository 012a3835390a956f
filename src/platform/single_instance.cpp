#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <ostream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace norvane {
namespace {

struct NamedMessage {
    AppMessage message;
    const char* name;
};

constexpr NamedMessage kMessages[] = {
    {AppMessage::MainActive, kMainActiveMessage},
    {AppMessage::MainExit, kMainExitMessage},
    {AppMessage::NetworkError0, kNetworkError0Message},
    {AppMessage::NetworkError1, kNetworkError1Message},
    {AppMessage::NetworkError2, kNetworkError2Message},
};

constexpr char kAccepted[] = "OK\n";
constexpr char kRejected[] = "ERR\n";

QString SocketPathIn(const QString& folder) { return folder + QLatin1Char('/') + QLatin1String(kInstanceName); }
QString LockPathIn(const QString& folder) { return SocketPathIn(folder) + QLatin1String(".lock"); }

bool Fail(QString* error, const QString& text) {
    if (error) *error = text;
    return false;
}

}  // namespace

// A folder under the shared /tmp is only safe when it is a real directory,
// ours, and closed to everyone else; otherwise another user could plant a
// socket there and receive our messages.
bool EnsurePrivateFolder(const QString& path, QString* error) {
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return Fail(error, QStringLiteral("cannot create %1").arg(path));
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0) return Fail(error, QStringLiteral("cannot read %1").arg(path));
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::getuid() || (st.st_mode & 077) != 0)
        return Fail(error, QStringLiteral("%1 is not a private folder of this user").arg(path));
    return true;
}

std::optional<AppMessage> AppMessageFromName(std::string_view name) {
    for (const auto& m : kMessages)
        if (name == m.name) return m.message;
    return std::nullopt;
}

const char* AppMessageName(AppMessage message) {
    for (const auto& m : kMessages)
        if (m.message == message) return m.name;
    return "";
}

QString InstanceRuntimeFolder(QString* error) {
    const QString own = qEnvironmentVariable("NORVANE_RUNTIME_DIR");
    if (!own.isEmpty()) {
        if (!QDir().mkpath(own)) {
            Fail(error, QStringLiteral("cannot create %1").arg(own));
            return {};
        }
        return QDir::cleanPath(own);
    }
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && QFileInfo(xdg).isDir()) return QDir::cleanPath(xdg);
    const QString fallback = QStringLiteral("/tmp/norvane-%1").arg(::getuid());
    return EnsurePrivateFolder(fallback, error) ? fallback : QString();
}

// ---- InstanceLock ----

InstanceLock::~InstanceLock() { release(); }

InstanceLock::Result InstanceLock::tryAcquire(const QString& path) {
    release();
    const QByteArray native = QFile::encodeName(path);
    int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return Result::Failed;
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        return busy ? Result::Busy : Result::Failed;
    }
    fd_ = fd;
    return Result::Acquired;
}

void InstanceLock::release() {
    if (fd_ < 0) return;
    // The lock file stays: unlinking it would let a third start lock a fresh
    // file while a second still holds the old one.
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

// ---- SingleInstance ----

SingleInstance::SingleInstance(const QString& folder, QObject* parent) : QObject(parent), folder_(folder) {}

SingleInstance::~SingleInstance() {
    // Close the server (which removes the socket file) before letting go of the
    // lock, so a copy starting right now never finds our socket half gone.
    delete server_;
    server_ = nullptr;
    lock_.release();
}

QString SingleInstance::socketPath() const { return folder_.isEmpty() ? QString() : SocketPathIn(folder_); }

SingleInstance::Role SingleInstance::start() {
    if (server_ || lock_.held()) return role_;
    if (folder_.isEmpty()) folder_ = InstanceRuntimeFolder(&error_);
    if (folder_.isEmpty()) return role_ = Role::Unguarded;
    if (QFile::encodeName(socketPath()).size() >= static_cast<int>(sizeof(sockaddr_un{}.sun_path))) {
        error_ = QStringLiteral("socket path too long: %1").arg(socketPath());
        return role_ = Role::Unguarded;
    }

    switch (lock_.tryAcquire(LockPathIn(folder_))) {
    case InstanceLock::Result::Busy:
        return role_ = Role::Secondary;
    case InstanceLock::Result::Failed:
        error_ = QStringLiteral("cannot lock %1").arg(LockPathIn(folder_));
        return role_ = Role::Unguarded;
    case InstanceLock::Result::Acquired:
        break;
    }

    // Holding the lock, any socket file here is a leftover of a copy that died.
    QLocalServer::removeServer(socketPath());
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    if (!server_->listen(socketPath())) {
        // Still the one running copy (we hold the lock); we just cannot be reached.
        error_ = server_->errorString();
        delete server_;
        server_ = nullptr;
    }
    return role_ = Role::Primary;
}

void SingleInstance::onNewConnection() {
    while (QLocalSocket* peer = server_->nextPendingConnection()) {
        if (peers_ >= kMaxPeers) {
            peer->abort();
            peer->deleteLater();
            continue;
        }
        ++peers_;
        peer->setReadBufferSize(kMaxLineLength * 8);
        connect(peer, &QObject::destroyed, this, [this] { --peers_; });
        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        connect(peer, &QLocalSocket::readyRead, this, [this, peer] { onPeerReadyRead(peer); });
        // A peer that never finishes is cut off; it must not hold a slot forever.
        auto* timeout = new QTimer(peer);
        timeout->setSingleShot(true);
        connect(timeout, &QTimer::timeout, peer, [peer] {
            peer->abort();
            peer->deleteLater();
        });
        timeout->start(peerTimeoutMs_);
        if (peer->bytesAvailable() > 0) onPeerReadyRead(peer);
    }
}

void SingleInstance::onPeerReadyRead(QLocalSocket* peer) {
    QByteArray buffer = peer->property("pending").toByteArray();
    buffer += peer->read(kMaxLineLength * 4);
    for (qsizetype nl; (nl = buffer.indexOf('\n')) >= 0;) {
        QByteArray line = buffer.left(nl);
        buffer.remove(0, nl + 1);
        if (line.size() > kMaxLineLength) {
            peer->abort();
            peer->deleteLater();
            return;
        }
        if (line.endsWith('\r')) line.chop(1);
        auto message = AppMessageFromName(std::string_view(line.constData(), static_cast<std::size_t>(line.size())));
        if (!message) {
            peer->write(kRejected);
            continue;
        }
        peer->write(kAccepted);
        // Queued: a receiver may open a modal box, and this handler must not be
        // re-entered from its event loop.
        QMetaObject::invokeMethod(this, [this, m = *message] { dispatch(m); }, Qt::QueuedConnection);
    }
    if (buffer.size() > kMaxLineLength) {
        peer->abort();
        peer->deleteLater();
        return;
    }
    peer->setProperty("pending", buffer);
    if (peer->bytesAvailable() > 0)
        QMetaObject::invokeMethod(peer, [this, peer] { onPeerReadyRead(peer); }, Qt::QueuedConnection);
}

void SingleInstance::dispatch(AppMessage message) {
    emit messageReceived(message);
    switch (message) {
    case AppMessage::MainActive:
        emit activateRequested();
        break;
    case AppMessage::MainExit:
        emit exitRequested();
        break;
    case AppMessage::NetworkError0:
    case AppMessage::NetworkError1:
    case AppMessage::NetworkError2:
        emit helpRequested(0);
        break;
    }
}

// ---- Sending ----

PostResult PostAppMessage(AppMessage message, int waitMs, const QString& folder) {
    const QString dir = folder.isEmpty() ? InstanceRuntimeFolder() : folder;
    if (dir.isEmpty()) return PostResult::NotRunning;
    QDeadlineTimer deadline(waitMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(SocketPathIn(dir));
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) break;
        socket.abort();
        if (deadline.hasExpired()) return PostResult::NotRunning;
        QThread::msleep(20);
    }
    socket.write(AppMessageName(message));
    socket.write("\n");
    QByteArray reply;
    while (!reply.contains('\n')) {
        if (socket.bytesToWrite() > 0) socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()));
        if (deadline.hasExpired() || !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            return PostResult::NotRunning;
        reply += socket.readAll();
    }
    socket.disconnectFromServer();
    return reply.startsWith(kAccepted) ? PostResult::Delivered : PostResult::NotRunning;
}

int PostMessageCommand(const std::string& name, std::ostream& err) {
    auto message = AppMessageFromName(name);
    if (!message) {
        err << "norvane: unknown message: " << name << '\n';
        return 2;
    }
    if (PostAppMessage(*message) == PostResult::Delivered) return 0;
    err << "norvane: no running copy took the message\n";
    return 1;
}

}  // namespace norvane
