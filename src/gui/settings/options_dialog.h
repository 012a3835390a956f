#pragma once
// The options dialog: the time server, the main window's wheel scrolling, the
// internet-access questions and the proxy on its own pages, and the timer and
// alarm pages of TOptTimerPages. Controls are loaded from the settings when it
// is made and written back, all in one batch, when it applies. Its controls are
// found by their object names ("pclOpt", "chkMouseScroll", "btnApp", ...).
#include <QDialog>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTimer;

namespace norvane {

class TfrmMain;
class TNotifyPage;
class TOptTimerPages;
class TSyncController;

// The pages in the order of their tabs.
enum class OptionsPage { General = 0, Timer = 1, Alarm = 2, Advanced = 3, Notify = 4 };

class TfrmOpt : public QDialog {
    Q_OBJECT
public:
    // `owner` is the main window (none in tests): its font face, and it hears settingsChanged.
    explicit TfrmOpt(TfrmMain* owner);
    ~TfrmOpt() override;

    void ShowPage(OptionsPage page);
    // Opens the help at the topic of the page that shows.
    void btnHelpClick();

    // Handlers.
    void btnOkClick();
    void btnCancelClick();
    void btnAppClick();
    void actBtnAppExecute();
    void chkMouseScrollClick();
    void edtMouseLineChange();
    void chkTimeServerAccessClick();
    void chkWebAccessClick();
    void chkNewVersionAccessClick();
    void btnProxyClick();
    void btnTimeSetClick();
    void cmbTimeServerChange();
    void chkExecuteSyncClick();
    void tmrOptTimer();

signals:
    // Every apply, once its settings are stored; `timerSetsChanged` when the
    // timer sets' list changed since the last.
    void settingsChanged(bool timerSetsChanged);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void CreateGeneralPage(QWidget* page);
    void CreateAdvancedPage(QWidget* page);
    void ShowServerList(const QStringList& list, const QString& text);
    void Changed();

    QTabWidget* pclOpt;
    QWidget* tstBase;
    QWidget* tstTimer;
    QWidget* tstAlarm;
    QWidget* tstEx;
    QPushButton* btnOk;
    QPushButton* btnCancel;
    QPushButton* btnApp;
    QPushButton* btnHelp;
    QAction* actBtnApp;

    QComboBox* cmbTimeServer;
    QPushButton* btnTimeSet;
    QLabel* lblTimeNow;
    QCheckBox* chkExecuteSync;
    QTimer* tmrOpt;

    // Its check box titles the group and switches its contents.
    QGroupBox* chkMouseScroll;
    QLabel* lblMouseLine;
    QSpinBox* updMouseLine;  // its edit box is "edtMouseLine"
    QLabel* lblMouseLineHelp;

    QCheckBox* chkTimeServerAccess;
    QCheckBox* chkWebAccess;
    QCheckBox* chkNewVersionAccess;

    QPushButton* btnProxy;

    TOptTimerPages* timerPages_ = nullptr;
    TNotifyPage* notifyPage_ = nullptr;
    TSyncController* sntpOpt_ = nullptr;  // the dialog's own "sync now"
};

}  // namespace norvane
