#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <future>
#include <memory>
#include <utility>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace norvane {
namespace {

using namespace std::chrono_literals;

void Pump(int ms) {
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Runs `f` on another thread while this thread's event loop keeps serving.
template <class F>
auto OffThread(F f) {
    auto future = std::async(std::launch::async, f);
    QDeadlineTimer deadline(15000);
    while (future.wait_for(0ms) != std::future_status::ready && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    auto result = future.get();
    Pump(30);  // let queued deliveries run
    return result;
}

// Counts what the running copy passes on to the window, whatever is asked.
void CountRequests(SingleInstance& instance, int& count) {
    QObject::connect(&instance, &SingleInstance::activateRequested, [&count] { ++count; });
    QObject::connect(&instance, &SingleInstance::exitRequested, [&count] { ++count; });
    QObject::connect(&instance, &SingleInstance::helpRequested, [&count] { ++count; });
}

// A peer speaking the raw socket protocol, without any of our client code.
class RawPeer {
public:
    explicit RawPeer(const QString& path) : fd_(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        const QByteArray native = QFile::encodeName(path);
        std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", native.constData());
        connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    }
    ~RawPeer() { ::close(fd_); }
    bool connected() const { return connected_; }
    void send(const std::string& data) { (void)!::send(fd_, data.data(), data.size(), MSG_NOSIGNAL); }
    // Reads until `lines` newlines arrived, the server closed, or the time ran out.
    std::string read(int lines, int timeoutMs, bool* closed = nullptr) {
        std::string got;
        QDeadlineTimer deadline(timeoutMs);
        while (std::count(got.begin(), got.end(), '\n') < lines && !deadline.hasExpired()) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(deadline.remainingTime())) <= 0) break;
            char buf[256];
            const ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
            if (n <= 0) {
                if (closed) *closed = true;
                break;
            }
            got.append(buf, static_cast<std::size_t>(n));
        }
        return got;
    }

private:
    int fd_;
    bool connected_ = false;
};

class SingleInstanceTest : public ::testing::Test {
protected:
    QString folder() const { return dir_.path(); }
    PostResult Post(AppMessage m, int waitMs = 1000) {
        const QString f = folder();
        return OffThread([=] { return PostAppMessage(m, waitMs, f); });
    }

    QTemporaryDir dir_;
};

TEST(AppMessages, NamesRoundTripAndNothingElseMatches) {
    for (auto m : {AppMessage::MainActive, AppMessage::MainExit, AppMessage::NetworkError0, AppMessage::NetworkError1,
                   AppMessage::NetworkError2})
        EXPECT_EQ(AppMessageFromName(AppMessageName(m)), m);
    EXPECT_EQ(AppMessageFromName("NORVANE Main Active Message"), AppMessage::MainActive);
    EXPECT_FALSE(AppMessageFromName("norvane main active message"));
    EXPECT_FALSE(AppMessageFromName("NORVANE Main Active Message "));
    EXPECT_FALSE(AppMessageFromName("NORVANE Network Error 3 Message"));
    EXPECT_FALSE(AppMessageFromName(""));
}

TEST_F(SingleInstanceTest, SecondStartFindsTheFirstAndActivatesIt) {
    SingleInstance first(folder());
    ASSERT_EQ(first.start(), SingleInstance::Role::Primary);
    EXPECT_TRUE(first.errorString().isEmpty());
    SingleInstance second(folder());
    EXPECT_EQ(second.start(), SingleInstance::Role::Secondary);

    int activations = 0;
    QObject::connect(&first, &SingleInstance::activateRequested, [&] { ++activations; });
    EXPECT_EQ(Post(AppMessage::MainActive), PostResult::Delivered);
    EXPECT_EQ(activations, 1);
}

