#pragma once
// The options dialog's "タイマー" and "アラーム" pages: the timer-set and
// alarm-set lists, the cells' alarm assignments and the set dialog they open.
// They edit working copies; nothing is stored before Apply.
#include <QObject>

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

private:
    QWidget* dialog_;
    QWidget* tstTimer_;
    QWidget* tstAlarm_;
    bool timerListChanged_ = false;
};

}  // namespace norvane
