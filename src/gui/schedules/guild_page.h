#pragma once
// The guild page's controls on its scroll box: per shop its name, state,
// holiday picture, opening hours, time left and location, under two header
// bands. What they show comes from ComputeGuildPage.
#include <QPixmap>
#include <QVector>
#include <array>
#include <string_view>

#include "core/schedules/guild_schedule.h"
#include "gui/schedules/schedule_page.h"

class QLabel;

namespace norvane {

class TImageLabel;

class TGuildPage final : public TSchedulePage {
public:
    using TSchedulePage::TSchedulePage;

    void Refresh(const VanaDateTime& now) override;
    void Selected() override;

    static constexpr std::size_t kRows = kGuildShopCount;
    static constexpr std::size_t kStripes = 6;  // behind the odd rows

private:
    void BuildControls() override;
    void ApplyColours(Colour item, Colour base) override;
    // The fixed parts: bold state texts, the hours texts, the holiday pictures
    // out of `weekPictures` (one per weekday) and the shop icons that repeat.
    void SetUp(const QVector<QPixmap>& weekPictures);

    // Bands over rows 0-9 and rows 10-12.
    std::array<TShape*, 2> shpGuildHead{};
    // lblGuildHead0-5: name, hours and holiday, location; twice.
    std::array<QLabel*, 6> lblGuildHead{};
    // shpGuildTate and shpGuildTate1 frame the middle column of each band.
    std::array<TShape*, 2> shpGuildTate{};
    std::array<TShape*, kStripes> shpGuildLine{};
    std::array<TImageLabel*, kRows> lblGuildLineA{};
    std::array<QLabel*, kRows> lblGuildLineB{}, lblGuildLineC{}, imgGuildLineD{}, lblGuildLineE{},
        lblGuildLineF{}, lblGuildLineG{}, lblGuildLineH{};

    void BuildBand(int band, int gap, int firstRow, int rows);
    void MakeRow(TScheduleSection* part, int row, int pitch);

    std::array<TLabelSlot, kRows> state_{};     // B
    std::array<TLabelSlot, kRows> timeLeft_{};  // G
    std::array<std::string_view, kRows> hint_{};  // G's hint as last set
};

}  // namespace norvane
