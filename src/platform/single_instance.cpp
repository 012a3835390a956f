#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSocketNotifier>
#include <QSysInfo>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <ostream>
#include <poll.h>
#include <pwd.h>
#include <cstdlib>
#include <string>
#include <sys/file.h>
#include <sys/socket.h>
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

Failure Problem(const QString& text) { return {0, text}; }

}  // namespace

namespace {

// A folder is only safe for the socket when it is a real directory, ours, and
// closed to everyone else; otherwise another user could plant a socket there
// and receive our messages.
Status IsPrivateFolder(const QByteArray& native, const QString& path) {
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0) return Failure{errno, QStringLiteral("cannot read %1").arg(path)};
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::getuid() || (st.st_mode & 077) != 0)
        return Problem(QStringLiteral("%1 is not a private folder of this user").arg(path));
    return {};
}

// The user id of the process at the other end of a local socket, or -1.
long long PeerUid(int fd) {
    ucred cred{};
    socklen_t length = sizeof cred;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &length) != 0 || length != sizeof cred) return -1;
    return cred.uid;
}

bool PeerIsThisUser(int fd) { return PeerUid(fd) == static_cast<long long>(::getuid()); }

}  // namespace

Status EnsurePrivateFolder(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return Failure{errno, QStringLiteral("cannot create %1").arg(path)};
    return IsPrivateFolder(native, path);
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

namespace {

// Where the fallback folder's name is kept: the user's cache folder, which no
// one else may write.
Result<QString> RecordFolder() {
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (!QDir::isAbsolutePath(base)) {
        QString home = qEnvironmentVariable("HOME");
        if (home.isEmpty())
            if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) home = QFile::decodeName(pw->pw_dir);
        if (!QDir::isAbsolutePath(home)) return Problem(QStringLiteral("no home folder to keep the instance folder's name in"));
        base = home + QStringLiteral("/.cache");
    }
    QDir().mkpath(base);
    const QString folder = QDir::cleanPath(base) + QStringLiteral("/norvane");
    if (Status made = EnsurePrivateFolder(folder); !made) return made.failure();
    return folder;
}

// The host's name as a file name: a home shared by several machines keeps one
// record for each, as each has its own temporary folder.
QString HostFileName() {
    QString host = QSysInfo::machineHostName().left(64);
    for (QChar& c : host)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('-') && c != QLatin1Char('.')) c = QLatin1Char('_');
    return host.isEmpty() ? QStringLiteral("localhost") : host;
}

// The folder a record names, when the record is a file of ours; empty otherwise.
QString ReadRecord(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return {};
    struct stat st {};
    char text[4096];
    ssize_t n = -1;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid()) n = ::read(fd, text, sizeof text);
    ::close(fd);
    if (n <= 0 || n == static_cast<ssize_t>(sizeof text)) return {};
    const QString folder = QFile::decodeName(QByteArray(text, static_cast<qsizetype>(n)).trimmed());
    return QDir::isAbsolutePath(folder) ? folder : QString();
}

