#include "gui/timers/timer_controller.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QTimer>

#include "core/settings/settings_store.h"
#include "core/timers/timer_rows.h"
#include "core/timers/timer_seed.h"
#include "gui/controls/scroll_box_ex.h"
#include "gui/timers/sound_notice.h"
#include "platform/os_clock.h"

namespace norvane {
namespace {

bool ValidCell(int cell) { return cell >= 0 && cell < kTimerCellCount; }

// Entries of the alarm menu that stand for "(なし)" or an alarm set carry their
// Tag as data; the separator and the options entry carry none.
bool IsAlarmEntry(const QAction* a) { return a->data().isValid(); }

}  // namespace

TTimerController::TTimerController(QWidget* window, TScrollBoxEx* box, int cellsNow, Colour item)
    : QObject(window), scrTimer(box) {
    pagTimer = new TTimerPage(scrTimer->Contents(), cellsNow);
    pagTimer->SetItemColour(item);

    CreateCellActions(window);
    pagTimer->BindActions(actTimeS, actTimeR);
    connect(pagTimer, &TTimerPage::setChosen, this, &TTimerController::SetChosen);
    connect(pagTimer, &TTimerPage::alarmClicked, this, &TTimerController::OpenAlarmMenu);

    actAlmOption = new QAction(kAlarmMenuOptionCaption, this);
    actAlmOption->setObjectName(QStringLiteral("actAlmOption"));
    actAlmOption->setStatusTip(kAlarmMenuOptionHint);
    connect(actAlmOption, &QAction::triggered, this, &TTimerController::actAlmOptionExecute);
    actAlmSet = new QAction(this);
    actAlmSet->setObjectName(QStringLiteral("actAlmSet"));
    actAlmSet->setStatusTip(QStringLiteral("アラームセットを切り替えます。"));
    // The window's pop-up, like its other menus.
    mnuAlarm = new QMenu(window);
    mnuAlarm->setObjectName(QStringLiteral("mnuAlarm"));

    tmrTimer = new QTimer(this);
    tmrTimer->setObjectName(QStringLiteral("tmrTimer"));
    tmrTimer->setTimerType(Qt::PreciseTimer);
    tmrTimer->setInterval(100);
    connect(tmrTimer, &QTimer::timeout, this, &TTimerController::tmrTimerTimer);

    // The client area also narrows when the scroll bar appears.
    viewport_ = scrTimer->viewport();
    viewport_->installEventFilter(this);
    connect(scrTimer, &TScrollBoxEx::clicked, this, &TTimerController::scrTimerClick);
    scrTimerResize();

    {
        SettingsStore store;
        SeedTimerSetsOnFirstStart(store, DefaultTimerIniPath());
        AppendChainSetsOnce(store);
    }
    LoadTimerRows();
    BuildAlarmMenu();
}

void TTimerController::CreateCellActions(QWidget* window) {
    for (int c = 0; c < kTimerCellCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        const int n = c + 1;
        // Program-wide keys: the F-keys reach the cells whatever page or control
        // has the focus, and from the program's other windows in front (forecast
        // windows, help); a modal dialog still holds them back.
        auto* start = new QAction(TimerStartCaption(c), this);
        start->setObjectName(QStringLiteral("actTimeS%1").arg(n));
        start->setData(n);
        start->setStatusTip(TimerStartHint(c));
        start->setShortcut(QKeySequence(Qt::Key_F1 + c));
        start->setShortcutContext(Qt::ApplicationShortcut);
        start->setEnabled(false);
        connect(start, &QAction::triggered, this, [this, n] { actTimeStartExecute(n); });
        window->addAction(start);
        actTimeS[i] = start;

        auto* reset = new QAction(kTimerResetCaption, this);
        reset->setObjectName(QStringLiteral("actTimeR%1").arg(n));
        reset->setData(n);
        reset->setStatusTip(TimerResetHint(c));
        reset->setShortcut(QKeySequence(Qt::CTRL | (Qt::Key_F1 + c)));
        reset->setShortcutContext(Qt::ApplicationShortcut);
        reset->setEnabled(false);
        connect(reset, &QAction::triggered, this, [this, n] { actTimeResetExecute(n); });
        window->addAction(reset);
        actTimeR[i] = reset;
    }
}

QAction* TTimerController::StartAction(int cell) const {
    return ValidCell(cell) ? actTimeS[static_cast<std::size_t>(cell)] : nullptr;
}

QAction* TTimerController::ResetAction(int cell) const {
    return ValidCell(cell) ? actTimeR[static_cast<std::size_t>(cell)] : nullptr;
}

void TTimerController::SetItemColour(Colour item) { pagTimer->SetItemColour(item); }

void TTimerController::BuildRemainingCells() {
    // Built while the window is already on the screen, out of the user's sight.
    pagTimer->BuildCells(kTimerCellCount);
}

bool TTimerController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == viewport_) scrTimerResize();
    return QObject::eventFilter(watched, event);
}

