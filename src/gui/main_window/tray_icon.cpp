#include "gui/main_window/tray_icon.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>

#include "core/main_window/commands.h"
#include "gui/art/pictures.h"

namespace norvane {

namespace {

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

bool TTrayIcon::Available() { return QSystemTrayIcon::isSystemTrayAvailable(); }

TTrayIcon::TTrayIcon(QWidget* window, const std::function<QAction*(const QString&)>& command)
    : QObject(window), tray_(new QSystemTrayIcon(this)), menu_(new QMenu(window)) {
    setObjectName("trayMain");
    tray_->setObjectName("trayClock");
    menu_->setObjectName("mnuTray");
    QAction* toggle = menu_->addAction(QStringLiteral("表示/非表示"));
    toggle->setObjectName("actTrayShow");
    connect(toggle, &QAction::triggered, this, &TTrayIcon::toggleRequested);
    menu_->addSeparator();
    // The main menu's own actions: their check marks, visibility and pictures
    // follow the window's, and choosing one does what the menu bar's item does.
    for (const MenuEntry& e : MenuBarEntries()) {
        switch (e.kind) {
            case MenuEntry::Action:
                if (QAction* a = command(Text(e.name))) menu_->addAction(a);
                break;
            case MenuEntry::Separator: menu_->addSeparator(); break;
            case MenuEntry::PageMenu: {
                QMenu* pages = menu_->addMenu(Text(kPageMenuCaption));
                for (int i = 0; i < e.pages; ++i)
                    if (QAction* a = command(QString("actPage%1").arg(i + 1))) pages->addAction(a);
                break;
            }
            case MenuEntry::ColourMenu: break;  // the window's own menus carry the skins
        }
    }
    tray_->setContextMenu(menu_);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
        if (why == QSystemTrayIcon::Trigger) emit toggleRequested();
    });
}

TTrayIcon::~TTrayIcon() {
    tray_->hide();
    delete menu_.data();  // the window may have taken it down first
}

void TTrayIcon::Tick(const EarthTime& utc, int bias) {
    const TrayTexts t = TrayTextsAt(utc, bias);
    if (drawn_ && t == shown_) return;
    if (!drawn_ || t.weekday != shown_.weekday) tray_->setIcon(QIcon(WeekPicture(t.weekday)));
    tray_->setToolTip(QString::fromStdString(t.toolTip));
    shown_ = t;
    if (!drawn_) tray_->show();
    drawn_ = true;
}

// The tray may have gone (its panel ended) since the icon was put there.
bool TTrayIcon::IsShown() const { return tray_->isVisible() && Available(); }

}  // namespace norvane
