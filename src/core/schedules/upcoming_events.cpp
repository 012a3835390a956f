#include "core/schedules/upcoming_events.h"

#include <algorithm>
#include <iterator>
#include <tuple>

#include "core/schedules/moon_schedule.h"
#include "core/time/earth_time.h"

namespace norvane {
namespace {

constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// Exact: a game second is 40 Earth milliseconds.
std::int64_t UtcMsOfVana(std::int64_t v) {
    return (v - VanaBaseSeconds()) * 40 + EarthBaseSeconds() * 1000;
}

void Add(std::vector<UpcomingEvent>& events, EventKind kind, int subject, const VanaDateTime& moment, int bias) {
    const std::int64_t v = VanaToSeconds(moment);
    events.push_back({kind, subject, v, VanaToEarth(moment, bias), UtcMsOfVana(v)});
}

void AddAt(std::vector<UpcomingEvent>& events, EventKind kind, int subject, std::int64_t utcMs, int bias) {
    const std::int64_t v = FloorDiv(utcMs - EarthBaseSeconds() * 1000, 40) + VanaBaseSeconds();
    EarthTime local = EarthTimeFromMilliseconds(utcMs - std::int64_t{bias} * 60'000);
    local.millisecond = 0;
    events.push_back({kind, subject, v, local, utcMs});
}

bool Earlier(const UpcomingEvent& a, const UpcomingEvent& b) {
    return std::tie(a.utcMs, a.kind, a.subject) < std::tie(b.utcMs, b.kind, b.subject);
}

}  // namespace

std::vector<UpcomingEvent> ComputeUpcomingEvents(const VanaDateTime& now, int bias, const EventChoices& choices) {
    std::vector<UpcomingEvent> events;
    const std::int64_t v = VanaToSeconds(now);

    static constexpr EventKind kShipKinds[] = {EventKind::ShipArrivesAtOrigin, EventKind::ShipDeparts,
                                               EventKind::ShipArrivesAtDestination};
    for (std::size_t r = 0; r < kShipRouteCount; ++r) {
        if (!choices.routes[r]) continue;
        for (int c = 0; c < 3; ++c)
            Add(events, kShipKinds[c], static_cast<int>(r),
                NextShipEvent(kShipRoutes[r], static_cast<ShipColumn>(c), now), bias);
    }

    for (std::size_t g = 0; g < kGuildShopCount; ++g) {
        if (!choices.guilds[g]) continue;
        const GuildShop& shop = kGuildShops[g];
        const GuildState state = GuildStateAt(shop, now);
        VanaDateTime target = GuildTarget(shop, state, now);
        if (state != GuildState::Open) {
            // The page counts down to the holiday's opening hour too; the shop
            // opens only the day after.
            target = SecondsToVana(VanaToSeconds(target));
            if (target.Weekday == shop.holiday) target = SecondsToVana(VanaToSeconds(target) + kVanaDay);
        }
        Add(events, state == GuildState::Open ? EventKind::GuildCloses : EventKind::GuildOpens,
            static_cast<int>(g), target, bias);
    }

    const std::int64_t tomorrow = (FloorDiv(v, kVanaDay) + 1) * kVanaDay;
    for (int w = 0; w < 8; ++w) {
        if (!choices.weekdays[static_cast<std::size_t>(w)]) continue;
        const VanaDateTime first = SecondsToVana(tomorrow);
        const int ahead = ((w - first.Weekday) % 8 + 8) % 8;
        Add(events, EventKind::WeekdayBegins, w, SecondsToVana(tomorrow + ahead * kVanaDay), bias);
    }

    const std::int64_t nextPhase = NextMoonPhaseStart(v);
    for (int i = 0; i < 12; ++i) {
        const VanaDateTime start = SecondsToVana(nextPhase + i * kVanaMoonPhase);
        if (choices.moonPhases[static_cast<std::size_t>(start.Moon)])
            Add(events, EventKind::MoonPhaseBegins, start.Moon, start, bias);
    }

    if (choices.racial) {
        const VanaDateTime week = SecondsToVana((FloorDiv(v, kVanaWeek) + 1) * kVanaWeek);
        int race = 0, dungeon = 0;
        VanaWeekCycle(week, race, dungeon);
        Add(events, EventKind::RacialTurnBegins, race, week, bias);
    }
    if (choices.chocobo) {
        const VanaDateTime day = SecondsToVana(tomorrow);
        Add(events, EventKind::ChocoboDayBegins, VanaDayCycle3(day), day, bias);
    }

    std::stable_sort(events.begin(), events.end(), Earlier);
    return events;
}

std::vector<UpcomingEvent> ComputeTimerEvents(const TimerCells& cells, std::uint32_t tick, std::int64_t nowUtcMs,
                                              int bias) {
    std::vector<UpcomingEvent> events;
    for (int cell = 0; cell < kTimerCellCount; ++cell) {
        const TTimerItem& it = cells.Item(cell);
        if (!it.Running) continue;
        const std::int64_t elapsedMs = static_cast<std::uint32_t>(tick - it.StartTick);
        const bool stopwatch = it.Kind == kKindStopwatch;
        // Milliseconds from now to the moment the reading is `second`.
        const auto until = [&](std::int64_t second) {
            return stopwatch ? second * 1000 - (std::int64_t{it.Current} * 1000 + elapsedMs)
                             : std::int64_t{it.Current} * 1000 - elapsedMs - second * 1000;
        };
        if (!stopwatch && until(0) > 0) AddAt(events, EventKind::TimerEnds, cell, nowUtcMs + until(0), bias);
        const TAlarmSet& alarm = cells.RowAlarm(cell);
        if (!alarm.Used) continue;
        for (int s = 0; s < 3; ++s) {
            const TSectionSet& section = alarm.Section[static_cast<std::size_t>(s)];
            if (!section.Enabled || !section.Armed || (!stopwatch && section.Second <= 0)) continue;
            if (const std::int64_t ms = until(section.Second); ms > 0)
                AddAt(events, EventKind::TimerAlarm, cell * 3 + s, nowUtcMs + ms, bias);
        }
    }
    std::sort(events.begin(), events.end(), Earlier);
    return events;
}

const std::vector<UpcomingEvent>& UpcomingEvents::At(const ScheduleMoment& m) {
    const std::int64_t minute = FloorDiv(VanaToSeconds(m.game), kVanaMinute);
    if (!valid_ || minute != minute_ || m.bias != bias_) {
        schedule_ = compute_(m.game, m.bias, choices_);
        minute_ = minute;
        bias_ = m.bias;
        valid_ = true;
        Merge();
    }
    return events_;
}

bool UpcomingEvents::UpdateTimers(const TimerCells& cells, std::uint32_t tick, std::int64_t nowUtcMs, int bias) {
    // Only what moves an instant: a start, stop, restart or another set or alarm.
    // An alarm that has sounded has passed, so its disarming is no change.
    std::vector<std::int64_t> state;
    for (int cell = 0; cell < kTimerCellCount; ++cell) {
        const TTimerItem& it = cells.Item(cell);
        if (!it.Running) continue;
        state.insert(state.end(), {cell, it.StartTick, it.Current, it.Kind == kKindStopwatch});
        const TAlarmSet& alarm = cells.RowAlarm(cell);
        if (alarm.Used)
            for (const TSectionSet& s : alarm.Section) state.insert(state.end(), {s.Enabled, s.Second});
    }
    state.push_back(bias);
    if (state == timerState_) {
        // Passed events leave the list.
        const auto passed = [&](const UpcomingEvent& e) { return e.utcMs <= nowUtcMs; };
        if (std::none_of(timers_.begin(), timers_.end(), passed)) return false;
        std::erase_if(timers_, passed);
        Merge();
        return false;
    }
    timerState_ = std::move(state);
    timers_ = ComputeTimerEvents(cells, tick, nowUtcMs, bias);
    Merge();
    return true;
}

void UpcomingEvents::Merge() {
    events_.clear();
    events_.reserve(schedule_.size() + timers_.size());
    std::merge(schedule_.begin(), schedule_.end(), timers_.begin(), timers_.end(), std::back_inserter(events_),
               Earlier);
}

void UpcomingEvents::SetChoices(const EventChoices& choices) {
    if (choices == choices_) return;
    choices_ = choices;
    valid_ = false;
}

}  // namespace norvane
