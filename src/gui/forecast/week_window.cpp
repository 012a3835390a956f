#include "gui/forecast/week_window.h"

#include <QLabel>
#include <QTimer>

#include "core/schedules/forecast.h"
#include "core/time/vanatime.h"
#include "gui/art/pictures.h"
#include "gui/controls/edge_panel.h"

namespace norvane {

TfrmWeek::TfrmWeek(QWidget* parent)
    : TForecastWindow(parent, kClientWidth, kClientHeight, QStringLiteral("今日の残り時間：")),
      pnlWeek(new TEdgePanel(this)),
      imgWeekG(WeekGreyPictures()),
      tmrWeek(new QTimer(this)),
      colour_(WeekPictures()) {
    setObjectName(QStringLiteral("frmWeek"));
    pnlWeek->setObjectName(QStringLiteral("pnlWeek"));
    pnlWeek->setGeometry(0, 17, kClientWidth, kClientHeight - 17);
    pnlWeek->SetColor(Rgb(255, 255, 255));
    pnlWeek->SetEdgeSpacing(3);
    for (int i = 0; i < 8; ++i) {
        imgWeek[i] = new QLabel(pnlWeek);
        imgWeek[i]->setObjectName(QStringLiteral("imgWeek%1").arg(i));
        imgWeek[i]->setGeometry(7 + 36 * i, 19, 32, 32);
        imgWeek[i]->setToolTip(QString::fromUtf8(VanaWeekdayNames[i].data(), VanaWeekdayNames[i].size()) +
                               QStringLiteral("曜日"));
        lblWeek[i] = new QLabel(pnlWeek);
        lblWeek[i]->setObjectName(QStringLiteral("lblWeek%1").arg(i));
        lblWeek[i]->setGeometry(7 + 36 * i, 6, 32, 13);
        lblWeek[i]->setAlignment(Qt::AlignCenter);  // the font's line is taller than the label
    }
    tmrWeek->setObjectName(QStringLiteral("tmrWeek"));
    tmrWeek->setInterval(500);
    connect(tmrWeek, &QTimer::timeout, this, &TfrmWeek::tmrWeekTimer);
    WatchMouse();
}

void TfrmWeek::FormShow() {
    tickWeekday_ = -1;
    const auto cells = WeekdayCells(weekday_);
    for (int i = 0; i < 8; ++i) {
        QPalette pal = lblWeek[i]->palette();
        pal.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
        lblWeek[i]->setPalette(pal);
        const QVector<QPixmap>& list = cells[i].coloured ? colour_ : imgWeekG;
        imgWeek[i]->setPixmap(i < list.size() ? list[i] : QPixmap());
        lblWeek[i]->setText(QString::fromStdString(cells[i].text));
    }
}

void TfrmWeek::tmrWeekTimer() {
    const VanaDateTime now = GetVanaTime();
    // A day that turns while the window is open (or a PC clock set back or on)
    // moves the marks with the countdown, rather than leaving them on the day
    // the window opened on until it is opened again.
    if (isVisible() && tickWeekday_ >= 0 && now.Weekday != tickWeekday_) {
        weekday_ = now.Weekday;
        FormShow();
    }
    tickWeekday_ = now.Weekday;
    const auto seconds = WeekCountdownSeconds(now, GetLocalNow(), GetLocalBias());
    lblCount->setText(QString::fromStdString(WeekCountdownText(seconds)));
    lblCount->adjustSize();
}

}  // namespace norvane