bool WriteRecord(const QString& path, const QString& folder) {
    const QByteArray fresh = QFile::encodeName(path + QStringLiteral(".new"));
    const QByteArray text = QFile::encodeName(folder) + '\n';
    ::unlink(fresh.constData());
    const int fd = ::open(fresh.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const bool written = ::write(fd, text.constData(), static_cast<std::size_t>(text.size())) == text.size();
    const bool closed = ::close(fd) == 0;
    if (written && closed && ::rename(fresh.constData(), QFile::encodeName(path).constData()) == 0) return true;
    ::unlink(fresh.constData());
    return false;
}

// The recorded folder when it is still a private folder of ours; else (with
// `create`) a fresh one, recorded. Starts that meet here take turns on a lock
// beside the record, so that they all come away with the same folder.
Result<QString> RecordedFolder(bool create) {
    const Result<QString> records = RecordFolder();
    if (!records) return records;
    const QString record = *records + QStringLiteral("/runtime-") + HostFileName();
    InstanceLock turn;
    QDeadlineTimer wait(3000);
    for (;;) {
        const InstanceLock::Result r = turn.tryAcquire(record + QStringLiteral(".lock"));
        if (r == InstanceLock::Result::Acquired) break;
        if (r == InstanceLock::Result::Failed || wait.hasExpired())
            return Problem(QStringLiteral("cannot lock %1.lock").arg(record));
        QThread::msleep(5);
    }
    const QString recorded = ReadRecord(record);
    if (!recorded.isEmpty() && IsPrivateFolder(QFile::encodeName(recorded), recorded)) return recorded;
    if (!create) return QString();
    // A random name no one else can have made first; mkdtemp makes it 0700.
    QByteArray pattern = QFile::encodeName(QDir::tempPath() + QStringLiteral("/norvane-%1-XXXXXX").arg(::getuid()));
    if (::mkdtemp(pattern.data()) == nullptr)
        return Failure{errno, QStringLiteral("cannot create a folder in %1").arg(QDir::tempPath())};
    const QString fresh = QFile::decodeName(pattern);
    if (Status safe = IsPrivateFolder(pattern, fresh); !safe) return safe.failure();
    if (!WriteRecord(record, fresh)) {
        ::rmdir(pattern.constData());
        return Problem(QStringLiteral("cannot write %1").arg(record));
    }
    return fresh;
}

}  // namespace

Result<QString> InstanceRuntimeFolder(bool create) {
    const QString own = QDir::cleanPath(qEnvironmentVariable("NORVANE_RUNTIME_DIR"));
    // The folder asked for, and then the session's runtime folder, unless it is
    // one that others may enter.
    if (!own.isEmpty() && own != QLatin1String(".")) {
        QDir().mkpath(QFileInfo(own).path());
        if (EnsurePrivateFolder(own)) return own;
    }
    const QString xdg = QDir::cleanPath(qEnvironmentVariable("XDG_RUNTIME_DIR"));
    if (!xdg.isEmpty() && xdg != QLatin1String(".") && IsPrivateFolder(QFile::encodeName(xdg), xdg))
        return xdg;
    return RecordedFolder(create);
}

// ---- PeerLines ----

