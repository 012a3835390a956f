#include "gui/forecast/forecast_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include "gui/controls/edge_panel.h"
#include "platform_gui/ui_font.h"

namespace norvane {

QFont ForecastFont() { return UiFont(12); }

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

void TForecastWindow::SetFrameColor(Colour colour) {
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

}  // namespace norvane
