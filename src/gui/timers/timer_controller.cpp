// The timer page's part of the main window: seeding the timer sets on the first
// start, the twelve cells' actions and tick, the alarm menu, and saving the
// selections at close. What the cells show is computed by TimerCells; the page
// object only copies it into the controls.
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QMenu>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "core/settings/settings_store.h"
#include "core/timers/timer_rows.h"
#include "core/timers/timer_seed.h"
#include "gui/controls/image_ex.h"
#include "gui/controls/line_page_control.h"
#include "gui/controls/scroll_box_ex.h"
#include "gui/main_window/main_window.h"
#include "gui/timers/timer_page.h"
#include "platform/os_clock.h"

namespace norvane {
namespace {

// Calls back whenever the watched widget changes size (the scroll box's client
// area: it also narrows when the scroll bar appears).
class ResizeWatcher : public QObject {
public:
    ResizeWatcher(QObject* watched, std::function<void()> onResize)
        : QObject(watched), onResize_(std::move(onResize)) {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) onResize_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onResize_;
};

bool ValidCell(int cell) { return cell >= 0 && cell < kTimerCellCount; }

// Entries of the alarm menu that stand for "(なし)" or an alarm set carry their
// Tag as data; the separator and the options entry carry none.
bool IsAlarmEntry(const QAction* a) { return a->data().isValid(); }

}  // namespace

int TfrmMain::TimerCellsAtStart(const StartupSettings& st) const {
    // The timer page shows unless another valid page was stored, or simple mode hides them all.
    const std::optional<Page> stored = PageAt(st.page);
    const bool otherPage = stored && *stored != Page::Timer;
    if (!IsNormalMode() || otherPage) return 0;
    // A maximized window is sized only when it shows.
    if (st.maximized) return kTimerCellCount;
    // The scroll bar may take its width off the page, and so a column.
    const QSize page = pclMain->PageRect().size();
    const QSize barred = page - QSize(scrTimer->style()->pixelMetric(QStyle::PM_ScrollBarExtent), 0);
    return std::max(TimerCellsInView(page), TimerCellsInView(barred));
}

void TfrmMain::SetUpTimers(int cellsNow) {
    pagTimer = new TTimerPage(scrTimer->Contents(), this, cellsNow);
    pagTimer->SetItemColour(Item);

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
        addAction(start);
        actTimeS[i] = start;

        auto* reset = new QAction(kTimerResetCaption, this);
        reset->setObjectName(QStringLiteral("actTimeR%1").arg(n));
        reset->setData(n);
        reset->setStatusTip(TimerResetHint(c));
        reset->setShortcut(QKeySequence(Qt::CTRL | (Qt::Key_F1 + c)));
        reset->setShortcutContext(Qt::ApplicationShortcut);
        reset->setEnabled(false);
        connect(reset, &QAction::triggered, this, [this, n] { actTimeResetExecute(n); });
        addAction(reset);
        actTimeR[i] = reset;
    }
    pagTimer->BindActions(actTimeS, actTimeR);
    for (int c = 0; c < pagTimer->BuiltCells(); ++c) ConnectTimerCell(c);
    connect(pagTimer, &TTimerPage::cellBuilt, this, &TfrmMain::ConnectTimerCell);

    actAlmOption = new QAction(kAlarmMenuOptionCaption, this);
    actAlmOption->setObjectName(QStringLiteral("actAlmOption"));
    actAlmOption->setStatusTip(kAlarmMenuOptionHint);
    // Greyed out until the options dialog it opens exists, rather than doing nothing.
    actAlmOption->setEnabled(false);
    actAlmSet = new QAction(this);
    actAlmSet->setObjectName(QStringLiteral("actAlmSet"));
    actAlmSet->setStatusTip(QStringLiteral("アラームセットを切り替えます。"));
    mnuAlarm = new QMenu(this);
    mnuAlarm->setObjectName(QStringLiteral("mnuAlarm"));

    tmrTimer = new QTimer(this);
    tmrTimer->setObjectName(QStringLiteral("tmrTimer"));
    tmrTimer->setTimerType(Qt::PreciseTimer);
    tmrTimer->setInterval(100);
    connect(tmrTimer, &QTimer::timeout, this, &TfrmMain::tmrTimerTimer);

    new ResizeWatcher(scrTimer->viewport(), [this] { scrTimerResize(); });
    connect(scrTimer, &TScrollBoxEx::clicked, this, &TfrmMain::scrTimerClick);
    scrTimerResize();

    {
        SettingsStore store;
        SeedTimerSetsOnFirstStart(store, DefaultTimerIniPath());
        AppendChainSetsOnce(store);
    }
    LoadTimerRows();
    BuildAlarmMenu();
}

