#pragma once
// The confirmation asked before the program reaches the internet, and the
// operation its callers use.
#include <QDialog>

#include "core/settings/internet_access.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace norvane {

// The question itself: an icon, the message, "do not show again", yes and no.
// Closes with DialogResult::Yes or ::No (Esc and the close button say no).
class TfrmDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDlg(QWidget* parent = nullptr);

    void SetMessage(const QString& caption, const QString& message);
    // The message as given; lblMsg shows it wrapped.
    const QString& Message() const { return message_; }
    bool DontAskAgain() const;

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* imgIcon;
    QLabel* lblMsg;
    QCheckBox* chkInfo;
    QPushButton* btnYes;
    QPushButton* btnNo;
    QPushButton* btnOk;  // never shown
    QString message_;
};

// Asks before one kind of internet access unless `ask` says not to ask again:
// Yes to go ahead, No not to. Yes with "do not show again" checked stores false there.
DialogResult ConfirmInternetAccess(QWidget* parent, const QString& caption, const QString& message,
                                   const SettingKey<bool>& ask);
DialogResult ConfirmInternetAccess(QWidget* parent, const InternetAccess& access);

}  // namespace norvane
