// The window's command surface as a player meets it: the menus and toolbar,
// the hint line, the keys (arrows, digits, remote-control keys) and the wheel.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

#include "activate_window.h"
#include "core/settings/settings_store.h"
#include "gui/controls/line_page_control.h"
#include "gui/controls/scroll_box_ex.h"
#include "gui/controls/title_button.h"
#include "gui/main_window/main_window.h"
#include "gui/main_window/menu_paths.h"
#include "gui/schedules/schedule_pages.h"
#include "gui/timers/timer_controller.h"
#include "gui/timers/timer_page.h"
#include "support/fake_sound_player.h"
#include "window_fixture.h"

namespace norvane {
namespace {

class WindowCommandsTest : public WindowFixture {
protected:
    WindowCommandsTest() : soundScope_(sound_) { clock_.setTick(5000); }

    // A key typed into the focused control, with the character it makes; then
    // what it queued (a synthesized function key) runs.
    static void Type(TfrmMain& w, int key, const QString& text = QString(),
                     Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
        QKeyEvent press(QEvent::KeyPress, key, mods, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, mods, text);
        QApplication::sendEvent(target, &release);
        QApplication::processEvents();
    }
    static void Digits(TfrmMain& w, const char* digits) {
        for (const char* d = digits; *d; ++d) Type(w, Qt::Key_0 + (*d - '0'), QString(QChar(*d)));
    }

    // Every cell a stopwatch, so every F-key has something to start.
    static void Stopwatches(TfrmMain& w) {
        for (int c = 0; c < kTimerCellCount; ++c) CellChild<QComboBox>(w, "cmbTimer", c)->setCurrentIndex(0);
    }
    static QString Running(TfrmMain& w) {
        QString out;
        for (int c = 0; c < 12; ++c)
            if (w.Timers()->Page()->Cells.Item(c).Running) out += QString::number(c + 1) + " ";
        return out.trimmed();
    }

