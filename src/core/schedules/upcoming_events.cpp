#include "core/schedules/upcoming_events.h"

#include <algorithm>
#include <tuple>

#include "core/schedules/moon_schedule.h"

namespace norvane {
namespace {

constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

void Add(std::vector<UpcomingEvent>& events, EventKind kind, int subject, const VanaDateTime& moment, int bias) {
    events.push_back({kind, subject, VanaToSeconds(moment), VanaToEarth(moment, bias)});
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

    std::stable_sort(events.begin(), events.end(), [](const UpcomingEvent& a, const UpcomingEvent& b) {
        return std::tie(a.vanaSeconds, a.kind, a.subject) < std::tie(b.vanaSeconds, b.kind, b.subject);
    });
    return events;
}

const std::vector<UpcomingEvent>& UpcomingEvents::At(const ScheduleMoment& m) {
    const std::int64_t minute = FloorDiv(VanaToSeconds(m.game), kVanaMinute);
    if (!valid_ || minute != minute_ || m.bias != bias_) {
        events_ = compute_(m.game, m.bias, choices_);
        minute_ = minute;
        bias_ = m.bias;
        valid_ = true;
    }
    return events_;
}

void UpcomingEvents::SetChoices(const EventChoices& choices) {
    if (choices == choices_) return;
    choices_ = choices;
    valid_ = false;
}

}  // namespace norvane
