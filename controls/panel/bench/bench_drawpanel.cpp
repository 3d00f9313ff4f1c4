// DrawPanel on a full-HD panel: horizontal gradient, vertical gradient and
// a 57 x 57 tiled picture. Run with QT_QPA_PLATFORM=offscreen.
#include "qorvpanel.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

QorvPanel& fullHdPanel()
{
    static QorvPanel panel;
    static const bool sized = [] {
        panel.resize(1920, 1080);
        panel.setCaption("QorvPanel1");
        return true;
    }();
    (void)sized;
    return panel;
}

void drawWithGradient(benchmark::State& state, int sens)
{
    QorvPanel& panel = fullHdPanel();
    panel.setGradientColorStart(0x000000);
    panel.setGradientColorEnd(0xFF8040);
    panel.setGradientSens(sens);
    panel.setGradientBackColor(true);
    for (auto _ : state)
        panel.DrawPanel();
}

void BM_DrawPanelHorizontalGradient(benchmark::State& state)
{
    drawWithGradient(state, QorvPanel::Horizontal);
}

void BM_DrawPanelVerticalGradient(benchmark::State& state)
{
    drawWithGradient(state, QorvPanel::Vertical);
}

void BM_DrawPanelTiledPicture(benchmark::State& state)
{
    QorvPanel& panel = fullHdPanel();
    QImage tile(57, 57, QImage::Format_ARGB32);
    tile.fill(QColor(200, 120, 40));
    panel.setGradientBackColor(false);
    panel.setPicture(tile);
    for (auto _ : state)
        panel.DrawPanel();
}

} // namespace

BENCHMARK(BM_DrawPanelHorizontalGradient)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawPanelVerticalGradient)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawPanelTiledPicture)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
