#include "calculators/sinker_bar_sizing.h"

#include <gtest/gtest.h>

namespace {

using calc::SinkerBarCase;
using calc::SinkerBarSizing;

TEST(SinkerBarSizing, SmallPumpExample) {
    const auto r = SinkerBarSizing(SinkerBarCase{1.5, 5000.0, 1.0, 1.5});
    // The quoted figures carry five or six significant digits.
    EXPECT_NEAR(r.m_factor, 0.41465, 1e-12);
    EXPECT_NEAR(r.m_requiredWeight, 898.41, 0.005);
    EXPECT_NEAR(r.m_buoyantWeightPerFoot, 5.2467, 0.00005);
    EXPECT_NEAR(r.m_requiredLength, 171.23, 0.005);
    EXPECT_DOUBLE_EQ(r.m_recommendedLength, 175.0);
    EXPECT_NEAR(r.m_recommendedWeight, 918.17, 0.005);
}

TEST(SinkerBarSizing, FactorSwitchesToTheCubicAtTwoInches) {
    EXPECT_NEAR(calc::SinkerBarFactor(2.0), 0.5321, 1e-12);
    EXPECT_NEAR(calc::SinkerBarFactor(1.999), 0.2575 * 1.999 + 0.0284, 1e-12);
    EXPECT_NEAR(calc::SinkerBarFactor(2.75),
                0.1016 * 20.796875 - 0.5698 * 7.5625 + 1.2631 * 2.75 - 0.5277, 1e-12);
}

TEST(SinkerBarSizing, RecommendedLengthIsWholeBars) {
    EXPECT_DOUBLE_EQ(calc::RecommendedSinkerBarLength(150.0), 150.0);
    EXPECT_DOUBLE_EQ(calc::RecommendedSinkerBarLength(150.001), 175.0);
    EXPECT_DOUBLE_EQ(calc::RecommendedSinkerBarLength(0.5), 25.0);
    EXPECT_DOUBLE_EQ(calc::RecommendedSinkerBarLength(0.0), 0.0);
    // A length that is 150 ft but for rounding in the division stays at six bars.
    const double noisy = 0.1 * 3.0 * 500.0;  // 150.00000000000003
    EXPECT_DOUBLE_EQ(calc::RecommendedSinkerBarLength(noisy), 150.0);
}

TEST(SinkerBarSizing, DiameterMustClearTheTubingByPointThree) {
    const std::string expected =
        "The Sinker bar diameter is to large.\nMaximum diameter is tubing inner diameter - .3 "
        "in.\n";
    const auto rejected = calc::CheckSinkerBarDiameter(1.695, 1.995);
    ASSERT_TRUE(rejected.has_value());
    EXPECT_EQ(*rejected, expected);
    EXPECT_FALSE(calc::CheckSinkerBarDiameter(1.69, 1.995).has_value());
    EXPECT_TRUE(calc::CheckSinkerBarDiameter(2.0, 1.995).has_value());
}

TEST(SinkerBarSizing, RecalculationWarnsOutsideZeroToTwo) {
    const calc::DisplayUnit unit{"SG", {}};
    EXPECT_FALSE(calc::SinkerBarRecalculationWarning(1.0, unit).has_value());
    EXPECT_FALSE(calc::SinkerBarRecalculationWarning(2.0, unit).has_value());
    const auto warning = calc::SinkerBarRecalculationWarning(2.5, unit);
    ASSERT_TRUE(warning.has_value());
    EXPECT_EQ(*warning,
              "Can't Perfom Sinker Bar recalculation:\n"
              "Fluid Specific Gravity must be a number between 0.000 and 2.000 SG, inclusive.\n");
    EXPECT_TRUE(calc::SinkerBarRecalculationWarning(0.0, unit).has_value());
    // The warning does not stop the recomputation: the sizing still runs with 2.5.
    const auto r = SinkerBarSizing(SinkerBarCase{1.5, 5000.0, 2.5, 1.5});
    EXPECT_NEAR(r.m_requiredWeight, 0.41465 * 5000.0 * 2.5 * 0.433333, 1e-9);
}

}  // namespace
