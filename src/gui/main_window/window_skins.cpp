// The main window's skins: the window-colour menus, one item per skin file
// beside the program, and the colouring of the window from the chosen file.
#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <filesystem>
#include <system_error>
#include <utility>

#include "core/main_window/skin.h"
#include "core/settings/ini_file.h"
#include "core/settings/settings_store.h"
#include "core/time/support.h"
#include "gui/main_window/main_window.h"
#include "gui/main_window/menu_paths.h"
#include "platform/sleep_clock.h"

namespace norvane {

namespace {

const QString kSkinHint = QStringLiteral("ウィンドウカラーを変更します。");

// The widest a skin's caption is drawn; a longer name ends in "…" and shows
// whole as the item's tool tip, so that no name makes the menu screen-wide.
constexpr int kSkinCaptionWidth = 300;
// A tool tip holds a few lines of a name at most, not a screenful.
constexpr qsizetype kSkinTipLength = 200;

// Sets the caption of a skin's item for the menus' font.
void SetSkinCaption(QAction* action, const QString& name, const QFont& font) {
    const QString caption =
        QFontMetrics(font).elidedText(name, Qt::ElideRight, kSkinCaptionWidth, Qt::TextShowMnemonic);
    action->setText(caption);
    if (caption == name) return;
    action->setToolTip(name.size() <= kSkinTipLength ? name : name.left(kSkinTipLength) + QChar(0x2026));
}

// Every menu-bar submenu captioned `caption`, at any depth.
void RemoveBarMenus(QMenu* menu, const QString& caption) {
    for (QAction* a : menu->actions()) {
        QMenu* sub = a->menu();
        if (!sub) continue;
        if (SameCaption(a->text(), caption)) {
            menu->removeAction(a);
            // Later: the call may come from within one of the menu's own signals.
            sub->setObjectName(QString());
            sub->deleteLater();
        } else {
            RemoveBarMenus(sub, caption);
        }
    }
}

}  // namespace

// A skin picked from a menu goes into the settings at once, but their file is
// saved at the next idle moment rather than within the click: the durable save
// (written, flushed and renamed) takes far longer than the recolouring the
// player waits for. Until then the program reads the new choice like any other
// setting; the next save of any setting, the one when the window closes, and
// the one when this object goes take it to the disk as well.
class TSkinSave : public QObject {
public:
    explicit TSkinSave(QObject* parent) : QObject(parent) {
        timer_.setSingleShot(true);
        timer_.setInterval(0);
        connect(&timer_, &QTimer::timeout, this, [this] { Flush(); });
    }
    ~TSkinSave() override { Flush(); }

    void Record(const std::string& file) {
        {
            SettingsStore store;
            store.Write(setting::kSkin, QString::fromStdString(file));
            store.SaveLater();
        }
        // Choices quicker than the event loop share one save.
        waiting_ = true;
        timer_.start();
    }
    void Flush() {
        timer_.stop();
        if (!std::exchange(waiting_, false)) return;
        SettingsStore store;  // closing it saves what waits
    }

private:
    QTimer timer_;
    bool waiting_ = false;
};

void TfrmMain::SetSkinFolder(const std::string& folder) {
    skinFolder_ = folder;
    BuildSkinMenu();
}

void TfrmMain::BuildSkinMenu() {
    if (skinFolder_.empty()) skinFolder_ = ProgramFolder();
    const QString category = QString::fromUtf8(kSkinCategory);
    // Everything of the last build goes: its actions, the menu bar's submenu and
    // the pop-up's items.
    for (QAction* a : findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly))
        if (CategoryOf(a) == category) delete a;
    for (QAction* top : mbrMenu->actions())
        if (QMenu* m = top->menu()) RemoveBarMenus(m, category);
    mnuColor->clear();
    delete grpSkin_;
    grpSkin_ = new QActionGroup(this);
    grpSkin_->setExclusive(true);

    skinList_ = BuildSkinList(skinFolder_);
    std::string chosen;
    {
        SettingsStore store;
        chosen = store.Read(setting::kSkin).toStdString();
    }
    const int chosenIndex = ChosenSkinIndex(skinList_, chosen);
    for (int i = 0; i < static_cast<int>(skinList_.size()); ++i) {
        std::string file, name;
        SplitPair(skinList_, i, file, name);
        auto* a = new QAction(this);
        SetSkinCaption(a, QString::fromStdString(name), mnuColor->font());
        a->setObjectName(QStringLiteral("actSkin%1").arg(i));
        SetCategory(a, category);
        a->setStatusTip(kSkinHint);
        a->setCheckable(true);
        a->setActionGroup(grpSkin_);
        a->setData(i);
        connect(a, &QAction::triggered, this, [this, a] { SkinActionExecute(a); });
        if (i == chosenIndex) {
            a->setChecked(true);
            ApplySkin(i);
        }
        mnuColor->addAction(a);
    }
    const MenuItemRef anchor = FindMenuItem(mbrMenu, {QStringLiteral("メニュー"), QStringLiteral("常に手前に表示")});
    mnuColor->setToolTipsVisible(true);
    if (QMenu* bar = BuildCategoryMenu(this, category, anchor, 1)) {
        bar->setObjectName("mbrColor");
        bar->setToolTipsVisible(true);
        WatchMenuHints(bar);
    }
    StyleMenus();
}

void TfrmMain::ApplySkin(int index) {
    std::string file, name;
    SplitPair(skinList_, index, file, name);
    {
        SettingsStore store;
        store.Write(setting::kSkin, QString::fromStdString(file));
    }
    RecolourFromSkinFile(file);
}

void TfrmMain::RecolourFromSkinFile(const std::string& file) {
    std::error_code ec;
    const std::string path = skinFolder_ + file;
    if (file.empty() || !std::filesystem::is_regular_file(path, ec)) return;
    skin_ = ReadSkinColours(IniFile::Load(path));
    ApplySkinColours();
}

void TfrmMain::SkinActionExecute(QAction* action) {
    std::string file, name;
    SplitPair(skinList_, action->data().toInt(), file, name);
    if (!skinSave_) skinSave_ = new TSkinSave(this);
    skinSave_->Record(file);
    RecolourFromSkinFile(file);
    action->setChecked(true);
    actTabExecute(currentPage_);
}

}  // namespace norvane

namespace norvane {

// Watches the window for the desktop's setting changes: palette, font or theme.
class TSettingWatch : public QObject {
public:
    explicit TSettingWatch(TfrmMain* window) : QObject(window), window_(window) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::ThemeChange:
            case QEvent::ApplicationPaletteChange:
            case QEvent::ApplicationFontChange:
                if (watched == window_ && window_->isVisible() && !pending_) {
                    // Several arrive together: rebuild once, after them.
                    pending_ = true;
                    QMetaObject::invokeMethod(
                        this,
                        [this] {
                            pending_ = false;
                            window_->SystemSettingChanged();
                        },
                        Qt::QueuedConnection);
                }
                break;
            default: break;
        }
        return false;
    }

private:
    TfrmMain* window_;
    bool pending_ = false;
};

void TfrmMain::WatchSystemSettings() {
    installEventFilter(new TSettingWatch(this));
}

void TfrmMain::CheckResume() {
    const std::int64_t slept = SleptMilliseconds();
    const bool resumed = slept_ >= 0 && ResumedBetween(slept_, slept);
    slept_ = slept;
    if (resumed) SystemSettingChanged();
}

void TfrmMain::SystemSettingChanged() {
    BuildSkinMenu();
    mbrMenu->setFont(font());
}

}  // namespace norvane
