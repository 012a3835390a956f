#pragma once
// Sets the process time zone (TZ) for a scope and restores it afterwards.
#include <cstdlib>
#include <ctime>
#include <string>

namespace norvane {

class ScopedTz {
public:
    explicit ScopedTz(const char* tz) {
        if (const char* old = std::getenv("TZ")) old_ = old, had_ = true;
        setenv("TZ", tz, 1);
        tzset();
    }
    ~ScopedTz() {
        if (had_)
            setenv("TZ", old_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ScopedTz(const ScopedTz&) = delete;
    ScopedTz& operator=(const ScopedTz&) = delete;

private:
    std::string old_;
    bool had_ = false;
};

}  // namespace norvane