std::vector<PeerLines::Line> PeerLines::feed(const char* data, std::size_t size) {
    std::vector<Line> lines;
    if (ended_) return lines;
    pending_.append(data, static_cast<qsizetype>(size));
    qsizetype start = 0;
    while (!ended_) {
        const qsizetype nl = pending_.indexOf('\n', start);
        // A line (with any "\r") longer than the limit ends the peer, whether or
        // not its end has come yet: the same wherever the pieces were cut.
        if ((nl < 0 ? pending_.size() : nl) - start > kMaxLineLength) {
            ended_ = true;
            break;
        }
        if (nl < 0) break;
        Line line;
        line.text = pending_.mid(start, nl - start);
        if (line.text.endsWith('\r')) line.text.chop(1);
        line.message =
            AppMessageFromName(std::string_view(line.text.constData(), static_cast<std::size_t>(line.text.size())));
        lines.push_back(std::move(line));
        start = nl + 1;
        if (++lines_ >= kMaxLines) ended_ = true;
    }
    if (ended_)
        pending_.clear();
    else
        pending_.remove(0, start);
    return lines;
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

// One connected sender: its socket, what it sent so far without a line end,
// and the timer that cuts it off when it never finishes.
class InstancePeer : public QObject {
public:
    InstancePeer(int fd, QObject* parent) : QObject(parent), fd_(fd), notifier_(fd, QSocketNotifier::Read, this) {}
    ~InstancePeer() override { ::close(fd_); }
    InstancePeer(const InstancePeer&) = delete;
    InstancePeer& operator=(const InstancePeer&) = delete;

    int fd() const { return fd_; }
    QSocketNotifier& notifier() { return notifier_; }
    PeerLines lines;
    QTimer timeout;

    // Stops listening at once; the object goes when control is back in the loop.
    void drop() {
        notifier_.setEnabled(false);
        timeout.stop();
        deleteLater();
    }
    void reply(const char* text) {
        // Replies are a few bytes into an empty buffer; a peer that stopped
        // reading simply misses its answer.
        (void)!::send(fd_, text, std::strlen(text), MSG_NOSIGNAL | MSG_DONTWAIT);
    }

private:
    int fd_;
    QSocketNotifier notifier_;
};

SingleInstance::SingleInstance(const QString& folder, QObject* parent) : QObject(parent), folder_(folder) {}

SingleInstance::~SingleInstance() {
    // Remove the socket before letting go of the lock, so a copy starting right
    // now never finds our socket half gone.
    closeServer();
    lock_.release();
}

QString SingleInstance::socketPath() const { return folder_.isEmpty() ? QString() : SocketPathIn(folder_); }

SingleInstance::Role SingleInstance::start() {
    if (serverFd_ >= 0 || lock_.held()) return role_;
    if (folder_.isEmpty()) {
        const Result<QString> folder = InstanceRuntimeFolder();
        if (!folder) {
            error_ = folder.failure().message;
            return role_ = Role::Unguarded;
        }
        folder_ = *folder;
    }
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
    // Failing to listen still leaves us the one running copy (we hold the
    // lock); we just cannot be reached.
    listen();
    return role_ = Role::Primary;
}

bool SingleInstance::listen() {
    const QByteArray path = QFile::encodeName(socketPath());
    // Holding the lock, any socket file here is a leftover of a copy that died.
    ::unlink(path.constData());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error_ = QStringLiteral("cannot create a socket: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    // Nobody can connect before listen(), and by then only this user may.
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::chmod(path.constData(), 0600) != 0 ||
        ::listen(fd, kMaxPeers) != 0) {
        error_ = QStringLiteral("cannot listen on %1: %2")
                     .arg(socketPath(), QString::fromLocal8Bit(std::strerror(errno)));
        ::close(fd);
        ::unlink(path.constData());
        return false;
    }
    serverFd_ = fd;
    serverNotifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(serverNotifier_, &QSocketNotifier::activated, this, &SingleInstance::onNewConnection);
    return true;
}

void SingleInstance::closeServer() {
    if (serverFd_ < 0) return;
    delete serverNotifier_;
    serverNotifier_ = nullptr;
    const QObjectList children = this->children();
    for (QObject* child : children) delete dynamic_cast<InstancePeer*>(child);
    ::close(serverFd_);
    serverFd_ = -1;
    ::unlink(QFile::encodeName(socketPath()).constData());
}

void SingleInstance::onNewConnection() {
    // Whatever is left waits for the next wake-up; the loop and its clock go on.
    for (int taken = 0; taken < kMaxAcceptsPerWake; ++taken) {
        const int fd = ::accept4(serverFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED) continue;
            return;  // EAGAIN: all taken; anything else: try again on the next wake
        }
        // Only this user's own processes may drive the window, even when the
        // socket's folder or mode let others reach it.
        if (peers_ >= kMaxPeers || !PeerIsThisUser(fd)) {
            ::close(fd);
            continue;
        }
        ++peers_;
        auto* peer = new InstancePeer(fd, this);
        connect(peer, &QObject::destroyed, this, [this] { --peers_; });
        connect(&peer->notifier(), &QSocketNotifier::activated, this, [this, peer] { onPeerReadyRead(peer); });
        // A peer that never finishes is cut off; it must not hold a slot forever.
        peer->timeout.setSingleShot(true);
        connect(&peer->timeout, &QTimer::timeout, peer, &InstancePeer::drop);
        peer->timeout.start(peerTimeoutMs_);
    }
}

