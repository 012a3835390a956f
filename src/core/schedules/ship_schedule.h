#pragma once
// The ship and airship timetable page: nine fixed routes, each with the next
// arrival at its port, departure and arrival at its destination.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/schedules/schedule_common.h"
#include "core/time/vanatime.h"

namespace norvane {

struct ShipClock {
    std::uint8_t hour = 0;
    std::uint8_t minute = 0;
};

// One daily sailing: arrival at the port of departure, departure, arrival at
// the destination (game times of day).
struct Sailing {
    std::array<ShipClock, 3> at;
};

struct ShipRoute {
    std::string_view originCaption;
    std::string_view destCaption;
    std::array<Sailing, 4> sailings;
    std::size_t count;  // sailings in use
};

enum ShipColumn : int { kShipArriveOrigin = 0, kShipDepart = 1, kShipArriveDest = 2 };

inline constexpr std::size_t kShipRouteCount = 9;
extern const std::array<ShipRoute, kShipRouteCount> kShipRoutes;

// Header captions: top band (rows 0-3) and middle band (rows 4-7) share one set.
inline constexpr std::array<std::string_view, 4> kShipHeadCaptions = {
    "飛空挺・航路", "出発地 着", "出発地 発", "目的地 着"};
inline constexpr std::array<std::string_view, 4> kShipBottomCaptions = {
    "船・航路", "出発地 着", "出発地 発", "目的地 着"};

inline constexpr std::string_view kShipArriveHint = "ヴァナ時間の時：分に到着します。";
inline constexpr std::string_view kShipDepartHint = "ヴァナ時間の時：分に出発します。";
inline constexpr std::string_view kShipArriveCountdownHint = "到着まで地球時間で＠分：秒です。";
inline constexpr std::string_view kShipDepartCountdownHint = "出発まで地球時間で＠分：秒です。";

// One column of a row: the time label (C, E or G) and its countdown (D, F or H).
struct ShipColumnView {
    std::string time;       // " 18:12着" / " 19:13発"
    std::string countdown;  // "mm:ss"
    std::int64_t secondsLeft = 0;  // the seconds the countdown shows
    EarthTime target;              // local time of the Earth second the clock shows the event
    Colour countdownColour = kColourBlack;
    std::string_view timeHint;
    std::string_view countdownHint;
};

struct ShipRowView {
    std::string_view originCaption;  // A
    std::string_view destCaption;    // B
    std::array<ShipColumnView, 3> columns;
};

using ShipPageView = std::array<ShipRowView, kShipRouteCount>;

// Game moment (second 0) of the next event of one column after the current
// game minute; an event in the current minute counts as past. The Day may be
// one past the month's end: the conversion to Earth time carries it.
VanaDateTime NextShipEvent(const ShipRoute& route, ShipColumn column, const VanaDateTime& now);

// Everything the page shows for game time `now`, local time `localNow` and the
// time-zone bias in minutes (UTC = local + bias).
ShipPageView ComputeShipPage(const VanaDateTime& now, const EarthTime& localNow, int bias);

}  // namespace norvane
