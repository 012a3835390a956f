#pragma once
// The chocobo page's controls on its scroll box: today's destination from each
// of the four towns and the time left in the game day above, the town choice
// and its next ten days below. What they show comes from ComputeChocoboNow and
// ComputeChocoboSchedule.
#include <array>

#include "core/schedules/chocobo_schedule.h"
#include "gui/schedules/schedule_page.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace norvane {

class TChocoboPage final : public TSchedulePage {
public:
    using TSchedulePage::TSchedulePage;

    void Refresh(const VanaDateTime& now) override;
    void Selected() override;
    void LoadChoices(const StartupSettings& st) override;
    void StoreChoices(CloseState& c) const override;

    static constexpr std::size_t kRows = kChocoRowCount;
    static constexpr std::size_t kStripes = kRows / 2;  // behind the odd rows

private:
    void BuildControls() override;
    void ApplyColours(Colour item, Colour base) override;
    // The list for the chosen town; with none chosen it keeps what it shows.
    void btnChocoRefClick();
    void ShowSchedule(const VanaDateTime& now, int town, int bias);

    // Bands: today's headers, the choice line, the list's headers.
    std::array<TShape*, 3> shpChocoHead{};
    // lblChocoHeadA0 ... lblChocoHeadE0: the four towns and the time left.
    std::array<QLabel*, 5> lblChocoHead{};
    // lblChocoA0 ... lblChocoE0.
    std::array<QLabel*, 5> lblChocoNow{};
    QLabel* lblChocoHeadF0 = nullptr;
    QLabel* lblChocoHeadG0 = nullptr;
    // Frames: the second and fourth town columns above, the destinations below,
    // and the outlines of both parts.
    std::array<TShape*, 3> shpChocoTate{};
    TShape* shpChocoWaku0 = nullptr;  // the list
    TShape* shpChocoWaku1 = nullptr;  // today
    QComboBox* cmbChoco = nullptr;
    QLabel* lblChoco = nullptr;  // the choice's caption
    QPushButton* btnChocoRef = nullptr;
    std::array<TShape*, kStripes> shpChocoLineB{};
    std::array<QLabel*, kRows> lblChocoLineA{};
    std::array<QLabel*, kRows> lblChocoLineB{};

    void BuildNow();
    void BuildChoice();
    void BuildList();

    int stored_ = -1;  // the stored choice, shown once the box exists

    std::array<TLabelSlot, 5> now_{};
    std::array<TLabelSlot, kRows> rowDest_{}, rowPeriod_{};
};

}  // namespace norvane
