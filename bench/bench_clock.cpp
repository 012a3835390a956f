#include <benchmark/benchmark.h>

#include "core/time/vanatime.h"

namespace {

void BM_SecondsToVana(benchmark::State& state) {
    std::int64_t v = norvane::VanaBaseSeconds();
    for (auto _ : state) {
        benchmark::DoNotOptimize(norvane::SecondsToVana(v));
        v += 25;
    }
}
BENCHMARK(BM_SecondsToVana);

void BM_GetVanaTimeWithText(benchmark::State& state) {
    std::string text;
    for (auto _ : state) {
        benchmark::DoNotOptimize(norvane::GetVanaTime(text));
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_GetVanaTimeWithText);

}  // namespace

BENCHMARK_MAIN();
