#include "report/page_item_plot.h"

#include "plot/data_area.h"
#include "plot/plot.h"
#include "plot/range.h"
#include "plot/recording_graphics.h"
#include "plot/standard_plot.h"
#include "report/sucker_rod_report_mgr.h"

#include <string>

#include <gtest/gtest.h>

namespace report {
namespace {

void PlaceOnPage(CPageItem& item) {
    plot::CTransform t;
    t.data = plot::RectF{0.0, 0.0, 8.5, 11.0};
    t.device = plot::RectF{0.0, 0.0, 850.0, 1100.0};
    t.invertY = 0;
    item.SetTransform(t);
}

void StandardPlotWithCurve(plot::CPlot& plot, double xMax) {
    plot::BuildStandardPlot(plot, nullptr, nullptr);
    plot::AddStandardTextBlocks(plot, "Title", "X", "Y");
    plot::ReplaceCurve(plot, "Curve", {0.0, xMax / 2.0, xMax}, {1.0, 3.0, 2.0}, 0, 0);
}

TEST(PageItemPlotTest, PlotFillsTheBoxBetweenCaptionAndTextsAndTheFrameComesLast) {
    plot::CPlot plot;
    StandardPlotWithCurve(plot, 100.0);
    CPageItemPlot item(&plot);
    item.SetRect(4.0, 1.875, 4.25, 2.0);  // 425 x 200 device units at (400, 187.5)
    PlaceOnPage(item);

    plot::RecordingGraphics g;
    item.Draw(g);
    // Without caption and texts the plot gets the whole box.
    EXPECT_EQ(plot.GetLastDrawRect(), (plot::RectF{400.0, 187.5, 425.0, 200.0}));
    EXPECT_EQ(g.lines().back(), "rect 400,187.5,425,200 pen=#FF000000/1");

    g.clear();
    item.SetText("Cards");
    item.SetLeftText("PPRL");
    item.Draw(g);
    const plot::RectF used = item.GetPlotRect();
    // Caption at the top (12 pt bold: 19.2 units) inside the 4-unit margin, the text below.
    EXPECT_DOUBLE_EQ(used.y, 187.5 + 4.0 + 19.2);
    const double textTop = 187.5 + 200.0 - 4.0 - 1.2 * 10.0 * 96.0 / 72.0;
    EXPECT_DOUBLE_EQ(used.bottom(), textTop - 4.0);
    EXPECT_EQ(plot.GetLastDrawRect(), used);
    const auto strings = g.linesStartingWith("string");
    ASSERT_GE(strings.size(), 2u);
    EXPECT_EQ(strings[0].rfind("string \"Cards\"", 0), 0u);
    EXPECT_EQ(strings[1].rfind("string \"PPRL\"", 0), 0u);
    EXPECT_NE(strings[1].find("align=0/2"), std::string::npos);
    EXPECT_EQ(g.lines().back().rfind("rect 400,187.5,425,200", 0), 0u);
}

TEST(PageItemPlotTest, AfterDrawHandlerRunsAfterLayoutAndBeforeThePlotIsDrawn) {
    plot::CPlot plot;
    StandardPlotWithCurve(plot, 100.0);
    CPageItemPlot item(&plot);
    item.SetRect(0.0, 0.0, 4.0, 2.0);
    item.SetFrameColor(0x00FFFFFFu);
    PlaceOnPage(item);
    plot::RecordingGraphics g;
    int calls = 0;
    int marker = 0;
    std::size_t curvesBefore = 99;
    item.SetAfterDraw(
        [&](CPageItemPlot& drawn, void* data) {
            EXPECT_EQ(&drawn, &item);
            EXPECT_EQ(data, &marker);
            EXPECT_EQ(plot.GetLastDrawRect(), (plot::RectF{0.0, 0.0, 400.0, 200.0}));
            curvesBefore = g.linesStartingWith("polyline").size();
            ++calls;
            return 1;  // asks for the layout again; the drawing still happens once
        },
        &marker);
    item.Draw(g);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(curvesBefore, 0u);
    EXPECT_EQ(g.linesStartingWith("polyline").size(), 1u);
}

TEST(SuckerRodReportMgrTest, PumpPlotTakesTheCardPlotsPositionScale) {
    plot::CPlot cards;
    plot::CPlot pump;
    plot::CPlot torque;
    StandardPlotWithCurve(cards, 144.0);
    StandardPlotWithCurve(pump, 40.0);
    StandardPlotWithCurve(torque, 360.0);

    CSuckerRodReportMgr mgr;
    mgr.SetPlots(&cards, &pump, &torque);
    mgr.Build();
    CPage& page = *mgr.GetReport().PageAt(0);
    page.SetDeviceRect(0, 0, 850, 1100, false);
    plot::RecordingGraphics g;
    page.Draw(g);

    const plot::CRange* cardRange = cards.FindRange("XRange");
    const plot::CRange* pumpRange = pump.FindRange("XRange");
    ASSERT_NE(cardRange, nullptr);
    ASSERT_NE(pumpRange, nullptr);
    EXPECT_GT(cardRange->Max(), 144.0);
    EXPECT_DOUBLE_EQ(pumpRange->Min(), cardRange->Min());
    EXPECT_DOUBLE_EQ(pumpRange->Max(), cardRange->Max());
    EXPECT_EQ(pumpRange->AutoScale(), 0);
    // The torque plot keeps its own scale.
    EXPECT_EQ(torque.FindRange("XRange")->AutoScale(), 1);

    // Missing plots or ranges are left alone.
    EXPECT_EQ(CSuckerRodReportMgr::SharePositionRange(nullptr, &pump), 0);
    plot::CPlot bare;
    EXPECT_EQ(CSuckerRodReportMgr::SharePositionRange(&bare, &pump), 0);
}

}  // namespace
}  // namespace report
