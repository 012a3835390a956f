#pragma once
// Vana'diel game time: 25 game seconds per Earth second, counted from one fixed
// pair of base instants. All arithmetic is signed 64-bit.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/os_clock.h"

namespace norvane {

struct VanaDateTime {
    std::int32_t Year = 0;
    std::int32_t Month = 1;    // 1-12
    std::int32_t Day = 1;      // 1-30
    std::int32_t Hour = 0;
    std::int32_t Minute = 0;
    std::int32_t Second = 0;
    std::int32_t Weekday = 0;  // 0-7, index into VanaWeekdayNames
    std::int32_t Moon = 0;     // 0-11, index into MoonPhaseNames

    friend bool operator==(const VanaDateTime&, const VanaDateTime&) = default;
};

inline constexpr std::int64_t kVanaMinute = 60;
inline constexpr std::int64_t kVanaHour = 3'600;
inline constexpr std::int64_t kVanaDay = 86'400;
inline constexpr std::int64_t kVanaMonth = 2'592'000;
inline constexpr std::int64_t kVanaYear = 31'104'000;
inline constexpr std::int64_t kVanaWeek = 691'200;
inline constexpr std::int64_t kVanaMoonPhase = 604'800;
inline constexpr std::int64_t kTimeFactor = 25;

// 2003-12-01 09:00:01 UTC, formed as 18:00:01 at a fixed UTC+9.
constexpr std::int64_t EarthBaseSeconds() { return 731'549LL * 86'400 + 64'801 - 540 * 60; }
// Game date 0934/08/04 18:00:00.
constexpr std::int64_t VanaBaseSeconds() { return 934LL * kVanaYear + 18'144'000 + 259'200 + 64'800; }

inline constexpr std::array<std::string_view, 8> VanaWeekdayNames = {
    "火", "土", "水", "風", "氷", "雷", "光", "闇"};
inline constexpr std::array<std::string_view, 7> EarthWeekdayNames = {
    "月", "火", "水", "木", "金", "土", "日"};
inline constexpr std::array<std::string_view, 12> MoonPhaseNames = {
    "二十日月", "二十六夜", "新月", "三日月", "七日月", "上弦の月",
    "十日月", "十三夜", "満月", "十六夜", "居待月", "下弦の月"};
inline constexpr std::array<std::string_view, 12> MoonPhaseShortNames = {
    "二十", "二六", "新月", "三日", "七日", "上弦",
    "十日", "十三", "満月", "十六", "居待", "下弦"};

// Vana second count of a record; linear in the six date and time fields, so
// out-of-range fields (Day 31) are fine. Weekday and Moon are ignored.
std::int64_t VanaToSeconds(const VanaDateTime& d);

// Decomposes a Vana second count. Counts below zero (a PC clock before
// 1967-01-26 05:24:01 UTC) use floored division, so every field stays in range
// and the year goes negative.
VanaDateTime SecondsToVana(std::int64_t v);

// Vana second count of an Earth UTC instant (milliseconds dropped).
std::int64_t VanaSecondsAt(const EarthTime& utc);
VanaDateTime VanaTimeAt(const EarthTime& utc);

// "%.4d/%.2d/%.2d(%s) %.2d:%.2d:%.2d <%s>"
std::string VanaTimeText(const VanaDateTime& d);

// Game time now, from the process clock.
VanaDateTime GetVanaTime();
// Game time now with its one-line text.
VanaDateTime GetVanaTime(std::string& text);

EarthTime GetUtcNow();
EarthTime GetLocalNow();
// Minutes, UTC = local + bias.
int GetLocalBias();

// Local Earth date-time (whole seconds) at which the game moment happens, using
// the bias in force now for every target. `bias` overloads take it explicitly.
EarthTime VanaToEarth(std::int32_t year, std::int32_t month, std::int32_t day,
                      std::int32_t hour, std::int32_t minute, std::int32_t second);
EarthTime VanaToEarth(std::int32_t year, std::int32_t month, std::int32_t day,
                      std::int32_t hour, std::int32_t minute, std::int32_t second, int bias);
EarthTime VanaToEarth(const VanaDateTime& d, int bias);

// Game day count modulo 3 (0-2).
int VanaDayCycle3(const VanaDateTime& d);
// Whole game weeks shifted by 2, modulo 8 and modulo 3.
void VanaWeekCycle(const VanaDateTime& d, int& mod8, int& mod3);

}  // namespace norvane
