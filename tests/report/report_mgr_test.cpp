#include "report/report_mgr.h"

#include "app/language.h"
#include "plot/recording_graphics.h"
#include "report/anchored_tubing_report_mgr.h"
#include "report/dyn_compare_report_mgr.h"
#include "report/fluid_specific_gravity_report_mgr.h"
#include "report/sinker_bar_weight_report_mgr.h"
#include "report/slippage_report_mgr.h"
#include "report/sucker_rod_report_mgr.h"
#include "test_printer.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace report {
namespace {

std::vector<std::string> ItemNames(const CPage& page) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < page.GetItemCount(); ++i) {
        names.push_back(page.ItemAt(i)->GetName());
    }
    return names;
}

CPage& OnlyPage(CReportMgr& mgr) {
    EXPECT_EQ(mgr.GetReport().GetPageCount(), 1);
    CPage& page = *mgr.GetReport().PageAt(0);
    EXPECT_EQ(page.GetName(), "1");
    return page;
}

TEST(SuckerRodReportMgrTest, LaysOutItsItemsInOrderWithTheirFontsAndNoFrames) {
    CSuckerRodReportMgr mgr;
    mgr.SetTitle("Well 7");
    mgr.SetResults("Rate\nRod Taper", "120.5 bbl/day\n100.0%");
    mgr.Build();
    CPage& page = OnlyPage(mgr);
    EXPECT_EQ(mgr.GetReport().GetName(), "Sucker Rod Report");

    const std::vector<std::string> names = {
        "Header",           "Title",          "Results",
        "ResultsData",      "DesignHeader",   "DesignData",
        "DefaultHeader",    "DefaultData",    "Plots",
        "DynPlot",          "PlotResultLeft", "PlotResultsMiddle",
        "PlotResultsRight", "PumpPlot",       "TorquPlot",
        "TorqueData",       "Footer",         "FooterLine"};
    EXPECT_EQ(ItemNames(page), names);

    const CPageItem& header = *page.FindItem("Header");
    EXPECT_EQ(header.GetText(), "Zelk");
    EXPECT_DOUBLE_EQ(header.GetFontSize(), 20.0);
    EXPECT_EQ(header.GetFormat().horizontalAlign, 0);
    EXPECT_EQ(page.FindItem("Title")->GetText(), "Well 7");
    EXPECT_DOUBLE_EQ(page.FindItem("DesignHeader")->GetFontSize(), 16.0);
    EXPECT_EQ(page.FindItem("DefaultHeader")->GetText(), "Default Settings");

    auto* results = dynamic_cast<CPageItemText*>(page.FindItem("ResultsData"));
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->GetLeftText(), "Rate\nRod Taper");
    EXPECT_EQ(results->GetRightText(), "120.5 bbl/day\n100.0%");
    EXPECT_DOUBLE_EQ(results->GetBodyFontSize(), 10.0);
    EXPECT_TRUE(results->GetText().empty());
    auto* torque = dynamic_cast<CPageItemText*>(page.FindItem("TorqueData"));
    ASSERT_NE(torque, nullptr);
    EXPECT_DOUBLE_EQ(torque->GetBodyFontSize(), 8.0);
    EXPECT_NE(dynamic_cast<CPageItemPlot*>(page.FindItem("TorquPlot")), nullptr);
    EXPECT_EQ(page.FindItem("PumpPlot")->GetRect(), (plot::RectF{4.0, 4.5, 4.25, 2.0}));
    auto* line = dynamic_cast<CPageItemLine*>(page.FindItem("FooterLine"));
    ASSERT_NE(line, nullptr);
    EXPECT_DOUBLE_EQ(line->GetX2(), 8.25);

    for (std::size_t i = 0; i < page.GetItemCount(); ++i) {
        SCOPED_TRACE(page.ItemAt(i)->GetName());
        EXPECT_TRUE(page.ItemAt(i)->GetFrameColor().isTransparent());
    }
}

struct ShiftCase {
    const char* name;
    bool fiberglass;
    bool extraDefault;
    double resultsHeight;
    double designY;
    double designHeight;
    double defaultHeaderY;
    double defaultHeight;
};

