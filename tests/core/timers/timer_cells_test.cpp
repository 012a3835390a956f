#include "core/timers/timer_cells.h"

#include <gtest/gtest.h>

#include "core/timers/timer_rows.h"
#include "core/timers/timer_seed.h"
#include "platform/sound.h"
#include "support/fake_os_clock.h"
#include "support/fake_sound_player.h"
#include "timer_test_support.h"

namespace norvane {
namespace {

using testing_support::MakeAlarm;
using testing_support::MakeSet;

const EarthTime kLocal{2024, 5, 6, 21, 4, 9, 500};

std::vector<TTimerSet> BuiltInSets() {
    std::vector<TTimerSet> sets;
    for (const auto& line : BuiltInTimerLines()) sets.push_back(*ParseTimerLine(line));
    for (int level = 10; level <= 80; level += 10)
        sets.push_back(MakeSet(QStringLiteral("チェーン 敵Lv%1").arg(level), kKindChaintime, level, 60, 30, 15));
    return sets;
}

constexpr int kStopwatch = 0;   // "ストップウォッチ"
constexpr int kTwoMinutes = 5;  // "2分": 120 s, thresholds 60, 30, 15
constexpr int kChain10 = 22;    // "チェーン 敵Lv10"

std::array<int, kTimerCellCount> NoSelections() {
    std::array<int, kTimerCellCount> rows{};
    rows.fill(-1);
    return rows;
}

class TimerCellsTest : public ::testing::Test {
protected:
    TimerCellsTest() : scoped_(sound_) { cells_.LoadRows(BuiltInSets(), NoSelections()); }

    // Ticks every 100 ms from `from` up to and including `to` (tick-count offsets).
    void TickThrough(std::uint32_t base, std::uint32_t from, std::uint32_t to) {
        for (std::uint32_t t = from; t <= to; t += 100) cells_.Tick(base + t);
    }

