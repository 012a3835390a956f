#pragma once
// The timer page: the controls of the twelve cells on the page's scroll box, and
// the copying of what the cell logic (TimerCells) computed into them. The
// controller (TTimerController) owns the actions, the tick and the handlers;
// this class owns the pixels.
//
// Controls of cell n (1..12) carry the object names "shpTimer"n, "lblTimerN"n,
// "lblTimer"n, "lblTimerC"n, "imgTimer"n, "cmbTimer"n, "btnTimer"n and
// "btnTimerR"n; the arrays below hold them at index n - 1.
#include <QFont>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <array>
#include <utility>
#include <vector>
#include <cstdint>

#include "core/timers/timer_cells.h"
#include "gui/controls/gdi.h"

class QAction;
class QComboBox;
class QFont;
class QLabel;
class QStringListModel;
class QToolButton;
class QWidget;

namespace norvane {

class TImageEx;
class TShape;

// The cell grid: a cell is 160 x 91 pixels, placed every 166 pixels across and
// every 99 down, as many across as the client width holds (at least one).
inline constexpr int kTimerCellWidth = 160;
inline constexpr int kTimerCellHeight = 91;
inline constexpr int kTimerCellPitchX = 166;
inline constexpr int kTimerCellPitchY = 99;
int TimerColumns(int clientWidth);
// Top-left corner of each cell, in cell order, for a client width.
std::array<QPoint, kTimerCellCount> TimerCellOrigins(int clientWidth);
// How many cells, counted from the first, a client area of this size shows at
// least in part when scrolled to the top.
int TimerCellsInView(QSize client);

template <typename T>
using TimerControls = std::array<T*, kTimerCellCount>;

class TTimerPage : public QObject {
    Q_OBJECT
public:
    // Creates the controls of the first `cells` cells as children of `contents`
    // (the scroll box's contents), each alarm icon with its normal picture and
    // every cell showing "00:00". BuildCells adds the others.
    TTimerPage(QWidget* contents, QObject* parent = nullptr, int cells = kTimerCellCount);

    // The controls of a cell not built yet are null.
    TimerControls<TShape> shpTimer{};
    TimerControls<QLabel> lblTimerN{};
    TimerControls<QLabel> lblTimer{};
    TimerControls<QLabel> lblTimerC{};
    TimerControls<TImageEx> imgTimer{};
    TimerControls<QComboBox> cmbTimer{};
    TimerControls<QToolButton> btnTimer{};
    TimerControls<QToolButton> btnTimerR{};

    // The twelve cells' state; every change to it is followed by ShowCell or
    // ShowCells so the controls follow.
    TimerCells Cells;

    // Cells whose controls exist: the first BuiltCells() of them.
    int BuiltCells() const { return built_; }
    // Builds the controls of the cells before `count` that have none yet, each
    // placed, bound and showing its state like the others, then announces each
    // with cellBuilt. The scrolled area is that of all twelve cells throughout.
    void BuildCells(int count);

    // Binds the Start and Reset buttons to the window's actions: a button takes its
    // caption, hint and enabled state from its action and triggers it when clicked.
    void BindActions(const TimerControls<QAction>& start, const TimerControls<QAction>& reset);

    // Places the cells on the grid for the scroll box's client width.
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

    // The icon of cell (0..11): imgAlarmA while the mouse is over it, else imgAlarmN.
    void ShowAlarmPicture(int cell, bool active);
    // Pressed icons sit one pixel right and down.
    void PressAlarmIcon(int cell, bool down);

signals:
    void cellBuilt(int cell);

private:
    void CreateCell(int cell);
    // A cell's number colour and chosen row; the caller keeps its list quiet.
    void ShowRow(int cell);
    void PlaceCell(int cell, QPoint origin);
    void PlaceExtentMark();
    void SetTextColour(QLabel* label, std::uint32_t colour);
    // The font of a reading `length` characters long ("02:00" 5, "120:00" 6).
    const QFont& ReadingFont(int length);

    QWidget* contents_;
    // The set names, one list for all twelve drop-downs.
    QStringListModel* setNames_ = nullptr;
    // Measured once: every cell's buttons share the fitted font.
    QFont buttons_;
    // The design's bold 21 pixels, made smaller for a reading that would reach
    // the start time; one font per reading length, measured when first needed.
    QFont reading_;
    std::vector<std::pair<int, QFont>> readingFonts_;
    std::array<int, kTimerCellCount> readingLength_{};
    int built_ = 0;
    int clientWidth_ = 0;
    // Holds the scrolled area out to the last cell while some are not built.
    QWidget* extentMark_ = nullptr;
    TimerControls<QAction> actStart_{};
    TimerControls<QAction> actReset_{};
    std::array<std::uint32_t, kTimerCellCount> shownColour_{};
    std::array<bool, kTimerCellCount> pressed_{};
    Colour item_ = kTimerCellFill;
};

}  // namespace norvane
