#pragma once
// A real NTP server for tests and benchmarks: chronyd on an unprivileged
// loopback port, serving its local clock with no outside sources, started with
// -x so that it never touches the machine's clock. Its configuration, pid file
// and log live in a temporary folder that goes with it.
#include <string>
#include <sys/types.h>

namespace norvane {

class LoopbackChronyd {
public:
    LoopbackChronyd();   // starts it and waits until it answers (at most 5 s)
    ~LoopbackChronyd();  // stops it and removes its folder
    LoopbackChronyd(const LoopbackChronyd&) = delete;
    LoopbackChronyd& operator=(const LoopbackChronyd&) = delete;

    // False when chronyd is not installed.
    bool installed() const { return installed_; }
    // True when it runs and answers.
    bool running() const { return running_; }
    // Why it does not run, with the end of its log.
    const std::string& problem() const { return problem_; }
    // "127.0.0.1:PORT"
    std::string server() const;
    int port() const { return port_; }

private:
    bool installed_ = false;
    bool running_ = false;
    std::string problem_;
    std::string dir_;
    int port_ = 0;
    pid_t pid_ = -1;
};

}  // namespace norvane
