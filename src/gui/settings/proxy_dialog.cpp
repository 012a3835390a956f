#include "gui/settings/proxy_dialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "core/settings/dialog_layout.h"
#include "core/settings/proxy_settings.h"
#include "core/settings/settings_store.h"
#include "gui/controls/labels.h"
#include "gui/main_window/app_style.h"
#include "gui/main_window/work_area.h"
#include "platform_gui/ui_font.h"

namespace norvane {

TfrmProxy::TfrmProxy(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("frmProxy");
    setWindowTitle(QStringLiteral("プロキシの設定 - Norvane"));
    QFont face = UiFont(12);
    if (parent) face.setFamily(parent->font().family());
    setFont(face);
    FixedDialogFrame(this, 304, 134);

    gbxProxy = new QGroupBox(this);
    gbxProxy->setObjectName("gbxProxy");
    gbxProxy->setGeometry(8, 8, 288, 88);

    // Over the group's top edge, so that it reads as the group's title.
    chkUseProxy = new QCheckBox(QStringLiteral("プロキシ サーバーを使用する(&X)"), this);
    chkUseProxy->setObjectName("chkUseProxy");
    chkUseProxy->adjustSize();
    chkUseProxy->move(16, 6);
    chkUseProxy->setAutoFillBackground(true);
    // A space rounded up, so that the run never reaches past the check box.
    const int space = static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(QLatin1Char(' '))));
    const int spaces = GroupCaptionSpaces(space, chkUseProxy->width());
    gbxProxy->setTitle(QString(spaces, QLatin1Char(' ')));
    chkUseProxy->raise();
    connect(chkUseProxy, &QCheckBox::clicked, this, &TfrmProxy::chkUseProxyClick);

    chkUseItSetting = new QCheckBox(QStringLiteral("インターネット オプションの設定を使用する(&U)"), gbxProxy);
    chkUseItSetting->setObjectName("chkUseItSetting");
    chkUseItSetting->adjustSize();
    chkUseItSetting->move(12, 20);
    connect(chkUseItSetting, &QCheckBox::clicked, this, &TfrmProxy::chkUseItSettingClick);

    lblProxyServer = new QLabel(QStringLiteral("サーバー(&S) :"), gbxProxy);
    lblProxyServer->setObjectName("lblProxyServer");
    lblProxyServer->adjustSize();
    lblProxyServer->move(12, 50);
    edtProxyServer = new QLineEdit(gbxProxy);
    edtProxyServer->setObjectName("edtProxyServer");
    edtProxyServer->setGeometry(std::max(76, lblProxyServer->x() + lblProxyServer->width() + 4), 46, 112, 21);
    lblProxyServer->setBuddy(edtProxyServer);

    lblProxyPort = new QLabel(QStringLiteral("ポート(&O) :"), gbxProxy);
    lblProxyPort->setObjectName("lblProxyPort");
    lblProxyPort->adjustSize();
    lblProxyPort->move(edtProxyServer->geometry().right() + 9, 50);
    edtProxyPort = new QLineEdit(gbxProxy);
    edtProxyPort->setObjectName("edtProxyPort");
    edtProxyPort->setMaxLength(kProxyPortMaxLength);
    // The design's 40 pixels, or what the face needs to show the longest port whole.
    edtProxyPort->setGeometry(std::max(244, lblProxyPort->x() + lblProxyPort->width() + 4), 46,
                              std::max(40, LineEditWidthFor(edtProxyPort, QString(kProxyPortMaxLength, QLatin1Char('9')))),
                              21);
    // Typed text is filtered key by key; an input method would go around that.
    edtProxyPort->setAttribute(Qt::WA_InputMethodEnabled, false);
    edtProxyPort->installEventFilter(this);
    lblProxyPort->setBuddy(edtProxyPort);

    // Wider than its design size only when the face needs it, so that no caption is cut.
    const int inner = std::max({chkUseItSetting->geometry().right(), edtProxyPort->geometry().right()}) + 9;
    if (inner > gbxProxy->width()) {
        gbxProxy->resize(inner, gbxProxy->height());
        FixedDialogFrame(this, inner + 16, height());
    }

    for (QWidget* w : std::initializer_list<QWidget*>{chkUseItSetting, lblProxyServer, edtProxyServer,
                                                      lblProxyPort, edtProxyPort})
        w->setEnabled(false);

    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setObjectName("btnOk");
    btnOk->setGeometry(width() - 168, 104, 75, 23);
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, [this] { done(static_cast<int>(QDialog::Accepted)); });

    btnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setGeometry(width() - 83, 104, 75, 23);
    btnCancel->setAutoDefault(false);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
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

bool TfrmProxy::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edtProxyPort && event->type() == QEvent::KeyPress) {
        // Only typed characters are judged: editing keys and shortcuts (Ctrl+V
        // among them) carry no printable text and pass.
        const QString text = static_cast<QKeyEvent*>(event)->text();
        for (const QChar c : text)
            if (c.isPrint() && !IsProxyPortKey(c)) return true;
    }
    return QDialog::eventFilter(watched, event);
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
