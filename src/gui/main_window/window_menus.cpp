// The main window's commands: its actions, the menu bar, the simple-mode menu
// and the toolbar, all pointing at the same actions. What each action says and
// where it stands in the menus comes from the command table of the core.
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/main_window/commands.h"
#include "gui/art/command_pictures.h"
#include "gui/controls/edge_panel.h"
#include "gui/main_window/help_viewer.h"
#include "gui/main_window/main_window.h"
#include "gui/main_window/menu_bar_style.h"
#include "gui/main_window/menu_paths.h"
#include "gui/settings/web_commands.h"
#include "gui/timesync/sync_controller.h"

namespace norvane {

namespace {

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

void TfrmMain::CreateActions() {
    grpPage = new QActionGroup(this);
    grpPage->setExclusive(true);
    for (const CommandInfo& c : WindowCommands()) {
        auto* a = new QAction(Text(c.caption), this);
        a->setObjectName(Text(c.name));
        a->setStatusTip(Text(c.hint));
        SetCategory(a, Text(c.category));
        if (c.picture != kNoPicture) a->setIcon(CommandIcon(c.picture));
        a->setVisible(c.visible);
        commands_.insert(a->objectName(), a);
    }
    for (int i = 0; i < kPageCount; ++i) {
        QAction* page = Command(QString("actPage%1").arg(i + 1));
        page->setCheckable(true);
        page->setActionGroup(grpPage);
        connect(page, &QAction::triggered, this, [this, i] { actPageExecute(*PageAt(i)); });
        actPage[static_cast<std::size_t>(i)] = page;
        QAction* tab = Command(QString("actTab%1").arg(i + 1));
        connect(tab, &QAction::triggered, this, [this, i] { actTabExecute(*PageAt(i)); });
    }
    actPage[0]->setChecked(true);

    actSimple = Command("actSimple");
    connect(actSimple, &QAction::triggered, this, &TfrmMain::actSimpleExecute);
    actNormal = Command("actNormal");
    connect(actNormal, &QAction::triggered, this, &TfrmMain::actNormalExecute);
    actAlwaysOnTop = Command("actAllways");
    actAlwaysOnTop->setCheckable(true);
    connect(actAlwaysOnTop, &QAction::triggered, this, &TfrmMain::actAlwaysOnTopExecute);
    actExit = Command("actExit");
    connect(actExit, &QAction::triggered, this, &TfrmMain::actExitExecute);
    connect(Command("actHelp"), &QAction::triggered, this, [this] { ShowHelp(this, 0); });
    ConnectWebCommands(this, Command("actWeb"), Command("actUpdate"), Command("actVersion"));
    // actSync and actOption are connected by the features that carry them out.
}

QAction* TfrmMain::Command(const QString& name) const { return commands_.value(name); }

QMenu* TfrmMain::FillMenu(QMenu* menu, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& e : entries) {
        switch (e.kind) {
            case MenuEntry::Action: menu->addAction(Command(Text(e.name))); break;
            case MenuEntry::Separator: menu->addSeparator(); break;
            case MenuEntry::PageMenu: {
                QMenu* pages = menu->addMenu(Text(kPageMenuCaption));
                pages->setObjectName(Text(e.name));
                pages->menuAction()->setStatusTip(Text(kPageMenuHint));
                for (int i = 0; i < e.pages; ++i) pages->addAction(actPage[static_cast<std::size_t>(i)]);
                break;
            }
            case MenuEntry::ColourMenu:
                mnuColor = menu->addMenu(Text(kColourMenuCaption));
                mnuColor->setObjectName(Text(e.name));
                break;
        }
    }
    return menu;
}

void TfrmMain::CreateMenus() {
    // A menu bar stretches itself over its parent: give it a holder of its own width.
    mbrHolder_ = new QWidget(pnlMenu);
    mbrMenu = new QMenuBar(mbrHolder_);
    auto* holderLayout = new QVBoxLayout(mbrHolder_);
    holderLayout->setContentsMargins(0, 0, 0, 0);
    holderLayout->addWidget(mbrMenu);
    mbrMenu->setObjectName("mbrMenu");
    mnuMenu = FillMenu(mbrMenu->addMenu(Text(kMenuBarCaption)), MenuBarEntries());
    mnuMenu->setObjectName("mnuMenu");
    mnuMenu->menuAction()->setIcon(CommandIcon(kMenuPicture));
    ShowPicturesBesideCaptions(mbrMenu);

    // The simple-mode menu button's pop-up; its page group leaves out the calendar.
    mnuMain = new QMenu(this);
    mnuMain->setObjectName("mnuMain");
    FillMenu(mnuMain, PopupMenuEntries());
    mnuPage = mnuMain->findChild<QMenu*>("mnuPage");

    tbrMenu = new QToolBar(pnlMenu);
    tbrMenu->setObjectName("tbrMenu");
    tbrMenu->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tbrMenu->setIconSize(QSize(16, 16));
    for (const ToolbarEntry& t : ToolbarEntries()) {
        QAction* a = Command(Text(t.action));
        a->setIconText(Text(t.caption));
        tbrMenu->addAction(a);
    }
    for (QMenu* m : findChildren<QMenu*>()) WatchMenuHints(m);
    StyleMenus();
}

void TfrmMain::WatchMenuHints(QMenu* menu) {
    // A pop-up menu is a window of its own: its items' hints do not travel up to
    // this window by themselves. The line empties when the menu closes, as when
    // the mouse leaves a control.
    connect(menu, &QMenu::hovered, this, [this](QAction* a) { ShowHint(a->statusTip()); });
    connect(menu, &QMenu::aboutToHide, this, [this] { ShowHint(QString()); });
}

void TfrmMain::StyleMenus() {
    // The menu bar's colour scheme, shared by the toolbar and the pop-up menus.
    // A palette rather than a style sheet: style sheets cost a re-polish each time.
    QPalette pal = mbrMenu->palette();
    const QColor base = ToQColor(skin_.Base);
    pal.setColor(QPalette::Window, base);
    pal.setColor(QPalette::Button, base);
    pal.setColor(QPalette::Base, base);
    pal.setColor(QPalette::Highlight, ToQColor(ShadeColor(skin_.Base, skin_.Back, 6)));
    pal.setColor(QPalette::HighlightedText, Qt::white);
    for (QWidget* w : std::initializer_list<QWidget*>{mbrHolder_, mbrMenu, tbrMenu}) {
        w->setPalette(pal);
        w->setAutoFillBackground(true);
    }
    // Every pop-up: a menu is a window of its own and takes no colours from its
    // parent. The alarm menu and the window-colour submenu come after the others.
    for (QMenu* m : findChildren<QMenu*>()) m->setPalette(pal);
}

// --- Time synchronisation -----------------------------------------------------------

void TfrmMain::CreateSyncRoute() {
    QAction* actSync = Command(QStringLiteral("actSync"));
    sync_ = new TSyncController(this, lblTimeHelp);
    connect(actSync, &QAction::triggered, sync_, &TSyncController::actSyncExecute);
    // "時刻同期済み" is wider than "時刻未同期": the hint line gives way.
    connect(sync_, &TSyncController::statusChanged, this, [this] {
        if (IsNormalMode()) LayoutNormal();
    });
}

}  // namespace norvane
