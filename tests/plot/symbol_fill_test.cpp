#include "plot/data_area.h"
#include "plot/range.h"
#include "plot/recording_graphics.h"
#include "plot/symbol.h"
#include "plot/text.h"

#include <memory>

#include <gtest/gtest.h>

namespace plot {
namespace {

struct ShapeCase {
    const char* name;
    int shape;
    std::vector<std::string> calls;
};

class SymbolShapeTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(SymbolShapeTest, DrawsItsPrimitives) {
    const ShapeCase& c = GetParam();
    CSymbol symbol;
    symbol.shape = c.shape;
    symbol.size = 10.0;
    symbol.fillColor = 0xFFFFFFFFu;
    RecordingGraphics g;
    symbol.Draw(g, 50.0, 50.0, RectF{0, 0, 100, 100});
    EXPECT_EQ(g.lines(), c.calls);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Shapes, SymbolShapeTest, ::testing::Values(
    ShapeCase{"none", kSymbolNone, {}},
    ShapeCase{"circle", kSymbolCircle, {
        "fillellipse 45,45,10,10 brush=#FFFFFFFF",
        "ellipse 45,45,10,10 pen=#FF000000/1"}},
    ShapeCase{"triangle", kSymbolTriangle, {
        "fillpolygon 3pts 50,45 55,55 45,55 brush=#FFFFFFFF",
        "polygon 3pts 50,45 55,55 45,55 pen=#FF000000/1"}},
    ShapeCase{"cross", kSymbolCross, {
        "line 45,45 55,55 pen=#FF000000/1",
        "line 45,55 55,45 pen=#FF000000/1"}},
    ShapeCase{"crossed_circle", kSymbolCrossedCircle, {
        "fillellipse 45,45,10,10 brush=#FFFFFFFF",
        "arc 45,45,10,10 45/90 pen=#FF000000/1",
        "arc 45,45,10,10 -45/-90 pen=#FF000000/1",
        "pie 45,45,10,10 45/-90 pen=#FF000000/1",
        "pie 45,45,10,10 135/90 pen=#FF000000/1"}},
    ShapeCase{"crossed_square", kSymbolCrossedSquare, {
        "fillrect 45,45,10,10 brush=#FFFFFFFF",
        "rect 45,45,10,10 pen=#FF000000/1",
        "line 45,45 55,55 pen=#FF000000/1",
        "line 45,55 55,45 pen=#FF000000/1"}}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST(SymbolLabel, SitsAboveRightOrBelowNearTheTop) {
    CSymbol symbol;
    symbol.shape = kSymbolCircle;
    symbol.size = 4.0;
    symbol.label.SetText("ab");  // 12 x 14.4 in the recording metrics, plus 2 px padding
    RecordingGraphics g;
    symbol.Draw(g, 50.0, 50.0, RectF{0, 0, 100, 100});
    EXPECT_NE(g.text().find("rect=52,31.6,16,16.4"), std::string::npos);
    g.clear();
    symbol.Draw(g, 50.0, 5.0, RectF{0, 0, 100, 100});  // no room above: below
    EXPECT_NE(g.text().find("rect=52,7,16,16.4"), std::string::npos);
}

TEST(Text, QuarterTurnsSwapTheMeasuredSides) {
    RecordingGraphics g;
    CText text("abcd");  // 24 x 14.4 unturned
    text.multiLine = 0;
    SizeF s = text.Measure(g, SizeF{0, 0});
    EXPECT_DOUBLE_EQ(s.width, 24.0);
    text.SetRotation(3);
    s = text.Measure(g, SizeF{0, 0});
    EXPECT_DOUBLE_EQ(s.width, 14.4);
    EXPECT_DOUBLE_EQ(s.height, 24.0);
    text.Draw(g, RectF{0, 0, 20, 40});
    EXPECT_NE(g.text().find("translate 10,20\nrotate 270\nstring \"abcd\""), std::string::npos);
    EXPECT_NE(g.text().find("rect=-20,-10,40,20"), std::string::npos);
}

/// A data area over 0..100 x 0..10 on (0, 0, 100, 100).
class FillTest : public ::testing::Test {
protected:
    FillTest() : x("X", 0), y("Y", 1), area("Area", &x, &y) {
        CLayoutRect l;
        l.relW = 1.0;
        l.relH = 1.0;
        area.SetLayoutRect(l);
        x.SetAutoScale(0);
        y.SetAutoScale(0);
        x.SetMinMax(0.0, 100.0);
        y.SetMinMax(0.0, 10.0);
    }
    CDataAreaCurve* Add(const char* name, std::initializer_list<double> xs,
                        std::initializer_list<double> ys) {
        auto sx = std::make_unique<CCurveData>();
        auto sy = std::make_unique<CCurveData>();
        for (double v : xs) {
            sx->Append(v);
        }
        for (double v : ys) {
            sy->Append(v);
        }
        return area.AddCurve2D(name, std::move(sx), std::move(sy));
    }
    std::vector<std::string> Fills() {
        area.Layout(g, 0, 0, 100, 100);
        g.clear();
        area.DrawContent(g);
        return g.linesStartingWith("fillpolygon");
    }
    CRange x;
    CRange y;
    CDataArea area;
    RecordingGraphics g;
};

TEST_F(FillTest, ModesCloseTowardsTheirEdge) {
    CDataAreaCurve* c = Add("c", {20.0, 80.0}, {2.0, 6.0});
    struct Row {
        int mode;
        const char* polygon;
    };
    const Row rows[] = {
        {kFillToLeft, "fillpolygon 4pts 20,80 80,40 0,40 0,80 brush=#FF000000"},
        {kFillToRight, "fillpolygon 4pts 20,80 80,40 100,40 100,80 brush=#FF000000"},
        {kFillToTop, "fillpolygon 4pts 20,80 80,40 80,0 20,0 brush=#FF000000"},
        {kFillToBottom, "fillpolygon 4pts 20,80 80,40 80,100 20,100 brush=#FF000000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.mode);
        c->Fill(0).fillMode = row.mode;
        c->SetDirty();
        const auto fills = Fills();
        ASSERT_EQ(fills.size(), 1u);
        EXPECT_EQ(fills[0], row.polygon);
    }
}

TEST_F(FillTest, BetweenTwoCurvesGoesRoundTheRegion) {
    CDataAreaCurve* upper = Add("upper", {0.0, 50.0, 100.0}, {8.0, 9.0, 8.0});
    CDataAreaCurve* lower = Add("lower", {0.0, 50.0, 100.0}, {2.0, 1.0, 2.0});
    upper->Fill(1).fillMode = kFillToCurve;
    upper->Fill(1).otherCurve = lower;
    upper->Fill(1).fillColor = 0xFF00FF00u;
    upper->Fill(1).fillColorHighlighted = 0xFFFF00FFu;
    auto fills = Fills();
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0], "fillpolygon 6pts 0,20 50,10 100,20 100,80 50,90 0,80 brush=#FF00FF00");
    upper->SetHighlighted(1);  // highlighted fills use their own colour
    fills = Fills();
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_NE(fills[0].find("brush=#FFFF00FF"), std::string::npos);
}

}  // namespace
}  // namespace plot