class SuckerRodShiftTest : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(SuckerRodShiftTest, FiberglassAndExtraDefaultRowMoveTheLeftBlocks) {
    const ShiftCase& c = GetParam();
    CSuckerRodReportMgr mgr;
    mgr.SetFiberglassRows(c.fiberglass);
    mgr.SetExtraDefaultRow(c.extraDefault);
    mgr.Build();
    const CPage& page = *mgr.GetReport().PageAt(0);
    EXPECT_NEAR(page.FindItem("ResultsData")->GetRect().h, c.resultsHeight, 1e-12);
    EXPECT_NEAR(page.FindItem("DesignData")->GetRect().y, c.designY, 1e-12);
    EXPECT_NEAR(page.FindItem("DesignData")->GetRect().h, c.designHeight, 1e-12);
    EXPECT_NEAR(page.FindItem("DefaultHeader")->GetRect().y, c.defaultHeaderY, 1e-12);
    EXPECT_NEAR(page.FindItem("DefaultData")->GetRect().y, c.defaultHeaderY + 0.25, 1e-12);
    EXPECT_NEAR(page.FindItem("DefaultData")->GetRect().h, c.defaultHeight, 1e-12);
    // The right-hand column never moves.
    EXPECT_EQ(page.FindItem("DynPlot")->GetRect(), (plot::RectF{4.0, 1.875, 4.25, 2.0}));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Layouts, SuckerRodShiftTest, ::testing::Values(
    ShiftCase{"steel",              false, false, 1.625,         4.0,         1.875,         6.25,                 1.375},
    ShiftCase{"fiberglass",         true,  false, 1.625 + 0.875, 4.0 + 0.875, 1.875 + 0.182, 6.25 + 0.875 + 0.182, 1.375},
    ShiftCase{"extra_default_row",  false, true,  1.625,         4.0,         1.875,         6.25,                 1.625},
    ShiftCase{"fiberglass_and_row", true,  true,  2.5,           4.875,       2.057,         7.307,                1.625}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST(SuckerRodReportMgrTest, SpanishCaptionsComeFromTheStringTable) {
    app::setCurrentLanguage(app::kSpanish);
    CSuckerRodReportMgr mgr;
    mgr.Build();
    app::setCurrentLanguage(app::kEnglish);
    const CPage& page = *mgr.GetReport().PageAt(0);
    EXPECT_EQ(page.FindItem("Results")->GetText(), "Resultados");
    EXPECT_EQ(page.FindItem("Plots")->GetText(), "Diagramas");
    EXPECT_EQ(page.FindItem("DesignHeader")->GetText(), "Parametros de Entrada");
}

TEST(ReportMgrTest, EveryPrintOrPreviewRebuildsFromTheCurrentTexts) {
    struct CountingMgr : CSinkerBarWeightReportMgr {
        void Prepare() override { ++prepared; }
        int prepared = 0;
    };
    struct Viewer : ReportViewer {
        void ShowReport(CReport& report, const std::string& title) override {
            shownTitle = title;
            pages = report.GetPageCount();
            titleText = report.PageAt(0)->FindItem("Title")->GetText();
        }
        std::string shownTitle;
        std::string titleText;
        int pages = 0;
    };

    CountingMgr mgr;
    mgr.SetViewerTitle("Sinker Bar Calculator");
    mgr.SetTitle("First");
    Viewer viewer;
    mgr.Preview(viewer);
    EXPECT_EQ(viewer.shownTitle, "Sinker Bar Calculator");
    EXPECT_EQ(viewer.titleText, "First");

    mgr.SetTitle("Second");
    TestPrinter printer;
    EXPECT_EQ(mgr.Print(printer), PrintResult::kPrinted);
    EXPECT_EQ(mgr.GetReport().GetPageCount(), 1);
    EXPECT_EQ(mgr.GetReport().PageAt(0)->FindItem("Title")->GetText(), "Second");
    EXPECT_EQ(printer.calls.front(), "begin Sucker Rod Report");
    EXPECT_EQ(mgr.prepared, 1);
}

TEST(DynCompareReportMgrTest, TableRowsComeFromTheFirstColumnList) {
    CDynCompareReportMgr mgr;
    mgr.SetTableColumn(0, {"", "Peak Load", "Minimum Load"});
    mgr.SetTableColumn(1, {"Zelk", "12000", "4000"});
    mgr.SetTableColumn(4, {"%", "2.5"});
    EXPECT_THROW(mgr.SetTableColumn(5, {}), std::out_of_range);
    mgr.SetFiberglassRows(true);
    mgr.Build();
    const CPage& page = OnlyPage(mgr);
    EXPECT_EQ(mgr.GetReport().GetName(), "Dyn Compare Report");

    auto* table = dynamic_cast<CPageItemTable*>(page.FindItem("Table"));
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->GetRowCount(), 3);
    ASSERT_EQ(table->GetColumnCount(), 5);
    EXPECT_EQ(table->GetCellText(1, 0), "Peak Load");
    EXPECT_EQ(table->GetCellText(0, 1), "Zelk");
    EXPECT_EQ(table->GetCellText(2, 4), "");
    const double widths[] = {1.375, 0.8125, 0.6875, 0.625, 0.75};
    for (int j = 0; j < 5; ++j) {
        EXPECT_DOUBLE_EQ(table->GetColumnWidth(j), widths[j]);
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(table->GetRowHeight(i), 0.1875);
        EXPECT_DOUBLE_EQ(table->GetCell(i, 2).fontSize, 8.0);
    }
    EXPECT_NEAR(page.FindItem("DesignData")->GetRect().y, 4.0 + 0.903, 1e-12);
    EXPECT_NEAR(page.FindItem("DefaultHeader")->GetRect().y, 6.25 + 0.903 + 0.182, 1e-12);
}

TEST(CalculatorReportMgrTest, NamesAndCaptionsOfTheFourCalculatorReports) {
    CFluidSpecificGravityReportMgr fluid;
    fluid.Build();
    EXPECT_EQ(fluid.GetReport().GetName(), "Fuid Specific Gravity Report");
    EXPECT_EQ(OnlyPage(fluid).FindItem("Header")->GetText(), "Fluid Specific Gravity Calculator");
    EXPECT_NE(dynamic_cast<CPageItemLine*>(OnlyPage(fluid).FindItem("Separator")), nullptr);

    CSinkerBarWeightReportMgr sinker;
    sinker.Build();
    EXPECT_EQ(OnlyPage(sinker).FindItem("pRecommenededtHeader")->GetText(), "Recommended");
    EXPECT_DOUBLE_EQ(
        dynamic_cast<CPageItemText*>(OnlyPage(sinker).FindItem("pInputsData"))->GetBodyFontSize(),
        12.0);

    CSlippageReportMgr slippage;
    slippage.Build();
    EXPECT_EQ(OnlyPage(slippage).FindItem("InputHeader")->GetText(), "Zelk Inputs");
    EXPECT_EQ(OnlyPage(slippage).FindItem("SlippagePlot")->GetRect(),
              (plot::RectF{4.0, 1.875, 4.25, 3.0}));

    CAnchoredTubingReportMgr tubing;
    tubing.SetDepths("Depths (ft)", "100, 200, ");
    tubing.SetResults("a", "b", "\n\n\n\n\n\n1");
    tubing.Build();
    const CPage& page = OnlyPage(tubing);
    EXPECT_EQ(tubing.GetReport().GetName(), "tubing Anchor Cacher Report");
    EXPECT_EQ(page.GetItemCount(), 20u);
    EXPECT_EQ(page.FindItem("DepthHeader")->GetText(), "Depths (ft)");
    auto* depth = dynamic_cast<CPageItemText*>(page.FindItem("DepthData"));
    EXPECT_EQ(depth->GetLeftText(), "100, 200, ");
    EXPECT_TRUE(depth->GetRightText().empty());
    auto* right = dynamic_cast<CPageItemText*>(page.FindItem("ResultsRight"));
    EXPECT_TRUE(right->GetLeftText().empty());
    EXPECT_EQ(right->GetRightText(), "\n\n\n\n\n\n1");
    EXPECT_DOUBLE_EQ(dynamic_cast<CPageItemLine*>(page.FindItem("FooterLine"))->GetX1(), 0.5);
    EXPECT_DOUBLE_EQ(page.FindItem("Footer")->GetRect().x, 1.0);
}

TEST(AnchoredTubingReportMgrTest, DepthListKeepsTheFirstHundredPoints) {
    EXPECT_EQ(CAnchoredTubingReportMgr::FormatDepthList({}), "");
    EXPECT_EQ(CAnchoredTubingReportMgr::FormatDepthList({1000.4, 2500.5, -3.0}),
              "1000, 2500, -3, ");
    std::vector<double> many(150, 7.0);
    many[100] = 9.0;
    const std::string text = CAnchoredTubingReportMgr::FormatDepthList(many);
    EXPECT_EQ(text.size(), 100u * 3u);
    EXPECT_EQ(text.find('9'), std::string::npos);
}

}  // namespace
}  // namespace report
