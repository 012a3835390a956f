#pragma once
// What the weekday and moon forecast windows share: a title strip with the
// countdown, a framed panel, and closing at a mouse press.
#include <QFont>
#include <QString>
#include <QWidget>

#include "gui/controls/gdi.h"

class QLabel;
class QTimer;

namespace norvane {

class TEdgePanel;

// "MS UI Gothic" 12 px when installed, else the Japanese sans-serif at 12 px.
QFont ForecastFont();

// Closes on any mouse press on itself or its controls; reports that and its
// closing so the main window can keep its open mark and topmost state.
class TForecastWindow : public QWidget {
    Q_OBJECT
public:
    // Colours the top strip, the title and count backgrounds and the panel's edge.
    void SetFrameColor(Colour colour);

    QWidget* shpTop;
    QLabel* lblTitle;
    QLabel* lblCount;

signals:
    // FormMouseDown: the main window clears its open mark for this window.
    void pressed();
    // On closing: the timer is stopped; the main window restores its
    // always-on-top state if it had one.
    void closed();

protected:
    TForecastWindow(QWidget* parent, int width, int height, const QString& title);
    // Finishes construction once the subclass has built its controls.
    void WatchMouse();
    virtual TEdgePanel* Panel() const = 0;
    virtual QTimer* Timer() const = 0;
    virtual void FormShow() = 0;
    virtual void Tick() = 0;

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void FormMouseDown();
};

}  // namespace norvane
