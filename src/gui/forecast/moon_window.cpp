#include "gui/forecast/moon_window.h"

#include <QLabel>
#include <QTimer>

#include "core/schedules/forecast.h"
#include "core/time/vanatime.h"
#include "gui/art/pictures.h"
#include "gui/controls/edge_panel.h"
#include "gui/forecast/moon_ring.h"

namespace norvane {

TfrmMoon::TfrmMoon(QWidget* parent)
    : TForecastWindow(parent, kClientWidth, kClientHeight, QStringLiteral("今の月齢の残り時間：")),
      pnlMoon(new TEdgePanel(this)),
      lblState(nullptr),
      imgArrow(ArrowPictures()),
      tmrMoon(new QTimer(this)) {
    setObjectName(QStringLiteral("frmMoon"));
    pnlMoon->setObjectName(QStringLiteral("pnlMoon"));
    pnlMoon->setGeometry(0, 17, kClientWidth, kClientHeight - 17);
    pnlMoon->SetColor(Rgb(255, 255, 255));
    pnlMoon->SetEdgeSpacing(3);
    for (int i = 0; i < 12; ++i) {
        const RingPlace& at = kMoonRing[i];
        imgMoon[i] = new QLabel(pnlMoon);
        imgMoon[i]->setObjectName(QStringLiteral("imgMoon%1").arg(i));
        imgMoon[i]->setGeometry(at.moonLeft, at.moonTop, 32, 32);
        imgMoon[i]->setToolTip(QString::fromUtf8(MoonPhaseNames[i].data(), MoonPhaseNames[i].size()));
        imgCheck[i] = new QLabel(pnlMoon);
        imgCheck[i]->setObjectName(QStringLiteral("imgCheck%1").arg(i));
        imgCheck[i]->setGeometry(at.checkLeft, at.checkTop, 16, 16);
    }
    // Centred inside the ring of markers.
    lblState = new QLabel(QStringLiteral("現在： 二十六夜"), pnlMoon);
    lblState->setObjectName(QStringLiteral("lblState"));
    QFont bold = font();
    bold.setBold(true);
    lblState->setFont(bold);
    lblState->setAlignment(Qt::AlignCenter);
    lblState->setGeometry(59, 68, 104, 14);
    SetMoonPictures(MoonPictures());

    tmrMoon->setObjectName(QStringLiteral("tmrMoon"));
    tmrMoon->setInterval(500);
    connect(tmrMoon, &QTimer::timeout, this, &TfrmMoon::tmrMoonTimer);
    WatchMouse();
}

void TfrmMoon::SetMoonPictures(const QVector<QPixmap>& pictures) {
    for (int i = 0; i < 12; ++i) imgMoon[i]->setPixmap(i < pictures.size() ? pictures[i] : QPixmap());
}

void TfrmMoon::FormShow() {
    const int moon = MoonPhase();
    shownPhase_ = moon;
    lblState->setText(QString::fromStdString(MoonStateText(moon)));
    for (int i = 0; i < 12; ++i)
        imgCheck[i]->setPixmap(i == moon && i < imgArrow.size() ? imgArrow[i] : QPixmap());
}

void TfrmMoon::tmrMoonTimer() {
    const int moon = MoonPhase();
    // The name and the marker follow a phase that ends while the window is open,
    // as the countdown does.
    if (isVisible() && moon != shownPhase_) FormShow();
    const auto seconds = MoonCountdownSeconds(GetVanaTime(), moon, GetLocalNow(), GetLocalBias());
    lblCount->setText(QString::fromStdString(MoonCountdownText(seconds)));
    lblCount->adjustSize();
}

}  // namespace norvane
