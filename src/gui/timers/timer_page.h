#pragma once
// The timer page and its twelve cells. Controls of cell n (1..12) carry the
// object names "shpTimer"n, "lblTimerN"n, "lblTimer"n, "lblTimerC"n, "imgTimer"n,
// "cmbTimer"n, "btnTimer"n and "btnTimerR"n.
#include <QFont>
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <array>
#include <utility>
#include <vector>
#include <cstdint>

#include "core/timers/timer_cells.h"
#include "gui/controls/gdi.h"

class QAction;
class QComboBox;
class QGridLayout;
class QLabel;
class QStringListModel;
class QToolButton;

namespace norvane {

class TImageEx;
class TShape;

// The cell grid: a cell is 160 x 91 pixels at the design face, placed every
// 166 pixels across and every 99 down.
inline constexpr int kTimerCellWidth = 160;
inline constexpr int kTimerCellHeight = 91;
inline constexpr int kTimerCellPitchX = 166;
inline constexpr int kTimerCellPitchY = 99;
// How many cells across the client width holds (at least one), placed every
// `pitch` pixels: the grid's one rule, for its layout and for what is in view.
int TimerColumns(int clientWidth, int pitch = kTimerCellPitchX);
// How many cells, counted from the first, a client area of this size shows at
// least in part when scrolled to the top, with cells of the design's size.
int TimerCellsInView(QSize client);

template <typename T>
using TimerControls = std::array<T*, kTimerCellCount>;

// What every cell's controls share: the set names' list, the fitted button font
// and the reading fonts, measured once for all twelve.
class TTimerFonts {
public:
    explicit TTimerFonts(const QFont& base);
    const QFont& Buttons() const { return buttons_; }
    // The font of a reading `length` characters long ("02:00" 5, "120:00" 6).
    const QFont& Reading(int length);

private:
    QFont buttons_;
    // The design's bold 21 pixels, made smaller for a reading that would reach
    // the start time; one font per reading length, measured when first needed.
    QFont reading_;
    std::vector<std::pair<int, QFont>> readingFonts_;
};

// One cell of the timer page, 160 x 91 pixels: its number, reading, start time,
// alarm icon, set list and Start and Reset buttons, named after the cell
// ("lblTimer1" ...). Made empty, so that it holds its place in the grid; its
// controls are built when asked.
class TTimerCell : public QWidget {
    Q_OBJECT
public:
    // `cell` is 0..11; `setNames` and `fonts` are shared by all cells.
    TTimerCell(int cell, QStringListModel* setNames, TTimerFonts* fonts, QWidget* parent);

    bool IsBuilt() const { return list_ != nullptr; }
    void Build(Colour item);
    // Tab goes on from `before`'s last control to this cell's first.
    void FollowInTabOrder(const TTimerCell& before);

    // The cell's window actions (F-key and Ctrl+F-key): the Start and Reset
    // buttons take caption, hint and enabled state from them and trigger them
    // when clicked, whenever the buttons are built.
    void BindActions(QAction* start, QAction* reset);
    // The cell's number colour and chosen row, without telling of a change.
    void ShowSelection(int selection);
    // Copies the view into the actions and, once built, the controls.
    void ShowView(const TimerCellView& view);
    // The skin's "Item" colour: fill of the cell, background of its displays.
    void SetItemColour(Colour colour);

signals:
    // The user chose entry `index` of the set list.
    void setChosen(int cell, int index);
    // A click on the alarm icon; `below` is the screen point just below its left edge.
    void alarmClicked(int cell, QPoint below);

private:
    // imgAlarmA while the mouse is over the icon, else imgAlarmN; pressed, the
    // icon sits one pixel right and down.
    void ShowAlarmPicture(bool active);
    void PressAlarmIcon(bool down);

    int cell_;
    QStringListModel* setNames_;
    TTimerFonts* fonts_;
    TShape* shape_ = nullptr;
    QLabel* number_ = nullptr;
    QLabel* display_ = nullptr;
    QLabel* started_ = nullptr;
    TImageEx* icon_ = nullptr;
    QComboBox* list_ = nullptr;
    QToolButton* start_ = nullptr;
    QToolButton* reset_ = nullptr;
    QAction* startAction_ = nullptr;
    QAction* resetAction_ = nullptr;
    QPoint iconRest_;
    int readingLength_ = 0;
    std::uint32_t shownColour_;
    bool pressed_ = false;
};

// The timer page: the twelve cells in a grid on the scroll box's contents, as
// many across as the client width holds, and the copying of what the cell logic
// (TimerCells) computed into them. The controller (TTimerController) owns the
// actions, the tick and the alarm menu.
class TTimerPage : public QWidget {
    Q_OBJECT
public:
    // Builds the controls of the first `cells` cells on `contents` (the scroll
    // box's contents), each alarm icon with its normal picture and every cell
    // showing "00:00". BuildCells adds the others.
    TTimerPage(QWidget* contents, int cells = kTimerCellCount);

    // The twelve cells' state; every change to it is followed by ShowCell or
    // ShowCells so the controls follow.
    TimerCells Cells;

    // Builds the controls of the cells before `count` that have none yet, each
    // placed, bound and showing its state like the others. The scrolled area is
    // that of all twelve cells throughout.
    void BuildCells(int count);

    // Binds the Start and Reset buttons to the window's actions.
    void BindActions(const TimerControls<QAction>& start, const TimerControls<QAction>& reset);

    // Places the cells on the grid for the scroll box's client width, as many
    // across as it holds cells as wide as the widest.
    void LayoutCells(int clientWidth);

    // After Cells.LoadRows: refills every list with the set names, selects each
    // cell's set (without running the change handler) and shows every cell.
    void ShowRows();
    // Copies the view of cell (0..11) into its controls and actions.
    void ShowCell(int cell);
    // ShowCell for every cell whose bit is set.
    void ShowCells(std::uint32_t mask);

    // The skin's "Item" colour: fill of the cell shapes, background of the main and
    // start-time displays.
    void SetItemColour(Colour colour);

signals:
    // As the cells' own signals.
    void setChosen(int cell, int index);
    void alarmClicked(int cell, QPoint below);

private:
    QGridLayout* grid_;
    // The set names, one list for all twelve drop-downs.
    QStringListModel* setNames_;
    TTimerFonts fonts_;
    std::array<TTimerCell*, kTimerCellCount> cells_{};
    int columns_ = 0;
    int clientWidth_ = 0;
    Colour item_ = kTimerCellFill;
};

}  // namespace norvane
