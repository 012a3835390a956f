#include "gui/settings/version_dialog.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "core/settings/internet_access.h"
#include "core/settings/version_info.h"
#include "core/time/support.h"
#include "gui/art/pictures.h"
#include "gui/art/version_pictures.h"
#include "gui/controls/link_label.h"
#include "gui/main_window/app_style.h"
#include "gui/settings/confirm_dialog.h"
#include "gui/settings/dialog_metrics.h"
#include "platform_gui/ui_font.h"
#include "platform_gui/url_opener.h"

namespace norvane {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

const QColor kLinkColour(0, 0, 255);
const QColor kLinkHoverColour(255, 128, 0);

constexpr QSize kClientSize{344, 223};
constexpr int kBannerHeight = 45;
constexpr int kBannerLine = 2;  // the grey line closing the banner
constexpr int kBannerMargin = 8;
constexpr int kCopyWidth = 276;  // the trademark note, wrapped in two lines
constexpr int kTextGap = 6;      // between the lines of the version texts
constexpr int kRuleToAddress = 10;  // the rule to the address row
constexpr int kOkGap = 16;       // the address row to OK
constexpr QSize kOkSize{75, 25};

QLabel* NewLabel(const char* name, const QString& text = QString()) {
    auto* l = new QLabel(text);
    l->setObjectName(name);
    return l;
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

    // The white banner, closed by a grey line along its bottom edge.
    pnlBanner = new QWidget;
    pnlBanner->setObjectName("pnlBanner");
    pnlBanner->setFixedHeight(kBannerHeight);
    pnlBanner->setAutoFillBackground(true);
    QPalette white = pnlBanner->palette();
    white.setColor(QPalette::Window, Qt::white);
    pnlBanner->setPalette(white);
    auto* line = new QWidget;
    line->setObjectName("shpBannerLine");
    line->setFixedHeight(kBannerLine);
    line->setAutoFillBackground(true);
    QPalette grey = line->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    line->setPalette(grey);

    imgTitle = NewLabel("imgTitle");
    imgTitle->setFixedSize(180, 24);
    imgTitle->setPixmap(VersionTitlePicture());

    imgBanner = new TLinkLabel;
    imgBanner->setObjectName("imgBanner");
    imgBanner->setFixedSize(88, 31);
    imgBanner->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgBanner->setCursor(PointCursor());
    const QString bannerFile = bannerFolder + QStringLiteral("tobrinb.bmp");
    if (QFile::exists(bannerFile)) imgBanner->setPixmap(QPixmap(bannerFile));
    connect(imgBanner, &TLinkLabel::clicked, this, &TfrmVer::lblHttpClick);

    auto* bannerRow = new QHBoxLayout;
    bannerRow->setContentsMargins(kBannerMargin, 0, kBannerMargin, 0);
    bannerRow->addWidget(imgTitle, 0, Qt::AlignVCenter);
    bannerRow->addStretch(1);
    bannerRow->addWidget(imgBanner, 0, Qt::AlignVCenter);
    auto* banner = new QVBoxLayout(pnlBanner);
    banner->setContentsMargins(0, 0, 0, 0);
    banner->setSpacing(0);
    banner->addLayout(bannerRow, 1);
    banner->addWidget(line);

    imgIcon = NewLabel("imgIcon");
    imgIcon->setFixedSize(32, 32);
    imgIcon->setPixmap(WindowIcon().pixmap(32, 32));

    const VersionTexts texts = ComputeVersionTexts(info);
    lblTitle = NewLabel("lblTitle", Text(texts.title));
    QFont bold = font();
    bold.setBold(true);
    lblTitle->setFont(bold);
    lblVersion = NewLabel("lblVersion", Text(texts.version));
    lblCopy1 = NewLabel("lblCopy1", Text(texts.copyright));
    lblCopy3 = NewLabel("lblCopy3", QStringLiteral(
        "※記載されている会社名・製品名・システム名などは、各社の登録商標、もしくは商標です。"));
    lblCopy3->setWordWrap(true);
    lblCopy3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblCopy3->setFixedWidth(kCopyWidth);
    lblCopy3->setMinimumHeight(std::max(30, lblCopy3->heightForWidth(kCopyWidth)));

    auto* rule = new QFrame;
    rule->setObjectName("bvlWebsite");
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setFixedHeight(2);

    lblWebsite = NewLabel("lblWebsite", QStringLiteral("Website :"));

    pupVer = new QMenu(this);
    pupVer->setObjectName("pupVer");
    mnuOpen = pupVer->addAction(QStringLiteral("コピー(&C)"));
    mnuOpen->setObjectName("mnuOpen");
    mnuOpen->setStatusTip(QStringLiteral("アドレスをクリップボードにコピーします。"));
    connect(mnuOpen, &QAction::triggered, this, &TfrmVer::mnuOpenClick);
    pupVer->addSeparator();
    mnuCancel = pupVer->addAction(QStringLiteral("キャンセル(&A)"));
    mnuCancel->setObjectName("mnuCancel");

    lblHttp = new TLinkLabel;
    lblHttp->setObjectName("lblHttp");
    QFont underlined = font();
    underlined.setUnderline(true);
    lblHttp->setFont(underlined);
    lblHttp->SetHoverColours(kLinkColour, kLinkHoverColour);
    lblHttp->setCursor(PointCursor());
    lblHttp->SetPopupMenu(pupVer);
    lblHttp->setToolTip(QStringLiteral("クリックすると Tobrin のウェブサイトへジャンプします。"));
    lblHttp->setText(Text(texts.address));
    connect(lblHttp, &TLinkLabel::clicked, this, &TfrmVer::lblHttpClick);

    cmdOK = new QPushButton(QStringLiteral("OK"));
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    FitButton(cmdOK, kOkSize);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* lines = new QVBoxLayout;
    lines->setSpacing(kTextGap);
    lines->addWidget(lblTitle);
    lines->addWidget(lblVersion);
    lines->addWidget(lblCopy1);
    lines->addSpacing(kTextGap / 3);
    lines->addWidget(lblCopy3);
    auto* about = new QHBoxLayout;
    about->setSpacing(kWideMargin);
    about->addWidget(imgIcon, 0, Qt::AlignTop);
    about->addLayout(lines, 1);
    auto* address = new QHBoxLayout;
    address->setSpacing(kTextGap);
    address->addWidget(lblWebsite);
    address->addWidget(lblHttp);
    address->addStretch(1);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(kWideMargin, kWideMargin - 1, kWideMargin, kWideMargin - 2);
    body->setSpacing(0);
    body->addLayout(about);
    body->addSpacing(kTextGap);
    body->addWidget(rule);
    body->addSpacing(kRuleToAddress);
    body->addLayout(address);
    body->addSpacing(kOkGap);
    body->addStretch(1);
    body->addLayout(ButtonRow({cmdOK}));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pnlBanner);
    layout->addLayout(body, 1);
    FixToLayout(this, kClientSize);
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
