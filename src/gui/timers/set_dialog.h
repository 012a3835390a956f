#pragma once
// The set dialog of the options dialog's timer and alarm pages: one page edits a
// timer set, the other an alarm set; only one of them shows.
#include <QDialog>
#include <array>

#include "core/timers/timer_sets.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace norvane {

class TNumberSpin;

class TfrmOptSet : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOptSet(QWidget* parent = nullptr);

    // Shows the timer page filled from `set` (caption "タイマーセットのプロパティ").
    void EditTimerSet(const TTimerSet& set);
    // What OK takes over: a stopwatch keeps no value and no divisions.
    TTimerSet TimerSet() const;

    // Shows the alarm page filled from `set`.
    void EditAlarmSet(const TAlarmSet& set);
    TAlarmSet AlarmSet() const;

    // The folder the sound list starts in for a section without a file.
    void SetDefaultSoundFolder(const QString& folder) { defaultSoundFolder_ = folder; }
    QString SoundFolder() const { return soundFolder_; }

    void cmbTimOptionChange();
    void trvTimEventChange();
    void edtTimEventChange();
    void lsvSecEventChange();
    void edtSecSecChange();
    void cmbSecFileChange();
    void btnSecPlayClick();
    void btnSecBrowClick();

private:
    void BuildTimerPage();
    void BuildAlarmPage();
    static QTreeWidget* BuildEventTree(QWidget* parent, const char* name, int childIcon);
    static int SelectedDivision(const QTreeWidget* tree);
    void RefillSoundFiles(const QString& text);
    void ShowSoundPick(const QString& text, const QString& folder);

    QWidget* tstTimerSet;
    QLineEdit* edtTimName;
    QComboBox* cmbTimOption;
    QLabel* lblTimCount;
    TNumberSpin* updTimCount;  // its edit is "edtTimCount"
    QLabel* lblTimCountUnit;
    QGroupBox* gbxTimEvent;
    QTreeWidget* trvTimEvent;
    QLabel* lblTimEvent;
    TNumberSpin* updTimEvent;  // "edtTimEvent"

    QWidget* tstAlarmSet;
    QLineEdit* edtSecName;
    QLabel* lblSecEvent;
    QTreeWidget* lsvSecEvent;
    QLabel* lblSecSec;
    TNumberSpin* updSecSec;  // "edtSecSec"
    QLabel* lblSecFile;
    QComboBox* cmbSecFile;
    QPushButton* btnSecPlay;
    QPushButton* btnSecBrow;

    QPushButton* btnOk;
    QPushButton* btnCancel;
    QPushButton* btnHelp;

    std::array<int, 3> divisions_{};
    std::array<TSectionSet, 3> sections_{};
    QString soundFolder_;
    QString defaultSoundFolder_;
    bool filling_ = false;  // the dialog itself is writing a control
};

}  // namespace norvane
