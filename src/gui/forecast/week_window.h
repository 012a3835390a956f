#pragma once
// The weekday forecast window: the eight game weekdays with today, tomorrow
// and the weakened weekday marked, and the Earth time left in today.
#include <QPixmap>
#include <QVector>

#include <array>

#include "gui/forecast/forecast_window.h"

namespace norvane {

class TfrmWeek : public TForecastWindow {
    Q_OBJECT
public:
    explicit TfrmWeek(QWidget* parent = nullptr);
    static constexpr int kClientWidth = 298;
    static constexpr int kClientHeight = 74;

    // The main window's last drawn weekday index, read each time the window shows;
    // while it shows, a day that turns moves the marks along.
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
    int tickWeekday_ = -1;  // the game weekday at the last tick since the marks were set
    QVector<QPixmap> colour_;
};

}  // namespace norvane