    FakeSoundPlayer sound_;
    ScopedSoundPlayer soundScope_;
};

QStringList Captions(const QMenu* m) {
    QStringList out;
    for (const QAction* a : m->actions()) {
        QString c = a->isSeparator() ? "-" : a->text();
        if (!a->isSeparator() && !a->isVisible()) c += " (hidden)";
        if (a->isChecked()) c += " (checked)";
        out << c;
    }
    return out;
}

TEST_F(WindowCommandsTest, MenusAndToolbarListTheCommandsInOrder) {
    auto w = Start();
    const QMenuBar* bar = w->findChild<QMenuBar*>("mbrMenu");
    ASSERT_EQ(bar->actions().size(), 1);
    EXPECT_EQ(bar->actions()[0]->text(), "メニュー(&M)");
    const QMenu* menu = bar->actions()[0]->menu();
    EXPECT_EQ(Captions(menu), QStringList({"ページ切り替え(&P)", "-", "シンプルモードへ切り替え(&S)",
                                          "通常モードへ切り替え(&N) (hidden)", "時刻の同期(&T)", "常に手前に表示(&A)",
                                          "ウィンドウカラー(&C)", "オプション(&O)...", "-", "ヘルプ トピック(&H)",
                                          "ウェブサイトを表示(&W)", "-", "最新バージョンへアップデート(&U)",
                                          "バージョン情報(&B)...", "-", "終了(&X)"}));
    const QStringList pages = {"タイマー(&T) (checked)", "船・飛空挺(&S)", "ギルド(&G)", "種族装備(&R)",
                               "チョコボ(&B)", "スキル(&K)", "カレンダー(&C)"};
    EXPECT_EQ(Captions(menu->actions()[0]->menu()), pages);

    const QMenu* pop = w->findChild<QMenu*>("mnuMain");
    EXPECT_EQ(Captions(pop), QStringList({"ページ切り替え(&P)", "-", "シンプルモードへ切り替え(&S)",
                                         "通常モードへ切り替え(&N) (hidden)", "時刻の同期(&T)", "常に手前に表示(&A)",
                                         "ウィンドウカラー(&C)", "オプション(&O)...", "-", "ヘルプ トピック(&H)",
                                         "ウェブサイトを表示(&W)", "-", "最新バージョンへアップデート(&U)",
                                         "バージョン情報(&B)...", "-", "終了(&X)"}));
    EXPECT_EQ(Captions(pop->actions()[0]->menu()), pages.mid(0, 6));
    EXPECT_EQ(pop->actions()[0]->statusTip(), "ページ切り替えに関するメニューグループです。");

    QStringList tools;
    for (QAction* a : w->findChild<QToolBar*>("tbrMenu")->actions()) tools << a->iconText();
    EXPECT_EQ(tools, QStringList({"シンプルモード", "時刻の同期", "&手前に表示"}));

    // The commands still without a feature behind them exist and say what they are for.
    const struct {
        const char* name;
        const char* hint;
        bool picture;
    } commands[] = {{"actSync", "PC内部時計をインターネット時刻と同期させます。", true},
                    {"actOption", "Norvane のオプションを表示します。", false},
                    {"actVersion", "Norvane のバージョン情報を表示します。", false},
                    {"actWeb", "Norvane のウェブサイトにアクセスします。", false},
                    {"actUpdate", "Norvane の最新バージョンの有無をチェックします。", false},
                    {"actSimple", "ウインドウ表示をシンプルモードへ切り替えます。", true}};
    for (const auto& c : commands) {
        const QAction* a = w->findChild<QAction*>(c.name);
        ASSERT_NE(a, nullptr) << c.name;
        EXPECT_EQ(a->statusTip(), c.hint);
        EXPECT_EQ(!a->icon().isNull(), c.picture) << c.name;
    }
    // The on-top picture follows the state.
    QAction* alwaysOnTop = w->findChild<QAction*>("actAllways");
    const qint64 off = alwaysOnTop->icon().cacheKey();
    alwaysOnTop->trigger();
    EXPECT_NE(alwaysOnTop->icon().cacheKey(), off);
    alwaysOnTop->trigger();
}

TEST_F(WindowCommandsTest, TheHintLineShowsWhatIsPointedAtAndEmptiesAfter) {
    auto w = Start();
    ActivateWindow(*w);
    auto* help = w->findChild<QLabel*>("lblHelp");
    QMenu* pop = w->findChild<QMenu*>("mnuMain");
    pop->popup(w->mapToGlobal(QPoint(20, 60)));
    QAction* sync = w->findChild<QAction*>("actSync");
    pop->setActiveAction(sync);
    EXPECT_EQ(help->text(), "PC内部時計をインターネット時刻と同期させます。");
    pop->hide();
    EXPECT_EQ(help->text(), "");

    // A toolbar button, as the mouse enters it.
    QWidget* button = w->findChild<QToolBar*>("tbrMenu")->widgetForAction(w->findChild<QAction*>("actSimple"));
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(button, &enter);
    EXPECT_EQ(help->text(), "ウインドウ表示をシンプルモードへ切り替えます。");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_EQ(help->text(), "");

    // The minimize button takes the window away under the mouse, and no leave
    // follows: the window comes back with an empty line.
    TTitleButton* mini = nullptr;
    for (auto* b : w->findChildren<TTitleButton*>())
        if (b->ButtonType() == wbtMini) mini = b;
    ASSERT_NE(mini, nullptr);
    QApplication::sendEvent(mini, &enter);
    EXPECT_EQ(help->text(), "最小化");
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), mini->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(mini, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), mini->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(mini, &release);
    QApplication::processEvents();
    EXPECT_TRUE(w->isMinimized());
    w->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(help->text(), "");
    EXPECT_FALSE(mini->Hot());
}

// At the window's default size every hint of the program fits the hint line whole.
TEST_F(WindowCommandsTest, EveryHintFitsTheHintLineAtTheDefaultSize) {
    auto w = Start();
    w->SchedulePages()->BuildPages();
    auto* help = w->findChild<QLabel*>("lblHelp");
    ASSERT_EQ(w->width(), 514);
    QStringList hints;
    for (const QWidget* c : w->findChildren<QWidget*>()) hints << c->statusTip();
    for (const QAction* a : w->findChildren<QAction*>()) hints << a->statusTip();
    hints.removeDuplicates();
    auto* state = w->findChild<QLabel*>("lblTimeHelp");
    ASSERT_FALSE(state->text().isEmpty());
    w->show();
    for (const QString& hint : hints) {
        QStatusTipEvent tip(hint);
        QApplication::sendEvent(w.get(), &tip);
        ASSERT_EQ(help->text(), hint);
        EXPECT_LE(help->fontMetrics().horizontalAdvance(hint), help->contentsRect().width()) << hint.toStdString();
        // Beside the synchronisation state, or over it while it steps aside.
        if (state->isVisible()) { EXPECT_LT(help->geometry().right(), state->x()) << hint.toStdString(); }
        EXPECT_LT(help->geometry().right(), w->width() - 16) << hint.toStdString();  // clear of the size grip
    }
    QStatusTipEvent none{QString()};
    QApplication::sendEvent(w.get(), &none);
    EXPECT_TRUE(state->isVisible());
}

TEST_F(WindowCommandsTest, DigitsOnTheTimerPageStartAndResetTimers) {
    auto w = Start();
    Stopwatches(*w);
    ActivateWindow(*w);
    CellChild<QComboBox>(*w, "cmbTimer", 6)->setFocus();
    Digits(*w, "4");
    EXPECT_EQ(Running(*w), "4");
    Digits(*w, "02");
    EXPECT_EQ(Running(*w), "4 12");
    Digits(*w, "05");
    EXPECT_EQ(Running(*w), "4 5 12");
    Type(*w, Qt::Key_MediaStop);
    Digits(*w, "4");
    EXPECT_EQ(Running(*w), "5 12");
    EXPECT_EQ(w->Prefixes(), KeyPrefixes{});

    // On another page digits start nothing.
    w->ShowPage(Page::Ship);
    Digits(*w, "3");
    EXPECT_EQ(Running(*w), "5 12");
}

TEST_F(WindowCommandsTest, ASynthesizedKeyOfADisabledTimerDoesNothing) {
    auto w = Start();
    ActivateWindow(*w);
    CellChild<QComboBox>(*w, "cmbTimer", 0)->setCurrentIndex(0);
    CellChild<QComboBox>(*w, "cmbTimer", 2)->setCurrentIndex(-1);
    ASSERT_FALSE(w->Timers()->StartAction(2)->isEnabled());
    Digits(*w, "3");
    EXPECT_EQ(Running(*w), "");
    Digits(*w, "1");
    EXPECT_EQ(Running(*w), "1");
}

TEST_F(WindowCommandsTest, ChannelKeysStepThePagesRoundTheEnds) {
    auto w = Start();
    ActivateWindow(*w);
    w->ShowPage(Page::Calendar);
    Type(*w, Qt::Key_ChannelUp);
    EXPECT_EQ(w->CurrentPage(), Page::Timer);
    Type(*w, Qt::Key_ChannelDown);
    EXPECT_EQ(w->CurrentPage(), Page::Calendar);
    EXPECT_TRUE(w->findChild<QAction*>("actPage7")->isChecked());
    Type(*w, Qt::Key_ChannelDown);
    EXPECT_EQ(w->CurrentPage(), Page::Skill);
}

TEST_F(WindowCommandsTest, ArrowsMoveTheFocusAndNeverReachAnEditBox) {
    auto w = Start();
    ActivateWindow(*w);
    w->ShowPage(Page::Racial);
    auto* box = w->findChild<QComboBox*>("cmbRacial");
    ASSERT_NE(box, nullptr);
    box->setFocus();
    const int choice = box->currentIndex();
    Type(*w, Qt::Key_Right);
    EXPECT_EQ(box->currentIndex(), choice);
    EXPECT_NE(QApplication::focusWidget(), box);
    Type(*w, Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), box);
    Type(*w, Qt::Key_Left);
    EXPECT_EQ(box->currentIndex(), choice);