void SingleInstance::onPeerReadyRead(InstancePeer* peer) {
    char chunk[kMaxLineLength * 4];
    const ssize_t n = ::recv(peer->fd(), chunk, sizeof chunk, 0);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return;
    if (n <= 0) {  // the peer is done (or gone)
        peer->drop();
        return;
    }
    for (const PeerLines::Line& line : peer->lines.feed(chunk, static_cast<std::size_t>(n))) {
        if (!line.message) {
            peer->reply(kRejected);
            continue;
        }
        peer->reply(kAccepted);
        // Queued: a receiver may open a modal box, and this handler must not be
        // re-entered from its event loop. A message already waiting or being
        // carried out is not queued again: it would only do the same once more,
        // and a flood of lines must not pile up work (or boxes) without end.
        const auto index = static_cast<std::size_t>(*line.message);
        if (busy_[index]) continue;
        busy_[index] = true;
        QMetaObject::invokeMethod(
            this,
            [this, index, m = *line.message] {
                const QPointer<SingleInstance> alive(this);
                dispatch(m);
                if (alive) busy_[index] = false;
            },
            Qt::QueuedConnection);
    }
    if (peer->lines.ended()) peer->drop();
}

void SingleInstance::dispatch(AppMessage message) {
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

namespace {

// A connected client socket, or -1 when nothing listens at `path` by `deadline`
// (connecting is retried, for a copy that is still starting up).
int ConnectBy(const QByteArray& path, const QDeadlineTimer& deadline) {
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (static_cast<std::size_t>(path.size()) >= sizeof addr.sun_path) return -1;
    std::memcpy(addr.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    for (;;) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return -1;
        if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) {
            // A socket of another user is not our running copy: tell it nothing.
            if (PeerIsThisUser(fd)) return fd;
            ::close(fd);
            return -1;
        }
        ::close(fd);
        if (deadline.hasExpired()) return -1;
        QThread::msleep(20);
    }
}

bool WaitFor(int fd, short events, const QDeadlineTimer& deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int rc = ::poll(&p, 1, static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0)));
        if (rc > 0) return true;
        if (rc == 0 || errno != EINTR) return false;
    }
}

}  // namespace

namespace {

enum class Exchange { Accepted, Refused, HungUp };

// One connection: the message out, the answer back.
Exchange SendOnce(int fd, AppMessage message, const QDeadlineTimer& deadline) {
    std::string out = AppMessageName(message);
    out += '\n';
    std::size_t sent = 0;
    while (sent < out.size()) {
        if (!WaitFor(fd, POLLOUT, deadline)) break;
        const ssize_t n = ::send(fd, out.data() + sent, out.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        sent += static_cast<std::size_t>(n);
    }
    std::string reply;
    while (sent == out.size() && reply.find('\n') == std::string::npos && WaitFor(fd, POLLIN, deadline)) {
        char buf[64];
        const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        reply.append(buf, static_cast<std::size_t>(n));
    }
    if (reply.rfind(kAccepted, 0) == 0) return Exchange::Accepted;
    return reply.empty() ? Exchange::HungUp : Exchange::Refused;
}

}  // namespace

PostResult PostAppMessage(AppMessage message, int waitMs, const QString& folder) {
    // Only a folder some start has made can hold a running copy.
    const Result<QString> dir = folder.isEmpty() ? InstanceRuntimeFolder(false) : Result<QString>(folder);
    if (!dir || dir->isEmpty()) return PostResult::NotRunning;
    QDeadlineTimer deadline(waitMs);
    const QByteArray path = QFile::encodeName(SocketPathIn(*dir));
    for (;;) {
        const int fd = ConnectBy(path, deadline);
        if (fd < 0) return PostResult::NotRunning;
        const Exchange answer = SendOnce(fd, message, deadline);
        ::close(fd);
        if (answer == Exchange::Accepted) return PostResult::Delivered;
        // A copy busy with other callers hangs up before reading: ask again while there is time.
        if (answer == Exchange::Refused || deadline.hasExpired()) return PostResult::NotRunning;
        QThread::msleep(20);
    }
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
