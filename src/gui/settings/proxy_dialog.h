#pragma once
// The proxy settings of the update program, edited in a small modal dialog.
#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace norvane {

class SettingsStore;

class TfrmProxy : public QDialog {
    Q_OBJECT
public:
    explicit TfrmProxy(QWidget* parent = nullptr);

    // Fills the fields from "Option\Proxy" and brings the enabled states in line.
    void LoadSettings(const SettingsStore& store);
    // What OK stores (the port only when its text is a number).
    void StoreSettings(SettingsStore& store) const;

    void chkUseProxyClick();
    void chkUseItSettingClick();

private:
    void ApplyEnabledStates();

    // The group of the proxy's fields, titled by its check box.
    QGroupBox* chkUseProxy;
    QCheckBox* chkUseItSetting;
    QLabel* lblProxyServer;
    QLineEdit* edtProxyServer;
    QLabel* lblProxyPort;
    QLineEdit* edtProxyPort;
    QPushButton* btnOk;
    QPushButton* btnCancel;
};

// The options dialog's proxy button: the dialog centred on `owner` inside the
// work area, loaded from the settings, shown modally; OK stores at once.
void EditProxySettings(QWidget* owner);

}  // namespace norvane
