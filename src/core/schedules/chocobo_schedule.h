#pragma once
// The chocobo page: today's chocobo transport destination from each of four
// towns, and the destinations from one chosen town over the next ten game days.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/time/vanatime.h"

namespace norvane {

// Also the items of cmbChoco, in index order.
inline constexpr std::array<std::string_view, 4> kChocoTownNames = {
    "サンドリア", "バストゥーク", "ウィンダス", "カザム"};

struct ChocoDestination {
    std::string_view shortName;  // upper part
    std::string_view longName;   // list
};

inline constexpr std::size_t kChocoTownCount = 4;
// By town and game day count mod 3; an empty cell means no destination that day.
extern const std::array<std::array<ChocoDestination, 3>, kChocoTownCount> kChocoDestinations;

// lblChocoHeadA0 ... lblChocoHeadE0, then the list's lblChocoHeadF0, lblChocoHeadG0.
inline constexpr std::array<std::string_view, 5> kChocoHeadCaptions = {
    "サンド発", "バス発", "ウィン発", "カザム発", "残り時間"};
inline constexpr std::string_view kChocoHeadFCaption = "目的地";
inline constexpr std::string_view kChocoHeadGCaption = "対象期間";
inline constexpr std::string_view kChocoLabelCaption = "出発のチョコボ輸送クエスケジュール(&C)";
inline constexpr std::string_view kChocoRefCaption = "更新(&F)";

inline constexpr std::size_t kChocoRowCount = 10;
inline constexpr int kNoTown = -1;  // the stored "Option" "Chocobo" default

// A destination as a label shows it: "→ " and the name, or empty for none.
std::string ChocoDestinationText(std::string_view name);

// Upper part: lblChocoA0 ... lblChocoD0 and lblChocoE0.
struct ChocoboNowView {
    int cycle = 0;
    std::array<std::string, kChocoTownCount> towns;
    std::string timeLeft;  // "hh:mm:ss" until the game day ends
    std::int64_t secondsLeft = 0;  // the seconds timeLeft shows
    EarthTime end;                 // the day's last second in local time
};

ChocoboNowView ComputeChocoboNow(const VanaDateTime& now, const EarthTime& localNow, int bias);

struct ChocoboRowView {
    int cycle = 0;
    std::string destination;  // lblChocoLineA
    std::string period;       // lblChocoLineB, "start ~ end" in local Earth time
    EarthTime start;
    EarthTime end;
};

// ShowChocoboSchedule: the next ten game days from town `town` (0-3), tomorrow
// first. Returns no rows for any other index (no town chosen), so the page
// keeps what it showed.
std::vector<ChocoboRowView> ComputeChocoboSchedule(const VanaDateTime& now, int town, int bias);

}  // namespace norvane