    FakeSoundPlayer sound_;
    ScopedSoundPlayer scoped_;
    TimerCells cells_;
};

TEST_F(TimerCellsTest, CountdownPassesItsThresholdsAndEndsRed) {
    cells_.Select(0, kTwoMinutes);
    const auto& v = cells_.View(0);
    EXPECT_EQ(v.display, "02:00");
    EXPECT_TRUE(v.actionsEnabled);
    EXPECT_EQ(v.startCaption, "スタート [F1]");

    const std::uint32_t t0 = 5'000'000;
    cells_.Start(0, t0, kLocal);
    EXPECT_EQ(v.startTime, "21:04:09");
    EXPECT_EQ(v.startCaption, "リスタート [F1]");
    EXPECT_FALSE(v.listEnabled);
    EXPECT_TRUE(cells_.AnyRunning());

    // The remaining time rounded up: the full length for the whole first second,
    // each threshold's colour exactly when that much is left.
    struct Step { std::uint32_t ms; const char* text; std::uint32_t colour; };
    const Step steps[] = {
        {100, "02:00", kTimerColourNormal},    {999, "02:00", kTimerColourNormal},
        {1000, "01:59", kTimerColourNormal},   {59'999, "01:01", kTimerColourNormal},
        {60'000, "01:00", kTimerColourFirst},  {89'999, "00:31", kTimerColourFirst},
        {90'000, "00:30", kTimerColourSecond}, {104'999, "00:16", kTimerColourSecond},
        {105'000, "00:15", kTimerColourLast},  {119'999, "00:01", kTimerColourLast},
    };
    for (const auto& s : steps) {
        auto r = cells_.Tick(t0 + s.ms);
        EXPECT_EQ(r.changed, 1u);
        EXPECT_TRUE(r.running);
        EXPECT_EQ(v.display, s.text) << s.ms;
        EXPECT_EQ(v.colour, s.colour) << s.ms;
    }
    auto r = cells_.Tick(t0 + 120'000);
    EXPECT_FALSE(r.running);
    EXPECT_FALSE(cells_.AnyRunning());
    EXPECT_EQ(v.display, "00:00");
    EXPECT_EQ(v.colour, kTimerColourLast);
    EXPECT_TRUE(v.listEnabled);
    EXPECT_EQ(v.startCaption, "リスタート [F1]");
    EXPECT_EQ(cells_.Tick(t0 + 120'100).changed, 0u);

    // Start again: the full length in black at once, before any tick, and for the
    // first second. Reset keeps the length and goes back to idle.
    cells_.Start(0, t0 + 200'000, kLocal);
    EXPECT_EQ(v.display, "02:00");
    EXPECT_EQ(v.colour, kTimerColourNormal);
    cells_.Tick(t0 + 200'500);
    EXPECT_EQ(v.display, "02:00");
    cells_.Start(0, t0 + 201'000, kLocal);  // restarted while running
    EXPECT_EQ(v.display, "02:00");
    cells_.Reset(0);
    EXPECT_FALSE(cells_.AnyRunning());
    EXPECT_EQ(v.display, "02:00");
    EXPECT_EQ(v.startTime, "00:00:00");
    EXPECT_EQ(v.startCaption, "スタート [F1]");
    EXPECT_TRUE(v.listEnabled);
    EXPECT_EQ(cells_.Item(0).StartTick, 0u);
}

TEST_F(TimerCellsTest, CountdownEndingDuringALongTickDelayFinishesAtTheNextTick) {
    cells_.Select(3, kTwoMinutes);
    cells_.Start(3, 1000, kLocal);
    cells_.Tick(1100);
    EXPECT_EQ(cells_.View(3).display, "02:00");
    auto r = cells_.Tick(1000 + 127'000);
    EXPECT_EQ(r.changed, 1u << 3);
    EXPECT_FALSE(r.running);
    EXPECT_EQ(cells_.View(3).display, "00:00");
    EXPECT_EQ(cells_.View(3).colour, kTimerColourLast);
    EXPECT_TRUE(cells_.View(3).listEnabled);
}

TEST_F(TimerCellsTest, StopwatchPausedAt7_9ResumesFrom7) {
    cells_.Select(1, kStopwatch);
    const auto& v = cells_.View(1);
    EXPECT_EQ(v.display, "00:00");
    cells_.Start(1, 0, kLocal);
    EXPECT_EQ(v.startCaption, "ポーズ [F2]");
    TickThrough(0, 100, 7900);
    EXPECT_EQ(v.display, "00:07");

    cells_.Start(1, 7950, kLocal);  // pause
    EXPECT_FALSE(cells_.AnyRunning());
    EXPECT_EQ(v.colour, kTimerColourPaused);
    EXPECT_EQ(v.startCaption, "リスタート [F2]");
    EXPECT_EQ(v.display, "00:07");
    EXPECT_FALSE(v.listEnabled);

    cells_.Start(1, 60'000, kLocal);  // resume
    EXPECT_EQ(v.colour, kTimerColourNormal);
    EXPECT_EQ(v.startCaption, "ポーズ [F2]");
    cells_.Tick(60'999);
    EXPECT_EQ(v.display, "00:07");
    cells_.Tick(61'000);
    EXPECT_EQ(v.display, "00:08");
    cells_.Tick(60'000 + 7'200'000 - 7000);
    EXPECT_EQ(v.display, "120:00");

    cells_.Reset(1);
    EXPECT_EQ(v.display, "00:00");
    EXPECT_EQ(cells_.Item(1).Progress, 0);
    cells_.Start(1, 100, kLocal);
    cells_.Tick(1100);
    EXPECT_EQ(v.display, "00:01");
}

TEST(ChainWindowTest, ShrinksWithEachChainThenStays) {
    const int level10[] = {100, 80, 60, 40, 20, 20, 20};
    const int level80[] = {450, 360, 270, 180, 90, 90, 90};
    for (int chain = 0; chain < 7; ++chain) {
        EXPECT_EQ(ChainWindow(10, chain), level10[chain]);
        EXPECT_EQ(ChainWindow(80, chain), level80[chain]);
    }
    // Hand-edited levels stay within range instead of overflowing.
    EXPECT_EQ(ChainWindow(INT_MAX, 0), INT_MAX);
    EXPECT_EQ(ChainWindow(-100, 0), 0);
}

TEST_F(TimerCellsTest, ChainWindowsOneToTenThenOneAgain) {
    cells_.Select(0, kChain10);
    const auto& v = cells_.View(0);
    EXPECT_EQ(v.display, "01:40");
    const char* shown[] = {"01:40", "01:20", "01:00", "00:40", "00:20"};
    std::uint32_t t = 10'000;
    for (int press = 1; press <= 11; ++press, t += 1000) {
        cells_.Start(0, t, kLocal);
        const int chain = press > 10 ? press - 10 : press;
        EXPECT_EQ(v.startCaption, QStringLiteral("%1チェーン [F1]").arg(chain));
        cells_.Tick(t);
        EXPECT_EQ(v.display, shown[std::min(chain, 5) - 1]) << press;
    }
}

TEST_F(TimerCellsTest, ChainWindowRunningOutStartsOverAtChainOne) {
    cells_.Select(11, kChain10);
    const auto& v = cells_.View(11);
    cells_.Start(11, 0, kLocal);
    cells_.Tick(50'000);
    cells_.Start(11, 50'000, kLocal);
    EXPECT_EQ(v.startCaption, "2チェーン [F12]");
    cells_.Tick(50'000 + 40'000);
    EXPECT_EQ(v.display, "00:40");
    EXPECT_EQ(v.colour, kTimerColourFirst);
    cells_.Tick(50'000 + 80'000);
    EXPECT_FALSE(cells_.AnyRunning());
    EXPECT_EQ(v.startCaption, "リスタート [F12]");
    EXPECT_EQ(v.display, "00:00");
    EXPECT_EQ(v.colour, kTimerColourLast);
    EXPECT_TRUE(v.listEnabled);
    EXPECT_EQ(cells_.Item(11).Progress, 0);

    cells_.Start(11, 200'000, kLocal);
    EXPECT_EQ(v.startCaption, "1チェーン [F12]");
    cells_.Tick(200'000);
    EXPECT_EQ(v.display, "01:40");

    cells_.Start(11, 201'000, kLocal);
    cells_.Reset(11);
    EXPECT_EQ(v.display, "01:40");
    EXPECT_EQ(v.startCaption, "スタート [F12]");
}

class TimerAlarmsTest : public TimerCellsTest {
protected:
    TimerAlarmsTest() {
        // 500 s lies beyond the countdown.
        alarms_ = {MakeAlarm("first", "/snd/a.wav", 60, "/snd/b.wav", 0, "/snd/late.wav", 500),
                   MakeAlarm("second", "/snd/c.wav", 5)};
        Assign(0, 1);
    }
    void Assign(int cell, int assignment) {
        assignments_[static_cast<std::size_t>(cell)] = assignment;
        cells_.SetRowAlarms(RowAlarmsFor(alarms_, assignments_));
    }
    std::vector<TAlarmSet> alarms_;
    std::array<int, kTimerCellCount> assignments_{};
};

TEST_F(TimerAlarmsTest, EachAlarmSoundsOnceAtItsSecondAndAgainAfterTheNextStart) {
    cells_.Select(0, kTwoMinutes);
    cells_.Start(0, 0, kLocal);
    TickThrough(0, 100, 59'900);  // reading 61
    EXPECT_TRUE(sound_.played.isEmpty());
    auto r = cells_.Tick(60'000);  // reading 60: a minute left, to the millisecond
    EXPECT_EQ(r.sounds, QStringList{"/snd/a.wav"});
    TickThrough(0, 60'100, 119'900);
    EXPECT_EQ(sound_.played, QStringList{"/snd/a.wav"});
    r = cells_.Tick(120'000);  // the finishing tick reads 0, after exactly 120 s
    EXPECT_EQ(r.sounds, QStringList{"/snd/b.wav"});
    EXPECT_EQ(sound_.played, (QStringList{"/snd/a.wav", "/snd/b.wav"}));

    // Restarted while running: armed again from the full length.
    sound_.played.clear();
    cells_.Start(0, 500'000, kLocal);
    TickThrough(500'000, 0, 70'000);
    cells_.Start(0, 600'000, kLocal);
    TickThrough(600'000, 0, 120'000);
    EXPECT_EQ(sound_.played, (QStringList{"/snd/a.wav", "/snd/a.wav", "/snd/b.wav"}));
}

TEST_F(TimerAlarmsTest, ReassigningAnyCellDisarmsRunningAlarms) {
    cells_.Select(0, kTwoMinutes);
    cells_.Start(0, 0, kLocal);
    TickThrough(0, 100, 30'000);
    Assign(5, 2);  // any cell's menu choice reloads every cell's alarm
    TickThrough(0, 30'100, 120'000);
    EXPECT_TRUE(sound_.played.isEmpty());
    EXPECT_FALSE(cells_.RowAlarm(0).Section[0].Armed);
}

TEST_F(TimerAlarmsTest, LateTicksStillSoundAlarmsTheySkippedOver) {
    cells_.Select(0, kTwoMinutes);
    cells_.Start(0, 0, kLocal);
    cells_.Tick(58'000);  // reading 62
    cells_.Tick(63'000);  // reading 57: 60 was passed in between
    EXPECT_EQ(sound_.played, QStringList{"/snd/a.wav"});
    cells_.Tick(125'000);  // found finished 5 s late
    EXPECT_EQ(sound_.played, (QStringList{"/snd/a.wav", "/snd/b.wav"}));
}

// Several alarms passed by one late tick: only the one nearest the reading sounds
// (the end itself when it is due), since each sound would cut off the one before.
TEST_F(TimerAlarmsTest, ALateTickSoundsOnlyTheAlarmNearestTheReading) {
    constexpr int kFifteen = 1;  // "15秒"
    struct Case {
        const char* what;
        int set;
        std::vector<std::uint32_t> ticks;  // ms after the start
        QStringList played;
    };
    const Case cases[] = {
        {"stall over 10, 3 and the end", kFifteen, {1000, 16'000}, {"/snd/end.wav"}},
        {"stall over 10 and 3", kFifteen, {1000, 13'000, 15'000}, {"/snd/3.wav", "/snd/end.wav"}},
        {"one at a time", kFifteen, {5000, 12'000, 15'000}, {"/snd/10.wav", "/snd/3.wav", "/snd/end.wav"}},
        {"stopwatch at 0, then past 3 and 10", kStopwatch, {0, 11'000}, {"/snd/end.wav", "/snd/10.wav"}},
    };
    for (const Case& c : cases) {
        sound_.played.clear();
        alarms_[0] = MakeAlarm("three", "/snd/10.wav", 10, "/snd/3.wav", 3, "/snd/end.wav", 0);
        Assign(0, 1);
        cells_.Select(0, c.set);
        cells_.Start(0, 0, kLocal);
        for (std::uint32_t t : c.ticks) cells_.Tick(t);
        EXPECT_EQ(sound_.played, c.played) << c.what;
        // All that were passed count as played.
        if (c.set == kFifteen) {
            for (const auto& s : cells_.RowAlarm(0).Section) EXPECT_FALSE(s.Armed) << c.what;
        }
        cells_.Reset(0);
    }
}

TEST_F(TimerAlarmsTest, AnAlarmAtTheFullLengthOfARunSoundsOnItsFirstTick) {
    // Readings run from the length itself: an alarm there sounds as the run starts,
    // one beyond it never.
    constexpr int kOneMinute = 4;  // "1分": 60 s
    struct Case {
        const char* what;
        int set;
        int presses;  // chain windows 100, 80, 60 s for Lv10
        int second;
        bool sounds;
    };
    const Case cases[] = {
        {"countdown at its length", kOneMinute, 1, 60, true},
        {"countdown one second beyond", kOneMinute, 1, 61, false},
        {"countdown one second below", kOneMinute, 1, 59, true},
        {"restarted countdown at its length", kOneMinute, 2, 60, true},
        {"chain window at its length", kChain10, 3, 60, true},
        {"chain window one second below", kChain10, 3, 59, true},
        {"first chain window passing the second", kChain10, 1, 60, true},
    };
    for (const Case& c : cases) {
        sound_.played.clear();
        alarms_[0] = MakeAlarm("one", "/snd/x.wav", c.second);
        Assign(0, 1);
        cells_.Select(0, c.set);
        const std::uint32_t t0 = 1'000'000;
        for (int p = 0; p < c.presses; ++p) cells_.Start(0, t0, kLocal);
        cells_.Tick(t0);  // a tick in the same millisecond reads the full length
        TickThrough(t0, 100, 1000);
        TickThrough(t0, 1100, 101'000);
        EXPECT_EQ(sound_.played.size(), c.sounds ? 1 : 0) << c.what;
        cells_.Reset(0);
    }
}

TEST_F(TimerAlarmsTest, StopwatchAlarmsCountElapsedTimeAndResumeRearms) {
    alarms_[0] = MakeAlarm("sw", "/snd/s3.wav", 3, "/snd/s7.wav", 7, "", 5);  // no file: silent
    Assign(0, 1);
    cells_.Select(0, kStopwatch);
    cells_.Start(0, 0, kLocal);
    TickThrough(0, 0, 2900);
    EXPECT_TRUE(sound_.played.isEmpty());
    cells_.Tick(3000);
    EXPECT_EQ(sound_.played, QStringList{"/snd/s3.wav"});
    TickThrough(0, 3100, 7900);
    cells_.Start(0, 7950, kLocal);  // pause at 7.9 s, after the alarm at 7
    EXPECT_EQ(sound_.played, (QStringList{"/snd/s3.wav", "/snd/s7.wav"}));
    cells_.Start(0, 20'000, kLocal);  // resume from 7: the 7 s alarm sounds again, 3 s no more
    cells_.Tick(20'100);
    EXPECT_EQ(sound_.played, (QStringList{"/snd/s3.wav", "/snd/s7.wav", "/snd/s7.wav"}));
}

// The PC clock moved back an hour or on a day while timers run: they count the
// system tick, so nothing changes but the wall clock. Driven as the page drives
// them, from one process clock whose wall time jumps and whose tick goes on.
TEST_F(TimerAlarmsTest, APcClockJumpNeitherStopsNorRepeatsARunningTimer) {
    for (const std::int64_t jumpMs : {-3'600'000LL, 86'400'000LL}) {
        SCOPED_TRACE(jumpMs);
        FakeOsClock clock;
        clock.setUtc({2024, 5, 6, 12, 4, 9, 500});
        clock.setBias(-540);
        clock.setTick(4'294'900'000u);  // the tick count wraps during the run as well
        ScopedOsClock scoped(clock);
        sound_.played.clear();
        cells_.Select(0, kTwoMinutes);
        cells_.Select(1, kStopwatch);
        cells_.Start(0, osClock().tickCount(), osClock().localNow());
        cells_.Start(1, osClock().tickCount(), osClock().localNow());
        const QString started = cells_.View(0).startTime;
        EXPECT_EQ(started, "21:04:09");

        QStringList readings;
        for (int ms = 100; ms <= 125'000; ms += 100) {
            clock.advanceTick(100);
            clock.advanceMs(100);
            if (ms == 30'000) clock.advanceMs(jumpMs);
            cells_.Tick(osClock().tickCount());
            const QString shown = cells_.View(0).display;
            if (readings.isEmpty() || readings.last() != shown) readings << shown;
            // The stopwatch reads the whole seconds of tick time, whatever the wall clock says.
            EXPECT_EQ(cells_.Item(1).Progress, ms / 1000) << ms;
            // It ends when the whole two minutes of tick time have passed.
            EXPECT_EQ(cells_.Item(0).Running, ms < 120'000) << ms;
        }
        // Every second from 02:00 down to 00:00 once, in order: nothing skipped,
        // repeated or below zero.
        ASSERT_EQ(readings.size(), 121) << readings.join(' ').toStdString();
        for (int i = 0; i < readings.size(); ++i) EXPECT_EQ(readings[i], FormatTimerReading(120 - i));
        EXPECT_EQ(sound_.played, (QStringList{"/snd/a.wav", "/snd/b.wav"}));  // each alarm once
        EXPECT_EQ(cells_.View(0).startTime, started);
        cells_.Reset(0);
        cells_.Reset(1);
    }
}

TEST_F(TimerCellsTest, TickCountWrapsDuringARun) {
    const std::uint32_t start = 0xFFFFF000u;  // 4096 ms before the wrap
    cells_.Select(0, 1);                      // "15秒": red from 5 s
    cells_.Select(1, kStopwatch);
    cells_.Start(0, start, kLocal);
    cells_.Start(1, start, kLocal);
    cells_.Tick(start + 10'000);  // wrapped
    EXPECT_EQ(cells_.View(0).display, "00:05");
    EXPECT_EQ(cells_.View(0).colour, kTimerColourLast);
    EXPECT_EQ(cells_.View(1).display, "00:10");
    EXPECT_TRUE(cells_.AnyRunning());
    cells_.Tick(start + 15'000);
    EXPECT_EQ(cells_.View(0).display, "00:00");
    EXPECT_TRUE(cells_.View(0).listEnabled);
    EXPECT_EQ(cells_.View(1).display, "00:15");
}

TEST_F(TimerCellsTest, SelectionRulesAndReloading) {
    const auto& v = cells_.View(0);
    EXPECT_EQ(v.selection, -1);
    EXPECT_FALSE(v.actionsEnabled);
    cells_.Start(0, 0, kLocal);  // disabled: ignored
    cells_.Reset(0);
    EXPECT_FALSE(cells_.AnyRunning());
    EXPECT_EQ(cells_.SetNames().size(), 30);
    EXPECT_EQ(cells_.SetNames()[kTwoMinutes], "2分");

    // Stored selections: valid, past the list, negative; an invalid-item entry.
    auto sets = BuiltInSets();
    sets.push_back(MakeSet(kTimerInvalidItem, kKindCountdown, 10));
    std::array<int, kTimerCellCount> stored = NoSelections();
    stored[0] = kChain10;
    stored[1] = 31;
    stored[2] = -7;
    stored[3] = 30;
    cells_.LoadRows(sets, stored);
    EXPECT_EQ(cells_.Selections()[0], kChain10);
    EXPECT_EQ(cells_.Selections()[1], -1);
    EXPECT_EQ(cells_.Selections()[2], -1);
    EXPECT_EQ(cells_.Selections()[3], 30);
    EXPECT_FALSE(cells_.View(3).actionsEnabled);
    EXPECT_EQ(cells_.View(3).display, "00:00");

    // A reload stops running cells but keeps their caption and chain count.
    cells_.Start(0, 0, kLocal);
    cells_.Start(0, 1000, kLocal);
    cells_.Tick(2000);
    cells_.LoadRows(sets, stored);
    EXPECT_FALSE(cells_.AnyRunning());
    EXPECT_EQ(cells_.View(0).startCaption, "2チェーン [F1]");
    EXPECT_EQ(cells_.View(0).display, "01:00");  // the third window is next
    EXPECT_EQ(cells_.View(0).startTime, "00:00:00");
    EXPECT_TRUE(cells_.View(0).listEnabled);
    EXPECT_EQ(cells_.View(0).colour, kTimerColourNormal);

    // Cells outside 0..11 are ignored, not indexed.
    cells_.Select(12, 0);
    cells_.Start(-1, 0, kLocal);
    cells_.Reset(99);
    EXPECT_EQ(cells_.View(12).selection, -1);
}

TEST(SoundPlayerTest, ScopedReplacementAndSilentSkipping) {
    SoundPlayer* real = &soundPlayer();
    {
        FakeSoundPlayer fake;
        ScopedSoundPlayer scoped(fake);
        soundPlayer().play("/x.wav");
        EXPECT_EQ(fake.played, QStringList{"/x.wav"});
        // No device is told once only.
        fake.output = false;
        EXPECT_TRUE(soundPlayer().NoOutputToTell());
        EXPECT_FALSE(soundPlayer().NoOutputToTell());
    }
    EXPECT_EQ(&soundPlayer(), real);
    // Without an application object and for a missing file nothing happens.
    QtSoundPlayer().play(QStringLiteral("/no/such/file.wav"));
    QtSoundPlayer().play(QString());
    // Nothing can be heard then, whatever the system has.
    EXPECT_FALSE(QtSoundPlayer().hasOutput());
}

}  // namespace
}  // namespace norvane
