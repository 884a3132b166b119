#include "calculators/anchor_loads.h"

#include <gtest/gtest.h>

namespace {

using calc::AnchorLoadCase;
using calc::ComputeAnchorLoads;

// 2 7/8 in x 2.259 in tubing, 45 psi casing pressure, pump at 5000 ft, 0.501 psi/ft, working
// level 1000 ft, static level 4000 ft, anchor at 6500 ft.
AnchorLoadCase Example(double deltaT0 = 22.055488264378617, double labinski = 1.1513148562478677) {
    AnchorLoadCase anchor;
    anchor.m_casingPressure = 45.0;
    anchor.m_thermal.m_deltaSurfaceTemperature = deltaT0;
    anchor.m_thermal.m_labinskiFactor = labinski;
    return anchor;
}

TEST(AnchorLoads, WorkedExample) {
    AnchorLoadCase anchor = Example();
    ASSERT_FALSE(ComputeAnchorLoads(anchor).has_value());
    // Casing pressure -122.695 lb, fluid load 1554.644 lb, fluid level -3245.424 lb.
    EXPECT_EQ(anchor.m_casingPressureEffects.m_weight, -140.0);
    EXPECT_EQ(anchor.m_fluidLoadOnTubing.m_weight, 1560.0);
    EXPECT_EQ(anchor.m_fluidLevelChanges.m_weight, -3260.0);
    // 0.7853975 x 2.483854 in2 wall x 207 x LF / 2 x dT0 = 6527.96 lb, from the checking
    // implementation with the default temperature profile.
    EXPECT_EQ(anchor.m_thermalExpansion.m_weight, 6530.0);
    EXPECT_EQ(anchor.m_total.m_weight, 6530.0 - 140.0 - 3260.0 + 1560.0);

    // 6500 / (2.483854 x 30e6) x 12 in per pound of rounded force.
    const double perPound = 0.00104676;
    EXPECT_NEAR(anchor.m_fluidLoadOnTubing.m_length, 1560.0 * perPound, 1560.0 * 5e-9);
    EXPECT_NEAR(anchor.m_fluidLoadOnTubing.m_length, 1.633, 5e-4);
    EXPECT_NEAR(anchor.m_casingPressureEffects.m_length, -140.0 * perPound, 140.0 * 5e-9);
    EXPECT_NEAR(anchor.m_fluidLevelChanges.m_length, -3260.0 * perPound, 3260.0 * 5e-9);
    EXPECT_NEAR(anchor.m_thermalExpansion.m_length, 6530.0 * perPound, 6530.0 * 5e-9);
    EXPECT_NEAR(anchor.m_total.m_length, anchor.m_total.m_weight * perPound, 4690.0 * 5e-9);

    EXPECT_NEAR(anchor.m_ambientSurfaceTemperature, 106.1 - 5304.0 * 1.15 / 100.0, 1e-12);
    EXPECT_NEAR(anchor.m_fluidSurfaceTemperature,
                anchor.m_ambientSurfaceTemperature + 22.055488264378617, 1e-12);
}

struct RoundCase {
    double force;
    double upward;
    double downward;
};

TEST(AnchorLoads, RoundsPastTheNextTenUpOrDown) {
    // clang-format off
    const RoundCase cases[] = {
        {123.0, 130.0, 110.0}, {120.0, 130.0, 110.0}, {-123.0, -120.0, -140.0},
        {-120.0, -110.0, -130.0}, {0.0, 10.0, -10.0}, {119.99, 120.0, 100.0},
    };
    // clang-format on
    for (const RoundCase& c : cases) {
        SCOPED_TRACE(c.force);
        EXPECT_EQ(calc::RoundUpwardForce(c.force), c.upward);
        EXPECT_EQ(calc::RoundDownwardForce(c.force), c.downward);
    }
}

TEST(AnchorLoads, ExactTensRoundAsQuoted) {
    // A thermal expansion of exactly 120 lb shows 130, a casing pressure force of -120 lb -130.
    AnchorLoadCase anchor = Example();
    const double wall = 0.7853975 * (2.875 * 2.875 - 2.259 * 2.259);
    anchor.m_thermal.m_labinskiFactor = 2.0;
    anchor.m_thermal.m_deltaSurfaceTemperature = 120.0 / (wall * 207.0);
    anchor.m_casingPressure = 120.0 / ((1.0 - 0.58) * 0.7853975 * 2.875 * 2.875);
    ASSERT_FALSE(ComputeAnchorLoads(anchor).has_value());
    EXPECT_EQ(anchor.m_thermalExpansion.m_weight, 130.0);
    EXPECT_EQ(anchor.m_casingPressureEffects.m_weight, -130.0);
}

TEST(AnchorLoads, ZeroPumpDepthIsRefused) {
    AnchorLoadCase anchor = Example();
    ASSERT_FALSE(ComputeAnchorLoads(anchor).has_value());
    anchor.m_pumpDepth = 0.0;
    const auto guard = ComputeAnchorLoads(anchor);
    ASSERT_TRUE(guard.has_value());
    EXPECT_EQ(calc::AnchorGuardText(*guard), "Pump Depth must be greater than zero.");
    EXPECT_EQ(anchor.m_total.m_weight, 0.0);
    EXPECT_EQ(anchor.m_fluidLoadOnTubing.m_length, 0.0);

    anchor = Example();
    anchor.m_tubing = {2.0, 2.0};
    EXPECT_EQ(ComputeAnchorLoads(anchor), calc::AnchorGuard::TubingWithoutWall);
}

}  // namespace
