#pragma once
// The moon forecast window: the twelve phases in a ring with the current one
// marked and named, and the Earth time left in it.
#include <QPixmap>
#include <QVector>

#include <array>

#include "gui/forecast/forecast_window.h"

namespace norvane {

class TfrmMoon : public TForecastWindow {
    Q_OBJECT
public:
    explicit TfrmMoon(QWidget* parent = nullptr);
    static constexpr int kClientWidth = 222;
    static constexpr int kClientHeight = 167;

    // The main window's last drawn moon-phase index, read each time the window
    // shows and by every countdown tick.
    void SetMoonPhase(int moon) { moon_ = moon; }
    int MoonPhase() const { return moon_; }
    // The main window's moon pictures (imgMoon), shown around the ring.
    void SetMoonPictures(const QVector<QPixmap>& pictures);

    TEdgePanel* pnlMoon;
    std::array<QLabel*, 12> imgMoon{};
    std::array<QLabel*, 12> imgCheck{};
    QLabel* lblState;
    QVector<QPixmap> imgArrow;
    QTimer* tmrMoon;

public slots:
    void tmrMoonTimer();

protected:
    TEdgePanel* Panel() const override { return pnlMoon; }
    QTimer* Timer() const override { return tmrMoon; }
    void FormShow() override;
    void Tick() override { tmrMoonTimer(); }

private:
    int moon_ = 0;
};

}  // namespace norvane
