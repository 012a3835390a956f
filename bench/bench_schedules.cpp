#include <benchmark/benchmark.h>

#include "core/schedules/calendar_schedule.h"
#include "core/schedules/chocobo_schedule.h"
#include "core/schedules/guild_schedule.h"
#include "core/schedules/racial_schedule.h"
#include "core/schedules/ship_schedule.h"
#include "core/schedules/skill_schedule.h"
#include "core/settings/ini_file.h"
#include "core/time/earth_time.h"
#include "core/time/vanatime.h"

namespace {

using namespace norvane;

// One clock tick at a time, half a second apart, so every page sees fresh values.
struct TickSource {
    EarthTime utc{2026, 5, 17, 12, 0, 0, 0};
    int bias = -540;
    VanaDateTime game;
    EarthTime local;

    void Next() {
        const std::int64_t ms = EarthMilliseconds(utc) + 500;
        utc = EarthTimeFromMilliseconds(ms);
        game = VanaTimeAt(utc);
        local = EarthTimeFromMilliseconds(ms - std::int64_t{bias} * 60'000);
    }
};

void BM_ShipPage(benchmark::State& state) {
    TickSource t;
    for (auto _ : state) {
        t.Next();
        benchmark::DoNotOptimize(ComputeShipPage(t.game, t.local, t.bias));
    }
}
BENCHMARK(BM_ShipPage);

void BM_GuildPage(benchmark::State& state) {
    TickSource t;
    for (auto _ : state) {
        t.Next();
        benchmark::DoNotOptimize(ComputeGuildPage(t.game, t.local, t.bias));
    }
}
BENCHMARK(BM_GuildPage);

// What one tick computes for all four pages: both tables and both upper parts.
void BM_AllPagesOneTick(benchmark::State& state) {
    TickSource t;
    for (auto _ : state) {
        t.Next();
        benchmark::DoNotOptimize(ComputeShipPage(t.game, t.local, t.bias));
        benchmark::DoNotOptimize(ComputeGuildPage(t.game, t.local, t.bias));
        benchmark::DoNotOptimize(ComputeRacialNow(t.game, t.local, t.bias));
        benchmark::DoNotOptimize(ComputeChocoboNow(t.game, t.local, t.bias));
    }
}
BENCHMARK(BM_AllPagesOneTick);

// The same plus the two ten-row lists, as when a page is selected.
void BM_AllPagesWithLists(benchmark::State& state) {
    TickSource t;
    for (auto _ : state) {
        t.Next();
        benchmark::DoNotOptimize(ComputeShipPage(t.game, t.local, t.bias));
        benchmark::DoNotOptimize(ComputeGuildPage(t.game, t.local, t.bias));
        benchmark::DoNotOptimize(ComputeRacialNow(t.game, t.local, t.bias));
        benchmark::DoNotOptimize(ComputeChocoboNow(t.game, t.local, t.bias));
        benchmark::DoNotOptimize(ComputeRacialSchedule(t.game, 3, t.bias));
        benchmark::DoNotOptimize(ComputeChocoboSchedule(t.game, 1, t.bias));
    }
}
BENCHMARK(BM_AllPagesWithLists);

// The skill page on a job change: open and read "skill.ini", thirty caps and texts.
void BM_SkillPageWithFile(benchmark::State& state) {
    const std::string path = NORVANE_DATA_DIR "/skill.ini";
    int job = 0;
    for (auto _ : state) {
        job = (job + 1) % static_cast<int>(kJobCount);
        benchmark::DoNotOptimize(ComputeSkillPage(path, job, 75));
    }
}
BENCHMARK(BM_SkillPageWithFile);

void BM_SkillPageCapsOnly(benchmark::State& state) {
    const IniFile ini = IniFile::Load(NORVANE_DATA_DIR "/skill.ini");
    int level = 0;
    for (auto _ : state) {
        level = level % 75 + 1;
        benchmark::DoNotOptimize(ComputeSkillPage(ini, 0, level));
    }
}
BENCHMARK(BM_SkillPageCapsOnly);

// One rebuild of the calendar page: read "ballista.ini", then the 84 rows.
void BM_CalendarWithFile(benchmark::State& state) {
    TickSource t;
    const std::string path = NORVANE_DATA_DIR "/ballista.ini";
    for (auto _ : state) {
        t.Next();
        benchmark::DoNotOptimize(ComputeCalendar(t.game, t.bias, path, CalendarEntries{}));
    }
}
BENCHMARK(BM_CalendarWithFile);

void BM_CalendarRowsOnly(benchmark::State& state) {
    TickSource t;
    const IniFile ini = IniFile::Load(NORVANE_DATA_DIR "/ballista.ini");
    for (auto _ : state) {
        t.Next();
        benchmark::DoNotOptimize(ComputeCalendar(t.game, t.bias, ini, CalendarEntries{}));
    }
}
BENCHMARK(BM_CalendarRowsOnly);

}  // namespace

BENCHMARK_MAIN();