TEST_F(SingleInstanceTest, EachMessageRaisesItsSignal) {
    SingleInstance instance(folder());
    ASSERT_EQ(instance.start(), SingleInstance::Role::Primary);
    std::vector<std::string> seen;
    QObject::connect(&instance, &SingleInstance::activateRequested, [&] { seen.push_back("activate"); });
    QObject::connect(&instance, &SingleInstance::exitRequested, [&] { seen.push_back("exit"); });
    QObject::connect(&instance, &SingleInstance::helpRequested,
                     [&](int c) { seen.push_back("help " + std::to_string(c)); });

    const AppMessage sent[] = {AppMessage::MainExit, AppMessage::NetworkError0, AppMessage::NetworkError1,
                               AppMessage::NetworkError2, AppMessage::MainActive};
    for (auto m : sent) EXPECT_EQ(Post(m), PostResult::Delivered);
    EXPECT_EQ(seen, (std::vector<std::string>{"exit", "help 0", "help 0", "help 0", "activate"}));
}

TEST_F(SingleInstanceTest, LinesMayArriveInPiecesAndSeveralToAConnection) {
    SingleInstance instance(folder());
    ASSERT_EQ(instance.start(), SingleInstance::Role::Primary);
    int activations = 0, exits = 0;
    QObject::connect(&instance, &SingleInstance::activateRequested, [&] { ++activations; });
    QObject::connect(&instance, &SingleInstance::exitRequested, [&] { ++exits; });
    const QString path = instance.socketPath();
    const std::string reply = OffThread([path] {
        RawPeer peer(path);
        peer.send("NORVANE Main ");
        std::this_thread::sleep_for(50ms);
        peer.send("Active Message\r\nNORVANE Main Exit Message\n");
        return peer.read(2, 2000);
    });
    EXPECT_EQ(reply, "OK\nOK\n");
    EXPECT_EQ(activations, 1);
    EXPECT_EQ(exits, 1);
}

TEST_F(SingleInstanceTest, UnknownTextIsRefusedAndServingGoesOn) {
    SingleInstance instance(folder());
    ASSERT_EQ(instance.start(), SingleInstance::Role::Primary);
    int messages = 0;
    CountRequests(instance, messages);
    const QString path = instance.socketPath();
    const std::string reply = OffThread([path] {
        RawPeer peer(path);
        peer.send("hello\n\nNORVANE Main Active\n\x01\xff\xfe\n");
        return peer.read(4, 2000);
    });
    EXPECT_EQ(reply, "ERR\nERR\nERR\nERR\n");
    EXPECT_EQ(messages, 0);
    EXPECT_EQ(Post(AppMessage::MainActive), PostResult::Delivered);
    EXPECT_EQ(messages, 1);
}

TEST_F(SingleInstanceTest, OverlongLineDropsThePeer) {
    SingleInstance instance(folder());
    ASSERT_EQ(instance.start(), SingleInstance::Role::Primary);
    int messages = 0;
    CountRequests(instance, messages);
    const QString path = instance.socketPath();
    for (const std::string tail : {"", "\n"}) {  // with and without an end of line
        const bool closed = OffThread([path, tail] {
            RawPeer peer(path);
            // A valid name buried in a line that is too long must not count.
            peer.send(std::string(100000, 'A') + "NORVANE Main Active Message" + tail);
            bool c = false;
            peer.read(1, 3000, &c);
            return c;
        });
        EXPECT_TRUE(closed);
    }
    EXPECT_EQ(messages, 0);
    EXPECT_EQ(Post(AppMessage::MainActive), PostResult::Delivered);
    EXPECT_EQ(messages, 1);
}

