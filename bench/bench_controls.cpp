// Painting cost of the custom controls, rendered offscreen into an image.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEnterEvent>
#include <QImage>

#include "gui/controls/line_page.h"
#include "gui/controls/line_page_control.h"
#include "gui/controls/title_button.h"
#include "gui/controls/title_buttons.h"

using namespace norvane;

namespace {

// The main window's page control: 514 x 324, seven pages, tabs at the bottom.
void BM_PageControlPaint(benchmark::State& state) {
    TLinePageControl pcl;
    pcl.resize(514, 324);
    pcl.SetEdgeRound(rkBottomLeft | rkBottomRight);
    pcl.SetPanelStyle(state.range(0) != 0);
    for (const char* caption : {"タイマー", "船・飛空挺", "ギルド", "種族装備", "チョコボ", "スキル", "カレンダー"}) {
        auto* page = new TLinePage(&pcl);
        page->SetCaption(QString::fromUtf8(caption));
    }
    QImage image(pcl.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        pcl.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PageControlPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One title button repainted, hot (symbol, shadow and corner shades).
void BM_TitleButtonPaint(benchmark::State& state) {
    QWidget form;
    TTitleButtons bar;
    bar.SetForm(&form);
    TTitleButton* button = bar.CloseButton();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(button, &enter);
    QImage image(button->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        button->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_TitleButtonPaint)->Unit(benchmark::kMicrosecond);

}  // namespace
