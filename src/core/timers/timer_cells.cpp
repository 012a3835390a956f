#include "core/timers/timer_cells.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "platform/sound.h"

namespace norvane {
namespace {

constexpr std::int64_t kIntMax = std::numeric_limits<int>::max();

QString ClockText(const EarthTime& t) {
    return QString::asprintf("%.2d:%.2d:%.2d", t.hour, t.minute, t.second);
}

// The last threshold that the remaining time has reached wins.
std::uint32_t ThresholdColour(const std::array<int, 3>& threshold, std::int64_t remaining) {
    std::uint32_t colour = kTimerColourNormal;
    if (threshold[2] != 0 && threshold[2] >= remaining) colour = kTimerColourFirst;
    if (threshold[1] != 0 && threshold[1] >= remaining) colour = kTimerColourSecond;
    if (threshold[0] != 0 && threshold[0] >= remaining) colour = kTimerColourLast;
    return colour;
}

const TTimerSet kNoSet{};

}  // namespace

int ChainWindow(int level, int chain) {
    const std::int64_t factor = 5 - std::clamp(chain, 0, 4);
    return static_cast<int>(std::clamp<std::int64_t>(factor * (std::int64_t{level} + 10), 0, kIntMax));
}

QString FormatTimerReading(std::int64_t seconds) {
    if (seconds < 0) seconds = 0;
    return QString::asprintf("%.2lld:%.2lld", static_cast<long long>(seconds / 60),
                             static_cast<long long>(seconds % 60));
}

QString TimerNumberCaption(int cell) { return QStringLiteral("%1.").arg(cell + 1); }
QString TimerStartCaption(int cell) { return QStringLiteral("スタート [F%1]").arg(cell + 1); }
QString TimerRestartCaption(int cell) { return QStringLiteral("リスタート [F%1]").arg(cell + 1); }
QString TimerPauseCaption(int cell) { return QStringLiteral("ポーズ [F%1]").arg(cell + 1); }
QString TimerChainCaption(int chain, int cell) {
    return QStringLiteral("%1チェーン [F%2]").arg(chain).arg(cell + 1);
}
QString TimerStartHint(int cell) {
    return QStringLiteral("タイマー%1. をスタートします。(F%1)").arg(cell + 1);
}
QString TimerResetHint(int cell) {
    return QStringLiteral("タイマー%1. をリセットします。(Ctrl+F%1)").arg(cell + 1);
}

TimerCells::TimerCells() {
    for (int c = 0; c < kTimerCellCount; ++c) {
        auto& v = At(c).view;
        v.display = FormatTimerReading(0);
        v.startTime = QStringLiteral("00:00:00");
        v.startCaption = TimerStartCaption(c);
    }
}

void TimerCells::LoadRows(std::vector<TTimerSet> sets,
                          const std::array<int, kTimerCellCount>& selections) {
    if (sets.size() > static_cast<std::size_t>(kMaxTimerSets)) sets.resize(kMaxTimerSets);
    sets_ = std::move(sets);
    names_.clear();
    for (const auto& set : sets_) names_.append(set.Name);
    for (int c = 0; c < kTimerCellCount; ++c) Select(c, selections[static_cast<std::size_t>(c)]);
}

std::array<int, kTimerCellCount> TimerCells::Selections() const {
    std::array<int, kTimerCellCount> rows{};
    for (std::size_t c = 0; c < rows.size(); ++c) rows[c] = cells_[c].view.selection;
    return rows;
}

void TimerCells::Select(int cell, int setIndex) {
    if (!Valid(cell)) return;
    Cell& c = At(cell);
    const bool selected = setIndex >= 0 && static_cast<std::size_t>(setIndex) < sets_.size();
    const TTimerSet& set = selected ? sets_[static_cast<std::size_t>(setIndex)] : kNoSet;

    // Progress is kept: a reload must not lose stopwatch seconds or the chain count.
    TTimerItem& it = c.item;
    it.Running = false;
    it.Name = set.Name;
    it.Kind = set.Kind;
    it.Current = it.Base = set.Value;
    it.Threshold = {set.Section[2], set.Section[1], set.Section[0]};
    it.StartTick = 0;

    TimerCellView& v = c.view;
    v.selection = selected ? setIndex : -1;
    v.actionsEnabled = selected && set.Name != kTimerInvalidItem;
    if (v.actionsEnabled) {
        if (it.Kind == kKindChaintime) it.Current = ChainWindow(it.Base, it.Progress);
        v.display = FormatTimerReading(it.Current);
    } else {
        v.display = FormatTimerReading(0);
    }
    v.colour = kTimerColourNormal;
    v.startTime = QStringLiteral("00:00:00");
    v.listEnabled = true;
}

void TimerCells::Start(int cell, std::uint32_t tick, const EarthTime& localNow) {
    if (!Valid(cell) || !At(cell).view.actionsEnabled) return;
    Cell& c = At(cell);
    TTimerItem& it = c.item;
    TimerCellView& v = c.view;
    ArmAlarms(c);

    if (it.Kind == kKindCountdown) {
        // Pressed while running: starts again from the full length.
        it.StartTick = tick;
        v.startTime = ClockText(localNow);
        v.startCaption = TimerRestartCaption(cell);
    } else if (it.Kind == kKindStopwatch) {
        if (it.Running) {
            // Pause; the display keeps the last reading and Progress its whole seconds.
            v.startCaption = TimerRestartCaption(cell);
            v.colour = kTimerColourPaused;
            it.Running = false;
            return;
        }
        it.StartTick = tick;
        v.colour = kTimerColourNormal;
        v.startTime = ClockText(localNow);
        v.startCaption = TimerPauseCaption(cell);
        it.Current = it.Progress;
    } else if (it.Kind == kKindChaintime) {
        // Pressed while a window runs: the next, shorter window; after ten, chain 1 again.
        if (it.Progress > 9) it.Progress = 0;
        it.StartTick = tick;
        v.startTime = ClockText(localNow);
        v.startCaption = TimerChainCaption(it.Progress + 1, cell);
        it.Current = ChainWindow(it.Base, it.Progress);
        ++it.Progress;
    } else {
        return;  // a set of unknown kind never runs
    }
    v.listEnabled = false;
    it.Running = true;
    // Every run's first reading is where it starts: a countdown or chain window shows
    // its full length at once (a restart may come while "00:07" shows), and an alarm
    // at that length sounds on the first tick.
    c.alarmFrom = it.Current;
    if (it.Kind != kKindStopwatch) {
        v.display = FormatTimerReading(it.Current);
        v.colour = it.Current > 0 ? ThresholdColour(it.Threshold, it.Current) : kTimerColourLast;
    }
}

void TimerCells::Reset(int cell) {
    if (!Valid(cell) || !At(cell).view.actionsEnabled) return;
    Cell& c = At(cell);
    TTimerItem& it = c.item;
    if (it.Kind == kKindStopwatch) {
        it.Current = 0;
        it.Progress = 0;
    } else if (it.Kind == kKindChaintime) {
        it.Progress = 0;
        it.Current = ChainWindow(it.Base, 0);
    }
    it.Running = false;
    it.StartTick = 0;
    TimerCellView& v = c.view;
    v.startCaption = TimerStartCaption(cell);
    v.display = FormatTimerReading(it.Current);
    v.colour = kTimerColourNormal;
    v.startTime = QStringLiteral("00:00:00");
    v.listEnabled = true;
}

TimerTickResult TimerCells::Tick(std::uint32_t tick) {
    TimerTickResult result;
    for (int cell = 0; cell < kTimerCellCount; ++cell) {
        Cell& c = At(cell);
        TTimerItem& it = c.item;
        if (!it.Running) continue;
        result.changed |= 1u << cell;
        // Unsigned subtraction: correct across the wrap of the tick count.
        const std::int64_t elapsedMs = static_cast<std::uint32_t>(tick - it.StartTick);
        std::int64_t reading;
        std::uint32_t colour;
        if (it.Kind == kKindStopwatch) {
            reading = (std::int64_t{it.Current} * 1000 + elapsedMs) / 1000;
            it.Progress = static_cast<int>(std::min(reading, kIntMax));
            colour = kTimerColourNormal;
            SoundAlarms(c, c.alarmFrom, reading, reading, result.sounds);
            c.alarmFrom = std::max(c.alarmFrom, reading + 1);
        } else {
            // Rounded up: the full length until a whole second has passed, 00:00 only
            // at the end itself, and each second's alarm exactly when that much is left.
            const std::int64_t remainingMs = std::int64_t{it.Current} * 1000 - elapsedMs;
            const std::int64_t remaining = remainingMs > 0 ? (remainingMs + 999) / 1000 : 0;
            colour = ThresholdColour(it.Threshold, remaining);
            if (remaining <= 0) {
                it.Running = false;
                if (it.Kind == kKindChaintime) {
                    it.Progress = 0;
                    c.view.startCaption = TimerRestartCaption(cell);
                }
                c.view.listEnabled = true;
                colour = kTimerColourLast;
            }
            // A run found finished late still ends on 00:00, and an alarm at 0 still sounds.
            reading = remaining;
            SoundAlarms(c, reading, c.alarmFrom, reading, result.sounds);
            c.alarmFrom = std::min(c.alarmFrom, reading - 1);
        }
        c.view.display = FormatTimerReading(reading);
        c.view.colour = colour;
    }
    result.running = AnyRunning();
    return result;
}

bool TimerCells::AnyRunning() const {
    return std::any_of(cells_.begin(), cells_.end(), [](const Cell& c) { return c.item.Running; });
}

void TimerCells::SetRowAlarms(const std::array<TAlarmSet, kTimerCellCount>& alarms) {
    for (int cell = 0; cell < kTimerCellCount; ++cell) {
        TAlarmSet& a = At(cell).alarm;
        a = alarms[static_cast<std::size_t>(cell)];
        for (auto& s : a.Section) s.Armed = false;
    }
}

void TimerCells::ArmAlarms(Cell& c) {
    if (!c.alarm.Used) return;
    for (auto& s : c.alarm.Section) s.Armed = true;
}

void TimerCells::SoundAlarms(Cell& c, std::int64_t low, std::int64_t high, std::int64_t reading,
                             QStringList& sounds) {
    if (!c.alarm.Used) return;
    // A late tick may find several alarms due at once. Each sound cuts off the one
    // before, so only the alarm nearest the reading (a countdown's end itself when it
    // is due) is played; the others count as played.
    TSectionSet* nearest = nullptr;
    for (auto& s : c.alarm.Section) {
        if (!s.Enabled || !s.Armed || s.Second < low || s.Second > high) continue;
        s.Armed = false;
        // Among equals the later section wins, as it would have been heard last.
        if (!nearest || std::abs(s.Second - reading) <= std::abs(nearest->Second - reading)) nearest = &s;
    }
    if (!nearest) return;
    soundPlayer().play(nearest->Filename);
    sounds.append(nearest->Filename);
}

const TimerCellView& TimerCells::View(int cell) const {
    static const TimerCellView none;
    return Valid(cell) ? cells_[static_cast<std::size_t>(cell)].view : none;
}

const TTimerItem& TimerCells::Item(int cell) const {
    static const TTimerItem none;
    return Valid(cell) ? cells_[static_cast<std::size_t>(cell)].item : none;
}

const TAlarmSet& TimerCells::RowAlarm(int cell) const {
    static const TAlarmSet none;
    return Valid(cell) ? cells_[static_cast<std::size_t>(cell)].alarm : none;
}

}  // namespace norvane
