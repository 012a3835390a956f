#include "gui/settings/options_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

#include "core/settings/settings_store.h"
#include "core/timers/timer_sets.h"
#include "core/timesync/time_server.h"
#include "gui/controls/labels.h"
#include "gui/main_window/help_viewer.h"
#include "gui/main_window/main_window.h"
#include "layout_check.h"
#include "modal_answer.h"
#include "platform_gui/ui_font.h"
#include "support/fake_user_messages.h"
#include "window_fixture.h"

namespace norvane {
namespace {

// The four controls the wheel box switches, as "1111" when all are enabled.
std::string WheelControlsEnabled(const QWidget* d) {
    std::string s;
    for (const char* name : {"lblMouseLine", "edtMouseLine", "updMouseLine", "lblMouseLineHelp"})
        s += Child(d, name)->isEnabled() ? '1' : '0';
    return s;
}

class OptionsDialogTest : public WindowFixture {
protected:
    OptionsDialogTest() : messagesScope_(messages_) { clock_.setUtc({2026, 12, 9, 8, 30, 5, 0}); }

    static std::unique_ptr<TfrmMain> StartMain() { return Start(); }

    FakeUserMessages messages_;
    ScopedUserMessages messagesScope_;
};

TEST_F(OptionsDialogTest, FirstOpeningWithAnEmptyStoreOffersTheDefaultsAndNothingToApply) {
    TfrmOpt d(nullptr);
    d.show();
    QApplication::processEvents();

    EXPECT_EQ(d.windowTitle(), "オプション - Norvane");
    // The design size in the design face.
    EXPECT_EQ(d.size(), QSize(470, 412));
    EXPECT_EQ(d.font().family(), UiFamily());
    auto* pcl = Child<QTabWidget>(&d, "pclOpt");
    QStringList tabs;
    for (int i = 0; i < pcl->count(); ++i) tabs << pcl->tabText(i);
    EXPECT_EQ(tabs, QStringList({"全般", "タイマー", "アラーム", "高度な設定", "通知"}));
    EXPECT_EQ(pcl->currentWidget(), Child(&d, "tstBase"));
    // The timer and alarm pages are laid out for this size.
    pcl->setCurrentIndex(1);
    const QSize page = Child(&d, "tstTimer")->size();
    EXPECT_TRUE(page.width() >= 450 && page.height() >= 340) << page.width() << " x " << page.height();
    pcl->setCurrentIndex(0);

    EXPECT_TRUE(Child<QGroupBox>(&d, "chkMouseScroll")->isChecked());
    EXPECT_EQ(Child<QLineEdit>(&d, "edtMouseLine")->text(), "3");
    EXPECT_EQ(Child<QSpinBox>(&d, "updMouseLine")->value(), 3);
    EXPECT_EQ(WheelControlsEnabled(&d), "1111");
    for (const char* name : {"chkTimeServerAccess", "chkWebAccess", "chkNewVersionAccess"})
        EXPECT_TRUE(Child<QCheckBox>(&d, name)->isChecked()) << name;
    EXPECT_FALSE(Child<QCheckBox>(&d, "chkExecuteSync")->isChecked());
    auto* server = Child<QComboBox>(&d, "cmbTimeServer");
    ASSERT_EQ(server->count(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(server->itemText(i), kDefaultTimeServers[static_cast<std::size_t>(i)]);
    EXPECT_EQ(server->currentText(), kDefaultTimeServers[0]);
    // Written the Japanese way whatever the locale, like the window's clock.
    EXPECT_EQ(Child<QLabel>(&d, "lblTimeNow")->text(), "現在の時刻 : 2026/12/09 17:30:05");

    EXPECT_FALSE(Child(&d, "btnApp")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(&d, "btnOk")->isDefault());
    int left = -1;
    for (const char* name : {"btnOk", "btnCancel", "btnApp", "btnHelp"}) {
        EXPECT_GT(Child(&d, name)->x(), left) << name;
        left = Child(&d, name)->x();
    }

    // The check box titles the group of the controls it switches.
    auto* wheel = Child<QGroupBox>(&d, "chkMouseScroll");
    EXPECT_EQ(wheel->title(), "ホイールマウスに独自に対応する(&W)");
    EXPECT_TRUE(wheel->isCheckable());
    EXPECT_TRUE(wheel->isAncestorOf(Child(&d, "updMouseLine")));
}

// The help button opens the program's help at the part that tells of the page
// that shows.
// The Advanced page's note breaks only between phrases, in the dialog's own face
// and in the window's, each line within the label and every line inside it.
TEST_F(OptionsDialogTest, TheProxyNoteBreaksOnlyBetweenPhrases) {
    const QString note = QStringLiteral("Norvaneのアップデート機能はHTTPで通信を行います。"
                                        "ネットワーク内にプロキシ サーバーがある場合は設定をしてください。");
    auto main = StartMain();
    for (TfrmMain* owner : {static_cast<TfrmMain*>(nullptr), main.get()}) {
        SCOPED_TRACE(owner ? "window face" : "dialog face");
        TfrmOpt d(owner);
        auto* label = Child<QLabel>(&d, "lblProxyNote");
        ASSERT_NE(label, nullptr);
        const QStringList lines = label->text().split('\n');
        EXPECT_GE(lines.size(), 2);
        EXPECT_EQ(lines.join(QString()).remove(' '), QString(note).remove(' '));
        int at = 0;
        for (const QString& line : lines) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(line), label->width()) << line.toStdString();
            at = static_cast<int>(note.indexOf(line, at));
            ASSERT_GE(at, 0) << line.toStdString();
            if (at > 0) { EXPECT_TRUE(PhraseBreakAllowed(note, at)) << line.toStdString(); }
            at += static_cast<int>(line.size());
        }
        EXPECT_LE(static_cast<int>(lines.size()) * label->fontMetrics().lineSpacing(), label->height());
    }
}

TEST_F(OptionsDialogTest, HelpOpensAtTheTopicOfThePageShown) {
    ScopedHelpDocument help(QStringLiteral(NORVANE_HELP_DOCUMENT));
    TfrmOpt d(nullptr);
    d.show();
    auto* pcl = Child<QTabWidget>(&d, "pclOpt");
    for (int page = pcl->count() - 1; page >= 0; --page) {
        SCOPED_TRACE(page);
        pcl->setCurrentIndex(page);
        Child<QPushButton>(&d, "btnHelp")->click();
        QApplication::processEvents();
        THelpViewer* viewer = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* v = qobject_cast<THelpViewer*>(w); v && v->isVisible()) viewer = v;
        ASSERT_NE(viewer, nullptr);
        EXPECT_TRUE(messages_.shown.empty());
        // The first line in view is the page's heading.
        const QTextBlock top = viewer->txtHelp->cursorForPosition(QPoint(4, 4)).block();
        EXPECT_EQ(top.text(), pcl->tabText(page));
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<THelpViewer*>(w)) delete w;
}

TEST_F(OptionsDialogTest, UncheckingTheWheelGreysItsControlsAndApplyTellsTheWindowAtOnceAndCancelKeepsIt) {
    {
        SettingsStore s(path_);
        s.WriteBool("Option\\Scroll", "NewEnable", true);
        s.WriteInteger("Option\\Scroll", "Count", 5);
    }
    auto w = StartMain();
    ASSERT_TRUE(w->WheelOwn());
    ASSERT_EQ(w->WheelLines(), 5);
    auto* alarmMenu = Child<QMenu>(w.get(), "mnuAlarm");
    const int alarmEntries = static_cast<int>(alarmMenu->actions().size());
    // An alarm set stored after the window built its menu: the dialog's Apply
    // writes it back and always has the window rebuild the menu.
    {
        SettingsStore s(path_);
        TAlarmSet set;
        set.Used = true;
        set.Name = "Extra";
        std::vector<TAlarmSet> sets = ReadAlarmSets(s);
        sets.push_back(set);
        WriteAlarmSets(s, sets);
    }

    TfrmOpt d(w.get());
    d.show();
    QApplication::processEvents();
    auto* wheel = Child<QGroupBox>(&d, "chkMouseScroll");
    auto* apply = Child<QPushButton>(&d, "btnApp");
    ClickTitleCheckBox(wheel);
    EXPECT_EQ(WheelControlsEnabled(&d), "0000");
    EXPECT_TRUE(apply->isEnabled());
    apply->click();
    EXPECT_FALSE(w->WheelOwn());
    EXPECT_EQ(w->WheelLines(), 5);
    EXPECT_FALSE(apply->isEnabled());
    EXPECT_EQ(alarmMenu->actions().size(), alarmEntries + 1);

    // Checked again and set to 7 lines through the spin box, then cancelled.
    ClickTitleCheckBox(wheel);
    EXPECT_EQ(WheelControlsEnabled(&d), "1111");
    Child<QSpinBox>(&d, "updMouseLine")->setValue(7);
    EXPECT_EQ(Child<QLineEdit>(&d, "edtMouseLine")->text(), "7");
    Child<QPushButton>(&d, "btnCancel")->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_FALSE(w->WheelOwn());
    SettingsStore s(path_);
    EXPECT_FALSE(s.ReadBool("Option\\Scroll", "NewEnable", true));
    EXPECT_EQ(s.ReadInteger("Option\\Scroll", "Count", 0), 5);
}

TEST_F(OptionsDialogTest, OkStoresTheServerHistoryWheelAndQuestionsAsShown) {
    {
        SettingsStore s(path_);
        s.WriteString("Time", "Server", "a.example");
        s.WriteInteger("Time\\History", "Count", 2);
        s.WriteString("Time\\History", "Item00", "a.example");
        s.WriteString("Time\\History", "Item01", "b.example");
        s.WriteString("Option\\Scroll", "Count", "4");  // kept as text by hand
    }
    TfrmOpt d(nullptr);
    d.show();
    QApplication::processEvents();
    auto* server = Child<QComboBox>(&d, "cmbTimeServer");
    EXPECT_EQ(server->currentText(), "a.example");
    EXPECT_EQ(server->count(), 2);
    auto* apply = Child(&d, "btnApp");
    // Each edit enables Apply by itself.
    const std::vector<std::pair<const char*, std::function<void()>>> edits = {
        {"server", [&] { server->setCurrentIndex(1); }},
        {"sync at start", [&] { Child<QCheckBox>(&d, "chkExecuteSync")->click(); }},
        {"lines", [&] {
             auto* edit = Child<QLineEdit>(&d, "edtMouseLine");
             edit->selectAll();
             QTest::keyClicks(edit, "12");
         }},
        {"web question", [&] { Child<QCheckBox>(&d, "chkWebAccess")->click(); }},
        {"update question", [&] { Child<QCheckBox>(&d, "chkNewVersionAccess")->click(); }},
        {"update question back", [&] { Child<QCheckBox>(&d, "chkNewVersionAccess")->click(); }},
    };
    for (const auto& [what, edit] : edits) {
        apply->setEnabled(false);
        edit();
        EXPECT_TRUE(apply->isEnabled()) << what;
    }
    EXPECT_EQ(Child<QSpinBox>(&d, "updMouseLine")->value(), 12);
    // Full-width digits, pasted as Japanese input gives them, are the same number.
    auto* lines = Child<QLineEdit>(&d, "edtMouseLine");
    lines->selectAll();
    lines->insert(QStringLiteral("１０"));
    EXPECT_EQ(lines->text(), "10");
    EXPECT_EQ(Child<QSpinBox>(&d, "updMouseLine")->value(), 10);
    Child<QPushButton>(&d, "btnOk")->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(d.isVisible());

    SettingsStore s(path_);
    EXPECT_EQ(s.ReadString("Time", "Server", ""), "b.example");
    EXPECT_EQ(ReadServerHistory(s), QStringList({"b.example", "a.example"}));
    EXPECT_TRUE(s.ReadBool("Time", "ExecuteSync", false));
    EXPECT_TRUE(s.ReadBool("Option\\Scroll", "NewEnable", false));
    EXPECT_EQ(s.ReadString("Option\\Scroll", "Count", ""), "10");
    EXPECT_TRUE(s.ReadBool("Option", "TimeServerAccess", false));
    EXPECT_FALSE(s.ReadBool("Option", "WebAccess", true));
    EXPECT_TRUE(s.ReadBool("Option", "NewVersionAccess", false));
    // The list shows the applied server on top.
    EXPECT_EQ(server->itemText(0), "b.example");
    EXPECT_EQ(server->count(), 2);
}

TEST_F(OptionsDialogTest, TheMenuAndTheAlarmMenuOpenItModallyInTheWindowsFaceOnTheirPages) {
    auto w = StartMain();
    w->setFont(QFont(QStringLiteral("URW Gothic"), 12));
    const struct {
        const char* action;
        const char* page;
    } cases[] = {{"actOption", "全般"}, {"actAlmOption", "アラーム"}};
    for (const auto& c : cases) {
        QString page, family;
        bool modal = false, applyOff = false;
        WhenModalShows<TfrmOpt>([&](TfrmOpt* d) {
            auto* pcl = Child<QTabWidget>(d, "pclOpt");
            page = pcl->tabText(pcl->currentIndex());
            family = d->font().family();
            modal = d->isModal();
            applyOff = !Child(d, "btnApp")->isEnabled();
            QTest::keyClick(d, Qt::Key_Escape);
        });
        Child<QAction>(w.get(), c.action)->trigger();
        EXPECT_EQ(page, c.page) << c.action;
        EXPECT_EQ(family, "URW Gothic") << c.action;
        EXPECT_TRUE(modal && applyOff) << c.action;
        // Destroyed when it closed.
        EXPECT_EQ(w->findChild<TfrmOpt*>(), nullptr);
    }
}

// A row carried by the mouse, press, moves and release as the user makes them,
// through the platform's own drag. The offscreen platform carries no drag, so
// this runs under an X server (QT_QPA_PLATFORM=xcb) and skips elsewhere.
TEST_F(OptionsDialogTest, ATimerSetDraggedByTheMouseIsStoredInItsNewPlaceOnOk) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "no drag and drop on " << QGuiApplication::platformName().toStdString();
    const QStringList names{"a", "b", "c", "d", "e"};
    {
        std::vector<TTimerSet> sets;
        for (const QString& n : names) sets.push_back(TTimerSet{true, n, kKindCountdown, 60, {}});
        SettingsStore s(path_);
        WriteTimerSets(s, sets);
    }
    TfrmOpt d(nullptr);
    d.ShowPage(OptionsPage::Timer);
    ActivateWindow(d);
    auto* list = Child<QTreeWidget>(&d, "lsvTimerSet");
    // Through the dialog's window, as the window system delivers them: the drag
    // watches the events of windows only.
    QWindow* window = d.windowHandle();
    const auto at = [&](int row) {
        return list->viewport()->mapTo(&d, list->visualItemRect(list->topLevelItem(row)).center());
    };
    const QPoint from = at(0), to = at(3);

