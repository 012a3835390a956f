#pragma once
// Records every setting of the clock instead of setting it, and answers with a
// chosen result.
#include <mutex>
#include <vector>

#include "platform/pc_clock.h"

namespace norvane {

class FakePcClock final : public PcClock {
public:
    explicit FakePcClock(SetResult answer = {SetResult::Status::Set, {}}) : answer_(std::move(answer)) {}

    SetResult Set(std::chrono::system_clock::time_point t) override {
        std::lock_guard lock(mutex_);
        calls_.push_back(t);
        return answer_;
    }

    std::vector<std::chrono::system_clock::time_point> calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }

private:
    SetResult answer_;
    mutable std::mutex mutex_;
    std::vector<std::chrono::system_clock::time_point> calls_;
};

}  // namespace norvane
