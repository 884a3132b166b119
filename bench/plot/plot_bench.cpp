// Drawing the main window's three result plots (cards, pump velocity, gearbox torque) into one
// 1200 x 800 image; the target is under 20 ms for all three together.
#include "plot/qt/painter_graphics.h"
#include "plot/qt/render_targets.h"
#include "plot/standard_plot.h"

#include <cmath>
#include <memory>
#include <vector>

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kPoints = 500;  // points per curve, about what one calculated stroke gives

std::unique_ptr<plot::CPlot> MakePlot(const char* title, const char* x, const char* y) {
    auto p = std::make_unique<plot::CPlot>();
    plot::BuildStandardPlot(*p, nullptr, nullptr);
    plot::AddStandardTextBlocks(*p, title, x, y);
    return p;
}

std::vector<std::unique_ptr<plot::CPlot>> MakeResultPlots() {
    std::vector<double> pos, surface, pumpPos, pump, velocity, angle, torque;
    for (int i = 0; i < kPoints; ++i) {
        const double t = 2.0 * kPi * i / (kPoints - 1);
        pos.push_back(60.0 * (1.0 - std::cos(t)));
        surface.push_back(9000.0 + 4000.0 * std::sin(t) + 1500.0 * std::sin(2.0 * t));
        pumpPos.push_back(0.85 * pos.back());
        pump.push_back(3000.0 + 2800.0 * std::tanh(3.0 * std::sin(t)));
        velocity.push_back(40.0 * std::sin(t));
        angle.push_back(360.0 * i / (kPoints - 1));
        torque.push_back(300000.0 * std::sin(2.0 * t) + 80000.0 * std::sin(t));
    }
    std::vector<std::unique_ptr<plot::CPlot>> plots;
    plots.push_back(MakePlot("Dynamometer Cards", "Position (in)", "Load (lbs)"));
    plot::ReplaceCurve(*plots.back(), "Surface", pos, surface, 0, 0)->SetColor(0xFF0000FFu);
    plot::ReplaceCurve(*plots.back(), "Pump", pumpPos, pump, 0, 0)->SetColor(0xFFFF0000u);
    plots.push_back(MakePlot("Pump Velocity", "Position (in)", "Velocity (in/s)"));
    plot::ReplaceCurve(*plots.back(), "Velocity", pumpPos, velocity, 0, 0);
    plots.push_back(MakePlot("Net Gearbox Torque", "Crank Angle (deg)", "Torque (in-lbs)"));
    plot::ReplaceCurve(*plots.back(), "Torque", angle, torque, 0, 0);
    return plots;
}

void BM_ThreeResultPlots(benchmark::State& state) {
    plot::ensureGuiApplication();
    auto plots = MakeResultPlots();
    QImage image(1200, 800, QImage::Format_ARGB32_Premultiplied);
    const plot::RectF rects[3] = {{0, 0, 600, 800}, {600, 0, 600, 400}, {600, 400, 600, 400}};
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        plot::PainterGraphics g(painter);
        for (int i = 0; i < 3; ++i) {
            plots[static_cast<std::size_t>(i)]->InvalidateAll();  // full layout every time
            plots[static_cast<std::size_t>(i)]->Draw(g, rects[i]);
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ThreeResultPlots)->Unit(benchmark::kMillisecond);

void BM_ThreeResultPlotsLayoutOnly(benchmark::State& state) {
    plot::ensureGuiApplication();
    auto plots = MakeResultPlots();
    QImage image(1200, 800, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    plot::PainterGraphics g(painter);
    for (auto _ : state) {
        for (auto& p : plots) {
            p->InvalidateAll();
            p->Layout(g, 0, 0, 600, 400);
        }
    }
}
BENCHMARK(BM_ThreeResultPlotsLayoutOnly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