    // Once the pointer has gone the start distance the drag runs an event loop
    // of its own until the release: each step of the gesture sets up the next
    // before it is made, so the steps go on from inside that loop.
    std::vector<std::function<void()>> gesture{[&] { QTest::mousePress(window, Qt::LeftButton, {}, from); }};
    for (int y = from.y(); y < to.y(); y += 3) gesture.push_back([&, y] { QTest::mouseMove(window, {from.x(), y}); });
    gesture.push_back([&] { QTest::mouseMove(window, to); });
    gesture.push_back([&] { QTest::mouseRelease(window, Qt::LeftButton, {}, to); });
    std::size_t made = 0;
    std::function<void()> step = [&] {
        if (made == gesture.size()) return;
        const std::function<void()>& now = gesture[made++];
        QTimer::singleShot(15, step);
        now();
    };
    step();
    ASSERT_TRUE(QTest::qWaitFor([&] { return made == gesture.size(); }, 5000));
    QApplication::processEvents();

    QStringList shown;
    for (int r = 0; r < list->topLevelItemCount(); ++r) shown << list->topLevelItem(r)->text(0);
    const QStringList moved{"b", "c", "d", "a", "e"};
    EXPECT_EQ(shown.mid(0, 5), moved);
    Child<QPushButton>(&d, "btnOk")->click();
    QStringList stored;
    for (const TTimerSet& t : ReadTimerSets(SettingsStore(path_))) stored << t.Name;
    EXPECT_EQ(stored, moved);
}

}  // namespace
}  // namespace norvane