TEST_F(SingleInstanceTest, SilentPeerIsCutOffWhileOthersAreServed) {
    SingleInstance instance(folder());
    instance.setPeerTimeout(300);
    ASSERT_EQ(instance.start(), SingleInstance::Role::Primary);
    const QString path = instance.socketPath();
    auto silent = std::async(std::launch::async, [path] {
        RawPeer peer(path);
        peer.send("NORVANE Main Act");  // never finished
        bool closed = false;
        const auto start = std::chrono::steady_clock::now();
        peer.read(1, 5000, &closed);
        return std::make_pair(closed, std::chrono::steady_clock::now() - start);
    });
    Pump(50);
    EXPECT_EQ(Post(AppMessage::MainActive), PostResult::Delivered);
    while (silent.wait_for(0ms) != std::future_status::ready) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const auto [closed, waited] = silent.get();
    EXPECT_TRUE(closed);
    EXPECT_LT(waited, 3s);
}

// Leaves a socket file with nobody listening, as a copy that crashed would.
void PlantStaleSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", QFile::encodeName(path).constData());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(path));
}

TEST_F(SingleInstanceTest, StaleSocketIsNotARunningCopyAndGetsReplaced) {
    const QString path = folder() + "/NORVANE-Main-by-Tobrin";
    PlantStaleSocket(path);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Post(AppMessage::MainActive, 300), PostResult::NotRunning);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);

    SingleInstance instance(folder());
    ASSERT_EQ(instance.start(), SingleInstance::Role::Primary);
    EXPECT_TRUE(instance.errorString().isEmpty()) << instance.errorString().toStdString();
    EXPECT_EQ(Post(AppMessage::MainActive), PostResult::Delivered);
}

TEST_F(SingleInstanceTest, CleanEndRemovesTheSocket) {
    {
        SingleInstance instance(folder());
        ASSERT_EQ(instance.start(), SingleInstance::Role::Primary);
        EXPECT_TRUE(QFile::exists(instance.socketPath()));
    }
    EXPECT_FALSE(QFile::exists(folder() + "/NORVANE-Main-by-Tobrin"));
    SingleInstance next(folder());
    EXPECT_EQ(next.start(), SingleInstance::Role::Primary);
}

QProcess* StartProbe(const QString& folder, int serveMs, int expected = -1) {
    auto* p = new QProcess;
    p->start(QStringLiteral(INSTANCE_PROBE), {folder, QString::number(serveMs), QString::number(expected)});
    return p;
}

TEST_F(SingleInstanceTest, KilledCopyDoesNotBlockTheNextStart) {
    std::unique_ptr<QProcess> probe(StartProbe(folder(), 20000));
    ASSERT_TRUE(probe->waitForReadyRead(5000));
    ASSERT_EQ(probe->readLine().trimmed(), "primary");
    SingleInstance blocked(folder());
    EXPECT_EQ(blocked.start(), SingleInstance::Role::Secondary);

    ::kill(static_cast<pid_t>(probe->processId()), SIGKILL);
    probe->waitForFinished(5000);
    ASSERT_TRUE(QFile::exists(folder() + "/NORVANE-Main-by-Tobrin"));  // left behind

    SingleInstance next(folder());
    ASSERT_EQ(next.start(), SingleInstance::Role::Primary);
    EXPECT_EQ(Post(AppMessage::MainActive), PostResult::Delivered);
}

// Starts `count` copies at once in `folder` (empty: each finds its own way);
// how many became the running copy and how many delivered their activation.
struct Starts {
    int primaries = 0, delivered = 0;
    QByteArray primaryOutput;
};
Starts StartAtOnce(const QString& folder, int count) {
    std::vector<std::unique_ptr<QProcess>> probes;
    for (int i = 0; i < count; ++i) probes.emplace_back(StartProbe(folder, 3000, count - 1));
    Starts r;
    for (auto& p : probes) {
        EXPECT_TRUE(p->waitForFinished(15000));
        const QByteArray out = p->readAllStandardOutput();
        if (p->exitCode() == 0) {
            ++r.primaries;
            r.primaryOutput = out;
        } else if (p->exitCode() == 3) {
            ++r.delivered;
        } else {
            ADD_FAILURE() << "probe exit " << p->exitCode() << " " << p->readAllStandardError().toStdString();
        }
    }
    return r;
}