void TfrmMain::ConnectTimerCell(int c) {
    const auto i = static_cast<std::size_t>(c);
    const int n = c + 1;
    connect(pagTimer->cmbTimer[i], &QComboBox::currentIndexChanged, this, [this, n] { actTimeChangeExecute(n); });
    TImageEx* icon = pagTimer->imgTimer[i];
    connect(icon, &TImageEx::mouseEntered, this, [this, c] { imgTimer1MouseEnter(c); });
    connect(icon, &TImageEx::mouseLeft, this, [this, c] { imgTimer1MouseExit(c); });
    connect(icon, &TImageEx::mousePressed, this, [this, c] { imgTimer1MouseDown(c); });
    connect(icon, &TImageEx::mouseReleased, this, [this, c] { imgTimer1MouseUp(c); });
    connect(icon, &TImageEx::clicked, this, [this, c] { imgTimerClick(c); });
}

void TfrmMain::SaveTimerRowSelections() {
    if (!pagTimer) return;
    SettingsStore store;
    StoreTimerRowSelections(store, pagTimer->Cells);
}

// --- Rows and cells -----------------------------------------------------------

void TfrmMain::LoadTimerRows() {
    {
        SettingsStore store;
        ReadTimerRows(store, pagTimer->Cells);
    }
    pagTimer->ShowRows();
    UpdateTimerTick();
}

void TfrmMain::actTimeChangeExecute(int n) {
    const int cell = n - 1;
    if (!ValidCell(cell) || cell >= pagTimer->BuiltCells()) return;
    pagTimer->Cells.Select(cell, pagTimer->cmbTimer[static_cast<std::size_t>(cell)]->currentIndex());
    pagTimer->ShowCell(cell);
    UpdateTimerTick();
}

void TfrmMain::actTimeStartExecute(int n) {
    const int cell = n - 1;
    if (!ValidCell(cell)) return;
    const OsClock& clock = osClock();
    pagTimer->Cells.Start(cell, clock.tickCount(), clock.localNow());
    pagTimer->ShowCell(cell);
    UpdateTimerTick();
}

void TfrmMain::actTimeResetExecute(int n) {
    const int cell = n - 1;
    if (!ValidCell(cell)) return;
    pagTimer->Cells.Reset(cell);
    pagTimer->ShowCell(cell);
    UpdateTimerTick();
}

void TfrmMain::tmrTimerTimer() {
    const TimerTickResult r = pagTimer->Cells.Tick(osClock().tickCount());
    pagTimer->ShowCells(r.changed);
    if (!r.running) tmrTimer->stop();
}

void TfrmMain::UpdateTimerTick() {
    // Only started when stopped: restarting would push the next update back.
    if (!pagTimer->Cells.AnyRunning())
        tmrTimer->stop();
    else if (!tmrTimer->isActive())
        tmrTimer->start();
}

// --- Layout -------------------------------------------------------------------

void TfrmMain::scrTimerResize() {
    if (pagTimer) pagTimer->LayoutCells(scrTimer->viewport()->width());
}

void TfrmMain::scrTimerClick() {
    // The box takes the wheel and the arrow keys after a click on its background.
    scrTimer->setFocus(Qt::MouseFocusReason);
}

// --- Alarm icons and menu -------------------------------------------------------

void TfrmMain::imgTimer1MouseEnter(int k) { pagTimer->ShowAlarmPicture(k, true); }
void TfrmMain::imgTimer1MouseExit(int k) { pagTimer->ShowAlarmPicture(k, false); }
void TfrmMain::imgTimer1MouseDown(int k) { pagTimer->PressAlarmIcon(k, true); }
void TfrmMain::imgTimer1MouseUp(int k) { pagTimer->PressAlarmIcon(k, false); }

void TfrmMain::BuildAlarmMenu() {
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

void TfrmMain::LoadAlarmAssignments() {
    SettingsStore store;
    ReadRowAlarms(store, pagTimer->Cells);
}

void TfrmMain::imgTimerClick(int k) {
    if (!ValidCell(k) || k >= pagTimer->BuiltCells()) return;
    int checked = 0;
    {
        SettingsStore store;
        checked = CheckedAlarmEntry(store, k);
    }
    // The entries are no radio group: the marks are set by hand.
    for (QAction* a : mnuAlarm->actions())
        if (IsAlarmEntry(a)) a->setChecked(a->data().toInt() == checked);
    AlarmCell = k;
    TImageEx* icon = pagTimer->imgTimer[static_cast<std::size_t>(k)];
    // Just below the icon's left edge.
    mnuAlarm->popup(icon->mapToGlobal(QPoint(0, icon->height())));
    pagTimer->ShowAlarmPicture(k, false);
}

void TfrmMain::actAlmSetExecute(int tag) {
    SettingsStore store;
    ChooseCellAlarm(store, pagTimer->Cells, AlarmCell, tag);
}

}  // namespace norvane
