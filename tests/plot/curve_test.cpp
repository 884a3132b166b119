#include "plot/border.h"
#include "plot/data_area.h"
#include "plot/line_annotation.h"
#include "plot/range.h"
#include "plot/recording_graphics.h"

#include <limits>
#include <memory>

#include <gtest/gtest.h>

namespace plot {
namespace {

std::unique_ptr<CCurveData> Series(std::initializer_list<double> values) {
    auto s = std::make_unique<CCurveData>();
    for (double v : values) {
        s->Append(v);
    }
    return s;
}

TEST(CurveData, TracksExtremesAndGrowsInSteps) {
    CCurveData d;
    d.Append(5.0, "a");
    d.Append(2.0);
    d.Append(9.0);
    d.Append(2.0);  // equal minimum: the first stays
    EXPECT_EQ(d.MinValue(), 2.0);
    EXPECT_EQ(d.MinIndex(), 1);
    EXPECT_EQ(d.MaxValue(), 9.0);
    EXPECT_EQ(d.MaxIndex(), 2);
    EXPECT_EQ(d.LabelAt(0), "a");
    EXPECT_EQ(d.LabelAt(-1), "");
    EXPECT_EQ(d.LabelAt(4), "");
    EXPECT_GE(d.Capacity(), 100);
}

/// A data area over 0..100 x 0..10 mapped onto (0, 0, 100, 100) so device points are easy.
class CurveFixture : public ::testing::Test {
protected:
    CurveFixture() : x("X", 0), y("Y", 1), area("Area", &x, &y) {
        CLayoutRect l;
        l.relW = 1.0;
        l.relH = 1.0;
        area.SetLayoutRect(l);
        x.SetAutoScale(0);
        y.SetAutoScale(0);
        x.SetMinMax(0.0, 100.0);
        y.SetMinMax(0.0, 10.0);
    }
    void Draw() {
        area.Layout(g, 0, 0, 100, 100);
        g.clear();
        area.DrawBackground(g);
        area.DrawContent(g);
    }
    CRange x;
    CRange y;
    CDataArea area;
    RecordingGraphics g;
};

TEST_F(CurveFixture, DrawsOnlyAsManyPointsAsTheShorterSeries) {
    area.AddCurve2D("c", Series({0.0, 50.0, 100.0}), Series({0.0, 10.0}));
    Draw();
    const auto lines = g.linesStartingWith("polyline");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "polyline 2pts 0,100 50,0 pen=#FF000000/1");
}

TEST_F(CurveFixture, PointsThatAreNotNumbersBreakTheLine) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    CDataAreaCurve* c = area.AddCurve2D("c", Series({nan, 0.0, 20.0, nan, 60.0, 80.0, 100.0}),
                                        Series({1.0, 1.0, 2.0, 3.0, nan, 4.0, 5.0}));
    EXPECT_EQ(c->XMin(), 0.0);  // extremes come from the finite values only
    EXPECT_EQ(c->XMinIndex(), 1);
    EXPECT_EQ(c->YMax(), 5.0);
    c->GetSymbol().shape = kSymbolSquare;
    c->GetSymbol().size = 2.0;
    c->SetSymbolPlacement(kPlaceEveryPoint);
    Draw();
    const auto lines = g.linesStartingWith("polyline");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "polyline 2pts 0,90 20,80 pen=#FF000000/1");
    EXPECT_EQ(lines[1], "polyline 2pts 80,60 100,50 pen=#FF000000/1");
    EXPECT_EQ(g.linesStartingWith("fillrect").size(), 4u);
    PointF p;
    EXPECT_EQ(c->NearestPoint(0.0, 100.0, &p), 1);
}

TEST_F(CurveFixture, HighlightedCurvesAreDrawnLastInTheirColour) {
    CDataAreaCurve* a = area.AddCurve2D("a", Series({0.0, 100.0}), Series({1.0, 1.0}));
    CDataAreaCurve* b = area.AddCurve2D("b", Series({0.0, 100.0}), Series({2.0, 2.0}));
    area.AddCurve2D("c", Series({0.0, 100.0}), Series({3.0, 3.0}));
    a->SetHighlighted(1);
    b->SetColor(0xFF0000FFu);
    Draw();
    const auto lines = g.linesStartingWith("polyline");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "polyline 2pts 0,80 100,80 pen=#FF0000FF/1");
    EXPECT_EQ(lines[1], "polyline 2pts 0,70 100,70 pen=#FF000000/1");
    EXPECT_EQ(lines[2], "polyline 2pts 0,90 100,90 pen=#FFFF0000/1");
}