    // An edit box never sees the arrows either.
    auto* edit = new QLineEdit(w->findChild<QWidget*>("ltsTab1"));
    edit->setText("abc");
    edit->setFocus();
    edit->setCursorPosition(1);
    Type(*w, Qt::Key_Right);
    EXPECT_EQ(edit->cursorPosition(), 1);
    Type(*w, Qt::Key_Left);
    EXPECT_EQ(edit->cursorPosition(), 1);
}

TEST_F(WindowCommandsTest, RemoteBackOpensTheMenuAndMuteMovesTheFocus) {
    auto w = Start();
    ActivateWindow(*w);
    QWidget* before = QApplication::focusWidget();
    Type(*w, Qt::Key_VolumeMute);
    EXPECT_NE(QApplication::focusWidget(), before);
    Type(*w, Qt::Key_Back);
    auto* bar = w->findChild<QMenuBar*>("mbrMenu");
    EXPECT_EQ(bar->activeAction(), bar->actions()[0]);
    bar->actions()[0]->menu()->hide();
}

TEST_F(WindowCommandsTest, EnterTogglesAFocusedCalendarFilter) {
    auto w = Start();
    ActivateWindow(*w);
    // The calendar page's filter boxes, as that page names them.
    auto* filter = new QCheckBox("バリスタ", w->findChild<QWidget*>("ltsTab7"));
    filter->setObjectName("chkCalenBallista");
    filter->setChecked(true);
    auto* other = new QCheckBox("other", w->findChild<QWidget*>("ltsTab7"));
    w->ShowPage(Page::Calendar);
    filter->setFocus();
    Type(*w, Qt::Key_Return, "\r");
    EXPECT_FALSE(filter->isChecked());
    Type(*w, Qt::Key_Enter, "\r");
    EXPECT_TRUE(filter->isChecked());
    other->setFocus();
    Type(*w, Qt::Key_Return, "\r");
    EXPECT_FALSE(other->isChecked());
}

