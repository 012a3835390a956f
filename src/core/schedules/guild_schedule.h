#pragma once
// The guild shop page: thirteen shops with fixed opening hours and a weekly
// holiday, whether each is open now and the Earth time until it closes or opens.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/schedules/schedule_common.h"
#include "core/time/vanatime.h"

namespace norvane {

struct GuildShop {
    std::string_view name;      // A
    std::string_view location;  // H
    std::uint8_t holiday;       // game weekday index 0-7
    std::uint8_t openHour;
    std::uint8_t openMinute;
    std::uint8_t closeHour;
    std::uint8_t closeMinute;
};

inline constexpr std::size_t kGuildShopCount = 13;
extern const std::array<GuildShop, kGuildShopCount> kGuildShops;

// Stored values; keep them as they are.
enum class GuildState : int { Open = 0, BeforeOpening = 1, AfterClosing = 2, Holiday = 3 };

inline constexpr Colour kGuildOpenColour = 0xC00000;
inline constexpr Colour kGuildClosedColour = 0x0040FF;

inline constexpr std::string_view kGuildOpenText = "( 営業中 )";
inline constexpr std::string_view kGuildClosedText = "( 閉店中 )";
inline constexpr std::string_view kGuildHolidayText = "( 定休日 )";
inline constexpr std::string_view kGuildUntilCloseHint = "営業終了までの残り時間です。";
inline constexpr std::string_view kGuildUntilOpenHint = "営業開始までの時間です。";
inline constexpr std::string_view kGuildHolidayCaption = "定休\r\n日";  // C
inline constexpr std::string_view kGuildHolidayHint = "ギルドショップの定休日です。";  // C, D
inline constexpr std::string_view kGuildHoursCaption = "営業時間";  // E
inline constexpr std::string_view kGuildHoursHint = "ギルドショップの営業時間です。";  // E, F

// lblGuildHead0 ... lblGuildHead5.
inline constexpr std::array<std::string_view, 6> kGuildHeadCaptions = {
    "ギルド名", "営業時間・定休日", "所在地", "天晶堂", "営業時間・定休日", "所在地"};

// "hh:mm~hh:mm", the fixed hours text (F).
std::string GuildHoursText(const GuildShop& shop);

// State of a shop at game time `now` (only hours are compared) and the game
// moment (second 0) its countdown runs to: closing today when open, opening
// today before it, opening tomorrow after closing or on the holiday. Day may be
// one past the month's end.
GuildState GuildStateAt(const GuildShop& shop, const VanaDateTime& now);
VanaDateTime GuildTarget(const GuildShop& shop, GuildState state, const VanaDateTime& now);

struct GuildRowView {
    std::string_view name;        // A
    GuildState state = GuildState::Open;
    std::string_view stateText;   // B
    Colour stateColour = kColourBlack;
    int holidayPicture = 0;       // D: index into the weekday pictures
    std::string hours;            // F
    std::string timeLeft;         // G, total minutes and seconds
    std::int64_t secondsLeft = 0;  // the seconds G shows
    EarthTime target;             // the closing or opening in local time
    Colour timeLeftColour = kColourBlack;
    std::string_view timeLeftHint;
    std::string_view location;    // H
};

using GuildPageView = std::array<GuildRowView, kGuildShopCount>;

GuildPageView ComputeGuildPage(const VanaDateTime& now, const EarthTime& localNow, int bias);

}  // namespace norvane
