#include "core/notify/notify_decision.h"

#include <algorithm>

#include "core/schedules/racial_schedule.h"
#include "core/time/earth_time.h"

namespace norvane {
namespace {

std::string Strip(std::string_view s, std::string_view prefix, std::string_view suffix) {
    if (s.starts_with(prefix)) s.remove_prefix(prefix.size());
    if (s.ends_with(suffix)) s.remove_suffix(suffix.size());
    return std::string(s);
}

// "ジュノ発サンドリア行きの飛空艇"; the ferry by its route's name.
std::string RouteName(int route) {
    const ShipRoute& r = kShipRoutes[static_cast<std::size_t>(route)];
    if (!r.originCaption.ends_with("から")) return RouteCaption(route) + "の船";
    return Strip(r.originCaption, "", "から") + "発" + Strip(r.destCaption, "→ ", "へ") + "行きの飛空艇";
}

std::string Two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }
// The game year as the window shows it: four digits ("0934").
std::string Four(int n) {
    const std::string digits = std::to_string(n);
    return std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
}

std::string CountdownText(std::int64_t ms) {
    const std::int64_t s = (ms + 999) / 1000;
    if (s <= 0) return "まもなくです。";
    std::string t = "あと";
    if (s >= 3600) t += " " + std::to_string(s / 3600) + " 時間";
    if (s >= 60 && s / 60 % 60 != 0) t += " " + std::to_string(s / 60 % 60) + " 分";
    if (s % 60 != 0) t += " " + std::to_string(s % 60) + " 秒";
    return t + "です。";
}

}  // namespace

std::string RouteCaption(int route);

bool Chosen(const NotifyChoices& c, EventKind kind, int subject) {
    const auto at = [](const auto& bits, int i) { return i >= 0 && static_cast<std::size_t>(i) < bits.size() && bits[static_cast<std::size_t>(i)]; };
    switch (kind) {
        case EventKind::ShipArrivesAtOrigin:
        case EventKind::ShipDeparts:
        case EventKind::ShipArrivesAtDestination: return at(c.events.routes, subject);
        case EventKind::GuildOpens:
        case EventKind::GuildCloses: return at(c.events.guilds, subject);
        case EventKind::WeekdayBegins: return at(c.events.weekdays, subject);
        case EventKind::MoonPhaseBegins: return at(c.events.moonPhases, subject);
        case EventKind::RacialTurnBegins: return c.events.racial;
        case EventKind::ChocoboDayBegins: return c.events.chocobo;
        case EventKind::TimerEnds:
        case EventKind::TimerAlarm: return c.timers;
    }
    return false;
}

NotifyDecision DecideNotifications(const std::vector<UpcomingEvent>& events, std::int64_t nowUtcMs,
                                   const NotifyChoices& choices, const std::vector<NotifiedKey>& notified) {
    NotifyDecision d;
    d.keys = notified;
    std::erase_if(d.keys, [&](const NotifiedKey& k) { return k.utcMs < nowUtcMs - kNotifiedKeepMs; });
    d.keysChanged = d.keys.size() != notified.size();
    const std::int64_t lead = std::max<std::int64_t>(std::int64_t{choices.minutesAhead} * 60'000, kNotifyMinLeadMs);
    for (const UpcomingEvent& e : events) {
        if (e.utcMs <= nowUtcMs || e.utcMs - nowUtcMs > lead || !Chosen(choices, e.kind, e.subject)) continue;
        const NotifiedKey key = KeyOf(e);
        if (std::find(d.keys.begin(), d.keys.end(), key) != d.keys.end()) continue;
        d.keys.push_back(key);
        d.due.push_back(e);
        d.keysChanged = true;
    }
    return d;
}

std::string RouteCaption(int route) {
    const ShipRoute& r = kShipRoutes[static_cast<std::size_t>(std::clamp<int>(route, 0, kShipRouteCount - 1))];
    if (!r.originCaption.ends_with("から")) {
        std::string name = std::string(r.originCaption) + std::string(r.destCaption);
        std::erase(name, ' ');
        return name;
    }
    return Strip(r.originCaption, "", "から") + " → " + Strip(r.destCaption, "→ ", "へ");
}

NotificationText NotificationTextFor(const UpcomingEvent& e, std::int64_t nowUtcMs) {
    NotificationText t;
    const auto name = [](auto names, int i) {
        return std::string(names[static_cast<std::size_t>(std::clamp<int>(i, 0, static_cast<int>(names.size()) - 1))]);
    };
    switch (e.kind) {
        case EventKind::ShipArrivesAtOrigin:
            t = {RouteName(e.subject) + "が出発地に着きます", {}, Page::Ship};
            break;
        case EventKind::ShipDeparts: t = {RouteName(e.subject) + "が出発します", {}, Page::Ship}; break;
        case EventKind::ShipArrivesAtDestination:
            t = {RouteName(e.subject) + "が目的地に着きます", {}, Page::Ship};
            break;
        case EventKind::GuildOpens:
        case EventKind::GuildCloses: {
            const GuildShop& shop = kGuildShops[static_cast<std::size_t>(std::clamp<int>(e.subject, 0, kGuildShopCount - 1))];
            t = {std::string(shop.name) + (e.kind == EventKind::GuildOpens ? "が開きます" : "が閉まります"), {},
                 Page::Guild};
            break;
        }
        case EventKind::WeekdayBegins:
            t = {name(VanaWeekdayNames, e.subject) + "曜日になります", {}, Page::Calendar};
            break;
        case EventKind::MoonPhaseBegins:
            t = {"月齢が" + name(MoonPhaseNames, e.subject) + "になります", {}, Page::Calendar};
            break;
        case EventKind::RacialTurnBegins:
            t = {"種族装備が" + name(kRaceNames, e.subject) + "の週になります", {}, Page::Racial};
            break;
        case EventKind::ChocoboDayBegins: t = {"チョコボの行き先が変わります", {}, Page::Chocobo}; break;
        case EventKind::TimerEnds:
            t = {"タイマー" + std::to_string(e.subject + 1) + ". が終わります", {}, Page::Timer};
            break;
        case EventKind::TimerAlarm:
            t = {"タイマー" + std::to_string(e.subject / 3 + 1) + ". のアラームが鳴ります", {}, Page::Timer};
            break;
    }
    const VanaDateTime game = SecondsToVana(e.vanaSeconds);
    t.body = "地球時間 " + FormatEarthTime(e.local) + "\nヴァナ・ディール " + Four(game.Year) + "/" +
             Two(game.Month) + "/" + Two(game.Day) + " " + Two(game.Hour) + ":" + Two(game.Minute) + "\n" +
             CountdownText(e.utcMs - nowUtcMs);
    return t;
}

}  // namespace norvane
