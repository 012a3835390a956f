#pragma once
// Setting the machine's clock, behind one small interface so that tests never
// set the real one.
#include <chrono>
#include <memory>
#include <string>

namespace norvane {

struct SetResult {
    enum class Status {
        Set,
        Refused,        // the administrator's consent was not given
        AutomaticSync,  // the system keeps the clock itself (automatic synchronisation is on)
        Failed,         // anything else: no time service, no bus, the kernel said no
    };
    Status status = Status::Failed;
    std::string reason;  // one line; empty when set

    bool ok() const { return status == Status::Set; }
};

class PcClock {
public:
    virtual ~PcClock() = default;
    // Sets the clock to `t` (UTC). May block for as long as the desktop asks the
    // user for consent: call it off the user-interface thread.
    virtual SetResult Set(std::chrono::system_clock::time_point t) = 0;
};

// clock_settime when the process may set the clock, otherwise the desktop's time
// service (systemd-timedated over D-Bus), which asks for the administrator's
// consent through polkit. The D-Bus half is a module beside the program
// ("libnorvane_timedate.so"), loaded on the first use.
std::unique_ptr<PcClock> SystemPcClock();

// Only the time-service half, with the module at `modulePath`. The service is
// looked for on the system bus ($DBUS_SYSTEM_BUS_ADDRESS when set).
std::unique_ptr<PcClock> TimedatePcClock(const std::string& modulePath);

// The setter every part of the program uses. Defaults to SystemPcClock().
PcClock& pcClock();

// Replaces the process setter while alive (tests); restores the previous one on destruction.
class ScopedPcClock {
public:
    explicit ScopedPcClock(PcClock& clock);
    ~ScopedPcClock();
    ScopedPcClock(const ScopedPcClock&) = delete;
    ScopedPcClock& operator=(const ScopedPcClock&) = delete;

private:
    PcClock* previous_;
};

}  // namespace norvane
