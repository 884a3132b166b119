#include "plot/layout_rect.h"
#include "plot/plot.h"
#include "plot/recording_graphics.h"
#include "plot/standard_plot.h"

#include <gtest/gtest.h>

namespace plot {
namespace {

void ExpectRect(const RectF& r, double x, double y, double w, double h) {
    // Layout is plain arithmetic on small pixel values; 1e-9 only absorbs fraction rounding.
    EXPECT_NEAR(r.x, x, 1e-9);
    EXPECT_NEAR(r.y, y, 1e-9);
    EXPECT_NEAR(r.w, w, 1e-9);
    EXPECT_NEAR(r.h, h, 1e-9);
}

TEST(LayoutRect, FixedEdgesAndFractions) {
    CLayoutRect l;
    EXPECT_TRUE(l.IsEmpty());
    l.relY = 0.25;
    l.relH = 0.5;
    l.left = 80.0;
    l.right = 20.0;
    EXPECT_FALSE(l.IsEmpty());
    ExpectRect(l.Resolve(10.0, 5.0, 600.0, 400.0, 1.0), 90.0, 105.0, 500.0, 200.0);
    // On a printed page the fixed values scale; the fractions do not.
    ExpectRect(l.Resolve(0.0, 0.0, 1200.0, 800.0, 2.0), 160.0, 200.0, 1000.0, 400.0);
}

TEST(LayoutRect, RightAndWidthPlaceFromTheRightEdge) {
    CLayoutRect l;
    l.right = 10.0;
    l.width = 50.0;
    l.bottom = 5.0;
    l.height = 20.0;
    l.offsetX = 7.0;  // ignored once fixed values decide
    ExpectRect(l.Resolve(0.0, 0.0, 300.0, 200.0, 1.0), 240.0, 175.0, 50.0, 20.0);
}

class StandardPlotLayout : public ::testing::Test {
protected:
    void SetUp() override {
        BuildStandardPlot(plot, nullptr, nullptr);
        AddStandardTextBlocks(plot, "Dynamometer Cards", "Position (in)", "Load (lbs)");
        ReplaceCurve(plot, "Surface", {0.0, 50.0, 100.0}, {1000.0, 9000.0, 3000.0}, 0, 0);
        plot.Layout(g, 0.0, 0.0, 600.0, 400.0);
    }
    CPlot plot;
    RecordingGraphics g;
};

TEST_F(StandardPlotLayout, PlacesAreaAxesAndTextBlocks) {
    ExpectRect(plot.FindDataArea("DataArea")->GetRect(), 80, 60, 500, 240);
    ExpectRect(plot.FindAxis("XAxis")->GetRect(), 80, 300, 500, 40);
    ExpectRect(plot.FindAxis("YAxis")->GetRect(), 40, 60, 40, 240);
    ExpectRect(plot.FindTextBlock("PlotTitle")->GetRect(), 80, 0, 500, 60);
    ExpectRect(plot.FindTextBlock("XLabel")->GetRect(), 80, 340, 500, 60);
    ExpectRect(plot.FindTextBlock("YLabel")->GetRect(), -10, 60, 50, 240);
}

TEST_F(StandardPlotLayout, RangesAndTicksFollowTheData) {
    const CRange* x = plot.FindRange("XRange");
    const CRange* y = plot.FindRange("YRange");
    EXPECT_DOUBLE_EQ(x->Min(), 0.0);
    EXPECT_DOUBLE_EQ(x->Max(), 120.0);  // 0..102 at step 20
    EXPECT_DOUBLE_EQ(y->Min(), 0.0);
    EXPECT_DOUBLE_EQ(y->Max(), 10000.0);
    const CAxis* xAxis = plot.FindAxis("XAxis");
    ASSERT_FALSE(xAxis->MajorTicks().empty());
    EXPECT_EQ(xAxis->MajorTicks().front().label, "0");
    EXPECT_EQ(xAxis->MajorTicks().back().label, "120");
    EXPECT_NEAR(xAxis->MajorTicks().back().position, 580.0, 1e-9);
    // Labels of a bottom axis hang below the tick length under the axis's top edge.
    EXPECT_NEAR(xAxis->MajorTicks().front().labelRect.y, 306.0, 1e-9);
    EXPECT_EQ(xAxis->GridValues().size(), xAxis->MajorTicks().size());
}

TEST_F(StandardPlotLayout, DockedObjectsStackOutward) {
    CTextBlock* extra = plot.AddTextBlock("Extra", "x", kDockLeft, true, 30.0);
    plot.InvalidateAll();
    plot.Layout(g, 0.0, 0.0, 600.0, 400.0);
    ExpectRect(extra->GetRect(), -40, 60, 30, 240);
    CTextBlock* top = plot.AddTextBlock("Top2", "x", kDockTop, false, 0.05);
    plot.Layout(g, 0.0, 0.0, 600.0, 400.0);
    ExpectRect(top->GetRect(), 80, -20, 500, 20);
}

TEST(PlotLookup, NamesAreExactAndCaseSensitive) {
    CPlot plot;
    BuildStandardPlot(plot, nullptr, nullptr);
    EXPECT_NE(plot.FindDataArea("DataArea"), nullptr);
    EXPECT_EQ(plot.FindDataArea("dataarea"), nullptr);
    EXPECT_NE(plot.FindRange("XRange"), nullptr);
    EXPECT_EQ(plot.FindAxis("XAxis "), nullptr);
    EXPECT_EQ(plot.FindTextBlock("PlotTitle"), nullptr);
    EXPECT_EQ(plot.FindPlotObject("anything"), nullptr);
}

TEST(SharedRanges, AreRangedOverTheUnionOfTheirUsers) {
    CPlot plot;
    CRange* x = plot.AddRange("X", 0);
    CRange* y1 = plot.AddRange("Y1", 1);
    CRange* y2 = plot.AddRange("Y2", 1);
    CDataArea* a = plot.AddDataArea("A", x, y1);
    CDataArea* b = plot.AddDataArea("B", x, y2);
    auto series = [](std::initializer_list<double> v) {
        auto s = std::make_unique<CCurveData>();
        for (double d : v) {
            s->Append(d);
        }
        return s;
    };
    a->AddCurve2D("a", series({3.0, 40.0}), series({0.0, 1.0}));
    b->AddCurve2D("b", series({10.0, 97.0}), series({0.0, 1.0}));
    RecordingGraphics g;
    plot.Layout(g, 0, 0, 600, 400);
    EXPECT_DOUBLE_EQ(x->Min(), 0.0);
    EXPECT_DOUBLE_EQ(x->Max(), 100.0);
    EXPECT_EQ(x->AutoScale(), 0);
    EXPECT_DOUBLE_EQ(a->GetTransform().data.w, 100.0);
    EXPECT_DOUBLE_EQ(b->GetTransform().data.w, 100.0);
}

}  // namespace
}  // namespace plot
