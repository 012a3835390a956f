#pragma once
// The moon forecast window: the twelve phases in a ring with the current one
// marked and named, and the Earth time left in it.
#include <QPixmap>
#include <QVector>

#include <array>
#include <functional>

#include "gui/forecast/forecast_window.h"

namespace norvane {

class TfrmMoon : public TForecastWindow {
    Q_OBJECT
public:
    explicit TfrmMoon(QWidget* parent = nullptr);
    static constexpr int kClientWidth = 222;
    static constexpr int kClientHeight = 167;

    // Where the main window's current moon-phase index (the one its clock last
    // drew) is read: each time the window shows and on every countdown tick, so
    // that a phase ending while the window is open does not leave the count
    // aimed at the end of the day.
    void SetMoonPhaseSource(std::function<int()> source) { phase_ = std::move(source); }
    // A fixed index, for a window shown on its own.
    void SetMoonPhase(int moon) {
        phase_ = [moon] { return moon; };
    }
    int MoonPhase() const { return phase_(); }
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
    std::function<int()> phase_ = [] { return 0; };
    int shownPhase_ = -1;  // the phase named and marked
};

}  // namespace norvane
