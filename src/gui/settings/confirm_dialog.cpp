#include "gui/settings/confirm_dialog.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "core/settings/settings_store.h"
#include "gui/controls/labels.h"
#include "gui/main_window/app_style.h"
#include "gui/main_window/user_messages.h"
#include "gui/settings/dialog_metrics.h"
#include "platform_gui/ui_font.h"

namespace norvane {

namespace {
constexpr QSize kClientSize{404, 122};
// The design's message area: three lines of the 12-pixel face, as wide as the
// check box below it.
constexpr QSize kMessageSize{314, 36};
constexpr int kMessageRight = 10;   // the message's right end short of the buttons'
constexpr int kButtonsTop = 12;     // the check box to the buttons
constexpr int kYesNoGap = 8;
}  // namespace

TfrmDlg::TfrmDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint) {
    // Above every other window, so the question is never hidden behind one that
    // stays on top (the main window may).
    setObjectName("frmDlg");
    setFont(UiFont(12));

    imgIcon = new QLabel;
    imgIcon->setObjectName("imgIcon");
    imgIcon->setFixedSize(32, 32);
    imgIcon->setAttribute(Qt::WA_TranslucentBackground);
    imgIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));

    lblMsg = new QLabel;
    lblMsg->setObjectName("lblMsg");
    lblMsg->setFixedSize(kMessageSize);
    // Wrapped by SetMessage, between phrases only.
    lblMsg->setTextFormat(Qt::PlainText);
    lblMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    chkInfo = new QCheckBox(QString::fromUtf8(kDontAskAgainCaption));
    chkInfo->setObjectName("chkInfo");
    chkInfo->setMinimumWidth(kMessageSize.width());

    btnYes = new QPushButton(QStringLiteral("はい(&Y)"));
    btnYes->setObjectName("btnYes");
    btnYes->setDefault(true);
    connect(btnYes, &QPushButton::clicked, this, [this] { done(static_cast<int>(DialogResult::Yes)); });

    btnNo = new QPushButton(QStringLiteral("いいえ(&N)"));
    btnNo->setObjectName("btnNo");
    connect(btnNo, &QPushButton::clicked, this, [this] { done(static_cast<int>(DialogResult::No)); });

    btnOk = new QPushButton(QStringLiteral("OK"));
    btnOk->setObjectName("btnOk");
    btnOk->setAutoDefault(false);
    btnOk->hide();
    connect(btnOk, &QPushButton::clicked, this, [this] { done(static_cast<int>(DialogResult::Ok)); });
    for (QPushButton* b : {btnYes, btnNo, btnOk}) FitButton(b);

    auto* text = new QVBoxLayout;
    text->setContentsMargins(0, 0, kMessageRight, 0);
    text->setSpacing(kRowGap);
    text->addWidget(lblMsg);
    text->addWidget(chkInfo);
    auto* top = new QHBoxLayout;
    top->setSpacing(kQuestionMargin);
    top->addWidget(imgIcon, 0, Qt::AlignTop);
    top->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kQuestionMargin, kQuestionMargin, kQuestionMargin, kQuestionMargin - 5);
    layout->setSpacing(kButtonsTop);
    layout->addLayout(top);
    layout->addStretch(1);
    layout->addLayout(ButtonRow({btnYes, btnNo, btnOk}, kYesNoGap));
    FixToLayout(this, kClientSize);
}

void TfrmDlg::SetMessage(const QString& caption, const QString& message) {
    setWindowTitle(caption);
    message_ = message;
    const QFontMetrics metrics = lblMsg->fontMetrics();
    const QString wrapped = WrapAtPhrases(message, metrics, lblMsg->width());
    lblMsg->setText(wrapped);
    // A face with taller lines than the design's gets the room it needs.
    const int needed = static_cast<int>(wrapped.count(QLatin1Char('\n')) + 1) * metrics.lineSpacing();
    lblMsg->setFixedHeight(std::max(kMessageSize.height(), needed));
    // The face may have changed since the buttons were made.
    for (QPushButton* b : {btnYes, btnNo, btnOk}) FitButton(b);
    FixToLayout(this, kClientSize);
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
