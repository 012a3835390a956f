#pragma once
// The calendar page's controls on its scroll box: the header panel with the
// three entry switches and the refresh button, and 84 rows of the Earth start,
// game date, moon phase and schedule of each game day. What the rows say comes
// from ComputeCalendar; the page only copies it, when asked to.
#include <array>
#include <string>

#include "core/schedules/calendar_schedule.h"
#include "gui/schedules/schedule_page.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;

namespace norvane {

class TImageLabel;

class TCalendarPage final : public TSchedulePage {
public:
    using TSchedulePage::TSchedulePage;

    // The rows are computed when asked (selecting the page, a switch, the
    // button), never by the tick.
    void Selected() override;
    void LoadChoices(const StartupSettings& st) override;
    void StoreChoices(CloseState& c) const override;
    void UseDataFiles(const ScheduleDataFiles& files) override { ballistaIni_ = files.ballistaIni; }

    static constexpr std::size_t kRows = kCalendarRowCount;
    static constexpr std::size_t kBands = kRows / 2;
    static constexpr int kRowPitch = 18;

private:
    void BuildControls() override;
    int SectionWidth() const override;
    void ApplyColours(Colour item, Colour base) override;

    // What the three check boxes ask column D to list.
    CalendarEntries Entries() const;
    void SetEntries(CalendarEntries entries);
    void btnCalenRefClick();
    // Copies the rows into the labels and pictures.
    void ShowRows(const CalendarView& rows);

    QWidget* pnlCalenHead = nullptr;
    std::array<TShape*, 2> shpCalenHead{};  // 0 behind the column captions, 1 behind the switches
    std::array<QLabel*, 4> lblCalenHead{};
    QCheckBox* chkCalenBallista = nullptr;
    QCheckBox* chkCalenRacial = nullptr;
    QCheckBox* chkCalenJeuno = nullptr;
    QPushButton* btnCalenRef = nullptr;
    TShape* shpCalenWaku = nullptr;
    std::array<TShape*, kBands> shpCalenLine{};
    std::array<QLabel*, kRows> lblCalenLineA{};
    std::array<TImageLabel*, kRows> lblCalenLineB{};
    std::array<TImageLabel*, kRows> lblCalenLineC{};
    std::array<TImageLabel*, kRows> lblCalenLineD{};
    std::array<TScheduleRow*, kRows> rowLines_{};
    ColumnRule heads_;  // the header panel's columns, which the rows follow

    void BuildHead();
    void BuildRows();
    void SetHint(QWidget* label, QWidget* picture, std::string& shown, const std::string& hint);

    struct RowSlots {
        TLabelSlot earth, game, moon, schedule;
        int weekday = -1, phase = -1, ballista = -1;
        std::string weekdayHint, moonHint, ballistaHint;
    };
    std::array<RowSlots, kRows> rows_{};
    CalendarEntries stored_{true, true, true};
    std::string ballistaIni_;
};

}  // namespace norvane
