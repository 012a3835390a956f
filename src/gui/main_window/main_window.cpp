#include "gui/main_window/main_window.h"

#include <algorithm>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/settings/settings_store.h"
#include "gui/art/pictures.h"
#include "gui/controls/edge_panel.h"
#include "gui/controls/line_page.h"
#include "gui/controls/line_page_control.h"
#include "gui/controls/scroll_box_ex.h"
#include "gui/controls/tab_style.h"
#include "gui/controls/title_buttons.h"
#include "gui/main_window/clock_panel.h"
#include "gui/main_window/menu_paths.h"
#include "gui/main_window/settings_notices.h"
#include "gui/main_window/tray_icon.h"
#include "gui/notify/notify_controller.h"
#include "gui/schedules/schedule_pages.h"
#include "gui/timers/timer_controller.h"
#include "gui/timesync/sync_controller.h"
#include "platform/os_clock.h"
#include "platform_gui/ui_font.h"

namespace norvane {

namespace {

const char* const kPageCaptions[kPageCount] = {"タイマー", "船・飛空挺", "ギルド", "種族装備",
                                               "チョコボ", "スキル",     "カレンダー"};

// Aims the single-shot clock tick from the clock as it reads now, after the
// tick's work: each tick lands just after a half-second of the process clock.
void ArmClockTick(QTimer& tick, bool closing) {
    if (!closing) tick.start(ClockTickDelay(osClock().utcNow()));
}

}  // namespace

QFont MainWindowFont() { return UiFont(12); }

TfrmMain::TfrmMain(const std::vector<std::string>& args, QWidget* parent, BuildOrder order)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowSystemMenuHint) {
    // Every accessor opened while the window is built shares this one reading
    // of the settings file; changes are written once, when it goes.
    SettingsStore startupBatch;
    // The menu bar lives inside the self-drawn window: it must never be taken
    // over by a desktop's global menu (and asking the desktop costs start-up time).
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    setObjectName("frmMain");
    notices_ = new TSettingsNotices(this);
    setWindowTitle("Norvane");
    setFont(MainWindowFont());
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    CreateActions();
    CreateFrame();
    CreateMenus();
    CreateSyncRoute();
    CreateClockPanel();
    CreatePages();

    const bool simpleArg = AsksForSimpleMode(args);

    // Single-shot, armed again by every tick for just after the next half-second
    // of the clock: a free-running 500 ms timer would turn the shown second up to
    // half a second late, and stay out of step after a clock change.
    tmrClock = new QTimer(this);
    tmrClock->setObjectName("tmrClock");
    tmrClock->setTimerType(Qt::PreciseTimer);
    tmrClock->setSingleShot(true);
    tmrClock->setInterval(kClockTickPeriodMs);
    connect(tmrClock, &QTimer::timeout, this, [this] {
        tmrClockTimer();
        ArmClockTick(*tmrClock, closing_);
    });
    // One tick first, so the clock labels have their texts and widths for the layout.
    tmrClockTimer();

    mbrMenu->setFont(font());
    // 79 pixels fit the menu in "MS UI Gothic"; other faces may need a little more.
    const QSize menuHint = mbrMenu->sizeHint();
    mbrHolder_->setGeometry(4, 3, std::max(UiFamily() == QLatin1String(kClassicUiFamily) ? 79 : 86, menuHint.width()),
                            std::max(22, menuHint.height()));
    tbrMenu->move(mbrHolder_->x() + mbrHolder_->width(), mbrHolder_->y());

    clockPanel_->LayoutClockPanel();

    StartupSettings st;
    {
        SettingsStore store;
        st = ReadStartupSettings(store);
    }
    const QRect wa = WorkArea();
    NormalBounds b = SaneBounds(st.bounds, wa);
    QPoint p = FitToWorkArea(wa, {b.left, b.top}, b.width, b.height);
    setMinimumSize(kNormalMinWidth, kNormalMinHeight);
    setGeometry(QRect(p, QSize(b.width, b.height)));
    UpdateWindowRegion();
    LayoutNormal();
    if (st.maximized) setWindowState(windowState() | Qt::WindowMaximized);
    alwaysOnTop_ = st.alwaysOnTop;
    ApplyAlwaysOnTop();
    emit alwaysOnTopChanged(alwaysOnTop_);
    wheelOwn_ = st.wheelOwn;
    wheelLines_ = st.wheelLines;
    schedules_->ApplyChoices(st);
    // The design's colours first: they stay when no skin file is applied.
    ApplySkinColours();
    BuildSkinMenu();
    if (st.simpleMode || simpleArg) actSimpleExecute();
    if (st.executeSync) sync_->SyncWhenShown();
    restPending_ = order == BuildOrder::ShownFirst;
    timers_ = new TTimerController(this, scrTimer, restPending_ ? TimerCellsAtStart(st) : kTimerCellCount, skin_.Item);
    TagTimerCommands();
    CreateOptionsRoute();
    InstallInputPreview();
    WatchSystemSettings();
    // An index outside the pages leaves the first page showing.
    pclMain->SetActivePage(st.page);
    ApplyTraySettings();
    ApplyNotifySettings();
    // The icon the desktop shows for the window (the frame draws its own). Last,
    // so the pictures drawn ahead at start-up are surely done; or with the rest,
    // after the first paint.
    if (!restPending_) setWindowIcon(WindowIcon());
    ArmClockTick(*tmrClock, closing_);
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::TagTimerCommands() {
    // The timer page's actions join the window's categories, and its alarm menu
    // the menus' colours.
    for (QAction* a : timers_->findChildren<QAction*>()) {
        const QString name = a->objectName();
        if (name.startsWith("actTime")) SetCategory(a, QString::fromUtf8(kTimerCategory.data(), kTimerCategory.size()));
        if (name.startsWith("actAlm")) SetCategory(a, QString::fromUtf8(kAlarmCategory.data(), kAlarmCategory.size()));
    }
    if (auto* alarm = findChild<QMenu*>("mnuAlarm")) WatchMenuHints(alarm);
    StyleMenus();
}

void TfrmMain::BuildRest() {
    timers_->BuildRemainingCells();
    setWindowIcon(WindowIcon());
}

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

void TfrmMain::CreateClockPanel() {
    clockPanel_ = new TClockPanel(this, pnlMenu);
    connect(clockPanel_, &TClockPanel::exitClicked, this, &TfrmMain::actExitExecute);
    connect(clockPanel_, &TClockPanel::returnClicked, actNormal, &QAction::trigger);
    connect(clockPanel_, &TClockPanel::menuClicked, mnuMain, [this](QPoint below) { mnuMain->popup(below); });
    connect(clockPanel_, &TClockPanel::forecastClosed, this, &TfrmMain::ForecastClosed);
    connect(this, &TfrmMain::modeChanged, clockPanel_, &TClockPanel::SetSimpleMode);
    connect(this, &TfrmMain::alwaysOnTopChanged, clockPanel_, &TClockPanel::SetAlwaysOnTop);
    WatchClockPanel();
}

void TfrmMain::CreatePages() {
    pclMain = new TLinePageControl(pnlMenu);
    pclMain->setObjectName("pclMain");
    pclMain->SetTabPosition(tpBottom);
    pclMain->SetEdgeRound(RoundKinds(rkBottomLeft) | rkBottomRight);
    TScrollBoxEx** boxes[kPageCount] = {&scrTimer, &scrShip, &scrGuild, &scrRacial,
                                        &scrChoco, &scrSkill, &scrCalen};
    const char* const names[kPageCount] = {"scrTimer", "scrShip", "scrGuild", "scrRacial",
                                           "scrChoco", "scrSkill", "scrCalen"};
    for (int i = 0; i < kPageCount; ++i) {
        auto* page = new TLinePage(pclMain);
        page->setObjectName(QString("ltsTab%1").arg(i + 1));
        page->SetCaption(QString::fromUtf8(kPageCaptions[i]));
        ltsTab[static_cast<std::size_t>(i)] = page;
        auto* box = new TScrollBoxEx(page);
        box->setObjectName(names[i]);
        box->setFrameShape(QFrame::NoFrame);
        QPalette pal = box->palette();
        pal.setColor(QPalette::Window, ToQColor(pclMain->Color()));
        box->setPalette(pal);
        box->viewport()->setPalette(pal);
        if (box->Contents()) box->Contents()->setPalette(pal);
        auto* fill = new QVBoxLayout(page);
        fill->setContentsMargins(0, 0, 0, 0);
        fill->addWidget(box);
        *boxes[i] = box;
    }
    schedules_ = new TSchedulePages({scrShip, scrGuild, scrRacial, scrChoco, scrSkill, scrCalen}, skin_.Item, skin_.Base, this);
    connect(this, &TfrmMain::modeChanged, schedules_, [this](bool simple) { schedules_->SetNormalMode(!simple); });
    connect(pclMain, &TLinePageControl::changed, this, &TfrmMain::pclMainChange);
}

// --- The tick and the pages ---------------------------------------------------------

void TfrmMain::tmrClockTimer() {
    CheckResume();
    const VanaDateTime d = GetVanaTime();
    clockPanel_->Tick(d);
    if (tray_) tray_->Tick(GetUtcNow(), GetLocalBias());
    if (notify_) notify_->Tick(timers_->Page()->Cells);
    if (!IsNormalMode()) return;
    schedules_->Refresh(currentPage_, d);
}

void TfrmMain::actTabExecute(Page page) {
    currentPage_ = page;
    actPage[static_cast<std::size_t>(PageIndex(page))]->setChecked(true);
    schedules_->Selected(page);
}

void TfrmMain::actPageExecute(Page page) {
    actTabExecute(page);
    pclMain->SetActivePage(PageIndex(page));
}

void TfrmMain::pclMainChange() {
    if (const std::optional<Page> page = PageAt(pclMain->ActivePage())) actTabExecute(*page);
}

void TfrmMain::ApplySkinColours() {
    pnlMenu->SetEdgeColor(skin_.Back);
    pnlMenu->SetColor(skin_.Base);
    clockPanel_->SetColours(skin_.Back, skin_.Base, skin_.Edge);
    clockPanel_->SetTimeColours(skin_.Vana, skin_.Earth);
    pclMain->SetEdgeColor(skin_.Base);
    pclMain->SetLineColor(skin_.Edge);
    pclMain->TabStyle()->SetPassiveTabColor(skin_.Item);
    tbsMain->SetColor(skin_.Back);
    if (timers_) timers_->SetItemColour(skin_.Item);
    schedules_->SetColours(skin_.Item, skin_.Base);
    StyleMenus();
    QPalette pal = lblHelp->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    lblHelp->setPalette(pal);
    lblTimeHelp->setPalette(pal);
    update();
    pclMain->update();
}

// --- Messages and closing -----------------------------------------------------

void TfrmMain::ActivateFromMessage() {
    // A window brought back after its close goes on as before: its clock runs,
    // and its next close stores it again.
    if (closing_) {
        closing_ = false;
        tmrClockTimer();
        ArmClockTick(*tmrClock, closing_);
    }
    update();
    if (isMinimized()) setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    if (!isVisible()) show();
    raise();
    if (!isActiveWindow()) activateWindow();
}

CloseState TfrmMain::CurrentCloseState() const {
    CloseState c;
    c.simpleMode = !IsNormalMode();
    c.maximized = isMaximized();
    QRect g = normalGeometry().isValid() && isMaximized() ? normalGeometry() : geometry();
    c.bounds = {g.x(), g.y(), g.width(), g.height()};
    c.simplePos = {x(), y()};
    c.alwaysOnTop = alwaysOnTop_;
    c.page = pclMain->ActivePage();
    schedules_->CollectChoices(c);
    return c;
}

void TfrmMain::SaveCloseState() {
    {
        SettingsStore store;
        WriteCloseState(store, CurrentCloseState());
    }
    timers_->SaveTimerRowSelections();
}

void TfrmMain::actExitExecute() {
    quitting_ = true;
    close();
    quitting_ = false;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    // A logout asks every window to close: hiding then would stop the session's end.
    if (!quitting_ && !closing_ && closeToTray_ && tray_ && tray_->IsShown() && !qGuiApp->isSavingSession()) {
        HideToTray();
        event->ignore();
        return;
    }
    if (!closing_) {
        closing_ = true;
        SaveCloseState();
        clockPanel_->CloseForecasts();
        tmrClock->stop();
        // A save that failed is told now, over the window. A box left to the
        // event loop would open after the window went and swallow the
        // application's quit, leaving a copy running with no window.
        notices_->ShowPending();
        // Closed from the tray's menu while hidden: no window closing ends the program by itself.
        if (!QGuiApplication::quitOnLastWindowClosed()) {
            QGuiApplication::setQuitOnLastWindowClosed(true);
            QCoreApplication::quit();
        }
    }
    event->accept();
    // The close is always granted and ends the program whatever the save did,
    // also with another of its windows (the help) still open.
    if (endsProgram_) QCoreApplication::exit(0);
}

// --- The tray clock -----------------------------------------------------------

void TfrmMain::ApplyTraySettings() {
    TraySettings t;
    {
        SettingsStore store;
        t = ReadTraySettings(store);
    }
    closeToTray_ = t.closeToTray;
    if (t.enabled && !tray_ && TTrayIcon::Available()) {
        tray_ = new TTrayIcon(this, [this](const QString& name) { return Command(name); });
        connect(tray_, &TTrayIcon::toggleRequested, this, &TfrmMain::ToggleFromTray);
        StyleMenus();
        tray_->Tick(GetUtcNow(), GetLocalBias());
    } else if (!t.enabled && tray_) {
        delete tray_;
        tray_ = nullptr;
        // Without its icon a hidden window could not be reached again.
        if (isHidden()) ToggleFromTray();
    }
}

void TfrmMain::ApplyNotifySettings() {
    NotifyChoices choices;
    {
        SettingsStore store;
        choices = ReadNotifyChoices(store);
    }
    if (!choices.Any()) {
        delete notify_;
        notify_ = nullptr;
        return;
    }
    if (!notify_) {
        notify_ = new TNotifyController(this);
        connect(notify_, &TNotifyController::pageRequested, this, &TfrmMain::ShowFromNotification);
    }
    notify_->SetChoices(choices);
}

void TfrmMain::ShowFromNotification(Page page) {
    if (!IsNormalMode()) actNormalExecute();
    ShowPage(page);
    QGuiApplication::setQuitOnLastWindowClosed(true);
    ActivateFromMessage();
}

void TfrmMain::HideToTray() {
    // What closing would write, in case the session ends while the window is hidden.
    SaveCloseState();
    clockPanel_->CloseForecasts();
    // A dialog opened from the tray's menu may be the last window to close.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    hide();
}

void TfrmMain::ToggleFromTray() {
    if (isVisible() && !isMinimized()) {
        HideToTray();
        return;
    }
    QGuiApplication::setQuitOnLastWindowClosed(true);
    ActivateFromMessage();
}

}  // namespace norvane
