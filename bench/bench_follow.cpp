// What following the clock costs: `norvane --print-time --follow` against the
// real clock for a real minute, its output thrown away. The counter core_percent
// is the share of one core it used (CPU time over wall time).
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <ostream>
#include <streambuf>
#include <thread>

#include "core/cli/clock_face.h"
#include "platform/os_clock.h"

namespace {

// Counts the lines and keeps nothing.
class LineCounter final : public std::streambuf {
public:
    long lines = 0;

protected:
    int_type overflow(int_type c) override {
        if (c == '\n') ++lines;
        return traits_type::not_eof(c);
    }
};

double ThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

void BM_FollowClockForAMinute(benchmark::State& state) {
    const auto format = state.range(0) == 0 ? norvane::FaceFormat::Text : norvane::FaceFormat::Json;
    for (auto _ : state) {
        norvane::WakeableSleeper sleeper;
        LineCounter counter;
        std::ostream out(&counter);
        std::thread stopper([&sleeper] {
            std::this_thread::sleep_for(std::chrono::minutes(1));
            sleeper.Stop();
        });
        const auto wallStart = std::chrono::steady_clock::now();
        const double cpuStart = ThreadCpuSeconds();
        norvane::FollowClock(norvane::osClock(), sleeper, format, out);
        const double cpu = ThreadCpuSeconds() - cpuStart;
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        stopper.join();
        state.counters["core_percent"] = 100.0 * cpu / wall;
        state.counters["lines"] = static_cast<double>(counter.lines);
    }
}
BENCHMARK(BM_FollowClockForAMinute)->ArgName("json")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
