#include "platform/pc_clock.h"

#include <dlfcn.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <map>
#include <mutex>

namespace norvane {
namespace {

// The module's one entry: microseconds since 1970 UTC in, a SetResult::Status
// number out, with the reason as text.
using TimedateSetFn = int (*)(std::int64_t usecUtc, char* reason, std::size_t reasonSize);

// Loaded once per path and kept for the rest of the run.
TimedateSetFn LoadTimedate(const std::string& path, std::string& error) {
    static std::mutex mutex;
    static std::map<std::string, TimedateSetFn> loaded;
    std::lock_guard lock(mutex);
    if (auto it = loaded.find(path); it != loaded.end() && it->second) return it->second;
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* why = dlerror();
        error = why ? why : "cannot load " + path;
        return nullptr;
    }
    auto fn = reinterpret_cast<TimedateSetFn>(dlsym(handle, "norvane_timedate_set"));
    if (fn == nullptr) {
        error = path + " has no norvane_timedate_set";
        return nullptr;
    }
    loaded[path] = fn;
    return fn;
}

std::string DefaultModulePath() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "libnorvane_timedate.so";
    return (exe.parent_path() / "libnorvane_timedate.so").string();
}

class TimedateClock final : public PcClock {
public:
    explicit TimedateClock(std::string modulePath) : path_(std::move(modulePath)) {}

    SetResult Set(std::chrono::system_clock::time_point t) override {
        std::string error;
        TimedateSetFn fn = LoadTimedate(path_, error);
        if (fn == nullptr) return {SetResult::Status::Failed, "the time-service module cannot be loaded: " + error};
        const auto usec = std::chrono::duration_cast<std::chrono::microseconds>(t.time_since_epoch()).count();
        char reason[512] = {};
        const int status = fn(usec, reason, sizeof reason);
        switch (status) {
            case static_cast<int>(SetResult::Status::Set): return {SetResult::Status::Set, {}};
            case static_cast<int>(SetResult::Status::Refused): return {SetResult::Status::Refused, reason};
            case static_cast<int>(SetResult::Status::AutomaticSync): return {SetResult::Status::AutomaticSync, reason};
            default: return {SetResult::Status::Failed, reason};
        }
    }

private:
    std::string path_;
};

class SystemClock final : public PcClock {
public:
    SetResult Set(std::chrono::system_clock::time_point t) override {
        using namespace std::chrono;
        const auto ns = duration_cast<nanoseconds>(t.time_since_epoch()).count();
        timespec ts{};
        ts.tv_sec = static_cast<std::time_t>(ns / 1'000'000'000);
        ts.tv_nsec = static_cast<long>(ns % 1'000'000'000);
        if (ts.tv_nsec < 0) {
            ts.tv_nsec += 1'000'000'000;
            --ts.tv_sec;
        }
        if (clock_settime(CLOCK_REALTIME, &ts) == 0) return {SetResult::Status::Set, {}};
        if (errno != EPERM) return {SetResult::Status::Failed, std::string("clock_settime: ") + std::strerror(errno)};
        // Not allowed to set it ourselves: ask the desktop's time service, which
        // asks the user for the administrator's consent.
        SetResult r = timedate_.Set(t);
        if (r.status == SetResult::Status::Failed) r.reason = "not allowed to set the clock directly, and " + r.reason;
        return r;
    }

private:
    TimedateClock timedate_{DefaultModulePath()};
};

PcClock& SystemInstance() {
    static SystemClock clock;
    return clock;
}

std::atomic<PcClock*> g_current{nullptr};

}  // namespace

std::unique_ptr<PcClock> SystemPcClock() { return std::make_unique<SystemClock>(); }

std::unique_ptr<PcClock> TimedatePcClock(const std::string& modulePath) {
    return std::make_unique<TimedateClock>(modulePath);
}

PcClock& pcClock() {
    PcClock* current = g_current.load();
    return current ? *current : SystemInstance();
}

ScopedPcClock::ScopedPcClock(PcClock& clock) : previous_(g_current.exchange(&clock)) {}
ScopedPcClock::~ScopedPcClock() { g_current.store(previous_); }

}  // namespace norvane
