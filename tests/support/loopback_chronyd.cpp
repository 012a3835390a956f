#include "support/loopback_chronyd.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "core/timesync/sntp_packet.h"
#include "support/fake_sntp_server.h"

namespace norvane {
namespace {

namespace fs = std::filesystem;

std::string FindChronyd() {
    std::vector<std::string> dirs;
    if (const char* path = std::getenv("PATH")) {
        std::stringstream ss(path);
        for (std::string d; std::getline(ss, d, ':');) dirs.push_back(d);
    }
    dirs.insert(dirs.end(), {"/usr/sbin", "/sbin", "/usr/local/sbin"});
    for (const auto& d : dirs) {
        const std::string f = d + "/chronyd";
        if (access(f.c_str(), X_OK) == 0) return f;
    }
    return {};
}

// One request; true when a server's 48-byte reply comes within `ms`.
bool Answers(int port, int ms) {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<std::uint16_t>(port));
    const auto request = BuildSntpRequest(ToNtpTimestamp(std::chrono::system_clock::now()));
    bool ok = false;
    if (connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && send(fd, request.data(), request.size(), 0) == 48) {
        pollfd pfd{fd, POLLIN, 0};
        std::array<std::uint8_t, 64> reply{};
        ok = poll(&pfd, 1, ms) == 1 && recv(fd, reply.data(), reply.size(), 0) == 48 && (reply[0] & 7) == 4;
    }
    close(fd);
    return ok;
}

std::string Tail(const std::string& file) {
    std::ifstream in(file);
    std::stringstream ss;
    ss << in.rdbuf();
    std::string s = ss.str();
    return s.size() > 600 ? s.substr(s.size() - 600) : s;
}

}  // namespace

LoopbackChronyd::LoopbackChronyd() {
    const std::string chronyd = FindChronyd();
    if (chronyd.empty()) {
        problem_ = "chronyd is not installed";
        return;
    }
    installed_ = true;
    std::string templ = (fs::temp_directory_path() / "norvane-chronyd-XXXXXX").string();
    if (mkdtemp(templ.data()) == nullptr) {
        problem_ = "cannot make a temporary folder";
        return;
    }
    dir_ = templ;
    port_ = UnusedLoopbackPort();
    const std::string conf = dir_ + "/chrony.conf";
    {
        std::ofstream out(conf);
        // Loopback only, its own clock as the reference, no command socket, and
        // nothing written outside its folder.
        out << "port " << port_ << "\n"
            << "bindaddress 127.0.0.1\n"
            << "allow 127.0.0.1\n"
            << "cmdport 0\n"
            << "bindcmdaddress /\n"
            << "local stratum 8\n"
            << "pidfile " << dir_ << "/chronyd.pid\n";
    }
    const std::string log = dir_ + "/chronyd.log";
    // As root it would switch to its own user, which cannot write our folder;
    // otherwise it must be told not to insist on root.
    std::vector<std::string> args = {chronyd, "-x", "-d", "-f", conf};
    if (geteuid() == 0) {
        args.insert(args.end(), {"-u", "root"});
    } else {
        args.push_back("-U");
    }
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int fd = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            dup2(fd, 1);
            dup2(fd, 2);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (pid_ < 0) {
        problem_ = "fork failed";
        return;
    }
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < until) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            problem_ = "chronyd ended at once: " + Tail(log);
            return;
        }
        if (Answers(port_, 100)) {
            running_ = true;
            return;
        }
    }
    problem_ = "chronyd does not answer on 127.0.0.1:" + std::to_string(port_) + ": " + Tail(log);
}

LoopbackChronyd::~LoopbackChronyd() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        bool gone = false;
        for (int i = 0; i < 100 && !gone; ++i) {
            gone = waitpid(pid_, &status, WNOHANG) == pid_;
            if (!gone) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        if (!gone) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
        }
    }
    if (!dir_.empty()) {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
}

std::string LoopbackChronyd::server() const { return "127.0.0.1:" + std::to_string(port_); }

}  // namespace norvane