TEST_F(SingleInstanceTest, SimultaneousStartsLeaveExactlyOneRunning) {
    const Starts r = StartAtOnce(folder(), 4);
    EXPECT_EQ(r.primaries, 1);
    EXPECT_EQ(r.delivered, 3);
    // Activations that arrive while one waits are carried out once.
    EXPECT_TRUE(r.primaryOutput.contains("received 1") || r.primaryOutput.contains("received 2") ||
                r.primaryOutput.contains("received 3"))
        << r.primaryOutput.toStdString();
}

TEST_F(SingleInstanceTest, MessagesArrivingWhileOneIsCarriedOutAreNotStackedOnIt) {
    SingleInstance instance(folder());
    ASSERT_EQ(instance.start(), SingleInstance::Role::Primary);
    // The receiver opens a "modal box": an event loop of its own, for a while.
    int runs = 0, depth = 0, deepest = 0;
    QObject::connect(&instance, &SingleInstance::helpRequested, [&] {
        ++runs;
        deepest = std::max(deepest, ++depth);
        QEventLoop box;
        QTimer::singleShot(100, &box, &QEventLoop::quit);
        box.exec();
        --depth;
    });
    const QString path = instance.socketPath();
    const int accepted = OffThread([path] {
        int ok = 0;
        for (int c = 0; c < 4; ++c) {
            RawPeer peer(path);
            std::string lines;
            for (int i = 0; i < 8; ++i) lines += std::string(kNetworkError0Message) + "\n";
            peer.send(lines);
            const std::string reply = peer.read(8, 3000);
            for (std::size_t at = 0; (at = reply.find("OK\n", at)) != std::string::npos; at += 3) ++ok;
        }
        return ok;
    });
    Pump(300);
    EXPECT_EQ(accepted, 32);  // every line is answered
    EXPECT_EQ(deepest, 1);    // no box on top of a box
    EXPECT_LE(runs, 2);
}

TEST_F(SingleInstanceTest, AFloodOfPeersNeverHoldsUpTheClockNorHidesTheRunningCopy) {
    SingleInstance instance(folder());
    ASSERT_EQ(instance.start(), SingleInstance::Role::Primary);
    int messages = 0;
    CountRequests(instance, messages);

    QProcess flood;
    flood.start(QStringLiteral(INSTANCE_PROBE), {"--flood", folder(), "3000"});
    ASSERT_TRUE(flood.waitForStarted(5000));
    // The clock's tick, timed as the window runs it, while the flood lasts.
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(100);
    QElapsedTimer sinceTick;
    qint64 worstDelay = 0;
    int ticks = 0;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        worstDelay = std::max(worstDelay, sinceTick.restart() - 100);
        ++ticks;
    });
    sinceTick.start();
    tick.start();
    // A second start in the middle of it.
    std::unique_ptr<QProcess> second;
    QTimer::singleShot(1000, [&] { second.reset(StartProbe(folder(), 1000)); });
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (flood.state() == QProcess::NotRunning && second && second->state() == QProcess::NotRunning) loop.quit();
    });
    check.start(50);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    tick.stop();

    ASSERT_TRUE(second && second->state() == QProcess::NotRunning);
    EXPECT_TRUE(second->exitCode() == 3 || second->exitCode() == 4)
        << "the second start did not see the running copy: exit " << second->exitCode();
    EXPECT_LT(worstDelay, 100) << "the tick came late";
    EXPECT_GT(ticks, 20);
    const QByteArray flooded = flood.readAllStandardOutput().trimmed();
    std::printf("flood: %s; %d messages taken; worst tick delay %lld ms over %d ticks; second start %s\n",
                flooded.constData(), messages, static_cast<long long>(worstDelay), ticks,
                second->exitCode() == 3 ? "delivered its message" : "was told no");
    // The copy still serves once the flood is over.
    EXPECT_EQ(Post(AppMessage::MainActive), PostResult::Delivered);
}