TEST(MenuPathsTest, CaptionsCompareWithoutHotKeysAndCase) {
    const struct {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {{"メニュー", "メニュー(&M)", true},  {"常に手前に表示", "常に手前に表示(&A)", true},
                 {"&Skin", "SKIN", true},           {"ウィンドウカラー(&C)", "ウィンドウカラー", true},
                 {"メニュー", "メニュー2", false},   {"オプション(&O)...", "オプション", false}};
    for (const auto& c : cases) EXPECT_EQ(SameCaption(c.a, c.b), c.same) << c.a << " / " << c.b;

    QMenuBar bar;
    QMenu* top = bar.addMenu("メニュー(&M)");
    QMenu* sub = top->addMenu("ページ(&P)");
    QAction* leaf = sub->addAction("タイマー(&T)");
    QAction* after = top->addAction("常に手前に表示(&A)");
    EXPECT_EQ(FindMenuItem(&bar, {"メニュー", "ページ", "タイマー"}).item, leaf);
    EXPECT_EQ(FindMenuItem(&bar, {"メニュー", "常に手前に表示"}).item, after);
    EXPECT_EQ(FindMenuItem(&bar, {"メニュー", "常に手前に表示"}).parent, top);
    EXPECT_FALSE(FindMenuItem(&bar, {"メニュー", "なし"}));
    EXPECT_FALSE(FindMenuItem(&bar, {"メニュー", "常に手前に表示", "奥"}));
    EXPECT_FALSE(FindMenuItem(&bar, {}));
}

class WheelTest : public WindowCommandsTest {
protected:
    void Own(bool on, int lines) {
        SettingsStore s(path_);
        s.WriteBool("Option\\Scroll", "NewEnable", on);
        s.WriteInteger("Option\\Scroll", "Count", lines);
    }
    static void Wheel(QWidget* over, int delta) {
        const QPoint local(over->width() / 2, over->height() / 2);
        QWheelEvent e(local, over->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(QApplication::widgetAt(over->mapToGlobal(local)), &e);
    }
};

TEST_F(WheelTest, OneNotchScrollsTheShipPageByTheSetLines) {
    Own(true, 3);
    auto w = Start();
    w->resize(514, 200);  // the ship page needs its scroll bar
    ActivateWindow(*w);
    w->ShowPage(Page::Ship);
    QApplication::processEvents();
    auto* box = w->findChild<TScrollBoxEx*>("scrShip");
    QScrollBar* bar = box->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 3 * bar->singleStep());
    Wheel(box->viewport(), -120);
    EXPECT_EQ(bar->value(), 3 * bar->singleStep());
    Wheel(box->viewport(), 120);
    EXPECT_EQ(bar->value(), 0);

    // Over the clock panel nothing special happens.
    Wheel(w->findChild<QLabel*>("lblVanaTime"), -120);
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(WheelTest, WithoutOwnHandlingTheBoxScrollsItsOwnWay) {
    Own(false, 9);
    auto w = Start();
    w->resize(514, 200);
    ActivateWindow(*w);
    w->ShowPage(Page::Ship);
    QApplication::processEvents();
    QScrollBar* bar = w->findChild<TScrollBoxEx*>("scrShip")->verticalScrollBar();
    Wheel(w->findChild<TScrollBoxEx*>("scrShip")->viewport(), -120);
    EXPECT_NE(bar->value(), 9 * bar->singleStep());
}

TEST_F(WindowCommandsTest, ASettingChangeRefitsTheMenuBar) {
    auto w = Start();
    auto* bar = w->findChild<QMenuBar*>("mbrMenu");
    bar->setFont(QFont("Sans", 30));
    w->SystemSettingChanged();
    EXPECT_EQ(bar->font(), w->font());
    // With no skin files the window-colour menu is there, empty, once.
    ASSERT_EQ(w->findChildren<QMenu*>("mbrColor").size(), 1);
    EXPECT_EQ(w->findChild<QMenu*>("mbrColor")->actions().size(), static_cast<qsizetype>(w->SkinList().size()));
}

// The menu bar's one top item shows the menu picture and, beside it, its caption.
TEST_F(WindowCommandsTest, TheMenuBarItemShowsItsPictureBesideItsCaption) {
    auto w = Start();
    auto* bar = w->findChild<QMenuBar*>("mbrMenu");
    QAction* top = bar->actions().front();
    EXPECT_EQ(top->text(), "メニュー(&M)");
    ASSERT_FALSE(top->icon().isNull());
    const QRect item = bar->actionGeometry(top);
    const int caption = bar->fontMetrics().size(Qt::TextShowMnemonic, top->text()).width();
    EXPECT_GE(item.width(), 16 + caption);
    // Ink in the picture's place at the left and in the caption's to its right.
    const QImage shot = bar->grab(item).toImage();
    const QColor ground = shot.pixelColor(0, 0);
    auto inkIn = [&](int from, int to) {
        int n = 0;
        for (int x = from; x < to; ++x)
            for (int y = 0; y < shot.height(); ++y) n += shot.pixelColor(x, y) != ground;
        return n;
    };
    const int pictureEnd = (item.width() - 16 - 2 - caption) / 2 + 16;
    EXPECT_GT(inkIn(0, pictureEnd), 10);
    EXPECT_GT(inkIn(pictureEnd + 2, item.width()), 10);
    // The menu bar holder is wide enough for the whole item.
    EXPECT_GE(bar->width(), item.right());
}

}  // namespace
}  // namespace norvane
