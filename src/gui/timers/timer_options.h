#pragma once
// The options dialog's "タイマー" and "アラーム" pages: the timer-set and
// alarm-set lists, the cells' alarm assignments and the set dialog they open.
// They edit working copies; nothing is stored before Apply.
#include <QObject>
#include <QPoint>

#include "core/timers/timer_set_editing.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace norvane {

class SettingsStore;

class TOptTimerPages : public QObject {
    Q_OBJECT
public:
    // Builds the controls of both pages into `tstTimer` and `tstAlarm`; `dialog`
    // is the options dialog, owner and centre of the set dialogs.
    TOptTimerPages(QWidget* dialog, QWidget* tstTimer, QWidget* tstAlarm);
    ~TOptTimerPages() override;

    // Fills the working copies and the lists from the store.
    void Load(const SettingsStore& store);
    // Writes the timer sets, the alarm sets and the cells' alarm assignments.
    void Apply(SettingsStore& store);

    // Whether the timer-set list was edited since loading or the last clear.
    bool TimerListChanged() const { return timerListChanged_; }
    void ClearTimerListChanged() { timerListChanged_ = false; }

signals:
    // An edit of the working copies: the dialog enables Apply.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTimerPage();
    void BuildAlarmPage();
    void Edited();
    void TimerListEdited();

    // Timer-set page.
    void btnTimerNewClick();
    void btnTimerDelClick();
    void btnTimerPropClick();
    void btnTimerUpClick();
    void btnTimerDownClick();
    void lsvTimerSetChange();
    void lsvTimerSetDragOver(QPoint pos);
    void lsvTimerSetDragDrop(QPoint pos);
    void lsvTimerSetEndDrag();
    void tmrSrtTimer();
    int SelectedTimerRow() const;
    void RenderTimerRow(QTreeWidgetItem* item, int slot);
    void SelectTimerRow(int row);
    void MoveTimerRow(int from, int to);

    // Alarm page.
    void btnSoundNewClick();
    void btnSoundDelClick();
    void btnSoundPropClick();
    void lsvAlarmSetChange();
    int SelectedAlarmRow() const;
    void RenderAlarmRow(QTreeWidgetItem* item, int slot);
    void RebuildAlarmChoices();
    void RefreshCellAlarmTexts();
    void lsvAlmTimeChange();
    void cmbAlarmTimerChange(int index);
    void PlaceAlarmChoice();
    bool InAlarmChoice(const QWidget* w) const;
    int SelectedCell() const;

    QWidget* dialog_;
    QWidget* tstTimer_;
    QWidget* tstAlarm_;
    bool timerListChanged_ = false;
    TimerEditCopies copies_;

    QTreeWidget* lsvTimerSet;
    QPushButton* btnTimerNew;
    QPushButton* btnTimerDel;
    QPushButton* btnTimerProp;
    QPushButton* btnTimerUp;
    QPushButton* btnTimerDown;
    QTimer* tmrSrt;
    int scrollDirection_ = 0;  // -1 a line up per tick, +1 down

    QTreeWidget* lsvAlmTime;
    const QObject* cellViewport_ = nullptr;
    QComboBox* cmbAlarmTimer;
    QLabel* lblAlarmSet;
    QTreeWidget* lsvAlarmSet;
    QPushButton* btnSoundNew;
    QPushButton* btnSoundDel;
    QPushButton* btnSoundProp;
    // The drop-down had the focus when scrolling hid it; it takes it back when shown.
    bool choiceHadFocus_ = false;
};

}  // namespace norvane
