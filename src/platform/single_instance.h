#pragma once
// One running copy per user, and the small set of messages other processes may
// send it. The running copy listens on a per-user local socket; a lock file
// beside it decides which of two simultaneous starts becomes that copy.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

class QSocketNotifier;

namespace norvane {

class InstancePeer;

inline constexpr char kInstanceName[] = "NORVANE-Main-by-Tobrin";

// The messages the running copy accepts, one name per line on its socket.
enum class AppMessage { MainActive, MainExit, NetworkError0, NetworkError1, NetworkError2 };

inline constexpr char kMainActiveMessage[] = "NORVANE Main Active Message";
inline constexpr char kMainExitMessage[] = "NORVANE Main Exit Message";
inline constexpr char kNetworkError0Message[] = "NORVANE Network Error 0 Message";
inline constexpr char kNetworkError1Message[] = "NORVANE Network Error 1 Message";
inline constexpr char kNetworkError2Message[] = "NORVANE Network Error 2 Message";

std::optional<AppMessage> AppMessageFromName(std::string_view name);
const char* AppMessageName(AppMessage message);

// What one peer sends, cut into lines as the pieces arrive. A peer may send a few
// short lines; one that sends a line too long or too many lines has said all it
// may, and the running copy hangs up. How the bytes were cut into pieces never
// changes the lines.
class PeerLines {
public:
    static constexpr int kMaxLineLength = 128;  // bytes before the "\n", a "\r" included
    static constexpr int kMaxLines = 8;         // a sending copy needs one

    struct Line {
        QByteArray text;                     // without "\n" and a "\r" before it
        std::optional<AppMessage> message;  // the message the line names, if any
    };

    // The lines that `size` more bytes completed, in order; none once ended().
    std::vector<Line> feed(const char* data, std::size_t size);
    // A limit was passed: hang up.
    bool ended() const { return ended_; }

private:
    QByteArray pending_;
    int lines_ = 0;
    bool ended_ = false;
};

// Folder holding the socket and its lock: $NORVANE_RUNTIME_DIR (created 0700),
// else $XDG_RUNTIME_DIR, else a folder of a random name in the temporary folder,
// made 0700 by the first start and recorded in this user's cache folder for
// every later one (one record per machine). Each must be a real directory of
// this user closed to everyone else: one that is not is passed over, and a
// recorded one that is not (or is gone) is replaced by a fresh one, so no other
// user can take the place or switch the guard off. With `create` false nothing is made:
// empty when no folder is recorded yet. A failure when no safe folder can be had.
Result<QString> InstanceRuntimeFolder(bool create = true);
// Creates `path` 0700 if missing; true only when it is then a real directory
// owned by this user and closed to everyone else.
Status EnsurePrivateFolder(const QString& path);

// An exclusive flock on a file; released when the object dies (or the process
// does, which is what frees a crashed copy's claim).
class InstanceLock {
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    enum class Result { Acquired, Busy, Failed };
    // Never waits: Busy when another holder has it.
    Result tryAcquire(const QString& path);
    bool held() const { return fd_ >= 0; }
    void release();

private:
    int fd_ = -1;
};

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role {
        Primary,    // we are the running copy and serve messages
        Secondary,  // another copy runs; tell it and end
        Unguarded,  // no safe place for the socket: run without the guard
    };

    // `folder` empty: InstanceRuntimeFolder().
    explicit SingleInstance(const QString& folder = QString(), QObject* parent = nullptr);
    ~SingleInstance() override;

    Role start();
    Role role() const { return role_; }
    QString errorString() const { return error_; }
    QString socketPath() const;

    // Limits on what a peer may send; defaults suit real use, tests shorten them.
    void setPeerTimeout(int ms) { peerTimeoutMs_ = ms; }
    static constexpr int kMaxLineLength = PeerLines::kMaxLineLength;
    static constexpr int kMaxPeers = 16;
    // Connections taken per wake-up, so that a flood of them never holds up the loop.
    static constexpr int kMaxAcceptsPerWake = 64;

signals:
    // Each message is carried out once however often it arrives while it waits
    // or runs (a modal box of a receiver included).
    void activateRequested();
    void exitRequested();
    // The three network-error messages all ask for the help file at context 0.
    void helpRequested(int context);

private:
    bool listen();
    void closeServer();
    void onNewConnection();
    void onPeerReadyRead(InstancePeer* peer);
    void dispatch(AppMessage message);

    QString folder_;
    InstanceLock lock_;
    int serverFd_ = -1;
    QSocketNotifier* serverNotifier_ = nullptr;
    Role role_ = Role::Unguarded;
    QString error_;
    int peerTimeoutMs_ = 2000;
    int peers_ = 0;
    std::array<bool, 5> busy_{};  // per AppMessage: waiting to be, or being, carried out
};

enum class PostResult { Delivered, NotRunning };

// Sends one message to the running copy and waits for its acknowledgement.
// `folder` empty: InstanceRuntimeFolder(). `waitMs` bounds the whole exchange;
// connecting is retried until then, for a copy that is still starting up.
PostResult PostAppMessage(AppMessage message, int waitMs = 1000, const QString& folder = QString());

// `norvane --post NAME`: 0 delivered, 1 no running copy took it, 2 unknown name.
int PostMessageCommand(const std::string& name, std::ostream& err);

}  // namespace norvane
