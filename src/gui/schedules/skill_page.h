#pragma once
// The skill page's controls on its scroll box: the job, the level with its spin
// and the refresh button above, the thirty skills in two columns of name and
// cap below. What the caps say comes from ComputeSkillPage.
#include <array>
#include <string>

#include "core/schedules/skill_schedule.h"
#include "gui/schedules/schedule_page.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace norvane {

class TNumberSpin;

class TSkillPage final : public TSchedulePage {
public:
    using TSchedulePage::TSchedulePage;

    void LoadChoices(const StartupSettings& st) override;
    void StoreChoices(CloseState& c) const override;
    void UseDataFiles(const ScheduleDataFiles& files) override { skillIni_ = files.skillIni; }

    static constexpr std::size_t kRows = kSkillSlotCount / 2;

private:
    void BuildControls() override;
    void ApplyColours(Colour item, Colour base) override;

    // The job (0-14) and level as the controls show them; kNoJob when none is chosen.
    int Job() const;
    int Level() const;
    // Shows the thirty caps of `codes` at `level`.
    void ShowCaps(const SkillPageView& view);
    // The level controls are usable exactly while a job is chosen.
    void EnableLevel(bool enabled);
    // Caps are computed when asked, never by the tick; the file is read afresh
    // each time, so corrections to it show at once.
    void cmbSkillMainChange();
    // Every change of the level, typed or stepped, shows its caps.
    void edtSkillMLvChange();
    void btnSkillRefClick();

    QComboBox* cmbSkillMain = nullptr;
    TNumberSpin* updSkillMLv = nullptr;  // its edit is "edtSkillMLv"
    QPushButton* btnSkillRef = nullptr;
    // Band 0 carries the column headers, band 1 the choice line.
    std::array<TShape*, 2> shpSkillHead{};
    std::array<QLabel*, 4> lblSkillHead{};
    // 0 and 1 fill the name columns, 2 and 3 outline them.
    std::array<TShape*, 4> shpSkillTate{};
    std::array<QLabel*, kRows> lblSkillLineA{};
    std::array<QLabel*, kSkillSlotCount> lblSkillLineB{};
    std::array<QLabel*, kRows> lblSkillLineC{};

    void BuildChoice();
    void BuildList();

    std::string skillIni_;
    int storedJob_ = -1;
    int storedLevel_ = kMinSkillLevel;

    std::array<TLabelSlot, kSkillSlotCount> caps_{};
};

}  // namespace norvane
