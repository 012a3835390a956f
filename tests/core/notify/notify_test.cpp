// The announcements over simulated Earth time: the clock is a fake, each tick
// runs what the window runs (the event list, the decision, the kept keys).
#include "core/notify/notify_decision.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/settings/settings_store.h"
#include "core/time/earth_time.h"
#include "core/timers/timer_cells.h"
#include "support/fake_os_clock.h"
#include "support/fake_sound_player.h"
#include "timers/timer_test_support.h"

namespace norvane {
namespace {

using testing_support::MakeAlarm;
using testing_support::MakeSet;

constexpr std::int64_t kTickMs = 500;

// One run of the program: its own event list; the keys live in the settings
// text, as they do across a restart.
struct Session {
    FakeOsClock& clock;
    NotifyChoices choices;
    std::string stored;  // "Notify" "Sent"
    UpcomingEvents upcoming{ComputeUpcomingEvents};
    TimerCells* cells = nullptr;

    std::int64_t Now() const { return EarthMilliseconds(clock.utcNow()); }

    std::vector<UpcomingEvent> Tick() {
        if (cells) upcoming.UpdateTimers(*cells, clock.tickCount(), Now(), clock.localBias());
        const NotifyDecision d =
            DecideNotifications(upcoming.At(CurrentScheduleMoment()), Now(), choices, ParseNotifiedKeys(stored));
        if (d.keysChanged) stored = FormatNotifiedKeys(d.keys);
        return d.due;
    }
    void Advance(std::int64_t ms) {
        clock.advanceMs(ms);
        clock.advanceTick(static_cast<std::uint32_t>(ms));
    }
};

class NotifyTest : public ::testing::Test {
protected:
    void SetUp() override {
        clock_.setBias(-540);
        clock_.setUtc({2026, 3, 1, 0, 0, 0, 0});
        choices_.events.routes[0] = choices_.events.routes[8] = true;
        choices_.events.guilds[0] = true;
        choices_.events.weekdays.set();
        choices_.events.moonPhases[8] = true;
        choices_.events.racial = choices_.events.chocobo = true;
    }

