#pragma once
// The twelve timer cells of the timer page as plain logic: the state of each cell,
// its Start, Reset and list-change operations and the 100 ms tick. Every operation
// leaves in View(cell) what the cell's controls show; the page only copies it out.
//
// Cells are numbered 0..11 here; the page shows them as 1..12 and binds F1..F12.
// Timing rests on the millisecond tick count (wrapping at 2^32), so a late or
// skipped tick never slows a timer. The page runs its 100 ms tick exactly while
// AnyRunning() holds: check it after every Start, Reset, Select, LoadRows and Tick.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

#include "core/timers/timer_sets.h"
#include "platform/os_clock.h"

namespace norvane {

// Display colours, 0x00BBGGRR.
inline constexpr std::uint32_t kTimerColourNormal = 0x000000;
inline constexpr std::uint32_t kTimerColourFirst = 0x0080FF;   // Section[0] reached
inline constexpr std::uint32_t kTimerColourSecond = 0x0060FF;  // Section[1] reached
inline constexpr std::uint32_t kTimerColourLast = 0x0010FF;    // Section[2] reached, or run out
inline constexpr std::uint32_t kTimerColourPaused = 0x00C0C0;  // paused stopwatch

// Seconds of a chain window; chain counts the windows already started in this run.
// Level 10 gives 100, 80, 60, 40, then 20 for every later window.
int ChainWindow(int level, int chain);

// "mm:ss"; minutes may pass 99 ("120:00"). Below zero shows "00:00".
QString FormatTimerReading(std::int64_t seconds);

// Fixed texts of cell c (0..11), which the page shows as c + 1 and binds to F(c+1).
QString TimerNumberCaption(int cell);   // "1."
QString TimerStartCaption(int cell);    // "スタート [F1]"
QString TimerRestartCaption(int cell);  // "リスタート [F1]"
QString TimerPauseCaption(int cell);    // "ポーズ [F1]"
QString TimerChainCaption(int chain, int cell);  // "1チェーン [F1]"
QString TimerStartHint(int cell);       // "タイマー1. をスタートします。(F1)"
QString TimerResetHint(int cell);       // "タイマー1. をリセットします。(Ctrl+F1)"
inline const QString kTimerResetCaption = QStringLiteral("リセット");
inline const QString kTimerAlarmIconHint = QStringLiteral("アラーム設定を切り替えます。");
// A list entry of this name behaves as no selection.
inline const QString kTimerInvalidItem = QStringLiteral("不正なアイテム");
inline constexpr std::uint32_t kTimerNumberColour = 0x808080;
inline constexpr std::uint32_t kTimerCellFill = 0xFFF4EA;

// Run-time state of one cell.
struct TTimerItem {
    bool Running = false;
    QString Name;
    QString Kind;
    // Countdown length; current chain window; stopwatch seconds before the latest start.
    int Current = 0;
    // The set's Value: countdown length or enemy level.
    int Base = 0;
    // The set's thresholds last to first: Threshold[0] = Section[2].
    std::array<int, 3> Threshold{};
    std::uint32_t StartTick = 0;  // 0 after a reset
    // Chains started in this run (chaintime); whole seconds reached (stopwatch).
    int Progress = 0;
};

// What the controls of one cell show.
struct TimerCellView {
    QString display;        // lblTimer
    std::uint32_t colour = kTimerColourNormal;
    QString startTime;      // lblTimerC, local "hh:nn:ss" of the latest start
    QString startCaption;   // btnTimer / actTimeS
    bool listEnabled = true;      // cmbTimer
    bool actionsEnabled = false;  // actTimeS and actTimeR
    int selection = -1;           // cmbTimer item, -1 none
};

struct TimerTickResult {
    std::uint32_t changed = 0;  // bit c set: View(c) was updated
    QStringList sounds;         // alarm files played in this tick, in order
    bool running = false;       // whether the 100 ms tick should keep running
};

class TimerCells {
public:
    TimerCells();

    // LoadTimerRows: takes the timer-set list (at most 100 are kept) and each cell's
    // stored selection; stops every cell and selects the stored set in it, or none
    // when that index is not in the list. Start captions, stopwatch seconds and
    // chain counts survive.
    void LoadRows(std::vector<TTimerSet> sets, const std::array<int, kTimerCellCount>& selections);
    // The list entries of every cell, in list order.
    const QStringList& SetNames() const { return names_; }
    // Each cell's selection, for saving at close.
    std::array<int, kTimerCellCount> Selections() const;

    // The cell's list changed: stops it and loads the set (-1 or an index past the
    // list selects nothing).
    void Select(int cell, int setIndex);
    // Start / Restart / Pause / next chain. tick is the tick count now, localNow the
    // local wall-clock time shown as the start time. Ignored while the cell's
    // actions are disabled.
    void Start(int cell, std::uint32_t tick, const EarthTime& localNow);
    void Reset(int cell);
    // The 100 ms tick: updates every running cell and plays due alarms through
    // soundPlayer(). A countdown reads its remaining time rounded up to the second
    // and ends when all of it has passed. Each armed alarm sounds once per start, at
    // the tick whose reading reaches its second; a late tick that passes several
    // plays only the one nearest the reading.
    TimerTickResult Tick(std::uint32_t tick);
    bool AnyRunning() const;

    // LoadAlarmAssignments: every cell's alarm record is replaced and disarmed
    // until that cell's next Start.
    void SetRowAlarms(const std::array<TAlarmSet, kTimerCellCount>& alarms);

    const TimerCellView& View(int cell) const;
    const TTimerItem& Item(int cell) const;
    const TAlarmSet& RowAlarm(int cell) const;

private:
    struct Cell {
        TTimerItem item;
        TimerCellView view;
        TAlarmSet alarm;
        // The next reading not yet passed in this run; alarms fire between it and
        // the latest reading.
        std::int64_t alarmFrom = 0;
    };

    static bool Valid(int cell) { return cell >= 0 && cell < kTimerCellCount; }
    Cell& At(int cell) { return cells_[static_cast<std::size_t>(cell)]; }
    void ArmAlarms(Cell& c);
    // Plays the one armed alarm of low..high nearest `reading` and disarms them all.
    void SoundAlarms(Cell& c, std::int64_t low, std::int64_t high, std::int64_t reading, QStringList& sounds);

    std::array<Cell, kTimerCellCount> cells_;
    std::vector<TTimerSet> sets_;
    QStringList names_;
};

}  // namespace norvane
