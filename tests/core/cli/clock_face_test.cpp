#include "core/cli/clock_face.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sstream>
#include <streambuf>
#include <string>
#include <thread>
#include <vector>

#include "core/cli/cli.h"
#include "core/time/earth_time.h"
#include "core/time/vanatime.h"
#include "support/fake_os_clock.h"

namespace norvane {
namespace {

// Moves the fake clock instead of sleeping: mostly by what was asked, but now
// and then it wakes early, late, or after the PC clock was set back; it notes
// what the clock shows at each wake, and ends after an hour of simulated sleep.
class ScriptedSleeper final : public FollowSleeper {
public:
    explicit ScriptedSleeper(FakeOsClock& clock, std::int64_t forMs = 3'600'000) : clock_(clock), left_(forMs) {}

    bool Sleep(std::int64_t ms) override {
        requests.push_back(clock_.utcNow().millisecond + ms);
        if (left_ <= 0) return false;
        std::int64_t step = ms;
        const std::size_t n = requests.size();
        if (n % 97 == 13) step = ms / 2, ++earlyWakes;
        else if (n % 97 == 41) step = ms + 2'600;  // misses two turns
        else if (n % 97 == 70) step = ms - 600'000;  // the PC clock was set back ten minutes
        left_ -= ms;
        clock_.advanceMs(step);
        shown.push_back(VanaTimeText(VanaTimeAt(clock_.utcNow())));
        return true;
    }

    std::vector<std::int64_t> requests;  // the millisecond of the second each sleep was to end at
    std::vector<std::string> shown;
    int earlyWakes = 0;

private:
    FakeOsClock& clock_;
    std::int64_t left_;
};

// Takes `room` bytes, then fails like a pipe whose reader has gone.
class ClosingBuffer final : public std::streambuf {
public:
    explicit ClosingBuffer(std::size_t room) : room_(room) {}

protected:
    int_type overflow(int_type c) override {
        if (room_ == 0 || traits_type::eq_int_type(c, traits_type::eof())) return traits_type::eof();
        --room_;
        return c;
    }

private:
    std::size_t room_;
};

class FollowingClock : public ::testing::Test {
protected:
    void SetUp() override {
        clock_.setUtc({2003, 12, 1, 9, 0, 1, 400});
        clock_.setBias(-540);
    }
    FakeOsClock clock_;
    ScopedOsClock scoped_{clock_};
};

TEST_F(FollowingClock, PrintsEachChangeOnceOverAnHourWakingOnceASecond) {
    for (const char* format : {"text", "json"}) {
        SCOPED_TRACE(format);
        SetUp();
        ScriptedSleeper sleeper(clock_);
        std::ostringstream out, err;
        ASSERT_EQ(RunCommandLine({"norvane", "--print-time", "--follow", "--format", format}, out, err, sleeper), 0);
        EXPECT_TRUE(err.str().empty());

        // What the clock showed at start and at each wake, each change once.
        std::vector<std::string> expected{"0934/08/04(雷) 18:00:00 <上弦の月>"};
        for (const std::string& text : sleeper.shown)
            if (text != expected.back()) expected.push_back(text);
        std::vector<std::string> printed;
        std::istringstream lines(out.str());
        for (std::string line; std::getline(lines, line);) {
            if (std::string(format) == "text") {
                printed.push_back(line);
                continue;
            }
            const QJsonArray rows = QJsonDocument::fromJson(QByteArray::fromStdString(line)).array();
            ASSERT_EQ(rows.size(), 1) << line;
            printed.push_back(rows[0].toObject()["text"].toString().toStdString());
        }
        EXPECT_EQ(printed, expected);
        EXPECT_GT(printed.size(), 3500u);
        // Every sleep ends just past a second's turn, so only the early wakes find nothing new.
        for (std::int64_t end : sleeper.requests) EXPECT_EQ(end % 1000, 2);
        EXPECT_EQ(sleeper.shown.size() - (expected.size() - 1), static_cast<std::size_t>(sleeper.earlyWakes));
    }
}

TEST_F(FollowingClock, EndsQuietlyWhenItsOutputCloses) {
    const std::size_t line = VanaTimeText(GetVanaTime()).size() + 1;
    ClosingBuffer buffer(2 * line + 5);
    std::ostream out(&buffer);
    ScriptedSleeper sleeper(clock_);
    EXPECT_EQ(FollowClock(clock_, sleeper, FaceFormat::Text, out), 0);
    // Two lines went out; the third failed and nothing waited after it.
    EXPECT_EQ(sleeper.requests.size(), 2u);
}

TEST(WakeableSleeper, StopEndsTheWaitUnderWayAndEveryLaterOne) {
    WakeableSleeper sleeper;
    EXPECT_TRUE(sleeper.Sleep(1));
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        sleeper.Stop();
    });
    EXPECT_FALSE(sleeper.Sleep(600'000));
    stopper.join();
    EXPECT_FALSE(sleeper.Sleep(600'000));
}

}  // namespace
}  // namespace norvane