// Runs `body` in a child process as the user "nobody"; its exit status. The
// event loop goes on meanwhile, so that the running copy can serve.
int AsAnotherUser(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(99);
        ::_exit(body());
    }
    int status = 0;
    QDeadlineTimer deadline(10000);
    while (::waitpid(child, &status, WNOHANG) == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(SingleInstanceTest, AnotherUserCanNeitherDriveTheWindowNorPoseAsTheRunningCopy) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to run a peer as another user";
    // Folders and a socket that others may reach, as a careless setup could leave them.
    ::chmod(QFile::encodeName(folder()).constData(), 0711);
    SingleInstance instance(folder());
    ASSERT_EQ(instance.start(), SingleInstance::Role::Primary);
    ::chmod(QFile::encodeName(instance.socketPath()).constData(), 0666);
    int messages = 0;
    CountRequests(instance, messages);

    // 0: hung up on without an answer; 1: answered; 2: could not even connect.
    const QString path = instance.socketPath();
    const int foreignPeer = AsAnotherUser([path] {
        RawPeer peer(path);
        if (!peer.connected()) return 2;
        peer.send(std::string(kMainExitMessage) + "\n");
        bool closed = false;
        const std::string reply = peer.read(1, 3000, &closed);
        return reply.empty() && closed ? 0 : 1;
    });
    Pump(50);
    EXPECT_EQ(foreignPeer, 0);
    EXPECT_EQ(messages, 0);
    EXPECT_EQ(Post(AppMessage::MainActive), PostResult::Delivered);  // the owner still gets through

    // A listener of another user where the socket should be is not our copy:
    // nothing is sent to it.
    const QString open = folder() + "/open";
    ASSERT_EQ(::mkdir(QFile::encodeName(open).constData(), 0777), 0);
    ::chmod(QFile::encodeName(open).constData(), 0777);
    const QByteArray impostor = QFile::encodeName(open + "/NORVANE-Main-by-Tobrin");
    auto posted = std::async(std::launch::async, [open] {
        QDeadlineTimer wait(5000);
        while (!QFile::exists(open + "/NORVANE-Main-by-Tobrin") && !wait.hasExpired()) QThread::msleep(5);
        return PostAppMessage(AppMessage::MainActive, 500, open);
    });
    const int heard = AsAnotherUser([impostor] {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", impostor.constData());
        if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(fd, 4) != 0) return 2;
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 3000) <= 0) return 0;
        const int peer = ::accept(fd, nullptr, nullptr);
        pollfd q{peer, POLLIN, 0};
        char buf[64];
        return ::poll(&q, 1, 1000) > 0 && ::recv(peer, buf, sizeof buf, 0) > 0 ? 1 : 0;
    });
    EXPECT_EQ(heard, 0) << "the message went to another user's socket";
    EXPECT_EQ(posted.get(), PostResult::NotRunning);
}

// Environment variables changed for one test and put back after it.
class ScopedEnv {
public:
    ScopedEnv() = default;
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ~ScopedEnv() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second.isNull())
                qunsetenv(it->first.constData());
            else
                qputenv(it->first.constData(), it->second);
        }
    }
    void Set(const char* name, const QByteArray& value) {
        saved_.emplace_back(name, qgetenv(name));
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }

private:
    std::vector<std::pair<QByteArray, QByteArray>> saved_;
};

// No folder asked for and no session folder: the fallback, with this test's
// own home (where the fallback is recorded) and temporary folder.
class FallbackFolderTest : public ::testing::Test {
protected:
    FallbackFolderTest() {
        env_.Set("NORVANE_RUNTIME_DIR", {});
        env_.Set("XDG_RUNTIME_DIR", {});
        env_.Set("XDG_CACHE_HOME", {});
        env_.Set("HOME", QFile::encodeName(home_.path()));
        env_.Set("TMPDIR", QFile::encodeName(tmp_.path()));
    }
    static bool Private(const QString& path) { return !path.isEmpty() && EnsurePrivateFolder(path).ok(); }
    // One copy runs in `folder` and a second start there finds it.
    static void ExactlyOneRuns() {
        SingleInstance first;
        ASSERT_EQ(first.start(), SingleInstance::Role::Primary) << first.errorString().toStdString();
        SingleInstance second;
        EXPECT_EQ(second.start(), SingleInstance::Role::Secondary);
        EXPECT_EQ(second.socketPath(), first.socketPath());
        EXPECT_EQ(OffThread([] { return PostAppMessage(AppMessage::MainActive, 1000); }), PostResult::Delivered);
    }