    FakeOsClock clock_;
    ScopedOsClock scoped_{clock_};
    NotifyChoices choices_;
};

TEST_F(NotifyTest, OverADayEachEventOnceAtItsLeadAlsoAcrossARestart) {
    Session s{clock_, choices_};
    const std::int64_t start = s.Now(), lead = 3 * 60'000;
    std::map<NotifiedKey, std::int64_t> sentAt;
    std::set<NotifiedKey> listed;  // every chosen event the list held far enough ahead
    for (std::int64_t t = 0; t <= 24LL * 3'600'000; t += kTickMs) {
        if (t == 12LL * 3'600'000) {
            // A restart: a new list, the keys as stored, at the same moment.
            Session restarted{clock_, choices_, s.stored};
            EXPECT_TRUE(restarted.Tick().empty());
            s.stored = restarted.stored;
        }
        for (const UpcomingEvent& e : s.upcoming.At(CurrentScheduleMoment()))
            if (Chosen(choices_, e.kind, e.subject) && e.utcMs - lead > start + kTickMs && e.utcMs - lead <= s.Now())
                listed.insert(KeyOf(e));
        for (const UpcomingEvent& e : s.Tick()) {
            EXPECT_TRUE(sentAt.emplace(KeyOf(e), s.Now()).second) << "twice: " << FormatEarthTime(e.local);
            EXPECT_TRUE(Chosen(choices_, e.kind, e.subject));
            // At the first tick within three minutes of it.
            if (s.Now() > start) {
                EXPECT_LE(e.utcMs - s.Now(), lead);
                EXPECT_GT(e.utcMs - s.Now(), lead - kTickMs);
            }
        }
        s.Advance(kTickMs);
    }
    for (const NotifiedKey& k : listed) EXPECT_TRUE(sentAt.count(k)) << static_cast<int>(k.kind) << " " << k.subject;
    EXPECT_GT(sentAt.size(), 150u);  // two routes' sailings, the guild, 8+ weekdays ...
    // Only keys of the last hour are kept.
    for (const NotifiedKey& k : ParseNotifiedKeys(s.stored)) EXPECT_GE(k.utcMs, s.Now() - kNotifiedKeepMs);
}

TEST_F(NotifyTest, AClockJumpOrAWakeAnnouncesOnlyWhatIsStillAhead) {
    Session s{clock_, choices_};
    for (int i = 0; i < 3'600; ++i) {  // half an hour
        s.Tick();
        s.Advance(kTickMs);
    }
    // Forward by two hours, as a wake from standby: nothing of the two hours.
    const std::int64_t before = s.Now();
    s.Advance(2 * 3'600'000);
    const std::int64_t after = s.Now();
    for (const UpcomingEvent& e : s.Tick()) {
        EXPECT_GT(e.utcMs, after);
        EXPECT_LE(e.utcMs, after + 3 * 60'000);
    }
    // Back by ten minutes: what was announced is not again, what was not still is.
    for (int i = 0; i < 1'200; ++i) {
        s.Advance(kTickMs);
        s.Tick();
    }
    const std::vector<NotifiedKey> kept = ParseNotifiedKeys(s.stored);
    const std::set<NotifiedKey> beforeBack(kept.begin(), kept.end());
    s.Advance(-10 * 60'000);
    int fresh = 0;
    for (int i = 0; i < 2'400; ++i) {
        for (const UpcomingEvent& e : s.Tick()) {
            EXPECT_FALSE(beforeBack.count(KeyOf(e))) << "again: " << FormatEarthTime(e.local);
            ++fresh;
        }
        s.Advance(kTickMs);
    }
    EXPECT_GT(fresh, 0);
    EXPECT_GT(before, 0);
}

TEST_F(NotifyTest, TimerEventsFallWhereTheCellsSoundAndKeepTheirInstants) {
    FakeSoundPlayer player;
    ScopedSoundPlayer scopedPlayer(player);
    TimerCells cells;
    cells.LoadRows({MakeSet("count", kKindCountdown, 600), MakeSet("watch", kKindStopwatch, 0)}, {0, 1});
    std::array<TAlarmSet, kTimerCellCount> alarms{};
    alarms[0] = MakeAlarm("a", "a60.wav", 60, "a0.wav", 0, "a700.wav", 700);  // 700 never comes, 0 is the end
    alarms[1] = MakeAlarm("b", "b90.wav", 90);
    cells.SetRowAlarms(alarms);
    clock_.setTick(4'294'960'000u);  // the tick count wraps during the run
    cells.Start(0, clock_.tickCount(), clock_.localNow());
    clock_.advanceTick(250);
    clock_.advanceMs(250);
    cells.Start(1, clock_.tickCount(), clock_.localNow());

    NotifyChoices timersOnly;
    timersOnly.timers = true;
    timersOnly.minutesAhead = 0;
    Session s{clock_, timersOnly, {}, UpcomingEvents{ComputeUpcomingEvents}, &cells};
    s.Tick();
    const std::vector<UpcomingEvent> first = s.upcoming.At(CurrentScheduleMoment());
    std::vector<UpcomingEvent> timers;
    for (const UpcomingEvent& e : first)
        if (e.kind == EventKind::TimerEnds || e.kind == EventKind::TimerAlarm) timers.push_back(e);
    ASSERT_EQ(timers.size(), 3u);  // b90, a60 (at 540 s), the end
    EXPECT_EQ(timers[0].subject, 1 * 3 + 0);
    EXPECT_EQ(timers[1].subject, 0 * 3 + 0);
    EXPECT_EQ(timers[2].kind, EventKind::TimerEnds);

    // Run the cells at 100 ms; each sound falls in the tick of its instant, and
    // its notification came within the last game minute before it.
    std::map<QString, std::int64_t> soundAt, sentAt;
    const std::map<int, QString> bySubject{{3, "b90.wav"}, {0, "a60.wav"}};
    for (int i = 0; i < 6'100; ++i) {
        s.Advance(100);
        const int played = player.played.size();
        cells.Tick(clock_.tickCount());
        for (int p = played; p < player.played.size(); ++p) soundAt[player.played[p]] = s.Now();
        if (i % 5 == 0)
            for (const UpcomingEvent& e : s.Tick())
                sentAt[e.kind == EventKind::TimerEnds ? "end" : bySubject.at(e.subject)] = s.Now();
    }
    for (const UpcomingEvent& e : timers) {
        const QString name = e.kind == EventKind::TimerEnds ? "end" : bySubject.at(e.subject);
        if (name != "end") {
            ASSERT_TRUE(soundAt.count(name)) << name.toStdString();
            EXPECT_GE(soundAt[name], e.utcMs);
            EXPECT_LT(soundAt[name], e.utcMs + 100);
        }
        ASSERT_TRUE(sentAt.count(name)) << name.toStdString();
        EXPECT_LT(sentAt[name], e.utcMs);
        EXPECT_GE(sentAt[name], e.utcMs - kNotifyMinLeadMs - kTickMs);
    }
    EXPECT_FALSE(soundAt.count("a700.wav"));
    // The stopwatch runs on without end or alarm; the countdown has ended.
    for (const UpcomingEvent& e : s.upcoming.At(CurrentScheduleMoment())) {
        EXPECT_NE(e.kind, EventKind::TimerEnds);
    }

    // A restart of the countdown: its events anew, the end ten minutes on.
    cells.Start(0, clock_.tickCount(), clock_.localNow());
    EXPECT_TRUE(s.upcoming.UpdateTimers(cells, clock_.tickCount(), s.Now(), clock_.localBias()));
    EXPECT_FALSE(s.upcoming.UpdateTimers(cells, clock_.tickCount() + 7, s.Now() + 3, clock_.localBias()));
    bool end = false;
    for (const UpcomingEvent& e : s.upcoming.At(CurrentScheduleMoment()))
        if (e.kind == EventKind::TimerEnds) end = e.utcMs == s.Now() + 600'000;
    EXPECT_TRUE(end);
}

TEST(NotifySettings, ChoicesAndKeysReadBackAndBadValuesAreHarmless) {
    testing_support::TempFolder folder;
    NotifyChoices c;
    EXPECT_FALSE(c.Any());
    c.events.routes[3] = c.events.guilds[12] = c.events.weekdays[7] = c.events.moonPhases[0] = true;
    c.timers = true;
    c.minutesAhead = 60;
    {
        SettingsStore store(folder.settings());
        EXPECT_EQ(ReadNotifyChoices(store), NotifyChoices{});
        WriteNotifyChoices(store, c);
        WriteNotifiedKeys(store, {{EventKind::TimerAlarm, 35, -5}, {EventKind::GuildOpens, 2, 63'900'000'000'123}});
    }
    SettingsStore store(folder.settings());
    EXPECT_EQ(ReadNotifyChoices(store), c);
    EXPECT_EQ(ReadNotifiedKeys(store).size(), 2u);
    store.WriteInteger("Notify", "MinutesAhead", 999);
    EXPECT_EQ(ReadNotifyChoices(store).minutesAhead, 60);

    const std::vector<NotifiedKey> parsed = ParseNotifiedKeys("1,2,3;;x;1,2;99,1,5;1,2,3;3,-1,4;2,0,12abc;0,8,-7;");
    ASSERT_EQ(parsed.size(), 2u);
    EXPECT_EQ(parsed[0], (NotifiedKey{EventKind::ShipArrivesAtOrigin, 8, -7}));
    EXPECT_EQ(parsed[1], (NotifiedKey{EventKind::ShipDeparts, 2, 3}));
    std::string many;
    for (int i = 0; i < 2'000; ++i) many += "1,1," + std::to_string(i) + ";";
    EXPECT_EQ(ParseNotifiedKeys(many).size(), kNotifiedKeysMax);
}

TEST(NotifyText, SaysWhatWhenInBothTimesAndTheTimeLeft) {
    const EarthTime utc{2026, 3, 1, 3, 0, 0, 0};
    const std::int64_t now = EarthMilliseconds(utc);
    const std::vector<UpcomingEvent> events = ComputeUpcomingEvents(VanaTimeAt(utc), -540, EventChoices{});
    std::set<Page> pages;
    for (const UpcomingEvent& e : events) {
        const NotificationText t = NotificationTextFor(e, now);
        pages.insert(t.page);
        EXPECT_NE(t.body.find("地球時間 " + FormatEarthTime(e.local)), std::string::npos);
        if (e.kind == EventKind::ShipDeparts && e.subject == 0) {
            EXPECT_EQ(t.summary, "ジュノ発サンドリア行きの飛空艇が出発します");
            EXPECT_EQ(t.page, Page::Ship);
        }
        if (e.kind == EventKind::ShipDeparts && e.subject == 8) {
            EXPECT_EQ(t.summary, "セルビナ─マウラ航路の船が出発します");
        }
    }
    EXPECT_EQ(pages, (std::set<Page>{Page::Ship, Page::Guild, Page::Calendar, Page::Racial, Page::Chocobo}));

    UpcomingEvent alarm{EventKind::TimerAlarm, 11 * 3 + 2, VanaSecondsAt(utc) + 25 * 185, {2026, 3, 1, 12, 3, 5, 0},
                        now + 185'000};
    const NotificationText t = NotificationTextFor(alarm, now);
    EXPECT_EQ(t.summary, "タイマー12. のアラームが鳴ります");
    EXPECT_EQ(t.page, Page::Timer);
    const VanaDateTime g = SecondsToVana(alarm.vanaSeconds);
    char game[32];
    std::snprintf(game, sizeof game, "%04d/%02d/%02d %02d:%02d", g.Year, g.Month, g.Day, g.Hour, g.Minute);
    EXPECT_EQ(t.body, "地球時間 2026/03/01 12:03:05\nヴァナ・ディール " + std::string(game) + "\nあと 3 分 5 秒です。");
    // A game year below 1000 keeps the window's four digits.
    const EarthTime early{2003, 12, 1, 9, 0, 0, 0};
    UpcomingEvent old{EventKind::TimerEnds, 0, VanaSecondsAt(early), {2003, 12, 1, 18, 0, 0, 0}, EarthMilliseconds(early)};
    EXPECT_NE(NotificationTextFor(old, old.utcMs).body.find("ヴァナ・ディール 0934/"), std::string::npos);
    EXPECT_NE(NotificationTextFor(alarm, now + 185'000).body.find("まもなくです。"), std::string::npos);
}

}  // namespace
}  // namespace norvane
