#pragma once
// The racial equipment page's controls on its scroll box: this week's race,
// dungeon and time left above, the race choice and the list of its next ten
// turns below. What they show comes from ComputeRacialNow and ComputeRacialSchedule.
#include <array>

#include "core/schedules/racial_schedule.h"
#include "gui/schedules/schedule_page.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace norvane {

class TRacialPage final : public TSchedulePage {
public:
    using TSchedulePage::TSchedulePage;

    void Refresh(const VanaDateTime& now) override;
    void Selected() override;
    void LoadChoices(const StartupSettings& st) override;
    void StoreChoices(CloseState& c) const override;

    static constexpr std::size_t kRows = kRacialRowCount;
    static constexpr std::size_t kStripes = kRows / 2;  // behind the odd rows

private:
    void BuildControls() override;
    void ApplyColours(Colour item, Colour base) override;
    // The list for the chosen race; with none chosen it keeps what it shows.
    void btnRacialRefClick();
    void ShowSchedule(const VanaDateTime& now, int race, int bias);

    // Bands: this week's headers, the choice line, the list's headers.
    std::array<TShape*, 3> shpRacialHead{};
    std::array<QLabel*, 5> lblRacialHead{};
    QLabel* lblRacialA0 = nullptr;
    QLabel* lblRacialB0 = nullptr;
    QLabel* lblRacialC0 = nullptr;
    // Frames: the dungeon column above and below, and the outlines of both parts.
    std::array<TShape*, 2> shpRacialTate{};
    TShape* shpRacialWaku0 = nullptr;  // the list
    TShape* shpRacialWaku1 = nullptr;  // this week
    QComboBox* cmbRacial = nullptr;
    QLabel* lblRacial = nullptr;
    QPushButton* btnRacialRef = nullptr;
    std::array<TShape*, kStripes> shpRacialLine{};
    std::array<QLabel*, kRows> lblRacialLineA{};
    std::array<QLabel*, kRows> lblRacialLineB{};

    void BuildNow();
    void BuildChoice();
    void BuildList();

    int stored_ = -1;  // the stored choice, shown once the box exists

    TLabelSlot race_, dungeon_, timeLeft_;
    std::array<TLabelSlot, kRows> rowDungeon_{}, rowPeriod_{};
};

}  // namespace norvane
