#include "gui/main_window/main_window.h"

#include <algorithm>

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>

#include "core/settings/settings_store.h"
#include "gui/art/pictures.h"
#include "gui/controls/edge_panel.h"
#include "gui/controls/image_ex.h"
#include "gui/controls/line_page.h"
#include "gui/controls/line_page_control.h"
#include "gui/controls/line_panel.h"
#include "gui/controls/scroll_box_ex.h"
#include "gui/controls/tab_style.h"
#include "gui/controls/title_buttons.h"
#include "gui/main_window/clock_panel.h"
#include "gui/main_window/work_area.h"
#include "gui/schedules/schedule_pages.h"
#include "gui/timers/timer_controller.h"
#include "platform/ui_font.h"

namespace norvane {

namespace {

const char* const kPageCaptions[kPageCount] = {"タイマー", "船・飛空挺", "ギルド", "種族装備",
                                      "チョコボ", "スキル", "カレンダー"};
const char* const kPageActionCaptions[kPageCount] = {"タイマー(&T)", "船・飛空挺(&S)", "ギルド(&G)",
                                            "種族装備(&R)", "チョコボ(&B)", "スキル(&K)",
                                            "カレンダー(&C)"};
const char* const kPageHints[kPageCount] = {
    "タイマーのページを開きます。", "船・飛空挺のページを開きます。", "ギルドのページを開きます。",
    "種族装備のページを開きます。", "チョコボのページを開きます。", "スキルのページを開きます。",
    "カレンダーのページを開きます。"};

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
    setWindowTitle("Norvane");
    setFont(MainWindowFont());
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    CreateActions();
    CreateFrame();
    CreateMenus();
    clockPanel_ = new TClockPanel(this, pnlMenu);
    pnlTime = clockPanel_->Panel();
    connect(clockPanel_, &TClockPanel::exitClicked, this, &QWidget::close);
    connect(clockPanel_, &TClockPanel::returnClicked, actNormal, &QAction::trigger);
    connect(clockPanel_, &TClockPanel::menuClicked, mnuMain, [this](QPoint below) { mnuMain->popup(below); });
    connect(clockPanel_, &TClockPanel::forecastClosed, this, &TfrmMain::ForecastClosed);
    WatchClockPanel();
    CreatePages();

    const bool simpleArg = AsksForSimpleMode(args);

