#include "calculators/patterson_slippage.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

using calc::PattersonSlippage;
using calc::SlippageCase;

// The worked example: 1.5 in pump at 5000 ft, 100 psi tubing, 50 psi intake, 8.3 SPM, water,
// 0.006 in clearance, 0.76 cP, 48 in plunger.
SlippageCase Example(double displacement = 200.0) {
    SlippageCase pump;
    pump.m_pumpDiameter = 1.5;
    pump.m_pumpDepth = 5000.0;
    pump.m_tubingPressure = 100.0;
    pump.m_pumpIntakePressure = 50.0;
    pump.m_strokeRate = 8.3;
    pump.m_pumpDisplacement = displacement;
    pump.m_fluidSpecificGravity = 1.0;
    pump.m_clearance = 0.006;
    pump.m_fluidViscosity = 0.76;
    pump.m_plungerLength = 48.0;
    return pump;
}

calc::SlippageUnits InchUnits() {
    return {calc::DisplayUnit{"cp", {}}, calc::DisplayUnit{"in", {}}, calc::DisplayUnit{"in", {}}};
}

TEST(PattersonSlippage, WorkedExample) {
    const auto r = PattersonSlippage(Example());
    EXPECT_NEAR(r.m_tubingFluidGradient, 0.433333, 1e-12);
    EXPECT_NEAR(r.m_pressureDifferential, 2216.665, 1e-9);
    // 0.00041956 x 2.162 x 453 x 1.5 x 2216.665 / 36.48, quoted to four digits.
    EXPECT_NEAR(r.m_slippage, 37.45, 0.01);
    EXPECT_NEAR(r.m_efficiency, 100.0 - r.m_slippage / 200.0 * 100.0, 1e-12);
    EXPECT_TRUE(calc::CheckSlippageResult(Example(), r).IsEmpty());
}

TEST(PattersonSlippage, NoClearanceSlipsNothing) {
    SlippageCase pump = Example();
    pump.m_clearance = 0.0;
    EXPECT_TRUE(calc::CheckSlippageInputs(pump, InchUnits()).IsEmpty());
    const auto r = PattersonSlippage(pump);
    EXPECT_EQ(r.m_slippage, 0.0);
    EXPECT_EQ(r.m_efficiency, 100.0);
    EXPECT_TRUE(calc::CheckSlippageResult(pump, r).IsEmpty());
}

TEST(PattersonSlippage, ResultChecks) {
    // Slippage above the displacement.
    SlippageCase pump = Example(30.0);
    auto messages = calc::CheckSlippageResult(pump, PattersonSlippage(pump));
    EXPECT_EQ(messages.Text(),
              "Following calulation error occured:\n\n"
              "Pump Clearance is too large because the Slippage Exceeds the Pump Displacement.\n");
    EXPECT_FALSE(calc::IsUsablePumpEfficiency(PattersonSlippage(pump).m_efficiency));

    // No clearance with no displacement: the efficiency is no number, which is not 100.
    pump = Example(0.0);
    pump.m_clearance = 0.0;
    const auto r = PattersonSlippage(pump);
    messages = calc::CheckSlippageResult(pump, r);
    ASSERT_EQ(messages.m_lines.size(), 1u);
    EXPECT_EQ(messages.m_lines[0], "Clearance was set to 0 and pump efficiency was not 100.");
    EXPECT_FALSE(calc::IsUsablePumpEfficiency(r.m_efficiency));
}

TEST(PattersonSlippage, UsableEfficiencies) {
    EXPECT_TRUE(calc::IsUsablePumpEfficiency(100.0));
    EXPECT_TRUE(calc::IsUsablePumpEfficiency(0.01));
    EXPECT_FALSE(calc::IsUsablePumpEfficiency(0.0));
    EXPECT_FALSE(calc::IsUsablePumpEfficiency(100.01));
    EXPECT_FALSE(calc::IsUsablePumpEfficiency(std::nan("")));
}

TEST(PattersonSlippage, InputCheckOrderAndTexts) {
    SlippageCase pump = Example();
    pump.m_clearance = -0.001;
    pump.m_fluidViscosity = 0.0;
    pump.m_plungerLength = -1.0;
    const auto messages = calc::CheckSlippageInputs(pump, InchUnits());
    // Labels are cut before their "(", keeping the blank in front of it.
    EXPECT_EQ(messages.Text(),
              "The following are invalid:\n\n"
              "Fluid Viscosity  must be a number greater than 0.000 cp.\n"
              "Plunger Length  must be a number greater than 0.000 in.\n"
              "Clearance  must be a number greater than 0.000 in.\n");

    pump = Example();
    pump.m_plungerLength = 0.0;
    ASSERT_EQ(calc::CheckSlippageInputs(pump, InchUnits()).m_lines.size(), 1u);
    pump.m_plungerLength = std::nan("");
    ASSERT_EQ(calc::CheckSlippageInputs(pump, InchUnits()).m_lines.size(), 1u);
}

struct ClearanceCase {
    const char* name;
    double clearance;
    double first;  // the list runs in steps of 0.001 from here
};

class CurveClearances : public ::testing::TestWithParam<ClearanceCase> {};

TEST_P(CurveClearances, TenStepsOfOneThousandth) {
    const ClearanceCase& c = GetParam();
    const auto list = calc::SlippageCurveClearances(c.clearance);
    for (std::size_t i = 0; i < list.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(list[i], c.first + 0.001 * static_cast<double>(i), 1e-12);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slippage, CurveClearances, ::testing::Values(
    ClearanceCase{"small_starts_below",     0.0035, 0.002},
    ClearanceCase{"large_ends_above",       0.0125, 0.005},
    ClearanceCase{"usual_range",            0.007,  0.003},
    ClearanceCase{"four_thou_is_usual",     0.004,  0.003},
    ClearanceCase{"eleven_thou_is_usual",   0.011,  0.003},
    ClearanceCase{"just_above_eleven",      0.0111, 0.004},
    ClearanceCase{"zero",                   0.0,   -0.001}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST(PattersonSlippage, CurvePlotsNoNumberAsZero) {
    SlippageCase pump = Example();
    pump.m_clearance = 0.0005;  // the curve starts at -0.001 in
    const auto curve = calc::ComputeSlippageCurve(pump);
    EXPECT_EQ(curve.m_slippages[0], 0.0);
    EXPECT_EQ(curve.m_slippages[1], 0.0);  // clearance 0
    for (std::size_t i = 2; i < curve.m_slippages.size(); ++i) {
        SCOPED_TRACE(i);
        SlippageCase point = pump;
        point.m_clearance = curve.m_clearances[i];
        EXPECT_GT(curve.m_slippages[i], curve.m_slippages[i - 1]);
        EXPECT_DOUBLE_EQ(curve.m_slippages[i], PattersonSlippage(point).m_slippage);
    }
}

}  // namespace
