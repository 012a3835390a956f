#include "gui/settings/version_dialog.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

#include "core/settings/internet_access.h"
#include "core/settings/version_info.h"
#include "core/time/support.h"
#include "gui/art/pictures.h"
#include "gui/art/version_pictures.h"
#include "gui/controls/link_label.h"
#include "gui/main_window/app_style.h"
#include "gui/settings/confirm_dialog.h"
#include "platform_gui/ui_font.h"
#include "platform_gui/url_opener.h"

namespace norvane {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

const QColor kLinkColour(0, 0, 255);
const QColor kLinkHoverColour(255, 128, 0);

QLabel* AddLabel(QWidget* parent, const char* name, int x, int y) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->move(x, y);
    return l;
}

void SetAutoSizedText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

}  // namespace

TfrmVer::TfrmVer(QWidget* parent)
    : TfrmVer(parent, ProgramBuildInfo(), QString::fromStdString(ProgramFolder())) {}

TfrmVer::TfrmVer(QWidget* parent, const BuildInfo& info, const QString& bannerFolder)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("frmVer");
    setWindowTitle(QStringLiteral("バージョン情報"));
    QFont face = UiFont(12);
    if (parent) face.setFamily(parent->font().family());
    setFont(face);
    FixedDialogFrame(this, 344, 223);

    // The white banner, closed by a grey line along its bottom edge.
    pnlBanner = new QWidget(this);
    pnlBanner->setObjectName("pnlBanner");
    pnlBanner->setGeometry(0, 0, 344, 45);
    pnlBanner->setAutoFillBackground(true);
    QPalette white = pnlBanner->palette();
    white.setColor(QPalette::Window, Qt::white);
    pnlBanner->setPalette(white);
    auto* line = new QWidget(pnlBanner);
    line->setObjectName("shpBannerLine");
    line->setGeometry(0, 43, 344, 2);
    line->setAutoFillBackground(true);
    QPalette grey = line->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    line->setPalette(grey);

    imgTitle = AddLabel(pnlBanner, "imgTitle", 8, 10);
    imgTitle->setFixedSize(180, 24);
    imgTitle->setPixmap(VersionTitlePicture());

    imgBanner = new TLinkLabel(pnlBanner);
    imgBanner->setObjectName("imgBanner");
    imgBanner->setGeometry(248, 6, 88, 31);
    imgBanner->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgBanner->setCursor(PointCursor());
    const QString bannerFile = bannerFolder + QStringLiteral("tobrinb.bmp");
    if (QFile::exists(bannerFile)) imgBanner->setPixmap(QPixmap(bannerFile));
    connect(imgBanner, &TLinkLabel::clicked, this, &TfrmVer::lblHttpClick);

    imgIcon = AddLabel(this, "imgIcon", 12, 56);
    imgIcon->setFixedSize(32, 32);
    imgIcon->setPixmap(WindowIcon().pixmap(32, 32));

    const VersionTexts texts = ComputeVersionTexts(info);
    lblTitle = AddLabel(this, "lblTitle", 56, 56);
    QFont bold = font();
    bold.setBold(true);
    lblTitle->setFont(bold);
    SetAutoSizedText(lblTitle, Text(texts.title));
    lblVersion = AddLabel(this, "lblVersion", 56, 74);
    SetAutoSizedText(lblVersion, Text(texts.version));
    lblCopy1 = AddLabel(this, "lblCopy1", 56, 92);
    SetAutoSizedText(lblCopy1, Text(texts.copyright));
    lblCopy3 = AddLabel(this, "lblCopy3", 56, 112);
    lblCopy3->setWordWrap(true);
    lblCopy3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblCopy3->setGeometry(56, 112, 276, 30);
    lblCopy3->setText(QStringLiteral(
        "※記載されている会社名・製品名・システム名などは、各社の登録商標、もしくは商標です。"));

    auto* rule = new QFrame(this);
    rule->setObjectName("bvlWebsite");
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(12, 148, 320, 2);

    lblWebsite = AddLabel(this, "lblWebsite", 12, 160);
    SetAutoSizedText(lblWebsite, QStringLiteral("Website :"));

    pupVer = new QMenu(this);
    pupVer->setObjectName("pupVer");
    mnuOpen = pupVer->addAction(QStringLiteral("コピー(&C)"));
    mnuOpen->setObjectName("mnuOpen");
    mnuOpen->setStatusTip(QStringLiteral("アドレスをクリップボードにコピーします。"));
    connect(mnuOpen, &QAction::triggered, this, &TfrmVer::mnuOpenClick);
    pupVer->addSeparator();
    mnuCancel = pupVer->addAction(QStringLiteral("キャンセル(&A)"));
    mnuCancel->setObjectName("mnuCancel");

    lblHttp = new TLinkLabel(this);
    lblHttp->setObjectName("lblHttp");
    lblHttp->move(lblWebsite->x() + lblWebsite->width() + 6, 160);
    QFont underlined = font();
    underlined.setUnderline(true);
    lblHttp->setFont(underlined);
    lblHttp->SetHoverColours(kLinkColour, kLinkHoverColour);
    lblHttp->setCursor(PointCursor());
    lblHttp->SetPopupMenu(pupVer);
    lblHttp->setToolTip(QStringLiteral("クリックすると Tobrin のウェブサイトへジャンプします。"));
    SetAutoSizedText(lblHttp, Text(texts.address));
    connect(lblHttp, &TLinkLabel::clicked, this, &TfrmVer::lblHttpClick);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(257, 188, 75, 25);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmVer::lblHttpClick() {
    if (ConfirmInternetAccess(this, kWebAccess) != DialogResult::Yes) return;
    // A browser that fails to start says nothing: the dialog has done its part.
    urlOpener().Open(lblHttp->text());
    accept();
}

void TfrmVer::mnuOpenClick() { QGuiApplication::clipboard()->setText(lblHttp->text()); }

void TfrmVer::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    cmdOK->setFocus();
}

}  // namespace norvane
