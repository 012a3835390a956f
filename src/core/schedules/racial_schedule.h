#pragma once
// The racial equipment page: which race may obtain its pattern this game week
// and in which dungeon, and the next ten turns of one chosen race.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/time/vanatime.h"

namespace norvane {

// Also the items of cmbRacial, in index order.
inline constexpr std::array<std::string_view, 8> kRaceNames = {
    "ヒューム♂", "ヒューム♀", "エルヴァーン♂", "エルヴァーン♀",
    "タルタル♂", "タルタル♀", "ミスラ",       "ガルカ"};
inline constexpr std::array<std::string_view, 3> kDungeonNames = {
    "グスゲン鉱山", "シャクラミの迷宮", "オルデール鍾乳洞"};

inline constexpr std::string_view kRacialHead0Caption = "型紙を入手できる種族";
inline constexpr std::string_view kRacialHead1Caption = "ダンジョン名";
inline constexpr std::string_view kRacialHead2Caption = "残り時間";
inline constexpr std::string_view kRacialLabelCaption = "の種族装備スケジュール(&R)";
inline constexpr std::string_view kRacialRefCaption = "更新(&F)";
inline constexpr std::string_view kRacialHead3Caption = "ダンジョン名";
inline constexpr std::string_view kRacialHead4Caption = "対象期間";

inline constexpr std::size_t kRacialRowCount = 10;
inline constexpr int kNoRace = -1;  // the stored "Option" "Racial" default

// Upper part: lblRacialA0, lblRacialB0, lblRacialC0.
struct RacialNowView {
    int race = 0;
    int dungeon = 0;
    std::string_view raceText;     // A0
    std::string_view dungeonText;  // B0
    std::string timeLeft;          // C0, "hh:mm:ss" until the week ends
    std::int64_t secondsLeft = 0;  // the seconds C0 shows
    EarthTime end;                 // the week's last second in local time
};

// The racial page's current row: `now` is the game time, `localNow` the local clock.
RacialNowView ComputeRacialNow(const VanaDateTime& now, const EarthTime& localNow, int bias);

struct RacialRowView {
    int dungeon = 0;
    std::string_view dungeonText;  // lblRacialLineA
    std::string period;            // lblRacialLineB, "start ~ end" in local Earth time
    EarthTime start;
    EarthTime end;
};

// ShowRacialSchedule: the next ten weeks of race `race` (0-7), the current week
// first when it is that race's. Returns no rows for any other index (no race
// chosen), so the page keeps what it showed.
std::vector<RacialRowView> ComputeRacialSchedule(const VanaDateTime& now, int race, int bias);

}  // namespace norvane