void TTimerController::SaveTimerRowSelections() {
    SettingsStore store;
    StoreTimerRowSelections(store, pagTimer->Cells);
}

// --- Rows and cells -----------------------------------------------------------

void TTimerController::LoadTimerRows() {
    {
        SettingsStore store;
        ReadTimerRows(store, pagTimer->Cells);
    }
    pagTimer->ShowRows();
    UpdateTimerTick();
}

void TTimerController::SetChosen(int cell, int index) {
    if (!ValidCell(cell)) return;
    pagTimer->Cells.Select(cell, index);
    pagTimer->ShowCell(cell);
    UpdateTimerTick();
}

void TTimerController::actTimeStartExecute(int n) {
    const int cell = n - 1;
    if (!ValidCell(cell)) return;
    const OsClock& clock = osClock();
    pagTimer->Cells.Start(cell, clock.tickCount(), clock.localNow());
    pagTimer->ShowCell(cell);
    UpdateTimerTick();
}

void TTimerController::actTimeResetExecute(int n) {
    const int cell = n - 1;
    if (!ValidCell(cell)) return;
    pagTimer->Cells.Reset(cell);
    pagTimer->ShowCell(cell);
    UpdateTimerTick();
}

void TTimerController::tmrTimerTimer() {
    const TimerTickResult r = pagTimer->Cells.Tick(osClock().tickCount());
    pagTimer->ShowCells(r.changed);
    if (!r.running) tmrTimer->stop();
    if (!r.sounds.isEmpty()) TellIfSoundsUnheard(scrTimer->window(), r.sounds);
}

void TTimerController::UpdateTimerTick() {
    // Only started when stopped: restarting would push the next update back.
    if (!pagTimer->Cells.AnyRunning())
        tmrTimer->stop();
    else if (!tmrTimer->isActive())
        tmrTimer->start();
}

// --- Layout -------------------------------------------------------------------

void TTimerController::scrTimerResize() { pagTimer->LayoutCells(scrTimer->viewport()->width()); }

void TTimerController::scrTimerClick() {
    // The box takes the wheel and the arrow keys after a click on its background.
    scrTimer->setFocus(Qt::MouseFocusReason);
}

// --- Alarm icons and menu -------------------------------------------------------

void TTimerController::actAlmOptionExecute() { emit alarmOptionsRequested(); }

void TTimerController::BuildAlarmMenu() {
    mnuAlarm->clear();
    QStringList entries;
    {
        SettingsStore store;
        entries = AlarmMenuEntries(store);
    }
    for (int tag = 0; tag < entries.size(); ++tag) {
        // A set name is shown as written: an ampersand is no hot key here.
        QString caption = entries[tag];
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = mnuAlarm->addAction(caption);
        entry->setCheckable(true);
        entry->setData(tag);
        entry->setStatusTip(actAlmSet->statusTip());
        connect(entry, &QAction::triggered, this, [this, tag] { actAlmSetExecute(tag); });
    }
    mnuAlarm->addSeparator();
    mnuAlarm->addAction(actAlmOption);
    LoadAlarmAssignments();
}

void TTimerController::LoadAlarmAssignments() {
    SettingsStore store;
    ReadRowAlarms(store, pagTimer->Cells);
}

void TTimerController::OpenAlarmMenu(int k, QPoint below) {
    if (!ValidCell(k)) return;
    int checked = 0;
    {
        SettingsStore store;
        checked = CheckedAlarmEntry(store, k);
    }
    // The entries are no radio group: the marks are set by hand.
    for (QAction* a : mnuAlarm->actions())
        if (IsAlarmEntry(a)) a->setChecked(a->data().toInt() == checked);
    alarmCell_ = k;
    mnuAlarm->popup(below);
}

void TTimerController::actAlmSetExecute(int tag) {
    SettingsStore store;
    ChooseCellAlarm(store, pagTimer->Cells, alarmCell_, tag);
}

}  // namespace norvane
