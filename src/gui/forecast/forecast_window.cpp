#include "gui/forecast/forecast_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include "core/schedules/forecast.h"
#include "core/time/vanatime.h"
#include "gui/art/pictures.h"
#include "gui/controls/custom_edge_panel.h"
#include "platform/ui_font.h"

namespace norvane {

QFont ForecastFont() { return UiFont(12); }

// ---- TForecastWindow ----

TForecastWindow::TForecastWindow(QWidget* parent, int width, int height, const QString& title)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint),
      shpTop(new QWidget(this)),
      lblTitle(new QLabel(title, shpTop)),
      lblCount(new QLabel(QStringLiteral("00:00"), shpTop)) {
    setFixedSize(width, height);
    setFont(ForecastFont());
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    shpTop->setObjectName(QStringLiteral("shpTop"));
    shpTop->setGeometry(0, 0, width, 17);
    shpTop->setAutoFillBackground(true);
    QFont bold = font();
    bold.setBold(true);
    for (QLabel* label : {lblTitle, lblCount}) {
        label->setFont(bold);
        label->setAutoFillBackground(true);
    }
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblCount->setObjectName(QStringLiteral("lblCount"));
    lblTitle->move(4, 2);
    lblTitle->adjustSize();
    lblCount->adjustSize();
    lblCount->move(lblTitle->geometry().right() + 1 + 4, 2);
}

void TForecastWindow::WatchMouse() {
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
    SetFrameColor(Rgb(0x80, 0x80, 0x80));
}

void TForecastWindow::SetFrameColor(ColorRef colour) {
    const QColor c = ToQColor(colour);
    for (QWidget* w : {shpTop, static_cast<QWidget*>(lblTitle), static_cast<QWidget*>(lblCount)}) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, c);
        pal.setColor(QPalette::WindowText, Qt::white);
        w->setPalette(pal);
    }
    Panel()->SetEdgeColor(colour);
}

void TForecastWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormShow();
    // The countdown runs only while the window shows.
    if (!Timer()->isActive()) {
        Tick();
        Timer()->start();
    }
}

void TForecastWindow::hideEvent(QHideEvent* event) {
    Timer()->stop();
    QWidget::hideEvent(event);
}

void TForecastWindow::closeEvent(QCloseEvent* event) {
    Timer()->stop();
    event->accept();
    emit closed();
}

bool TForecastWindow::eventFilter(QObject* watched, QEvent* event) {
    if (isVisible() && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        FormMouseDown();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TForecastWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    FormMouseDown();
}

void TForecastWindow::FormMouseDown() {
    emit pressed();
    close();
}

// ---- TfrmWeek ----

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
    const auto seconds = WeekCountdownSeconds(GetVanaTime(), GetLocalNow(), GetLocalBias());
    lblCount->setText(QString::fromStdString(WeekCountdownText(seconds)));
    lblCount->adjustSize();
}

}  // namespace norvane