    QTemporaryDir home_, tmp_;
    ScopedEnv env_;
};

TEST_F(FallbackFolderTest, TheSessionFolderIsUsedOnlyWhenItIsPrivate) {
    QTemporaryDir session;
    const QByteArray native = QFile::encodeName(session.path());
    env_.Set("XDG_RUNTIME_DIR", native);
    ::chmod(native.constData(), 0700);
    EXPECT_EQ(*InstanceRuntimeFolder(), session.path());
    ::chmod(native.constData(), 0755);
    const QString fallback = *InstanceRuntimeFolder();
    EXPECT_NE(fallback, session.path());
    EXPECT_TRUE(Private(fallback)) << fallback.toStdString();

    // A folder asked for is held to the same rule.
    const QString asked = tmp_.path() + "/asked";
    env_.Set("NORVANE_RUNTIME_DIR", QFile::encodeName(asked));
    EXPECT_EQ(*InstanceRuntimeFolder(), asked);
    ::chmod(QFile::encodeName(asked).constData(), 0777);
    EXPECT_EQ(*InstanceRuntimeFolder(), fallback);
}

// Another local user may make any folder of a name known beforehand, or one
// like ours where ours was (after the temporary folder was cleared). None of
// them is ever used, the guard is never switched off, and two copies never run.
TEST_F(FallbackFolderTest, NoOtherUserCanTakeThePlaceOrSwitchTheGuardOff) {
    const bool root = ::geteuid() == 0;
    // The name an earlier fallback used, made first by someone else.
    const QByteArray known = QFile::encodeName(tmp_.path() + QStringLiteral("/norvane-%1").arg(::getuid()));
    ASSERT_EQ(::mkdir(known.constData(), 0777), 0);
    ::chmod(known.constData(), 0777);
    if (root) {
        ASSERT_EQ(::chown(known.constData(), 65534, 65534), 0);
    }

    const Result<QString> made = InstanceRuntimeFolder();
    ASSERT_TRUE(made.ok()) << made.failure().message.toStdString();
    const QString folder = *made;
    ASSERT_TRUE(Private(folder)) << folder.toStdString();
    EXPECT_NE(QFile::encodeName(folder), known);
    EXPECT_TRUE(folder.startsWith(tmp_.path() + "/norvane-")) << folder.toStdString();
    EXPECT_EQ(*InstanceRuntimeFolder(), folder);  // recorded: every start finds the same
    EXPECT_EQ(*InstanceRuntimeFolder(false), folder);
    ExactlyOneRuns();

    // Where the recorded folder was, someone else's folder, a mode 777 one, a link.
    QTemporaryDir elsewhere;
    ::chmod(QFile::encodeName(elsewhere.path()).constData(), 0700);
    const struct {
        const char* what;
        bool needsRoot;
        std::function<void(const QByteArray&)> plant;
    } cases[] = {
        {"another user's folder", true,
         [](const QByteArray& at) {
             ASSERT_EQ(::mkdir(at.constData(), 0700), 0);
             ASSERT_EQ(::chown(at.constData(), 65534, 65534), 0);
         }},
        {"a folder open to all", false,
         [](const QByteArray& at) {
             ASSERT_EQ(::mkdir(at.constData(), 0700), 0);
             ::chmod(at.constData(), 0777);
         }},
        {"a link to a private folder", false,
         [&](const QByteArray& at) {
             ASSERT_EQ(::symlink(QFile::encodeName(elsewhere.path()).constData(), at.constData()), 0);
         }},
    };
    QString recorded = folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.needsRoot && !root) continue;
        QDir(recorded).removeRecursively();
        const QByteArray at = QFile::encodeName(recorded);
        c.plant(at);
        const QString fresh = *InstanceRuntimeFolder();
        EXPECT_TRUE(Private(fresh)) << fresh.toStdString();
        EXPECT_NE(fresh, recorded);
        EXPECT_EQ(*InstanceRuntimeFolder(false), fresh);
        ExactlyOneRuns();
        ::unlink(at.constData());
        ::rmdir(at.constData());
        recorded = fresh;
    }
}

