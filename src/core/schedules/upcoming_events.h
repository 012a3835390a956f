#pragma once
// The next events of the schedule pages, in one sorted list with their Earth
// instants: sailings, guild openings and closings, the turn to a chosen
// weekday element or moon phase, the racial-equipment turn, the chocobo day,
// and the running timers' ends and alarms. The schedule events are computed
// from the same functions the pages use, once a game minute; the timer events
// when a timer starts, stops or changes.
#include <bitset>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "core/schedules/guild_schedule.h"
#include "core/schedules/schedule_common.h"
#include "core/schedules/ship_schedule.h"
#include "core/timers/timer_cells.h"
#include "core/time/vanatime.h"

namespace norvane {

enum class EventKind : int {
    ShipArrivesAtOrigin,  // subject: the route
    ShipDeparts,
    ShipArrivesAtDestination,
    GuildOpens,           // subject: the shop
    GuildCloses,
    WeekdayBegins,        // subject: the weekday element
    MoonPhaseBegins,      // subject: the phase
    RacialTurnBegins,     // subject: the race whose week begins
    ChocoboDayBegins,     // subject: the day cycle, 0-2, that picks the destinations
    TimerEnds,            // subject: the timer cell, 0-11
    TimerAlarm,           // subject: cell * 3 + the alarm's section, 0-2
};

// Which events the list holds; everything by default.
struct EventChoices {
    std::bitset<kShipRouteCount> routes = std::bitset<kShipRouteCount>().set();
    std::bitset<kGuildShopCount> guilds = std::bitset<kGuildShopCount>().set();
    std::bitset<8> weekdays = std::bitset<8>().set();
    std::bitset<12> moonPhases = std::bitset<12>().set();
    bool racial = true;
    bool chocobo = true;

    friend bool operator==(const EventChoices&, const EventChoices&) = default;
};

struct UpcomingEvent {
    EventKind kind = EventKind::ShipDeparts;
    int subject = 0;
    std::int64_t vanaSeconds = 0;  // the game moment
    EarthTime local;               // its local Earth time, as the pages' countdowns run to it
    std::int64_t utcMs = 0;        // its Earth instant, EarthMilliseconds of UTC

    friend bool operator==(const UpcomingEvent&, const UpcomingEvent&) = default;
};

// The next event of every chosen kind and subject after game time `now`, the
// earliest first (ties in kind and subject order). An event in the current game
// minute has passed, as on the pages. A guild's next opening skips its holiday,
// on which it does not open.
std::vector<UpcomingEvent> ComputeUpcomingEvents(const VanaDateTime& now, int bias, const EventChoices& choices);

// The ends and alarms still ahead of every running timer, at tick count `tick`
// and Earth instant `nowUtcMs`: when the cell's reading reaches the alarm's
// second (rounded as the cells round it), or a countdown reaches zero. An alarm
// at a countdown's zero is its end and not listed twice.
std::vector<UpcomingEvent> ComputeTimerEvents(const TimerCells& cells, std::uint32_t tick, std::int64_t nowUtcMs,
                                              int bias);

// The list for the moment of each clock tick, recomputed only when the game
// minute, the time-zone bias or the choices change, and its timer events only
// when a timer starts, stops or changes: an event keeps one instant while its
// timer runs on, so that it is known again at every tick.
class UpcomingEvents {
public:
    using Compute = std::function<std::vector<UpcomingEvent>(const VanaDateTime&, int, const EventChoices&)>;
    // `compute` makes the list; tests count its calls.
    explicit UpcomingEvents(Compute compute = ComputeUpcomingEvents) : compute_(std::move(compute)) {}

    const std::vector<UpcomingEvent>& At(const ScheduleMoment& m);
    // The timers at the tick count and instant of this tick; returns whether
    // their events were computed anew.
    bool UpdateTimers(const TimerCells& cells, std::uint32_t tick, std::int64_t nowUtcMs, int bias);
    void SetChoices(const EventChoices& choices);
    const EventChoices& choices() const { return choices_; }

private:
    void Merge();

    Compute compute_;
    EventChoices choices_;
    std::vector<UpcomingEvent> schedule_;
    std::vector<UpcomingEvent> timers_;
    std::vector<std::int64_t> timerState_;  // what the timer events were computed from
    std::vector<UpcomingEvent> events_;
    bool valid_ = false;
    std::int64_t minute_ = 0;
    int bias_ = 0;
};

}  // namespace norvane
