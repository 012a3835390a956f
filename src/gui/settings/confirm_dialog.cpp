#include "gui/settings/confirm_dialog.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

#include "core/settings/settings_store.h"
#include "gui/controls/labels.h"
#include "gui/main_window/app_style.h"
#include "gui/main_window/user_messages.h"
#include "platform_gui/ui_font.h"

namespace norvane {

namespace {
// The design's message area: three lines of the 12-pixel face.
constexpr int kMessageHeight = 36;
}  // namespace

TfrmDlg::TfrmDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint) {
    // Above every other window, so the question is never hidden behind one that
    // stays on top (the main window may).
    setObjectName("frmDlg");
    setFont(UiFont(12));
    FixedDialogFrame(this, 404, 122);

    imgIcon = new QLabel(this);
    imgIcon->setObjectName("imgIcon");
    imgIcon->setGeometry(16, 16, 32, 32);
    imgIcon->setAttribute(Qt::WA_TranslucentBackground);
    imgIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));

    lblMsg = new QLabel(this);
    lblMsg->setObjectName("lblMsg");
    lblMsg->setGeometry(64, 16, 314, kMessageHeight);
    // Wrapped by SetMessage, between phrases only.
    lblMsg->setTextFormat(Qt::PlainText);
    lblMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    chkInfo = new QCheckBox(QString::fromUtf8(kDontAskAgainCaption), this);
    chkInfo->setObjectName("chkInfo");
    chkInfo->setGeometry(64, 58, 314, 18);

    btnYes = new QPushButton(QStringLiteral("はい(&Y)"), this);
    btnYes->setObjectName("btnYes");
    btnYes->setGeometry(230, 88, 75, 23);
    btnYes->setDefault(true);
    connect(btnYes, &QPushButton::clicked, this, [this] { done(static_cast<int>(DialogResult::Yes)); });

    btnNo = new QPushButton(QStringLiteral("いいえ(&N)"), this);
    btnNo->setObjectName("btnNo");
    btnNo->setGeometry(313, 88, 75, 23);
    connect(btnNo, &QPushButton::clicked, this, [this] { done(static_cast<int>(DialogResult::No)); });

    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setObjectName("btnOk");
    btnOk->setGeometry(230, 88, 75, 23);
    btnOk->setAutoDefault(false);
    btnOk->hide();
    connect(btnOk, &QPushButton::clicked, this, [this] { done(static_cast<int>(DialogResult::Ok)); });
}

void TfrmDlg::SetMessage(const QString& caption, const QString& message) {
    setWindowTitle(caption);
    message_ = message;
    const QFontMetrics metrics = lblMsg->fontMetrics();
    const QString wrapped = WrapAtPhrases(message, metrics, lblMsg->width());
    lblMsg->setText(wrapped);
    // A face with taller lines than the design's gets the room it needs: the
    // box and the buttons move down, and the dialog grows with them.
    const int needed = static_cast<int>(wrapped.count(QLatin1Char('\n')) + 1) * metrics.lineSpacing();
    const int extra = std::max(kMessageHeight, needed) - lblMsg->height();
    if (extra == 0) return;
    lblMsg->resize(lblMsg->width(), lblMsg->height() + extra);
    for (QWidget* w : std::initializer_list<QWidget*>{chkInfo, btnYes, btnNo, btnOk}) w->move(w->x(), w->y() + extra);
    FixedDialogFrame(this, width(), height() + extra);
}

bool TfrmDlg::DontAskAgain() const { return chkInfo->isChecked(); }

void TfrmDlg::reject() { done(static_cast<int>(DialogResult::No)); }

void TfrmDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred on the screen, whoever the parent is.
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    btnYes->setFocus();
}

DialogResult ConfirmInternetAccess(QWidget* parent, const QString& caption, const QString& message,
                                   const SettingKey<bool>& ask) {
    {
        SettingsStore store;
        if (!ShouldAskInternetAccess(store, ask)) return DialogResult::Yes;
    }
    // The store is not held while the question waits: other windows may save meanwhile.
    TfrmDlg dlg(parent);
    if (parent) {
        QFont face = dlg.font();
        face.setFamily(parent->font().family());
        dlg.setFont(face);
    }
    dlg.SetMessage(caption, message);
    userMessages().Beep(BeepKind::Question);
    const auto result = dlg.exec() == static_cast<int>(DialogResult::Yes) ? DialogResult::Yes : DialogResult::No;
    SettingsStore store;
    StoreInternetAccessAnswer(store, ask, result, dlg.DontAskAgain());
    return result;
}

DialogResult ConfirmInternetAccess(QWidget* parent, const InternetAccess& access) {
    return ConfirmInternetAccess(parent, QString::fromUtf8(access.caption), QString::fromUtf8(access.message),
                                 *access.ask);
}

}  // namespace norvane