TEST_F(FallbackFolderTest, SimultaneousFirstStartsAgreeOnOneFolder) {
    EXPECT_TRUE(InstanceRuntimeFolder(false)->isEmpty());  // nothing recorded yet
    const Starts r = StartAtOnce(QString(), 4);
    EXPECT_EQ(r.primaries, 1);
    EXPECT_EQ(r.delivered, 3);
    EXPECT_EQ(QDir(tmp_.path()).entryList({"norvane-*"}, QDir::Dirs).size(), 1);
}

TEST(InstanceLock, OnlyOneHolderAtATimeEvenWithinOneProcess) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/x.lock";
    InstanceLock a, b;
    EXPECT_EQ(a.tryAcquire(path), InstanceLock::Result::Acquired);
    EXPECT_EQ(b.tryAcquire(path), InstanceLock::Result::Busy);
    EXPECT_FALSE(b.held());
    a.release();
    EXPECT_EQ(b.tryAcquire(path), InstanceLock::Result::Acquired);
    EXPECT_EQ(a.tryAcquire(dir.path() + "/missing/x.lock"), InstanceLock::Result::Failed);
}

TEST(RuntimeFolder, SharedFolderMustBeOursAndClosed) {
    QTemporaryDir dir;
    const QString fresh = dir.path() + "/fresh";
    EXPECT_TRUE(EnsurePrivateFolder(fresh).ok());
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(fresh).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    const QString open = dir.path() + "/open";
    ASSERT_EQ(::mkdir(QFile::encodeName(open).constData(), 0700), 0);
    ::chmod(QFile::encodeName(open).constData(), 0755);
    const Status refused = EnsurePrivateFolder(open);
    ASSERT_FALSE(refused.ok());
    EXPECT_FALSE(refused.failure().message.isEmpty());

    const QString link = dir.path() + "/link";
    ASSERT_EQ(::symlink(QFile::encodeName(fresh).constData(), QFile::encodeName(link).constData()), 0);
    EXPECT_FALSE(EnsurePrivateFolder(link).ok());
}

TEST_F(SingleInstanceTest, PostCommandExitStatuses) {
    qputenv("NORVANE_RUNTIME_DIR", folder().toLocal8Bit());
    std::ostringstream err;
    EXPECT_EQ(PostMessageCommand("NORVANE Main Typo Message", err), 2);
    EXPECT_NE(err.str().find("unknown message"), std::string::npos);
    EXPECT_EQ(OffThread([&] { return PostMessageCommand(kMainExitMessage, err); }), 1);

    SingleInstance instance;  // finds its folder the same way
    ASSERT_EQ(instance.start(), SingleInstance::Role::Primary);
    EXPECT_EQ(instance.socketPath(), folder() + "/NORVANE-Main-by-Tobrin");
    int exits = 0;
    QObject::connect(&instance, &SingleInstance::exitRequested, [&] { ++exits; });
    std::ostringstream quiet;
    EXPECT_EQ(OffThread([&] { return PostMessageCommand(kMainExitMessage, quiet); }), 0);
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(quiet.str().empty());
    qunsetenv("NORVANE_RUNTIME_DIR");
}

}  // namespace
}  // namespace norvane
