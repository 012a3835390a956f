// A stand-in for a starting copy of the program: claims the single instance in
// the folder given and reports its role by exit status.
//   instance_probe FOLDER SERVE_MS [EXPECTED]
// Primary: serves messages for SERVE_MS, or until EXPECTED activations came,
// prints "received N", exits 0.
// Secondary: sends the activation message; exits 3 when delivered, 4 when not.
// Unguarded: exits 5.
//
// And a hostile neighbour of the running copy, at a low priority:
//   instance_probe --flood FOLDER MS
// opens 1,000 silent connections to its socket and keeps reconnecting, while
// other threads send endless lines and lines without end, for MS milliseconds;
// prints "connections N lines M".
#include <QCoreApplication>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "platform/single_instance.h"

namespace {

using Clock = std::chrono::steady_clock;

// Blocking: waits at most 200 ms for a place in the queue, and as long for each send.
int Connect(const std::string& path, bool blocking) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | (blocking ? 0 : SOCK_NONBLOCK), 0);
    timeval wait{0, 200'000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", path.c_str());
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) return fd;
    ::close(fd);
    return -1;
}

int Flood(const std::string& folder, int ms) {
    ::setpriority(PRIO_PROCESS, 0, 10);
    rlimit files{};
    ::getrlimit(RLIMIT_NOFILE, &files);
    files.rlim_cur = std::max<rlim_t>(files.rlim_cur, std::min<rlim_t>(files.rlim_max, 4096));
    ::setrlimit(RLIMIT_NOFILE, &files);
    const std::string path = folder + "/" + norvane::kInstanceName;
    const auto end = Clock::now() + std::chrono::milliseconds(ms);
    std::atomic<long> connections{0}, lines{0};

    std::vector<std::thread> threads;
    // Silent peers: 1,000 at once, then the oldest replaced by a new one.
    threads.emplace_back([&] {
        std::deque<int> open;
        while (Clock::now() < end) {
            const int fd = Connect(path, false);
            if (fd < 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                continue;
            }
            ++connections;
            open.push_back(fd);
            if (open.size() > 1000) {
                ::close(open.front());
                open.pop_front();
            }
        }
        for (int fd : open) ::close(fd);
    });
    // Endless lines, known and unknown, and a line that never ends.
    for (const std::string& text : {std::string(norvane::kNetworkError0Message) + "\n", std::string("hello\n"),
                                   std::string(4096, 'A')}) {
        threads.emplace_back([&, text] {
            while (Clock::now() < end) {
                const int fd = Connect(path, true);
                if (fd < 0) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                    continue;
                }
                ++connections;
                while (Clock::now() < end && ::send(fd, text.data(), text.size(), MSG_NOSIGNAL) > 0)
                    lines += text.back() == '\n';
                ::close(fd);
            }
        });
    }
    for (auto& t : threads) t.join();
    std::printf("connections %ld lines %ld\n", connections.load(), lines.load());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--flood") == 0) return Flood(argv[2], std::atoi(argv[3]));
    QCoreApplication app(argc, argv);
    if (argc != 3 && argc != 4) return 64;
    const int expected = argc == 4 ? std::atoi(argv[3]) : -1;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    norvane::SingleInstance instance(folder);
    switch (instance.start()) {
    case norvane::SingleInstance::Role::Secondary:
        return norvane::PostAppMessage(norvane::AppMessage::MainActive, 3000, folder) ==
                       norvane::PostResult::Delivered
                   ? 3
                   : 4;
    case norvane::SingleInstance::Role::Unguarded:
        return 5;
    case norvane::SingleInstance::Role::Primary:
        break;
    }
    std::printf("primary\n");
    std::fflush(stdout);
    int received = 0;
    QObject::connect(&instance, &norvane::SingleInstance::activateRequested, [&] {
        if (++received == expected) app.quit();
    });
    QTimer::singleShot(std::atoi(argv[2]), &app, &QCoreApplication::quit);
    app.exec();
    std::printf("received %d\n", received);
    return 0;
}
