#pragma once
// The ship and airship page's controls on its scroll box: three header bands,
// the column frames and, per route, the two town captions and the three
// game times with their countdowns. What they show comes from ComputeShipPage.
#include <array>

#include "core/schedules/ship_schedule.h"
#include "gui/schedules/schedule_page.h"

class QLabel;

namespace norvane {

class TImageLabel;

class TShipPage final : public TSchedulePage {
public:
    using TSchedulePage::TSchedulePage;

    void Refresh(const VanaDateTime& now) override;
    void Selected() override;

    static constexpr std::size_t kRows = kShipRouteCount;

private:
    void BuildControls() override;
    void ApplyColours(Colour item, Colour base) override;
    int SectionWidth() const override;

    // Bands over rows 0-3, 4-7 and row 8.
    std::array<TShape*, 3> shpShipHead{};
    // Two per band, framing columns 1 and 3.
    std::array<TShape*, 6> shpShipTate{};
    // Column captions, left to right: lblShipHead0, 2, 3, 4 and likewise
    // lblShipMiddle* and lblShipBottom*.
    std::array<QLabel*, 4> lblShipHead{};
    std::array<QLabel*, 4> lblShipMiddle{};
    std::array<QLabel*, 4> lblShipBottom{};
    // Origin (icon left) and destination (icon right) of each route.
    std::array<TImageLabel*, kRows> lblShipLineA{};
    std::array<TImageLabel*, kRows> lblShipLineB{};
    // Game time and countdown of arrival at the origin (C, D), departure
    // (E, F) and arrival at the destination (G, H).
    std::array<QLabel*, kRows> lblShipLineC{}, lblShipLineD{}, lblShipLineE{}, lblShipLineF{},
        lblShipLineG{}, lblShipLineH{};

    void MakeCaptions();
    void BuildBand(int band, int gap, int firstRow, int rows);
    void MakeRow(TScheduleSection* part, int row);
    void CopyTownIcons();

    int routeWidth_ = 0;   // what the widest route's captions need
    int bandMinimum_ = 0;  // the route and three time pairs
    // Per row: C, D, E, F, G, H.
    std::array<std::array<TLabelSlot, 6>, kRows> cells_{};
};

}  // namespace norvane