TEST_F(CurveFixture, FillsComeBeforeLinesAndBackgroundFillsInTheBackground) {
    area.SetBackgroundColor(0xFFFFFFFFu);
    CDataAreaCurve* front = area.AddCurve2D("front", Series({0.0, 100.0}), Series({5.0, 5.0}));
    CDataAreaCurve* back = area.AddCurve2D("back", Series({0.0, 100.0}), Series({2.0, 2.0}));
    front->Fill(0).fillMode = kFillToBottom;
    front->Fill(0).fillColor = 0xFF00FF00u;
    back->Fill(0).fillMode = kFillToTop;
    back->Fill(0).hatched = 1;
    back->Fill(0).hatchStyle = kHatchCross;
    back->SetFillInFront(0);
    Draw();
    std::vector<std::string> kinds;
    for (const std::string& line : g.lines()) {
        const std::string word = line.substr(0, line.find(' '));
        if (word == "fillrect" || word == "fillpolygon" || word == "polyline") {
            kinds.push_back(line);
        }
    }
    ASSERT_EQ(kinds.size(), 5u);
    EXPECT_EQ(kinds[0], "fillrect 0,0,100,100 brush=#FFFFFFFF");
    EXPECT_EQ(kinds[1], "fillpolygon 4pts 0,80 100,80 100,0 0,0 hatch=4/#FF000000/#00FFFFFF");
    EXPECT_EQ(kinds[2], "fillpolygon 4pts 0,50 100,50 100,100 0,100 brush=#FF00FF00");
    EXPECT_EQ(kinds[3].rfind("polyline 2pts 0,50", 0), 0u);
    EXPECT_EQ(kinds[4].rfind("polyline 2pts 0,80", 0), 0u);
    // Curves are clipped one pixel inside the area.
    EXPECT_NE(g.text().find("clip.intersect 1,1,98,98"), std::string::npos);
}

struct PlacementCase {
    const char* name;
    int shape;
    int placement;
    int points;
    std::size_t symbols;
};

