#include "plot/qt/render_targets.h"
#include "plot/standard_plot.h"

#include <cmath>
#include <vector>

#include <QColor>
#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

namespace plot {
namespace {

/// A surface-card-like loop and a pump-card-like loop over a 100 inch stroke.
void AddCards(CPlot& plot) {
    std::vector<double> sx, sy, px, py;
    const double pi = 3.14159265358979323846;
    for (int i = 0; i <= 200; ++i) {
        const double t = 2.0 * pi * i / 200.0;
        const double pos = 50.0 * (1.0 - std::cos(t));
        sx.push_back(pos);
        sy.push_back(9000.0 + 4000.0 * std::sin(t) + 1500.0 * std::sin(2.0 * t));
        px.push_back(0.9 * pos);
        py.push_back(3000.0 + 2800.0 * std::tanh(3.0 * std::sin(t)));
    }
    ReplaceCurve(plot, "SurfaceCard", sx, sy, 0, 0)->SetColor(0xFF0000FFu);
    ReplaceCurve(plot, "PumpCard", px, py, 0, 0)->SetColor(0xFFFF0000u);
}

TEST(PlotRender, StandardPlotIntoAnImage) {
    CPlot plot;
    BuildStandardPlot(plot, nullptr, nullptr);
    AddStandardTextBlocks(plot, "Dynamometer Cards", "Position (in)", "Load (lbs)");
    AddCards(plot);
    const QImage image =
        renderImage(600, 400, [&](Graphics& g, const RectF& r) { plot.Draw(g, r); });
    // Kept for a look by eye; the checks below do not need it.
    image.save(QDir::temp().filePath(QStringLiteral("zelk_plot_render_cards.png")));
    auto isDark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 100; };
    // The data area's left and bottom borders are black lines at x = 80 and y = 300.
    EXPECT_TRUE(isDark(80, 200));
    EXPECT_TRUE(isDark(300, 300));
    // Its top border is white over the white background; the plot border is grey.
    EXPECT_EQ(QColor(image.pixel(300, 60)), QColor(255, 255, 255));
    EXPECT_EQ(QColor(image.pixel(0, 200)), QColor(0x80, 0x80, 0x80));
    // Both cards show in their colours somewhere inside the data area.
    int blue = 0;
    int red = 0;
    for (int y = 61; y < 300; ++y) {
        for (int x = 81; x < 580; ++x) {
            const QColor c(image.pixel(x, y));
            blue += c.blue() > 200 && c.red() < 80 ? 1 : 0;
            red += c.red() > 200 && c.blue() < 80 ? 1 : 0;
        }
    }
    EXPECT_GT(blue, 300);
    EXPECT_GT(red, 300);
}

}  // namespace
}  // namespace plot
