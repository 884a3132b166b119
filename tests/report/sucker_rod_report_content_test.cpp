#include "report/sucker_rod_report_content.h"

#include "report/sucker_rod_report_mgr.h"
#include "units/dcl_manager.h"
#include "units/units_manager.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace report {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\n') {
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

class SuckerRodContentTest : public ::testing::Test {
protected:
    void SetUp() override {
        units::StartUnitsLibrary("OILFIELD");
        design.m_title = "Well 7";
        design.m_sinkerBarWeight = 0.0;
        design.m_fluidSpecificGravity = 1.0;
        design.m_tubingPressure = 80.0;
        design.m_casingPressure = 45.0;
        design.m_dampingFactor = 0.1;
        design.m_unitEfficiency = 95.0;
        design.m_pumpEfficiency = 95.0;
        calculated.Results.PumpDisplacement = 10.0;
        calculated.Results.ProductionRate = 9.87;
        calculated.Results.TaperPercentages = {34.0, 66.0};
        calculated.Results.MotorSize = 0.95;
        calculated.Results.PolishedRodPower = 1.0;
        calculated.Results.MinGearboxRating = 114.4;
        calculated.Results.MinStructureRating = 143.0;
    }
    void TearDown() override { units::ShutdownUnitsLibrary(); }

    std::string ValueOf(const SuckerRodReportContent& c, const std::string& label) const {
        const auto labels = Lines(c.resultsLabels);
        const auto values = Lines(c.resultsValues);
        EXPECT_EQ(labels.size(), values.size());
        for (std::size_t i = 0; i < labels.size() && i < values.size(); ++i) {
            if (labels[i] == label) {
                return values[i];
            }
        }
        ADD_FAILURE() << "no result line " << label;
        return {};
    }

    ZelkEngine::DesignCase design;
    ZelkEngine::CalculationCase calculated;
};

TEST_F(SuckerRodContentTest, ResultsListForSteelRods) {
    const SuckerRodReportContent c = MakeSuckerRodReportContent(design, calculated);
    EXPECT_EQ(c.title, "Well 7");
    EXPECT_EQ(c.viewerTitle, "Sucker Rod Report");
    EXPECT_FALSE(c.fiberglassRows);
    EXPECT_FALSE(c.extraDefaultRow);
    EXPECT_EQ(Lines(c.resultsLabels).size(), 9u);
    // Ten and more shows one decimal, below ten two.
    EXPECT_EQ(ValueOf(c, "Rate (100% pump volumetric eff.)"),
              "10.0 " + units::CategoryUnitSymbol("FLOWRATE"));
    EXPECT_EQ(ValueOf(c, "Rate (95% pump volumetric eff.)"),
              "9.87 " + units::CategoryUnitSymbol("FLOWRATE"));
    EXPECT_EQ(ValueOf(c, "Rod Taper"), "34.0%, 66.0% ");
    // Below one horsepower three decimals, from one up two.
    EXPECT_EQ(ValueOf(c, "Min NEMA D Motor Size"), "0.950 " + units::CategoryUnitSymbol("POWER"));
    EXPECT_EQ(ValueOf(c, "Polished Rod Power"), "1.00 " + units::CategoryUnitSymbol("POWER"));
    EXPECT_EQ(ValueOf(c, "Min API Unit Rating"), "114-143-100");

    const auto designLabels = Lines(c.designLabels);
    const auto designValues = Lines(c.designValues);
    ASSERT_EQ(designLabels.size(), 11u);
    ASSERT_EQ(designValues.size(), 11u);
    EXPECT_EQ(designLabels[6], "Tubing Size");
    EXPECT_EQ(designValues[6], "2.875\" (8.70 lb/ft) 2.259\" ID");
    EXPECT_EQ(designValues[7], "No");
    EXPECT_EQ(designValues[8], "Steel Rods");
    EXPECT_EQ(designValues[9], "76");
    EXPECT_EQ(designValues[10], "D");
    EXPECT_EQ(Lines(c.defaultLabels).size(), 8u);
    EXPECT_EQ(Lines(c.summary[0]),
              (std::vector<std::string>{"PPRL", "Pump Stroke Length", "Fo/Skr"}));
    EXPECT_EQ(Lines(c.summary[7]).size(), 3u);
}

TEST_F(SuckerRodContentTest, FiberglassAirBalanceAndReservoirPressureAddTheirLines) {
    design.m_rodType = 1;
    design.m_unitTypeName = "AirBal";
    design.m_pumpIntakePressureEntered = false;
    calculated.Results.FiberglassLoading = std::numeric_limits<double>::quiet_NaN();
    calculated.Results.PumpDisplacement = 9.999;
    const SuckerRodReportContent c = MakeSuckerRodReportContent(design, calculated);
    EXPECT_TRUE(c.fiberglassRows);
    EXPECT_TRUE(c.extraDefaultRow);
    EXPECT_EQ(Lines(c.resultsLabels).size(), 9u + 1u + 5u);
    EXPECT_EQ(ValueOf(c, "Fiberglass Load"), "0/0");
    EXPECT_NE(
        ValueOf(c, "Accumulator Pressure").find(units::CategoryUnitSymbol("DIFFERENTIALPRESSURE")),
        std::string::npos);
    EXPECT_EQ(ValueOf(c, "Rate (100% pump volumetric eff.)"),
              "10.00 " + units::CategoryUnitSymbol("FLOWRATE"));
    const auto designLabels = Lines(c.designLabels);
    EXPECT_EQ(designLabels.size(), 12u);
    EXPECT_EQ(designLabels[9], "Fiberglass Size");
    EXPECT_EQ(Lines(c.defaultLabels).size(), 9u);
    EXPECT_EQ(Lines(c.defaultLabels)[4], "Reservoir Pressure");

    CSuckerRodReportMgr mgr;
    ApplySuckerRodReportContent(mgr, c);
    mgr.Build();
    EXPECT_NEAR(mgr.GetReport().PageAt(0)->FindItem("DefaultData")->GetRect().h, 1.625, 1e-12);
}

TEST(RodTaperTextTest, EntriesWithPercentSignsAndOneTrailingBlank) {
    EXPECT_EQ(RodTaperText({}), "");
    EXPECT_EQ(RodTaperText({100.0}), "100.0% ");
    EXPECT_EQ(RodTaperText({25.04, 30.0, 44.96}), "25.0%, 30.0%, 45.0% ");
}

}  // namespace
}  // namespace report
