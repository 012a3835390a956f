#pragma once
// The weekday forecast window: the eight game weekdays with today, tomorrow
// and the weakened weekday marked, and the Earth time left in today.
#include <QFont>
#include <QPixmap>
#include <QVector>
#include <QWidget>

#include <array>

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
    void SetFrameColor(ColorRef colour);

    QWidget* shpTop;
    QLabel* lblTitle;
    QLabel* lblCount;

signals:
    // FormMouseDown: the main window clears its open mark for this window.
    void pressed();
    // FormCloseQuery: the timer is stopped; the main window restores its
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

class TfrmWeek : public TForecastWindow {
    Q_OBJECT
public:
    explicit TfrmWeek(QWidget* parent = nullptr);
    static constexpr int kClientWidth = 298;
    static constexpr int kClientHeight = 74;

    // The main window's last drawn weekday index, read each time the window shows.
    void SetWeekday(int weekday) { weekday_ = weekday; }
    int Weekday() const { return weekday_; }
    // The main window's coloured weekday pictures (imgWeek).
    void SetWeekPictures(const QVector<QPixmap>& pictures) { colour_ = pictures; }

    TEdgePanel* pnlWeek;
    std::array<QLabel*, 8> imgWeek{};
    std::array<QLabel*, 8> lblWeek{};
    QVector<QPixmap> imgWeekG;
    QTimer* tmrWeek;

public slots:
    // Countdown refresh; the opener also runs it once before showing.
    void tmrWeekTimer();

protected:
    TEdgePanel* Panel() const override { return pnlWeek; }
    QTimer* Timer() const override { return tmrWeek; }
    void FormShow() override;
    void Tick() override { tmrWeekTimer(); }

private:
    int weekday_ = 0;
    QVector<QPixmap> colour_;
};

}  // namespace norvane
