#include "core/schedules/upcoming_events.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/schedules/chocobo_schedule.h"
#include "core/schedules/racial_schedule.h"
#include "core/time/earth_time.h"
#include "support/fake_os_clock.h"

namespace norvane {
namespace {

using Key = std::pair<EventKind, int>;

// What the pages show that an event changes: each column's next sailing, whether
// each shop is open, the weekday, the moon phase, this week's race, the chocobo cycle.
struct Shown {
    std::vector<std::int64_t> sailings;
    std::vector<bool> open;
    int weekday, moon, race, cycle;
};

Shown ShownAt(const ScheduleMoment& m) {
    Shown s;
    for (const ShipRoute& route : kShipRoutes)
        for (int c = 0; c < 3; ++c) s.sailings.push_back(VanaToSeconds(NextShipEvent(route, static_cast<ShipColumn>(c), m.game)));
    for (const GuildShop& shop : kGuildShops) s.open.push_back(GuildStateAt(shop, m.game) == GuildState::Open);
    s.weekday = m.game.Weekday;
    s.moon = m.game.Moon;
    s.race = ComputeRacialNow(m.game, m.local, m.bias).race;
    s.cycle = ComputeChocoboNow(m.game, m.local, m.bias).cycle;
    return s;
}

// The events that the change from `a` to `b` stands for, among the chosen ones.
std::set<Key> Changes(const Shown& a, const Shown& b, const EventChoices& choices) {
    static constexpr EventKind kShip[] = {EventKind::ShipArrivesAtOrigin, EventKind::ShipDeparts,
                                          EventKind::ShipArrivesAtDestination};
    std::set<Key> keys;
    for (std::size_t i = 0; i < a.sailings.size(); ++i)
        if (a.sailings[i] != b.sailings[i] && choices.routes[i / 3]) keys.insert({kShip[i % 3], static_cast<int>(i / 3)});
    for (std::size_t g = 0; g < a.open.size(); ++g)
        if (a.open[g] != b.open[g] && choices.guilds[g])
            keys.insert({b.open[g] ? EventKind::GuildOpens : EventKind::GuildCloses, static_cast<int>(g)});
    if (a.weekday != b.weekday && choices.weekdays[static_cast<std::size_t>(b.weekday)])
        keys.insert({EventKind::WeekdayBegins, b.weekday});
    if (a.moon != b.moon && choices.moonPhases[static_cast<std::size_t>(b.moon)])
        keys.insert({EventKind::MoonPhaseBegins, b.moon});
    if (a.race != b.race && choices.racial) keys.insert({EventKind::RacialTurnBegins, b.race});
    if (a.cycle != b.cycle && choices.chocobo) keys.insert({EventKind::ChocoboDayBegins, b.cycle});
    return keys;
}

TEST(UpcomingEvents, AnnounceEveryChangeOfThePagesOverAnEarthDayAndNothingElse) {
    EventChoices some;
    some.routes = 0b100000001;        // Jeuno to San d'Oria, and the ship
    some.guilds = (1u << 2) | (1u << 12);
    some.weekdays = (1u << 2) | (1u << 7);
    some.moonPhases = (1u << 2) | (1u << 8);
    some.racial = false;
    const struct {
        int bias;
        EventChoices choices;
    } cases[] = {{-540, EventChoices{}}, {300, some}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bias);
        FakeOsClock clock;
        ScopedOsClock scoped(clock);
        clock.setBias(c.bias);
        clock.setUtc({2003, 12, 1, 9, 0, 1, 0});
        int computations = 0;
        UpcomingEvents upcoming([&](const VanaDateTime& now, int bias, const EventChoices& choices) {
            ++computations;
            return ComputeUpcomingEvents(now, bias, choices);
        });
        upcoming.SetChoices(c.choices);
        ScheduleMoment before = CurrentScheduleMoment();
        std::vector<UpcomingEvent> announced = upcoming.At(before);
        Shown shownBefore = ShownAt(before);
        std::set<std::int64_t> minutes{VanaToSeconds(before.game) / 60};
        std::size_t seen = 0;
        for (int second = 1; second <= 86'400; ++second) {
            clock.advanceMs(1000);
            const ScheduleMoment now = CurrentScheduleMoment();
            const std::int64_t from = VanaToSeconds(before.game), to = VanaToSeconds(now.game);
            // What the list held a second ago and fell due in this second ...
            std::set<Key> due;
            for (const UpcomingEvent& e : announced) {
                if (e.vanaSeconds <= from || e.vanaSeconds > to) continue;
                due.insert({e.kind, e.subject});
                // ... at the Earth second the pages' countdowns run to.
                const std::int64_t utc = EarthSeconds(e.local) + std::int64_t{c.bias} * 60;
                EXPECT_TRUE(utc == EarthSeconds(clock.utcNow()) || utc == EarthSeconds(clock.utcNow()) - 1);
            }
            const Shown shownNow = ShownAt(now);
            // ... is exactly what changed on the pages.
            ASSERT_EQ(due, Changes(shownBefore, shownNow, c.choices)) << FormatEarthTime(clock.utcNow());
            seen += due.size();

            // An announced event stays announced, at the same moment, until it falls due.
            const std::vector<UpcomingEvent>& next = upcoming.At(now);
            for (const UpcomingEvent& e : announced) {
                if (e.vanaSeconds <= to) continue;
                ASSERT_NE(std::find(next.begin(), next.end(), e), next.end())
                    << static_cast<int>(e.kind) << " " << e.subject << " " << FormatEarthTime(e.local);
            }
            announced = next;
            ASSERT_TRUE(std::is_sorted(announced.begin(), announced.end(), [](const auto& a, const auto& b) {
                return a.vanaSeconds < b.vanaSeconds;
            }));
            for (const UpcomingEvent& e : announced) ASSERT_GT(e.vanaSeconds, to);
            minutes.insert(to / 60);
            before = now;
            shownBefore = shownNow;
        }
        EXPECT_GT(seen, 25u);
        // Once a game minute, not once a tick.
        EXPECT_EQ(computations, static_cast<int>(minutes.size()));
        const int computed = computations;
        upcoming.SetChoices(c.choices);
        upcoming.At(before);
        EXPECT_EQ(computations, computed);
        EventChoices none;
        none.routes.reset(), none.guilds.reset(), none.weekdays.reset(), none.moonPhases.reset();
        none.racial = none.chocobo = false;
        upcoming.SetChoices(none);
        EXPECT_TRUE(upcoming.At(before).empty());
        EXPECT_EQ(computations, computed + 1);
    }
}

}  // namespace
}  // namespace norvane
