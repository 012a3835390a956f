#include "gui/settings/proxy_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/settings/proxy_settings.h"
#include "core/settings/settings_store.h"
#include "gui/controls/labels.h"
#include "gui/main_window/app_style.h"
#include "gui/main_window/work_area.h"
#include "gui/settings/dialog_metrics.h"
#include "platform_gui/ui_font.h"

namespace norvane {

namespace {

constexpr QSize kClientSize{304, 134};
constexpr int kServerWidth = 112;
constexpr int kPortWidth = 40;
constexpr int kPortLabelGap = 9;  // the server's field to the port's label
constexpr int kOkCancelGap = 10;

}  // namespace

TfrmProxy::TfrmProxy(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("frmProxy");
    setWindowTitle(QStringLiteral("プロキシの設定 - Norvane"));
    QFont face = UiFont(12);
    if (parent) face.setFamily(parent->font().family());
    setFont(face);

    // The check box titles the group and switches what it holds.
    chkUseProxy = new QGroupBox(QStringLiteral("プロキシ サーバーを使用する(&X)"));
    chkUseProxy->setObjectName("chkUseProxy");
    chkUseProxy->setCheckable(true);
    chkUseProxy->setChecked(false);
    connect(chkUseProxy, &QGroupBox::clicked, this, &TfrmProxy::chkUseProxyClick);

    chkUseItSetting = new QCheckBox(QStringLiteral("インターネット オプションの設定を使用する(&U)"));
    chkUseItSetting->setObjectName("chkUseItSetting");
    connect(chkUseItSetting, &QCheckBox::clicked, this, &TfrmProxy::chkUseItSettingClick);

    lblProxyServer = new QLabel(QStringLiteral("サーバー(&S) :"));
    lblProxyServer->setObjectName("lblProxyServer");
    edtProxyServer = new QLineEdit;
    edtProxyServer->setObjectName("edtProxyServer");
    edtProxyServer->setMinimumWidth(kServerWidth);
    FitHeight(edtProxyServer, kEditHeight);
    lblProxyServer->setBuddy(edtProxyServer);

    lblProxyPort = new QLabel(QStringLiteral("ポート(&O) :"));
    lblProxyPort->setObjectName("lblProxyPort");
    edtProxyPort = new QLineEdit;
    edtProxyPort->setObjectName("edtProxyPort");
    edtProxyPort->setMaxLength(kProxyPortMaxLength);
    // Decimal digits only, up to five of them: the port is not range-checked.
    auto* digits = new QIntValidator(0, 99999, edtProxyPort);
    QLocale plain = QLocale::c();
    plain.setNumberOptions(QLocale::RejectGroupSeparator);
    digits->setLocale(plain);
    edtProxyPort->setValidator(digits);
    // An input method would compose what the validator then refuses.
    edtProxyPort->setAttribute(Qt::WA_InputMethodEnabled, false);
    // Wide enough to show the longest port whole.
    edtProxyPort->setFixedWidth(
        std::max(kPortWidth, LineEditWidthFor(edtProxyPort, QString(kProxyPortMaxLength, QLatin1Char('9')))));
    FitHeight(edtProxyPort, kEditHeight);
    lblProxyPort->setBuddy(edtProxyPort);

    auto* group = new QVBoxLayout(chkUseProxy);
    group->setContentsMargins(kGroupInset, kFieldGap, kDialogMargin, kGroupInset - 3);
    group->setSpacing(kGroupInset);
    group->addWidget(chkUseItSetting);
    auto* fields = new QHBoxLayout;
    fields->setSpacing(kFieldGap);
    fields->addWidget(lblProxyServer);
    fields->addWidget(edtProxyServer, 1);
    fields->addSpacing(kPortLabelGap - kFieldGap);
    fields->addWidget(lblProxyPort);
    fields->addWidget(edtProxyPort);
    group->addLayout(fields);
    group->addStretch(1);

    for (QWidget* w : std::initializer_list<QWidget*>{chkUseItSetting, lblProxyServer, edtProxyServer,
                                                      lblProxyPort, edtProxyPort})
        w->setEnabled(false);

    btnOk = new QPushButton(QStringLiteral("OK"));
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, [this] { done(static_cast<int>(QDialog::Accepted)); });

    btnCancel = new QPushButton(QStringLiteral("キャンセル"));
    btnCancel->setObjectName("btnCancel");
    btnCancel->setAutoDefault(false);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* b : {btnOk, btnCancel}) FitButton(b);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kDialogMargin, kDialogMargin, kDialogMargin, kDialogMargin - 1);
    layout->setSpacing(kDialogMargin);
    layout->addWidget(chkUseProxy, 1);
    layout->addLayout(ButtonRow({btnOk, btnCancel}, kOkCancelGap));
    FixToLayout(this, kClientSize);
}

void TfrmProxy::LoadSettings(const SettingsStore& store) {
    const ProxySettings p = ReadProxySettings(store);
    chkUseProxy->setChecked(p.enable);
    chkUseItSetting->setChecked(p.useInternetSetting);
    edtProxyServer->setText(p.server);
    edtProxyPort->setText(ProxyPortText(p.port));
    chkUseProxyClick();
    chkUseItSettingClick();
}

void TfrmProxy::StoreSettings(SettingsStore& store) const {
    StoreProxySettings(store, chkUseProxy->isChecked(), chkUseItSetting->isChecked(), edtProxyServer->text(),
                       edtProxyPort->text());
}

void TfrmProxy::chkUseProxyClick() { ApplyEnabledStates(); }

void TfrmProxy::chkUseItSettingClick() { ApplyEnabledStates(); }

void TfrmProxy::ApplyEnabledStates() {
    const ProxyControlStates s = ProxyEnabledStates(chkUseProxy->isChecked(), chkUseItSetting->isChecked());
    chkUseItSetting->setEnabled(s.useInternetSetting);
    for (QWidget* w : std::initializer_list<QWidget*>{lblProxyServer, edtProxyServer, lblProxyPort, edtProxyPort})
        w->setEnabled(s.serverAndPort);
}

void EditProxySettings(QWidget* owner) {
    TfrmProxy dlg(owner);
    PlaceOverOwner(&dlg, owner);
    {
        SettingsStore store;
        dlg.LoadSettings(store);
    }
    if (dlg.exec() != QDialog::Accepted) return;
    SettingsStore store;
    dlg.StoreSettings(store);
}

}  // namespace norvane
