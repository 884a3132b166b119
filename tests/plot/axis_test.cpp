#include "plot/plot.h"
#include "plot/recording_graphics.h"
#include "plot/standard_plot.h"

#include <gtest/gtest.h>

namespace plot {
namespace {

/// A plot whose data area spans the full width of the target, X fixed to 0..100, with an
/// X axis below it. The recording metrics make an 8-point digit 5.33 pixels wide.
class AxisFixture : public ::testing::Test {
protected:
    AxisFixture() {
        x = plot.AddRange("X", 0);
        y = plot.AddRange("Y", 1);
        area = plot.AddDataArea("Area", x, y);
        CLayoutRect l;
        l.relW = 1.0;
        l.relH = 0.5;
        plot.SetPlotAreaLayout(l);
        axis = plot.AddAxis("XAxis", area, kDockBottom, false, nullptr, 0.1);
        axis->GetLabelText().SetFontSize(8.0);
        x->SetAutoScale(0);
        x->SetMinMax(0.0, 100.0);
    }
    std::vector<std::string> Labels() const {
        std::vector<std::string> out;
        for (const CTickMarkInfo& t : axis->MajorTicks()) {
            out.push_back(t.label);
        }
        return out;
    }
    CPlot plot;
    RecordingGraphics g;
    CRange* x = nullptr;
    CRange* y = nullptr;
    CDataArea* area = nullptr;
    CAxis* axis = nullptr;
};

TEST_F(AxisFixture, WideAxisKeepsEveryTick) {
    plot.Layout(g, 0, 0, 600, 400);
    EXPECT_EQ(Labels(), (std::vector<std::string>{"0", "20", "40", "60", "80", "100"}));
    EXPECT_DOUBLE_EQ(axis->TickStep(), 20.0);
    EXPECT_EQ(axis->GridValues(), (std::vector<double>{0, 20, 40, 60, 80, 100}));
}

TEST_F(AxisFixture, OverlappingLabelsHalveTheTicks) {
    // 12 pixels between ticks: "80" and "100" overlap, so every odd tick goes.
    plot.Layout(g, 0, 0, 60, 400);
    EXPECT_EQ(Labels(), (std::vector<std::string>{"0", "40", "80"}));
    // Far too narrow: halving stops at two ticks.
    plot.Layout(g, 0, 0, 4, 400);
    EXPECT_EQ(axis->MajorTicks().size(), 2u);
}

TEST_F(AxisFixture, TicksOutsideTheSpanArePruned) {
    x->SetMinMax(-279.0, 1229.58);  // the axis asks for -600..1400 in steps of 200
    plot.Layout(g, 0, 0, 600, 400);
    EXPECT_EQ(Labels(),
              (std::vector<std::string>{"-200", "0", "200", "400", "600", "800", "1000", "1200"}));
}

TEST_F(AxisFixture, TickCountIsCutAtOneHundred) {
    axis->SetLabelSpacing(1);
    axis->GetLabelText().SetFontSize(0.01);  // labels too small to overlap
    plot.Layout(g, 0, 0, 1000, 400);
    ASSERT_EQ(axis->MajorTicks().size(), 100u);
    EXPECT_EQ(axis->MajorTicks().back().label, "9.9");
}

TEST_F(AxisFixture, UnitScaleAndDivisorChangeTheLabelsNotThePositions) {
    axis->SetUnitScale(2.0);  // shows 0..200
    plot.Layout(g, 0, 0, 600, 400);
    EXPECT_EQ(Labels().back(), "200");
    EXPECT_NEAR(axis->MajorTicks().back().position, 600.0, 1e-9);
    EXPECT_EQ(axis->GridValues().back(), 100.0);
    axis->SetLabelDivisor(1000.0);
    plot.Layout(g, 0, 0, 600, 400);
    EXPECT_EQ(Labels().back(), "0.2");
    axis->SetLabelDivisor(0.0);  // refused: labels would divide by zero
    plot.Layout(g, 0, 0, 600, 400);
    EXPECT_EQ(Labels().back(), "0.2");
}

TEST(StandardPlotDrawing, PassesRunInOrder) {
    CPlot plot;
    BuildStandardPlot(plot, nullptr, nullptr);
    AddStandardTextBlocks(plot, "Title", "X", "Y");
    ReplaceCurve(plot, "Card", {0.0, 100.0}, {0.0, 10.0}, 0, 0);
    RecordingGraphics g;
    plot.Draw(g, RectF{0, 0, 600, 400});
    const std::vector<std::string>& lines = g.lines();
    auto first = [&](const std::string& prefix) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].rfind(prefix, 0) == 0) {
                return static_cast<int>(i);
            }
        }
        return -1;
    };
    const int background = first("fillrect 80,60,500,240 brush=#FFFFFFFF");
    const int grid = first("line 80,60 80,300");  // first vertical grid line (x = 0)
    const int xLabel = first("string \"0\"");
    const int curve = first("polyline");
    const int title = first("string \"Title\"");
    const int yTitle = first("string \"Y\"");
    ASSERT_GE(background, 0);
    ASSERT_GE(grid, 0);
    ASSERT_GE(xLabel, 0);
    ASSERT_GE(curve, 0);
    ASSERT_GE(title, 0);
    EXPECT_LT(background, grid);
    EXPECT_LT(grid, xLabel);  // background pass (grids) before content (axes first)
    EXPECT_LT(xLabel, curve);
    EXPECT_LT(curve, title);
    EXPECT_LT(title, yTitle);
    // The Y label turns a quarter about its block's centre (-10..40, 60..300).
    EXPECT_NE(g.text().find("translate 15,180\nrotate 90\nstring \"Y\""), std::string::npos);
    // The plot border is the last thing drawn, grey.
    EXPECT_EQ(lines.back(), "line 599,0 599,399 pen=#FF808080/1");
}

}  // namespace
}  // namespace plot
