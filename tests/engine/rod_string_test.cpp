#include "engine/rod_string.h"

#include "engine/calculation_case.h"
#include "engine/zelk_calculator_exception.h"

#include <cmath>

#include <gtest/gtest.h>

namespace ZelkEngine {
namespace {

constexpr double kPlunger150Area = 1.7671458676442586;  // pi/4 x 1.5^2, in^2

// Values below are worked by hand from the table data; 1e-12 relative leaves room only for
// the last bits of the sums.
TEST(BuildApiRodString, Rod76WithOneAndAHalfInchPlunger) {
    CalculationCase c;
    c.Inputs.RodNumber = 76;
    c.Inputs.Depth = 5000.0;
    c.Settings.FluidSpGrav = 1.0;
    const RodString rods = BuildApiRodString(c, kPlunger150Area);
    const double r1 = 0.24622 + 0.05292 * kPlunger150Area;
    ASSERT_EQ(c.Results.TaperPercentages.size(), 2u);
    EXPECT_NEAR(c.Results.TaperPercentages[0], 33.9738, 1e-4);
    EXPECT_NEAR(c.Results.TaperPercentages[1], 66.0262, 1e-4);
    EXPECT_DOUBLE_EQ(rods.m_topArea, 0.6013);
    ASSERT_EQ(rods.m_fractions.size(), 2u);
    const double r2 = 1.0 - r1;
    const double sumA = r1 * 0.6013 + r2 * 0.4418;
    const double sumW = 2.224 * r1 + 1.634 * r2;
    const double sumLA = 5000.0 * r1 / 0.6013 + 5000.0 * r2 / 0.4418;
    EXPECT_NEAR(c.Results.BuoyantRodWeight, (sumW - 0.433 * sumA) * 5000.0, 1e-9);
    EXPECT_NEAR(c.Results.RodSpringConstant / (30750000.0 / (12.0 * sumLA)), 1.0, 1e-12);
    // About 9172 lb of rods in air less about 1074 lb of buoyancy.
    EXPECT_NEAR(c.Results.BuoyantRodWeight, 8098.4, 0.1);
}

TEST(BuildApiRodString, SingleSizeStringIgnoresPlunger) {
    for (double ap : {0.5, 1.7, 12.0}) {
        CalculationCase c;
        c.Inputs.RodNumber = 66;
        const RodString rods = BuildApiRodString(c, ap);
        ASSERT_EQ(c.Results.TaperPercentages.size(), 1u);
        EXPECT_EQ(c.Results.TaperPercentages[0], 100.0);
        EXPECT_EQ(rods.m_topArea, 0.4418);
        EXPECT_NEAR(c.Results.RodSpringConstant, 30750000.0 / (12.0 * 5000.0 / 0.4418), 1e-9);
    }
}

TEST(BuildApiRodString, ThreeSectionFractionsAndUnknownNumber) {
    CalculationCase c;
    c.Inputs.RodNumber = 86;
    BuildApiRodString(c, 2.0);
    ASSERT_EQ(c.Results.TaperPercentages.size(), 3u);
    EXPECT_NEAR(c.Results.TaperPercentages[0], (0.18887 + 0.04609 * 2.0) * 100.0, 1e-12);
    EXPECT_NEAR(c.Results.TaperPercentages[1], (0.18769 + 0.04461 * 2.0) * 100.0, 1e-12);
    c.Inputs.RodNumber = 85;
    try {
        BuildApiRodString(c, 2.0);
        ADD_FAILURE() << "rod number 85 accepted";
    } catch (const ZelkCalculatorException& e) {
        EXPECT_EQ(e.code(), kErrorRodNumber);
    }
}

TEST(BuildFiberglassRodString, FortyPercentOneInchOverThreeQuarter) {
    CalculationCase c;
    c.Inputs.RodType = 1;
    c.Inputs.FiberglassPercent = 40.0;
    c.Inputs.FiberglassSizeIndex = 4;
    c.Inputs.SteelSizeIndex = 0;
    c.Settings.FluidSpGrav = 1.1;
    const RodString rods = BuildFiberglassRodString(c);
    ASSERT_EQ(c.Results.TaperPercentages.size(), 2u);
    EXPECT_DOUBLE_EQ(c.Results.TaperPercentages[0], 40.0);
    EXPECT_DOUBLE_EQ(c.Results.TaperPercentages[1], 60.0);
    EXPECT_EQ(rods.m_topArea, 0.7698);
    const double kr =
        1.0 / (12.0 * (0.4 * 5000.0 / 0.7698 / 7200000.0 + 0.6 * 5000.0 / 0.4418 / 30750000.0));
    EXPECT_NEAR(c.Results.RodSpringConstant / kr, 1.0, 1e-12);
    const double wrf =
        (1.634 * 0.6 + 0.8168 * 0.4 - 1.1 * 0.433 * (0.7698 * 0.4 + 0.4418 * 0.6)) * 5000.0;
    EXPECT_NEAR(c.Results.BuoyantRodWeight / wrf, 1.0, 1e-12);
}

TEST(BuildFiberglassRodString, BadIndexesInLookupOrder) {
    CalculationCase c;
    c.Inputs.RodType = 1;
    c.Inputs.FiberglassSizeIndex = 8;
    c.Inputs.SteelSizeIndex = 9;
    try {
        BuildFiberglassRodString(c);
        ADD_FAILURE();
    } catch (const ZelkCalculatorException& e) {
        EXPECT_EQ(e.code(), kErrorFiberglassSize);
        EXPECT_EQ(e.message(), "Invalid fiberglass size specified to get the rod area.");
    }
    c.Inputs.FiberglassSizeIndex = 0;
    try {
        BuildFiberglassRodString(c);
        ADD_FAILURE();
    } catch (const ZelkCalculatorException& e) {
        EXPECT_EQ(e.code(), kErrorSteelSize);
        EXPECT_EQ(e.message(), "Invalid steel size specified to get the rod area.");
    }
}

}  // namespace
}  // namespace ZelkEngine
