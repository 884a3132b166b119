#include "calculators/design_links.h"

#include "engine/calculation_driver.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

TEST(DesignLinks, FluidSpecificGravityOfTheDefaultDesign) {
    const ZelkEngine::DesignCase design;
    EXPECT_NEAR(calc::FluidSpecificGravityFromDesign(design), 0.986289, 5e-7);
}

TEST(DesignLinks, SinkerBarUpdateWarnsAndStillRecomputes) {
    const calc::DisplayUnit unit{"SG", {}};
    ZelkEngine::DesignCase design;
    design.m_fluidSpecificGravity = 2.5;
    design.m_useSinkerBarCalculator = true;
    auto update = calc::ComputeSinkerBarUpdate(design, unit);
    ASSERT_TRUE(update.m_warning.has_value());
    EXPECT_EQ(update.m_warning->rfind("Can't Perfom Sinker Bar recalculation:\n", 0), 0u);
    ASSERT_TRUE(update.m_sinkerBarWeight.has_value());
    EXPECT_DOUBLE_EQ(*update.m_sinkerBarWeight,
                     calc::SinkerBarSizing({1.5, 5000.0, 2.5, 1.5}).m_recommendedWeight);

    // With the link off only the warning remains; with a valid gravity nothing is shown.
    design.m_useSinkerBarCalculator = false;
    update = calc::ComputeSinkerBarUpdate(design, unit);
    EXPECT_TRUE(update.m_warning.has_value());
    EXPECT_FALSE(update.m_sinkerBarWeight.has_value());
    design.m_fluidSpecificGravity = 1.0;
    design.m_useSinkerBarCalculator = true;
    update = calc::ComputeSinkerBarUpdate(design, unit);
    EXPECT_FALSE(update.m_warning.has_value());
    EXPECT_NEAR(*update.m_sinkerBarWeight, 918.17, 0.005);
}

TEST(DesignLinks, SlippageFromTheDesign) {
    ZelkEngine::DesignCase design;
    design.m_tubingPressure = 100.0;
    const calc::SlippageCase pump = calc::SlippageCaseFromDesign(design, 50.0, 200.0);
    design.m_fluidSpecificGravity = 1.0;
    const auto r = calc::PattersonSlippage(calc::SlippageCaseFromDesign(design, 50.0, 200.0));
    EXPECT_EQ(pump.m_clearance, 0.006);
    EXPECT_EQ(pump.m_plungerLength, 48.0);
    EXPECT_NEAR(r.m_slippage, 37.45, 0.01);
    EXPECT_EQ(calc::PumpEfficiencyText(r.m_efficiency), "81.27");
    EXPECT_EQ(calc::PumpEfficiencyText(100.0), "100.00");
}

TEST(DesignLinks, FivePassesOnlyWhenTheEfficiencyFollowsAComputedValue) {
    EXPECT_EQ(calc::CalculationPassCount(true, true, false), 5);
    EXPECT_EQ(calc::CalculationPassCount(true, false, true), 5);
    EXPECT_EQ(calc::CalculationPassCount(true, false, false), 1);
    EXPECT_EQ(calc::CalculationPassCount(false, true, true), 1);
}

TEST(DesignLinks, SlippageUpdateRunsTheEngineForTheDisplacement) {
    ZelkEngine::DesignCase design;
    design.m_tubingPressure = 80.0;
    design.m_fluidSpecificGravity = 1.0;
    ZelkEngine::CalculationCase calculation;  // the default design, calculable as it stands
    const auto update = calc::RunSlippageUpdate(calculation, design, 50.0);
    ASSERT_FALSE(update.m_error.has_value());
    ZelkEngine::Calculate(calculation);
    const double displacement = calculation.Results.PumpDisplacement;
    ASSERT_GT(displacement, 0.0);
    const auto expected =
        calc::PattersonSlippage(calc::SlippageCaseFromDesign(design, 50.0, displacement));
    EXPECT_DOUBLE_EQ(update.m_result.m_efficiency, expected.m_efficiency);
    EXPECT_TRUE(update.Succeeded());

    // A case the engine rejects reports its exception and fails the update.
    calculation.Inputs.Depth = 50.0;
    const auto failed = calc::RunSlippageUpdate(calculation, design, 50.0);
    ASSERT_TRUE(failed.m_error.has_value());
    EXPECT_EQ(failed.m_error->code(), 1);
    EXPECT_FALSE(failed.Succeeded());

    // An efficiency outside (0, 100] fails the update too.
    design.m_clearance = 0.05;
    calculation.Inputs.Depth = 5000.0;
    EXPECT_FALSE(calc::RunSlippageUpdate(calculation, design, 50.0).Succeeded());
}

}  // namespace