class SymbolPlacementTest : public CurveFixture,
                            public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(SymbolPlacementTest, DrawsTheRightNumberOfSymbols) {
    const PlacementCase& c = GetParam();
    auto xs = std::make_unique<CCurveData>();
    auto ys = std::make_unique<CCurveData>();
    for (int i = 0; i < c.points; ++i) {
        xs->Append(10.0 * i);
        ys->Append(1.0);
    }
    CDataAreaCurve* curve = area.AddCurve2D("c", std::move(xs), std::move(ys));
    curve->GetSymbol().shape = c.shape;
    curve->GetSymbol().size = 4.0;
    curve->SetSymbolPlacement(c.placement);
    Draw();
    EXPECT_EQ(g.linesStartingWith("fillrect").size(), c.symbols);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, SymbolPlacementTest, ::testing::Values(
    PlacementCase{"no_shape_every_point",  kSymbolNone,   kPlaceEveryPoint,   5, 0},
    PlacementCase{"every_point",           kSymbolSquare, kPlaceEveryPoint,   5, 5},
    PlacementCase{"first",                 kSymbolSquare, kPlaceFirst,        5, 1},
    PlacementCase{"last",                  kSymbolSquare, kPlaceLast,         5, 1},
    PlacementCase{"first_and_last",        kSymbolSquare, kPlaceFirstAndLast, 5, 2},
    PlacementCase{"first_and_last_single", kSymbolSquare, kPlaceFirstAndLast, 1, 1},
    PlacementCase{"pointer_unset",         kSymbolSquare, kPlacePointer,      5, 0}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST_F(CurveFixture, PointerReadOutAndNearestPoint) {
    CDataAreaCurve* c = area.AddCurve2D("c", Series({0.0, 50.0, 100.0}), Series({0.0, 5.0, 10.0}));
    area.Layout(g, 0, 0, 100, 100);
    PointF p;
    EXPECT_EQ(c->NearestPoint(48.0, 55.0, &p), 1);
    EXPECT_DOUBLE_EQ(p.x, 50.0);
    EXPECT_DOUBLE_EQ(p.y, 50.0);
    c->SetPointerPosition(50.0, 50.0, 1);
    EXPECT_EQ(c->GetSymbol().label.text, "(50.0, 5.0)");
    CDataAreaCurve* empty = area.AddCurve2D("e", Series({}), Series({}));
    area.Layout(g, 0, 0, 100, 100);
    EXPECT_EQ(empty->NearestPoint(1.0, 1.0, &p), -1);
    EXPECT_EQ(p.x, -1.0);
}

TEST_F(CurveFixture, TooltipsUseLabelsOrValues) {
    auto xs = std::make_unique<CCurveData>();
    auto ys = std::make_unique<CCurveData>();
    xs->Append(50.0, "Stroke ");
    ys->Append(5.0, "top");
    xs->Append(100.0);
    ys->Append(2.5);
    CDataAreaCurve* c = area.AddCurve2D("c", std::move(xs), std::move(ys));
    area.Layout(g, 0, 0, 100, 100);
    EXPECT_EQ(c->GetTooltipText(50.0, 50.0), "");  // tooltips are off by default
    c->SetTooltipsEnabled(1);
    EXPECT_EQ(area.GetTooltipText(53.0, 47.0), "Stroke top");
    EXPECT_EQ(area.GetTooltipText(54.0, 50.0), "");
    EXPECT_EQ(area.GetTooltipText(99.0, 76.0), "100, 2.5");
}

TEST_F(CurveFixture, RemovingACurveHandsItBackAndClearsReferences) {
    CDataAreaCurve* a = area.AddCurve2D("a", Series({0.0, 100.0}), Series({1.0, 1.0}));
    CDataAreaCurve* b = area.AddCurve2D("b", Series({0.0, 100.0}), Series({2.0, 2.0}));
    a->Fill(0).fillMode = kFillToCurve;
    a->Fill(0).otherCurve = b;
    area.SetSelectedCurve(b);
    std::unique_ptr<CDataAreaCurve> removed = area.RemoveCurve("b");
    EXPECT_EQ(removed.get(), b);
    EXPECT_EQ(area.FindCurve("b"), nullptr);
    EXPECT_EQ(area.GetSelectedCurve(), nullptr);
    EXPECT_EQ(a->Fill(0).otherCurve, nullptr);
    EXPECT_EQ(area.RemoveCurve("b"), nullptr);
    Draw();  // must not touch the removed curve
}

TEST_F(CurveFixture, LineAnnotationsSpanTheAreaOrStandVertical) {
    auto* line = static_cast<CLineAnnotation*>(
        area.AddObject(std::make_unique<CLineAnnotation>("Limit", 0.2, 0.0)));
    auto* vertical = static_cast<CLineAnnotation*>(area.AddObject(std::make_unique<CLineAnnotation>(
        "V", CLineAnnotation::kVerticalSlope, -25.0 * CLineAnnotation::kVerticalSlope)));
    Draw();
    // y = 0.2 x leaves the top (y = 10) at x = 50.
    EXPECT_DOUBLE_EQ(line->End().x, 50.0);
    EXPECT_DOUBLE_EQ(line->End().y, 0.0);
    EXPECT_NEAR(vertical->Start().x, 25.0, 1e-9);  // 1e15 slopes leave ulp-size residue
    EXPECT_NEAR(vertical->End().x, 25.0, 1e-9);
    EXPECT_EQ(g.linesStartingWith("line").size(), 2u);
    EXPECT_NE(g.text().find("string \"Limit\""), std::string::npos);
}

TEST(Border, TransparentSidesDrawNothing) {
    RecordingGraphics g;
    CBorder border;
    border.Draw(g, RectF{0, 0, 10, 10});
    EXPECT_TRUE(g.lines().empty());
    border.SetBorderColor(0xFF000000u);
    border.left.SetColor(0x00000000u);
    border.Draw(g, RectF{0, 0, 10, 10});
    EXPECT_EQ(g.text(),
              "line 0,0 10,0 pen=#FF000000/0\n"
              "line 0,10 10,10 pen=#FF000000/0\n"
              "line 10,0 10,10 pen=#FF000000/0\n");
}

}  // namespace
}  // namespace plot
