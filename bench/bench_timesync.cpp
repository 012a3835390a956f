// One SNTP exchange with a chronyd on loopback: name parsing, socket, request,
// the server's answer, reading and judging the reply. Target: under 5 ms.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "core/timesync/sntp_client.h"
#include "support/loopback_chronyd.h"

namespace {

void BM_ExchangeWithLoopbackChronyd(benchmark::State& state) {
    norvane::LoopbackChronyd chronyd;
    if (!chronyd.running()) {
        state.SkipWithError(chronyd.problem().c_str());
        return;
    }
    const std::string server = chronyd.server();
    double worstMs = 0;
    for (auto _ : state) {
        const norvane::SyncOutcome r = norvane::QueryServerTime(server);
        if (!r.ok()) {
            state.SkipWithError(r.detail.c_str());
            return;
        }
        worstMs = std::max(worstMs, std::chrono::duration<double, std::milli>(r.exchange->clock.delay).count());
    }
    state.counters["worst_delay_ms"] = worstMs;
}
BENCHMARK(BM_ExchangeWithLoopbackChronyd)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
