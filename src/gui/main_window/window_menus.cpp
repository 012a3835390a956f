// The main window's commands: its actions, the menu bar, the simple-mode menu
// and the toolbar, all pointing at the same actions.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "gui/controls/edge_panel.h"
#include "gui/main_window/main_window.h"
#include "gui/timesync/sync_controller.h"

namespace norvane {

namespace {

const char* const kPageActionCaptions[kPageCount] = {"タイマー(&T)", "船・飛空挺(&S)", "ギルド(&G)",
                                                     "種族装備(&R)", "チョコボ(&B)",   "スキル(&K)",
                                                     "カレンダー(&C)"};
const char* const kPageHints[kPageCount] = {
    "タイマーのページを開きます。", "船・飛空挺のページを開きます。", "ギルドのページを開きます。",
    "種族装備のページを開きます。", "チョコボのページを開きます。", "スキルのページを開きます。",
    "カレンダーのページを開きます。"};

}  // namespace

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
    for (int i = 0; i < PageIndex(Page::Calendar); ++i)
        mnuPage->addAction(actPage[static_cast<std::size_t>(i)]);
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
    const QColor bace = ToQColor(skin_.Bace);
    pal.setColor(QPalette::Window, bace);
    pal.setColor(QPalette::Button, bace);
    pal.setColor(QPalette::Base, bace);
    pal.setColor(QPalette::Highlight, ToQColor(ShadeColor(skin_.Bace, skin_.Back, 6)));
    pal.setColor(QPalette::HighlightedText, Qt::white);
    for (QWidget* w : std::initializer_list<QWidget*>{mbrHolder_, mbrMenu, tbrMenu, mnuMain}) {
        w->setPalette(pal);
        w->setAutoFillBackground(true);
    }
}

// --- Time synchronisation -----------------------------------------------------------

void TfrmMain::CreateSyncRoute() {
    auto* actSync = findChild<QAction*>("actSync");
    if (!actSync) {
        actSync = new QAction(QStringLiteral("時刻の同期(&T)"), this);
        actSync->setObjectName("actSync");
        actSync->setIconText(QStringLiteral("時刻の同期"));
        actSync->setStatusTip(QStringLiteral("PC内部時計をインターネット時刻と同期させます。"));
        mnuMenu->insertAction(actAllways, actSync);
        mnuMain->insertAction(actAllways, actSync);
        tbrMenu->insertAction(actAllways, actSync);
    }
    sync_ = new TSyncController(this, lblTimeHelp);
    connect(actSync, &QAction::triggered, sync_, &TSyncController::actSyncExecute);
    // "時刻同期済み" is wider than "時刻未同期": the hint line gives way.
    connect(sync_, &TSyncController::StatusChanged, this, [this] {
        if (IsNormalMode()) LayoutNormal();
    });
}

}  // namespace norvane
