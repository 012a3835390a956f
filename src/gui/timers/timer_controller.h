#pragma once
// The timer page's controller, owned by the main window: the twelve cells'
// Start and Reset actions with their keys, the 100 ms tick, the alarm menu,
// seeding the timer sets on the first start and keeping the rows' selections.
// What the cells show is computed by TimerCells; TTimerPage and its twelve
// TTimerCell widgets copy it into the controls and tell of the user's choices.
//
// The actions carry their cell as 1..12 (n), as do the controls' names; the
// page's signals carry it as 0..11.
#include <QObject>
#include <QPoint>

#include "core/colour.h"
#include "gui/timers/timer_page.h"

class QAction;
class QMenu;
class QTimer;
class QWidget;

namespace norvane {

class TScrollBoxEx;

class TTimerController : public QObject {
    Q_OBJECT
public:
    // Builds the page on `box` with the controls of its first `cellsNow` cells,
    // and the actions, added to `window` so that their keys reach the cells
    // (F1-F12 start, Ctrl+F1-F12 reset) from any of the program's windows.
    // Then seeds the timer sets on the first start and loads the rows and the
    // alarm menu. `window` owns this controller.
    TTimerController(QWidget* window, TScrollBoxEx* box, int cellsNow, Colour item);

    TTimerPage* Page() const { return pagTimer; }
    // The actions of cell 0..11.
    QAction* StartAction(int cell) const;
    QAction* ResetAction(int cell) const;

    // The skin's "Item" colour, the cells' fill.
    void SetItemColour(Colour item);
    // Builds the cells not built at the start; the window runs it after its first paint.
    void BuildRemainingCells();
    // At close: which set each row shows.
    void SaveTimerRowSelections();

    void LoadTimerRows();
    void BuildAlarmMenu();
    void actTimeStartExecute(int n);
    void actTimeResetExecute(int n);
    void tmrTimerTimer();
    void scrTimerResize();
    void scrTimerClick();
    // An entry of the alarm menu: the set `tag` for the cell whose menu is open.
    void actAlmSetExecute(int tag);
    // The menu's "アラームの設定(&A)..." entry: the window opens its options on the alarm page.
    void actAlmOptionExecute();

signals:
    void alarmOptionsRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateCellActions(QWidget* window);
    // The user chose set `index` in the list of cell 0..11.
    void SetChosen(int cell, int index);
    // The alarm menu of cell `k` (0..11), opened at `below`.
    void OpenAlarmMenu(int k, QPoint below);
    void LoadAlarmAssignments();
    // Runs the tick exactly while some cell runs.
    void UpdateTimerTick();

    TScrollBoxEx* scrTimer;
    // Its client area, whose resizes lay the cells out. Kept, not asked for: the
    // filter also sees the events sent while the box is being destroyed.
    QWidget* viewport_ = nullptr;
    TTimerPage* pagTimer;
    QTimer* tmrTimer = nullptr;            // 100 ms, running exactly while a cell runs
    TimerControls<QAction> actTimeS{};    // Start, F1..F12
    TimerControls<QAction> actTimeR{};    // Reset, Ctrl+F1..Ctrl+F12
    QAction* actAlmOption = nullptr;
    QAction* actAlmSet = nullptr;          // the hint the alarm-menu entries share
    QMenu* mnuAlarm = nullptr;
    int alarmCell_ = 0;                    // icon (0..11) whose menu was opened last
};

}  // namespace norvane
