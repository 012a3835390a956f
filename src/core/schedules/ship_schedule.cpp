#include "core/schedules/ship_schedule.h"

namespace norvane {

namespace {

constexpr ShipClock T(int h, int m) {
    return ShipClock{static_cast<std::uint8_t>(h), static_cast<std::uint8_t>(m)};
}

constexpr Sailing S(ShipClock arrive, ShipClock depart, ShipClock dest) {
    return Sailing{{arrive, depart, dest}};
}

}  // namespace

// Stored in the order of the timetable; a column need not be chronological
// (route 1's last arrival, 00:12, is the earliest of its day).
const std::array<ShipRoute, kShipRouteCount> kShipRoutes = {{
    {"ジュノから", "→ サンドリアへ",
     {S(T(0, 12), T(1, 13), T(3, 12)), S(T(6, 12), T(7, 13), T(9, 12)),
      S(T(12, 12), T(13, 13), T(15, 12)), S(T(18, 12), T(19, 13), T(21, 12))}, 4},
    {"ジュノから", "→ バストゥークへ",
     {S(T(3, 12), T(4, 12), T(6, 12)), S(T(9, 12), T(10, 12), T(12, 12)),
      S(T(15, 12), T(16, 12), T(18, 12)), S(T(21, 12), T(22, 12), T(0, 12))}, 4},
    {"ジュノから", "→ ウィンダスへ",
     {S(T(3, 12), T(4, 13), T(6, 14)), S(T(9, 12), T(10, 13), T(12, 14)),
      S(T(15, 12), T(16, 13), T(18, 14)), S(T(21, 12), T(22, 13), T(0, 14))}, 4},
    {"ジュノから", "→ カザムへ",
     {S(T(0, 14), T(1, 12), T(3, 12)), S(T(6, 14), T(7, 12), T(9, 12)),
      S(T(12, 14), T(13, 12), T(15, 12)), S(T(18, 14), T(19, 12), T(21, 12))}, 4},
    {"サンドリアから", "→ ジュノへ",
     {S(T(1, 42), T(2, 43), T(4, 48)), S(T(7, 42), T(8, 43), T(10, 48)),
      S(T(13, 42), T(14, 43), T(16, 48)), S(T(19, 42), T(20, 43), T(22, 48))}, 4},
    {"バストゥークから", "→ ジュノへ",
     {S(T(4, 48), T(5, 45), T(7, 42)), S(T(10, 48), T(11, 45), T(13, 42)),
      S(T(16, 48), T(17, 45), T(19, 42)), S(T(22, 48), T(23, 45), T(1, 42))}, 4},
    {"ウィンダスから", "→ ジュノへ",
     {S(T(4, 51), T(5, 38), T(7, 49)), S(T(10, 51), T(11, 38), T(13, 49)),
      S(T(16, 51), T(17, 38), T(19, 49)), S(T(22, 51), T(23, 38), T(1, 49))}, 4},
    {"カザムから", "→ ジュノへ",
     {S(T(1, 49), T(2, 42), T(4, 51)), S(T(7, 49), T(8, 42), T(10, 51)),
      S(T(13, 49), T(14, 42), T(16, 51)), S(T(19, 49), T(20, 42), T(22, 51))}, 4},
    {"セルビナ ─", "マウラ航路",
     {S(T(6, 40), T(8, 0), T(14, 40)), S(T(14, 40), T(16, 0), T(22, 40)),
      S(T(22, 40), T(0, 0), T(6, 40))}, 3},
}};

VanaDateTime NextShipEvent(const ShipRoute& route, ShipColumn column, const VanaDateTime& now) {
    const int current = now.Hour * 60 + now.Minute;
    // The earliest time of the column strictly after the current minute wins
    // today; if none is left, the earliest of all wins tomorrow.
    int bestToday = -1;
    int earliest = -1;
    for (std::size_t i = 0; i < route.count; ++i) {
        const ShipClock& t = route.sailings[i].at[static_cast<std::size_t>(column)];
        const int key = t.hour * 60 + t.minute;
        if (earliest < 0 || key < earliest) earliest = key;
        if (key > current && (bestToday < 0 || key < bestToday)) bestToday = key;
    }
    VanaDateTime target;
    target.Year = now.Year;
    target.Month = now.Month;
    target.Day = now.Day;
    const int key = bestToday >= 0 ? bestToday : earliest;
    if (bestToday < 0) target.Day += 1;
    target.Hour = key / 60;
    target.Minute = key % 60;
    target.Second = 0;
    return target;
}

ShipPageView ComputeShipPage(const VanaDateTime& now, const EarthTime& localNow, int bias) {
    ShipPageView page;
    for (std::size_t r = 0; r < kShipRouteCount; ++r) {
        const ShipRoute& route = kShipRoutes[r];
        ShipRowView& row = page[r];
        row.originCaption = route.originCaption;
        row.destCaption = route.destCaption;
        for (int c = 0; c < 3; ++c) {
            const auto column = static_cast<ShipColumn>(c);
            const VanaDateTime target = NextShipEvent(route, column, now);
            ShipColumnView& view = row.columns[static_cast<std::size_t>(c)];
            const bool departs = column == kShipDepart;
            view.time.clear();
            view.time.push_back(' ');
            AppendTwoDigits(view.time, target.Hour);
            view.time.push_back(':');
            AppendTwoDigits(view.time, target.Minute);
            view.time.append(departs ? "発" : "着");
            // Counted to the second the clock shows the event: a game minute
            // mostly falls between two Earth seconds, and a count to the
            // second before it would read 00:00 while the event is still ahead.
            const std::int64_t event = VanaToSeconds(target);
            view.target = LocalTimeReaching(event, bias);
            const std::int64_t left = ShownCountdownUntil(event, localNow, bias);
            view.secondsLeft = left;
            view.countdown = FormatMinutesSeconds(left);
            view.countdownColour = CountdownColour(left);
            view.timeHint = departs ? kShipDepartHint : kShipArriveHint;
            view.countdownHint = departs ? kShipDepartCountdownHint : kShipArriveCountdownHint;
        }
    }
    return page;
}

}  // namespace norvane