    tmrClock = new QTimer(this);
    tmrClock->setObjectName("tmrClock");
    tmrClock->setTimerType(Qt::PreciseTimer);
    tmrClock->setInterval(500);
    connect(tmrClock, &QTimer::timeout, this, &TfrmMain::tmrClockTimer);
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
    const WinRect wa = WorkArea();
    NormalBounds b = SaneBounds(st.bounds, wa);
    WinPoint p = FitToWorkArea(wa, {b.left, b.top}, b.width, b.height);
    setMinimumSize(kNormalMinWidth, kNormalMinHeight);
    setGeometry(p.x, p.y, b.width, b.height);
    UpdateWindowRegion();
    LayoutNormal();
    if (st.maximized) setWindowState(windowState() | Qt::WindowMaximized);
    allways_ = st.allways;
    ApplyAllways();
    WheelOwn = st.wheelOwn;
    WheelLines = st.wheelLines;
    schedules_->ApplyChoices(st);
    ApplySkin();
    if (st.simpleMode || simpleArg) actSimpleExecute();
    // "Time" "ExecuteSync" is read but not acted on until time synchronisation exists.
    restPending_ = order == BuildOrder::ShownFirst;
    timers_ = new TTimerController(this, scrTimer, restPending_ ? TimerCellsAtStart(st) : kTimerCellCount, Item);
    // An index outside the pages leaves the first page showing.
    pclMain->SetActivePage(st.page);
    // The icon the desktop shows for the window (the frame draws its own). Last,
    // so the pictures drawn ahead at start-up are surely done; or with the rest,
    // after the first paint.
    if (!restPending_) setWindowIcon(WindowIcon());
    tmrClock->start();
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

TfrmMain::~TfrmMain() = default;

bool TfrmMain::IsNormalMode() const { return actSimple->isVisible(); }

WinRect TfrmMain::WorkArea() const { return DesktopWorkArea(this); }

void TfrmMain::tmrClockTimer() {
    const VanaDateTime d = GetVanaTime();
    clockPanel_->Tick(d);
    if (!IsNormalMode()) return;
    schedules_->Refresh(currentPage_, d);
}

void TfrmMain::CreateActions() {
    grpPage = new QActionGroup(this);
    grpPage->setExclusive(true);
    for (int i = 0; i < kPageCount; ++i) {
        auto* a = new QAction(QString::fromUtf8(kPageActionCaptions[i]), this);
        a->setObjectName(QString("actPage%1").arg(i + 1));
        a->setStatusTip(QString::fromUtf8(kPageHints[i]));
        a->setCheckable(true);
        a->setActionGroup(grpPage);
        connect(a, &QAction::triggered, this, [this, i] { actPageExecute(*PageAt(i)); });
        actPage[static_cast<std::size_t>(i)] = a;
    }
    actPage[0]->setChecked(true);

    actSimple = new QAction(QStringLiteral("シンプルモードへ切り替え(&S)"), this);
    actSimple->setObjectName("actSimple");
    actSimple->setIconText(QStringLiteral("シンプルモード"));
    actSimple->setStatusTip(QStringLiteral("ウインドウ表示をシンプルモードへ切り替えます。"));
    connect(actSimple, &QAction::triggered, this, &TfrmMain::actSimpleExecute);

    actNormal = new QAction(QStringLiteral("通常モードへ切り替え(&N)"), this);
    actNormal->setObjectName("actNormal");
    actNormal->setStatusTip(QStringLiteral("ウインドウ表示を通常モードへ切り替えます。"));
    actNormal->setVisible(false);
    connect(actNormal, &QAction::triggered, this, &TfrmMain::actNormalExecute);

    actAllways = new QAction(QStringLiteral("常に手前に表示(&A)"), this);
    actAllways->setObjectName("actAllways");
    actAllways->setIconText(QStringLiteral("&手前に表示"));
    actAllways->setStatusTip(QStringLiteral("ウインドウを常に手前に表示します。"));
    actAllways->setCheckable(true);
    connect(actAllways, &QAction::triggered, this, &TfrmMain::actAllwaysExecute);

    actExit = new QAction(QStringLiteral("終了(&X)"), this);
    actExit->setObjectName("actExit");
    actExit->setStatusTip(QStringLiteral("Norvane を終了します。"));
    connect(actExit, &QAction::triggered, this, &QWidget::close);
}

void TfrmMain::CreateMenus() {
    // A menu bar stretches itself over its parent: give it a holder of its own width.
    mbrHolder_ = new QWidget(pnlMenu);
    mbrMenu = new QMenuBar(mbrHolder_);
    auto* holderLayout = new QVBoxLayout(mbrHolder_);
    holderLayout->setContentsMargins(0, 0, 0, 0);
    holderLayout->addWidget(mbrMenu);
    mbrMenu->setObjectName("mbrMenu");
    mnuMenu = mbrMenu->addMenu(QStringLiteral("メニュー(&M)"));
    QMenu* barPages = mnuMenu->addMenu(QStringLiteral("ページ切り替え(&P)"));
    for (QAction* a : actPage) barPages->addAction(a);
    mnuMenu->addSeparator();
    mnuMenu->addAction(actSimple);
    mnuMenu->addAction(actNormal);
    mnuMenu->addAction(actAllways);
    mnuMenu->addSeparator();
    mnuMenu->addAction(actExit);

    // The simple-mode menu button's pop-up; its page group leaves out the calendar.
    mnuMain = new QMenu(this);
    mnuMain->setObjectName("mnuMain");
    mnuPage = mnuMain->addMenu(QStringLiteral("ページ切り替え(&P)"));
    mnuPage->setObjectName("mnuPage");
    mnuPage->menuAction()->setStatusTip(QStringLiteral("ページ切り替えに関するメニューグループです。"));
    for (int i = 0; i < PageIndex(Page::Calendar); ++i) mnuPage->addAction(actPage[static_cast<std::size_t>(i)]);
    mnuMain->addSeparator();
    mnuMain->addAction(actSimple);
    mnuMain->addAction(actNormal);
    mnuMain->addAction(actAllways);
    mnuMain->addSeparator();
    mnuMain->addAction(actExit);

    tbrMenu = new QToolBar(pnlMenu);
    tbrMenu->setObjectName("tbrMenu");
    tbrMenu->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tbrMenu->setIconSize(QSize(16, 16));
    tbrMenu->addAction(actSimple);
    tbrMenu->addAction(actAllways);
    StyleMenus();
}

void TfrmMain::StyleMenus() {
    // The menu bar's colour scheme, shared by the toolbar and the pop-up menus.
    // A palette rather than a style sheet: style sheets cost a re-polish each time.
    QPalette pal = mbrMenu->palette();
    const QColor bace = ToQColor(Bace);
    pal.setColor(QPalette::Window, bace);
    pal.setColor(QPalette::Button, bace);
    pal.setColor(QPalette::Base, bace);
    pal.setColor(QPalette::Highlight, ToQColor(ShadeColor(Bace, Back, 6)));
    pal.setColor(QPalette::HighlightedText, Qt::white);
    for (QWidget* w : std::initializer_list<QWidget*>{mbrHolder_, mbrMenu, tbrMenu, mnuMain}) {
        w->setPalette(pal);
        w->setAutoFillBackground(true);
    }
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
    schedules_ = new TSchedulePages({scrShip, scrGuild, scrRacial, scrChoco}, Item, Bace, this);
    connect(pclMain, &TLinePageControl::changed, this, &TfrmMain::pclMainChange);
}

// --- Modes ------------------------------------------------------------------

void TfrmMain::ApplyMode(bool simple) {
    for (QWidget* w : std::initializer_list<QWidget*>{tbsMain, mbrHolder_, tbrMenu, pclMain, lblHelp, lblTimeHelp})
        w->setVisible(!simple);
    mnuPage->menuAction()->setVisible(!simple);
    actSimple->setVisible(!simple);
    actNormal->setVisible(simple);
    clockPanel_->SetSimpleMode(simple);
    schedules_->SetNormalMode(!simple);
}

void TfrmMain::actSimpleExecute() {
    if (!IsNormalMode()) return;
    WasMaximized = isMaximized();
    // The bounds kept are those of the normal-size window. Read before restoring:
    // the window manager shrinks the window some time later, and until then the
    // geometry read back is still the maximized one.
    const QRect normal = WasMaximized && normalGeometry().isValid() ? normalGeometry() : geometry();
    if (WasMaximized) showNormal();
    const WinRect wa = WorkArea();
    WinPoint p;
    {
        SettingsStore store;
        WriteNormalBounds(store, {normal.x(), normal.y(), normal.width(), normal.height()});
        p = FitToWorkArea(wa, ReadSimplePosition(store), kSimpleWidth, kSimpleHeight);
    }
    SwitchMode(true, QRect(p.x, p.y, kSimpleWidth, kSimpleHeight));
    ApplyAllways();
}

void TfrmMain::actNormalExecute() {
    if (IsNormalMode()) return;
    const WinRect wa = WorkArea();
    NormalBounds b;
    {
        SettingsStore store;
        WriteSimplePosition(store, {x(), y()});
        b = SaneBounds(ReadNormalBounds(store, 490), wa);
    }
    WinPoint p = FitToWorkArea(wa, {b.left, b.top}, b.width, b.height);
    SwitchMode(false, QRect(p.x, p.y, b.width, b.height));
    if (WasMaximized) showMaximized();
    ApplyAllways();
}

void TfrmMain::SwitchMode(bool simple, const QRect& bounds) {
    // The window stays on the screen while it changes. Hidden and shown again, it
    // would be placed anew by the window manager, and the toolkit may then be
    // told a wrong place (0, 0 under X11): the positions stored afterwards, and
    // everything placed beside the window, would be wrong. Painting waits for
    // the new layout instead, so nothing half-built shows.
    setUpdatesEnabled(false);
    ApplyMode(simple);
    if (simple)
        setMinimumSize(kSimpleWidth, kSimpleHeight);
    else
        setMinimumSize(kNormalMinWidth, kNormalMinHeight);
    setGeometry(bounds);
    if (simple)
        LayoutSimple();
    else
        LayoutNormal();
    setUpdatesEnabled(true);
    UpdateWindowRegion();
}

void TfrmMain::actAllwaysExecute() {
    allways_ = !allways_;
    ApplyAllways();
}

void TfrmMain::ApplyAllways() {
    actAllways->setChecked(allways_);
    clockPanel_->SetAllways(allways_);
    // Changing the stays-on-top state of the native window updates the window
    // manager's state in place: the window is not hidden or moved.
    if (QWindow* w = windowHandle())
        w->setFlag(Qt::WindowStaysOnTopHint, allways_);
    else
        setWindowFlag(Qt::WindowStaysOnTopHint, allways_);
}

void TfrmMain::ForecastClosed() {
    if (allways_) ApplyAllways();
}

// --- Pages ------------------------------------------------------------------

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

void TfrmMain::ApplySkin() {
    pnlMenu->SetEdgeColor(Back);
    pnlMenu->SetColor(Bace);
    clockPanel_->SetColours(Back, Bace, Edge);
    pclMain->SetEdgeColor(Bace);
    pclMain->SetLineColor(Edge);
    pclMain->TabStyle()->SetPassiveTabColor(Item);
    tbsMain->SetColor(Back);
    if (timers_) timers_->SetItemColour(Item);
    schedules_->SetColours(Item, Bace);
    StyleMenus();
    QPalette pal = lblHelp->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    lblHelp->setPalette(pal);
    lblTimeHelp->setPalette(pal);
    update();
}

// --- Messages and closing -----------------------------------------------------

void TfrmMain::ActivateFromMessage() {
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
    c.allways = allways_;
    c.page = pclMain->ActivePage();
    schedules_->CollectChoices(c);
    return c;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        closing_ = true;
        {
            SettingsStore store;
            WriteCloseState(store, CurrentCloseState());
        }
        timers_->SaveTimerRowSelections();
        clockPanel_->CloseForecasts();
        tmrClock->stop();
    }
    event->accept();
}

}  // namespace norvane
