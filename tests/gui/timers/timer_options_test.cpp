// The options dialog's timer and alarm pages and their set dialog, inside a small
// stand-in for the options dialog; messages, beeps and sounds are recorded.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "activate_window.h"
#include "controls/spin_steps.h"
#include "core/settings/settings_store.h"
#include "core/timers/timer_sets.h"
#include "core/timers/timer_test_support.h"
#include "gui/art/dialog_pictures.h"
#include "gui/main_window/main_window.h"
#include "gui/timers/set_dialog.h"
#include "gui/timers/sound_notice.h"
#include "gui/timers/timer_controller.h"
#include "gui/timers/timer_page.h"
#include "modal_answer.h"
#include "options_harness.h"
#include "platform/sound.h"
#include "support/fake_os_clock.h"
#include "support/fake_sound_player.h"
#include "support/fake_user_messages.h"
#include "window_fixture.h"

namespace norvane {
namespace {

TTimerSet Set(const QString& name, const QString& kind, int value, int s0 = 0, int s1 = 0, int s2 = 0) {
    return TTimerSet{true, name, kind, value, {s0, s1, s2}};
}

TAlarmSet Alarm(const QString& name, const QString& file, int second) {
    TAlarmSet a;
    a.Used = true;
    a.Name = name;
    a.Section[0] = {!file.isEmpty(), false, file, second};
    return a;
}

QStringList RowTexts(QTreeWidget* list, int row) {
    QStringList texts;
    QTreeWidgetItem* item = list->topLevelItem(row);
    if (!item) return texts;
    for (int c = 0; c < list->columnCount(); ++c) texts << item->text(c);
    return texts;
}

QStringList Items(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

void Wait(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

// What a row dragged from the timer-set list carries: the list's own model data.
QMimeData* DraggedRow(QTreeWidget* list, int row = 0) {
    return list->model()->mimeData({list->model()->index(row, 0)});
}

// The pointer of a drag entering the list at `at` and resting there.
void DragOver(QTreeWidget* list, QPoint at, const QMimeData* mime) {
    QDragEnterEvent enter(at, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &enter);
    QDragMoveEvent move(at, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &move);
}

// Row `from` picked up and dropped on row `to`, passing over the rows between.
void DragRow(QTreeWidget* list, int from, int to) {
    list->setCurrentItem(list->topLevelItem(from));
    list->topLevelItem(from)->setSelected(true);
    const std::unique_ptr<QMimeData> mime(DraggedRow(list, from));
    const QPoint target = list->visualItemRect(list->topLevelItem(to)).center();
    DragOver(list, target, mime.get());
    QDropEvent drop(target, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &drop);
}

class TimerOptionsTest : public testing::Test {
protected:
    TimerOptionsTest() : messagesScope_(messages_), soundScope_(sound_), clockScope_(clock_) {
        path_ = dir_.filePath("Norvane.reg");
        qputenv("NORVANE_SETTINGS", path_.toUtf8());
        clock_.setUtc({2003, 12, 1, 9, 0, 1, 0});
        clock_.setBias(-540);
        clock_.setTick(5000);
    }

    void Seed(int timers, int alarms, std::array<int, kTimerCellCount> cells = {}) {
        std::vector<TTimerSet> t;
        for (int i = 0; i < timers; ++i) t.push_back(Set(QString("set %1").arg(i), kKindCountdown, 60 + i, 30, 20, 10));
        std::vector<TAlarmSet> a;
        for (int i = 0; i < alarms; ++i) a.push_back(Alarm(QString("alarm %1").arg(i), "/s/a.wav", i));
        SettingsStore store(path_);
        WriteTimerSets(store, t);
        WriteAlarmSets(store, a);
        WriteAlarmAssignments(store, cells);
    }

    template <typename T>
    T* Find(QWidget& w, const char* name) {
        T* found = w.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QTemporaryDir dir_;
    QString path_;
    FakeUserMessages messages_;
    ScopedUserMessages messagesScope_;
    FakeSoundPlayer sound_;
    ScopedSoundPlayer soundScope_;
    FakeOsClock clock_;
    ScopedOsClock clockScope_;
};

TEST_F(TimerOptionsTest, FullListsRefuseANewSetWithABeepAndAMessageAndOpenNoDialog) {
    struct Case {
        int timers, alarms;
        const char* button;
        QString message;  // empty: the set dialog opens
    };
    const std::vector<Case> cases = {
        {100, 19, "btnTimerNew", "タイマーセットは100個あります。\r\n\r\nこれ以上タイマーセットを作成できません。"},
        {99, 20, "btnSoundNew", "アラームセットは20個あります。\r\n\r\nこれ以上アラームセットを作成できません。"},
        {99, 20, "btnTimerNew", ""},
        {100, 19, "btnSoundNew", ""},
    };
    for (const auto& c : cases) {
        Seed(c.timers, c.alarms);
        OptionsHarness h;
        h.Load();
        messages_.beeps.clear();
        messages_.shown.clear();
        // Whatever set dialog opens during the click is taken with OK.
        QString opened;
        QTimer taker;
        QObject::connect(&taker, &QTimer::timeout, [&] {
            if (auto* d = qobject_cast<TfrmOptSet*>(QApplication::activeModalWidget())) {
                opened = d->windowTitle();
                Find<QPushButton>(*d, "btnOk")->click();
            }
        });
        taker.start(10);
        Find<QPushButton>(h, c.button)->click();
        taker.stop();
        const bool timers = QString(c.button) == "btnTimerNew";
        auto* list = Find<QTreeWidget>(h, timers ? "lsvTimerSet" : "lsvAlarmSet");
        if (c.message.isEmpty()) {
            EXPECT_EQ(opened, timers ? "タイマーセットのプロパティ" : "アラームセットのプロパティ") << c.button;
            EXPECT_TRUE(messages_.shown.empty()) << c.button;
            EXPECT_EQ(list->topLevelItemCount(), timers ? 100 : 20) << c.button;
            EXPECT_TRUE(h.btnApp->isEnabled());
        } else {
            EXPECT_TRUE(opened.isEmpty()) << c.button;
            EXPECT_EQ(messages_.beeps, std::vector<BeepKind>{BeepKind::Asterisk}) << c.button;
            ASSERT_EQ(messages_.shown.size(), 1u) << c.button;
            EXPECT_EQ(messages_.shown[0].icon, MessageIcon::Information);
            EXPECT_EQ(messages_.shown[0].text, c.message);
            EXPECT_EQ(list->topLevelItemCount(), timers ? 100 : 20) << c.button;
            EXPECT_FALSE(h.btnApp->isEnabled());
        }
    }
}

TEST_F(TimerOptionsTest, DeletingAlarmSetTwoOfThreeClearsItsCellAndRenumbersTheNext) {
    Seed(1, 3, {2, 3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    OptionsHarness h;
    h.Load();
    auto* sets = Find<QTreeWidget>(h, "lsvAlarmSet");
    auto* cells = Find<QTreeWidget>(h, "lsvAlmTime");
    auto* del = Find<QPushButton>(h, "btnSoundDel");
    EXPECT_FALSE(del->isEnabled());
    EXPECT_EQ(RowTexts(cells, 0), (QStringList{" タイマー1", "alarm 1"}));
    EXPECT_EQ(RowTexts(sets, 1), (QStringList{"alarm 1", "1 秒", "-", "-"}));
    sets->setCurrentItem(sets->topLevelItem(1));
    ASSERT_TRUE(del->isEnabled());

    // "No" keeps everything.
    messages_.answer = false;
    del->click();
    EXPECT_EQ(sets->topLevelItemCount(), 3);
    EXPECT_EQ(messages_.beeps, std::vector<BeepKind>{BeepKind::Question});
    ASSERT_EQ(messages_.asked.size(), 1u);
    EXPECT_EQ(messages_.asked[0],
              "アラーム設定を削除しようとしています。この作業は元に戻せません。\r\n\r\n削除してもよろしいですか？");

    messages_.answer = true;
    del->click();
    EXPECT_EQ(sets->topLevelItemCount(), 2);
    EXPECT_FALSE(del->isEnabled());
    EXPECT_EQ(RowTexts(cells, 0), (QStringList{" タイマー1", "(なし)"}));
    EXPECT_EQ(RowTexts(cells, 1), (QStringList{" タイマー2", "alarm 2"}));
    EXPECT_EQ(RowTexts(cells, 2), (QStringList{" タイマー3", "alarm 0"}));
    EXPECT_EQ(Items(Find<QComboBox>(h, "cmbAlarmTimer")), (QStringList{"(なし)", "alarm 0", "alarm 2"}));
    EXPECT_TRUE(h.btnApp->isEnabled());
    EXPECT_FALSE(h.pages->TimerListChanged());

    h.Apply();
    SettingsStore store(path_);
    EXPECT_EQ(ReadAlarmAssignments(store), (std::array<int, kTimerCellCount>{0, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    const auto stored = ReadAlarmSets(store);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1].Name, "alarm 2");
    // Nor any key below it.
    EXPECT_FALSE(store.SubSections("Alarm").contains("Alarm-Set02"));
}

TEST_F(TimerOptionsTest, ACountdownTurnedStopwatchStoresZerosAndShowsDashesWhereverItMoves) {
    {
        SettingsStore store(path_);
        WriteTimerSets(store, {Set("a", kKindCountdown, 90, 60, 30, 15), Set("b", kKindChaintime, 40, 60, 30, 15),
                               Set("c", kKindCountdown, 20, 5), Set("d", kKindCountdown, 30, 5)});
    }
    OptionsHarness h;
    h.Load();
    QSignalSpy changed(h.pages, &TOptTimerPages::changed);
    auto* list = Find<QTreeWidget>(h, "lsvTimerSet");
    EXPECT_EQ(RowTexts(list, 0), (QStringList{"a", "90 秒", "60 秒", "30 秒", "15 秒"}));
    EXPECT_EQ(RowTexts(list, 1), (QStringList{"b", "敵Lv 40", "60 秒", "30 秒", "15 秒"}));
    const QStringList dashes{"a", "-", "-", "-", "-"};

    list->setCurrentItem(list->topLevelItem(0));
    WhenModalShows<TfrmOptSet>([&](TfrmOptSet* d) {
        Find<QComboBox>(*d, "cmbTimOption")->setCurrentIndex(1);
        EXPECT_TRUE(Find<QSpinBox>(*d, "updTimCount")->isHidden());
        EXPECT_FALSE(Find<QLineEdit>(*d, "edtTimCount")->isVisibleTo(d));
        Find<QPushButton>(*d, "btnOk")->click();
    });
    Find<QPushButton>(h, "btnTimerProp")->click();
    EXPECT_EQ(RowTexts(list, 0), dashes);
    EXPECT_TRUE(h.pages->TimerListChanged());

    Find<QPushButton>(h, "btnTimerDown")->click();
    EXPECT_EQ(RowTexts(list, 1), dashes);
    EXPECT_EQ(RowTexts(list, 0)[0], "b");
    DragRow(list, 1, 3);
    EXPECT_EQ(RowTexts(list, 3), dashes);
    EXPECT_EQ(list->currentItem(), list->topLevelItem(3));
    Find<QPushButton>(h, "btnTimerUp")->click();
    EXPECT_EQ(RowTexts(list, 2), dashes);
    EXPECT_EQ(changed.count(), 4);

    h.Apply();
    SettingsStore store(path_);
    EXPECT_EQ(ReadTimerSets(store), (std::vector<TTimerSet>{Set("b", kKindChaintime, 40, 60, 30, 15),
                                                          Set("c", kKindCountdown, 20, 5), Set("a", kKindStopwatch, 0),
                                                          Set("d", kKindCountdown, 30, 5)}));
    // As the format lays it down: kind and value on the set, each division on its own key.
    EXPECT_EQ(store.ReadString("Timer\\Timer-Set02", "Option", ""), "stopwatch");
    EXPECT_EQ(store.ReadInteger("Timer\\Timer-Set02", "Timer", -1), 0);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(store.ReadInteger(QString("Timer\\Timer-Set02\\Section%1").arg(k), "Second", -1), 0);
    EXPECT_EQ(store.ReadInteger("Timer", "Count", 0), 4);
}

TEST_F(TimerOptionsTest, DeletingATimerSetAsksFirstAndErasesTheLastKeyOnApply) {
    Seed(3, 0);
    OptionsHarness h;
    h.Load();
    auto* list = Find<QTreeWidget>(h, "lsvTimerSet");
    auto* del = Find<QPushButton>(h, "btnTimerDel");
    list->setCurrentItem(list->topLevelItem(0));
    messages_.answer = false;
    del->click();
    EXPECT_EQ(list->topLevelItemCount(), 3);
    EXPECT_FALSE(h.pages->TimerListChanged());
    messages_.answer = true;
    del->click();
    EXPECT_EQ(messages_.beeps, (std::vector<BeepKind>{BeepKind::Question, BeepKind::Question}));
    EXPECT_EQ(messages_.asked.back(),
              "タイマー設定を削除しようとしています。この作業は元に戻せません。\r\n\r\n削除してもよろしいですか？");
    EXPECT_EQ(RowTexts(list, 0)[0], "set 1");
    EXPECT_FALSE(del->isEnabled());
    EXPECT_TRUE(h.pages->TimerListChanged());
    del->click();  // nothing selected: nothing asked
    EXPECT_EQ(messages_.asked.size(), 2u);

    h.Apply();
    SettingsStore store(path_);
    EXPECT_EQ(store.ReadInteger("Timer", "Count", 0), 2);
    EXPECT_EQ(store.ReadString("Timer\\Timer-Set00", "Name", ""), "set 1");
    EXPECT_FALSE(store.SubSections("Timer").contains("Timer-Set02"));
}

TEST_F(TimerOptionsTest, SetDialogEditsNormaliseAndFollowTheKind) {
    TfrmOptSet d;
    d.EditTimerSet(Set("x", kKindCountdown, 90, 60, 30, 15));
    auto* tree = Find<QTreeWidget>(d, "trvTimEvent");
    auto* division = Find<QLineEdit>(d, "edtTimEvent");
    // The divisions keep their own picture when the tree opens; only the root shows it open.
    auto picture = [](QTreeWidgetItem* item) { return item->icon(0).pixmap(16, 16).toImage(); };
    EXPECT_EQ(picture(tree->topLevelItem(0)), DialogPicture(kIconExpanded).toImage());
    EXPECT_EQ(picture(tree->topLevelItem(0)->child(2)), DialogPicture(kIconCountdown).toImage());
    EXPECT_FALSE(division->isEnabled());
    tree->setCurrentItem(tree->topLevelItem(0)->child(1));
    EXPECT_TRUE(division->isEnabled());
    EXPECT_EQ(division->text(), "30");
    // Each division keeps its own seconds; showing another stores nothing.
    division->setText("12");
    tree->setCurrentItem(tree->topLevelItem(0)->child(0));
    EXPECT_EQ(division->text(), "60");
    tree->setCurrentItem(tree->topLevelItem(0));
    EXPECT_FALSE(division->isEnabled());
    EXPECT_EQ(division->text(), "0");
    EXPECT_EQ(d.TimerSet(), Set("x", kKindCountdown, 90, 60, 12, 15));

    auto* kind = Find<QComboBox>(d, "cmbTimOption");
    kind->setCurrentIndex(2);
    EXPECT_EQ(Find<QLabel>(d, "lblTimCount")->text(), "敵のレベル(&L) :");
    EXPECT_EQ(Find<QLabel>(d, "lblTimCountUnit")->text(), "");
    kind->setCurrentIndex(0);
    EXPECT_EQ(Find<QLabel>(d, "lblTimCount")->text(), "時間(&T) :");
    EXPECT_EQ(Find<QLabel>(d, "lblTimCountUnit")->text(), "秒");

    TfrmOptSet a;
    a.SetDefaultSoundFolder(QString());
    a.EditAlarmSet(Alarm("al", "", 0));
    auto* seconds = Find<QLineEdit>(a, "edtSecSec");
    EXPECT_FALSE(seconds->isEnabled());
    auto* events = Find<QTreeWidget>(a, "lsvSecEvent");
    events->setCurrentItem(events->topLevelItem(0)->child(2));
    EXPECT_TRUE(seconds->isEnabled());
    seconds->setText("42");
    EXPECT_EQ(a.AlarmSet().Section[2].Second, 42);
    EXPECT_EQ(a.AlarmSet().Section[0].Second, 0);
}

TEST_F(TimerOptionsTest, EachSetDialogSpinTakesDigitsStepsAndStoresWhatItShows) {
    const struct {
        const char* spin;
        const char* edit;
        bool alarm;
        int max, whenEmpty;
        std::function<int(const TfrmOptSet&)> stored;
    } spins[] = {
        {"updTimCount", "edtTimCount", false, kTimerValueMax, 0,
         [](const TfrmOptSet& d) { return d.TimerSet().Value; }},
        {"updTimEvent", "edtTimEvent", false, kSecondsMax, 0,
         [](const TfrmOptSet& d) { return d.TimerSet().Section[1]; }},
        {"updSecSec", "edtSecSec", true, kSecondsMax, kAlarmSecondsWhenEmpty,
         [](const TfrmOptSet& d) { return d.AlarmSet().Section[2].Second; }},
    };
    // "max" and "empty" stand for the spin's top and what an empty text reads as.
    using testing_support::SpinAct;
    const testing_support::SpinStep steps[] = {
        {"30", SpinAct::Type, "1x2-", 0, "12"},  // only the digits get in
        {"30", SpinAct::Type, "５", 0, "30"},    // full-width ones are not typed
        {"30", SpinAct::Paste, "２３", 0,
         "23"},  // but pasted, they are the same number, written back as ASCII
        {"30", SpinAct::Paste, "0042", 0, "42"},
        {"30", SpinAct::Paste, "99999", 0, "max"},
        {"30", SpinAct::Paste, "1a", 0, "empty"},
        {"5", SpinAct::Key, "", Qt::Key_Backspace, "empty"},
        {"30", SpinAct::Key, "", Qt::Key_Up, "31"},
        {"30", SpinAct::Key, "a", testing_support::WithAlt(Qt::Key_A), "30"},  // a mnemonic is not typed
        {"30", SpinAct::Commit, "７z", 0, "30"},  // nor is what an input method gives
        {"30", SpinAct::Commit, "7", 0, "7"},
        {"0", SpinAct::Key, "", Qt::Key_Down, "0"},  // no wrapping round
        {"max", SpinAct::Key, "", Qt::Key_Up, "max"},
        {"30", SpinAct::Key, "", Qt::Key_PageUp, "40"},
        {"30", SpinAct::Wheel, "", -1, "29"},
        {"30", SpinAct::WheelUnfocused, "", 1, "30"},
    };
    for (const auto& s : spins) {
        SCOPED_TRACE(s.spin);
        TfrmOptSet d;
        d.SetDefaultSoundFolder(QString());
        if (s.alarm) {
            d.EditAlarmSet(Alarm("al", "", 0));
            auto* events = Find<QTreeWidget>(d, "lsvSecEvent");
            events->setCurrentItem(events->topLevelItem(0)->child(2));
        } else {
            d.EditTimerSet(Set("x", kKindCountdown, 90, 60, 30, 15));
            auto* tree = Find<QTreeWidget>(d, "trvTimEvent");
            tree->setCurrentItem(tree->topLevelItem(0)->child(1));
        }
        ActivateWindow(d);
        auto* spin = Find<QSpinBox>(d, s.spin);
        auto* edit = Find<QLineEdit>(d, s.edit);
        EXPECT_EQ(edit->parentWidget(), spin);
        const auto number = [&](const QString& text) {
            return text == "max"     ? QString::number(s.max)
                   : text == "empty" ? QString::number(s.whenEmpty)
                                     : text;
        };
        for (auto step : steps) {
            SCOPED_TRACE(step.before.toStdString() + " then " + step.text.toStdString() + " " +
                         std::to_string(step.key));
            step.before = number(step.before);
            testing_support::Perform(spin, step);
            EXPECT_EQ(edit->text(), number(step.shows));
            EXPECT_EQ(spin->value(), number(step.shows).toInt());
            EXPECT_EQ(s.stored(d), number(step.shows).toInt());
        }
    }
}

TEST_F(TimerOptionsTest, SoundListOffersTheFoldersWaveFilesPlaysAndBrowses) {
    testing_support::SoundFolders folders;
    ASSERT_TRUE(testing_support::MakeSoundFolders(dir_.path(), folders));
    const QString &sounds = folders.sounds, &other = folders.other;
    TfrmOptSet d;
    d.SetDefaultSoundFolder(sounds);
    d.EditAlarmSet(Alarm("al", "", 0));
    auto* events = Find<QTreeWidget>(d, "lsvSecEvent");
    auto* files = Find<QComboBox>(d, "cmbSecFile");
    events->setCurrentItem(events->topLevelItem(0)->child(0));
    QStringList listed = Items(files);
    ASSERT_FALSE(listed.isEmpty());
    EXPECT_EQ(listed.takeFirst(), "(なし)");
    listed.sort();
    EXPECT_EQ(listed, (QStringList{"bell.wav", "gong.wav"}));
    EXPECT_EQ(files->currentText(), "(なし)");

    files->setCurrentIndex(files->findText("gong.wav"));
    EXPECT_EQ(d.AlarmSet().Section[0].Filename, sounds + "gong.wav");
    EXPECT_TRUE(d.AlarmSet().Section[0].Enabled);
    Find<QPushButton>(d, "btnSecPlay")->click();
    EXPECT_EQ(sound_.played, QStringList{sounds + "gong.wav"});
    // Without a sound device "♪" still plays (silently) and says so, once.
    sound_.output = false;
    for (int i = 0; i < 2; ++i) {
        Find<QPushButton>(d, "btnSecPlay")->click();
        QApplication::processEvents();
    }
    EXPECT_EQ(sound_.played.size(), 3);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text, kNoSoundOutputMessage);
    EXPECT_EQ(messages_.beeps, std::vector<BeepKind>{BeepKind::Exclamation});

    // The full path is typed into the name box, as a user may: choosing the file
    // through the dialog is ignored once that box has the focus. OK is pressed until
    // the dialog closes, for it may still be listing its folder.
    QString title, startedIn;
    int presses = 0;
    QTimer chooser;
    QObject::connect(&chooser, &QTimer::timeout, [&] {
        auto* f = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!f) return;
        if (presses++ == 0) {
            title = f->windowTitle();
            startedIn = f->directory().absolutePath() + "/";
        }
        if (presses > 250) {
            f->reject();
            return;
        }
        auto* name = f->findChild<QLineEdit*>("fileNameEdit");
        if (!name) return;
        name->setText(other + "horn.wav");
        static_cast<QDialog*>(f)->accept();
    });
    chooser.start(20);
    Find<QPushButton>(d, "btnSecBrow")->click();
    chooser.stop();
    EXPECT_EQ(title, "ファイルの参照 - アラーム サウンド");
    EXPECT_EQ(startedIn, sounds);
    EXPECT_EQ(d.AlarmSet().Section[0].Filename, other + "horn.wav");
    EXPECT_EQ(files->currentText(), "horn.wav");
    EXPECT_EQ(Items(files), (QStringList{"(なし)", "horn.wav"}));

    // A path typed in full moves the list to that file's folder.
    events->setCurrentItem(events->topLevelItem(0)->child(2));
    files->setEditText(sounds + "bell.wav");
    EXPECT_EQ(files->currentText(), "bell.wav");
    EXPECT_EQ(d.AlarmSet().Section[2].Filename, sounds + "bell.wav");
    EXPECT_EQ(d.SoundFolder(), sounds);

    // The other sections keep their own files; "(なし)" silences one.
    events->setCurrentItem(events->topLevelItem(0)->child(1));
    EXPECT_EQ(files->currentText(), "(なし)");
    events->setCurrentItem(events->topLevelItem(0)->child(0));
    EXPECT_EQ(files->currentText(), "horn.wav");
    files->setCurrentIndex(0);
    EXPECT_FALSE(d.AlarmSet().Section[0].Enabled);
    EXPECT_EQ(d.AlarmSet().Section[0].Filename, "");
}

TEST_F(TimerOptionsTest, DraggingARowThenApplyingShowsTheNewOrderInTheMainWindowCells) {
    auto w = std::make_unique<TfrmMain>(std::vector<std::string>{"norvane"});
    QComboBox* cell1 = CellChild<QComboBox>(*w, "cmbTimer", 0);
    const QStringList before = Items(cell1);
    ASSERT_EQ(before.size(), 30);

    OptionsHarness h;
    h.Load();
    auto* list = Find<QTreeWidget>(h, "lsvTimerSet");
    DragRow(list, 0, 3);
    DragRow(list, 5, 5);  // dropped on itself: nothing moves
    EXPECT_TRUE(h.pages->TimerListChanged());
    h.Apply();
    ASSERT_TRUE(h.pages->TimerListChanged());
    h.pages->ClearTimerListChanged();
    w->Timers()->LoadTimerRows();

    QStringList expected = before;
    expected.move(0, 3);
    EXPECT_EQ(Items(cell1), expected);
    EXPECT_EQ(Items(CellChild<QComboBox>(*w, "cmbTimer", 11)), expected);
}

TEST_F(TimerOptionsTest, DraggingAtTheListsEdgesScrollsALineEveryTenthOfASecond) {
    Seed(100, 0);
    OptionsHarness h;
    h.Load();
    h.show();
    auto* list = Find<QTreeWidget>(h, "lsvTimerSet");
    auto* timer = h.findChild<QTimer*>("tmrSrt");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 100);
    QScrollBar* bar = list->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 10);
    const std::unique_ptr<QMimeData> mime(DraggedRow(list));
    const int h0 = list->viewport()->height();

    DragOver(list, {40, h0 - 2}, mime.get());
    EXPECT_TRUE(timer->isActive());
    Wait(550);
    const int down = bar->value();
    EXPECT_GE(down, 2);  // a loaded machine may drop a tick
    EXPECT_LE(down, 6);

    DragOver(list, {40, h0 / 2}, mime.get());
    EXPECT_FALSE(timer->isActive());
    Wait(250);
    EXPECT_EQ(bar->value(), down);

    DragOver(list, {40, 2}, mime.get());
    EXPECT_TRUE(timer->isActive());
    Wait(250);
    EXPECT_LT(bar->value(), down);

    QDropEvent drop(QPoint(40, 2), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &drop);
    EXPECT_FALSE(timer->isActive());
}

TEST_F(TimerOptionsTest, TheCellsDropDownFollowsItsRowWhileTheListScrolls) {
    Seed(1, 2, {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    OptionsHarness h;
    h.Load();
    h.tabs->setCurrentIndex(1);
    ActivateWindow(h);
    auto* cells = Find<QTreeWidget>(h, "lsvAlmTime");
    auto* choice = Find<QComboBox>(h, "cmbAlarmTimer");
    QScrollBar* bar = cells->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 3) << "twelve rows do not fit";
    EXPECT_FALSE(choice->isVisible());

    // A press in the second column picks the row.
    const QRect row = cells->visualItemRect(cells->topLevelItem(2));
    QTest::mouseClick(cells->viewport(), Qt::LeftButton, {}, QPoint(300, row.center().y()));
    ASSERT_EQ(cells->currentItem(), cells->topLevelItem(2));
    auto sitsOnRow = [&] {
        const QRect r = cells->visualItemRect(cells->topLevelItem(2));
        const QPoint at = cells->viewport()->mapTo(h.tstAlarm, QPoint(cells->columnWidth(0), r.top()));
        return choice->geometry().topLeft() == at;
    };
    EXPECT_TRUE(choice->isVisible());
    EXPECT_TRUE(sitsOnRow());
    EXPECT_EQ(choice->currentText(), "alarm 1");

    // One line down the row is still whole, one line higher; the drop-down goes with it.
    const QPoint before = choice->pos();
    bar->setValue(1);
    EXPECT_TRUE(choice->isVisible());
    EXPECT_TRUE(sitsOnRow());
    EXPECT_LT(choice->pos().y(), before.y());
    bar->setValue(0);

    choice->setFocus();
    bar->setValue(bar->maximum());
    EXPECT_FALSE(choice->isVisible());
    EXPECT_TRUE(cells->hasFocus());
    bar->setValue(0);
    EXPECT_TRUE(choice->isVisible());
    EXPECT_TRUE(sitsOnRow());
    EXPECT_TRUE(choice->hasFocus());

    choice->setCurrentIndex(1);
    EXPECT_EQ(RowTexts(cells, 2)[1], "alarm 0");
    EXPECT_TRUE(h.btnApp->isEnabled());

    Find<QPushButton>(h, "btnSoundNew")->setFocus();
    EXPECT_FALSE(choice->isVisible());
    cells->setFocus();
    EXPECT_TRUE(choice->isVisible());

    h.Apply();
    SettingsStore store(path_);
    EXPECT_EQ(ReadAlarmAssignments(store)[2], 1);
}

}  // namespace
}  // namespace norvane
