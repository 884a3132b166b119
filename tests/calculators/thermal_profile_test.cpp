#include "calculators/thermal_profile.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace {

using calc::ComputeThermalProfile;
using calc::ThermalProfileCase;

const std::vector<double> kDefaultDepths{0,    200,  400,  600,  800,  1000, 1500, 2000,
                                         2500, 3000, 3500, 4000, 4500, 5000, 5200};

ThermalProfileCase DefaultCase() {
    ThermalProfileCase profile;
    profile.m_depths = kDefaultDepths;
    return profile;
}

TEST(ThermalProfile, DefaultDerivedValues) {
    const auto d = calc::DeriveThermalValues(DefaultCase());
    // Quoted to six or seven significant digits.
    EXPECT_NEAR(d.m_oilSpecificGravity, 0.852410, 5e-7);
    EXPECT_NEAR(d.m_waterFraction, 0.726913, 5e-7);
    EXPECT_NEAR(d.m_producedGas, 144.072, 5e-10);
    EXPECT_NEAR(d.m_specificHeat, 0.849884, 1e-6);
    EXPECT_NEAR(d.m_massRate, 3.084970, 5e-7);
    EXPECT_NEAR(d.m_gasLiquidRatio, 190.0686, 5e-5);
    EXPECT_NEAR(d.m_timeFunction, 3.430833, 5e-7);
    // Without injected gas both mass rates and both gas-liquid ratios agree.
    EXPECT_EQ(d.m_massRate, d.m_injectedMassRate);
    EXPECT_EQ(d.m_gasLiquidRatio, d.m_injectedGasLiquidRatio);
    EXPECT_EQ(d.m_annulusConductivity, 8.962);
}

TEST(ThermalProfile, ConductivitiesOfZeroTakeTheCorrelations) {
    ThermalProfileCase profile = DefaultCase();
    profile.m_oilConductivity = 0.0;
    profile.m_waterConductivity = -1.0;
    profile.m_gasConductivity = 0.0;
    profile.m_annulusFluid = calc::AnnulusFluid::OilAndWater;
    const auto d = calc::DeriveThermalValues(profile);
    const double koil = (1.0 - (106.1 - 32.0) * 0.0003) * 0.0677 / d.m_oilSpecificGravity;
    EXPECT_DOUBLE_EQ(d.m_oilConductivity, koil);
    EXPECT_EQ(d.m_waterConductivity, 9.12);
    EXPECT_EQ(d.m_gasConductivity, 0.433);
    EXPECT_DOUBLE_EQ(d.m_annulusConductivity, 9.12 * d.m_waterFraction + koil * d.m_oilFraction);
}

TEST(ThermalProfile, ZoneTemperatureStartsAtItsInlet) {
    EXPECT_DOUBLE_EQ(calc::ZoneTemperature(245.0, 0.002, -0.01, 101.5, 106.1 - 0.0115 * 245.0,
                                           245.0, 106.1, 0.0115, 0.85),
                     101.5);
    // Far from its inlet the fluid runs parallel to the earth, offset by the zone's constants.
    const double a = 0.002;
    const double far = calc::ZoneTemperature(1e5, a, 0.0, 50.0, 50.0, 0.0, 106.1, 0.0115, 0.85);
    EXPECT_NEAR(far, 106.1 - 0.0115 * 1e5 - 1.0 / (778.0 * 0.85 * a) + 0.0115 / a, 1e-9);
}

struct GridCase {
    const char* name;
    std::vector<double> depths;
    double workingFluidLevel;
    std::vector<double> nodes;
};

class Grid : public ::testing::TestWithParam<GridCase> {};

TEST_P(Grid, InsertsTheWorkingFluidLevelAndClosesAtThePerforations) {
    const GridCase& c = GetParam();
    EXPECT_EQ(calc::ThermalProfileGrid(c.depths, c.workingFluidLevel, 5304.0), c.nodes);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ThermalProfile, Grid, ::testing::Values(
    GridCase{"level_listed",     {0, 500, 1000, 2000}, 1000, {0, 500, 1000, 2000, 5304}},
    GridCase{"level_inserted",   {0, 500, 1500, 2000}, 1000, {0, 500, 1000, 1500, 2000, 5304}},
    GridCase{"level_first",      {200, 400},           100,  {100, 200, 400, 5304}},
    GridCase{"level_below_list", {0, 500},             4000, {0, 500, 5304}},
    GridCase{"empty_list",       {},                   1000, {5304}},
    GridCase{"tail_below_0_9",   {0, 0.5, 200},        1000, {0, 5304}},
    GridCase{"below_perfs",      {0, 5304, 6000},      1000, {0, 5304}}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

// Expected values come from a separate implementation of the same model written for checking.
TEST(ThermalProfile, DefaultProfile) {
    ThermalProfileCase profile = DefaultCase();
    ASSERT_FALSE(ComputeThermalProfile(profile).has_value());
    const auto& out = profile.m_outputs;
    ASSERT_EQ(out.m_nodeDepths.size(), kDefaultDepths.size() + 1);
    EXPECT_EQ(out.m_nodeDepths.back(), 5304.0);
    ASSERT_EQ(out.m_adFlowingTemperatures.size(), out.m_nodeDepths.size());
    ASSERT_EQ(out.m_adGeothermalTemperatures.size(), out.m_nodeDepths.size());
    ASSERT_EQ(out.m_adStraightLineTemperatures.size(), out.m_nodeDepths.size());

    EXPECT_NEAR(out.m_deltaSurfaceTemperature, 22.055488264378617, 1e-9);
    EXPECT_NEAR(out.m_labinskiFactor, 1.1513148562478677, 1e-9);
    EXPECT_NEAR(out.m_adFlowingTemperatures[0], 67.15948826437861, 1e-9);
    EXPECT_NEAR(out.m_adFlowingTemperatures[5], 73.20633852932015, 1e-9);    // 1000 ft, zone 3
    EXPECT_NEAR(out.m_adFlowingTemperatures[13], 104.87957196685772, 1e-9);  // 5000 ft, zone 2
    EXPECT_NEAR(out.m_adFlowingTemperatures[14], 105.71469198473926, 1e-9);  // 5200 ft, zone 1
    EXPECT_NEAR(out.m_adGeothermalTemperatures[0], 106.1 - 0.0115 * 5304.0, 1e-12);
    EXPECT_NEAR(out.m_adStraightLineTemperatures[0], 84.0, 1e-12);
    EXPECT_NEAR(out.m_adStraightLineTemperatures[6], 90.25, 1e-12);
    EXPECT_EQ(out.m_adFlowingTemperatures.back(), 106.1);
    EXPECT_EQ(out.m_adGeothermalTemperatures.back(), 106.1);
    EXPECT_EQ(out.m_adStraightLineTemperatures.back(), 106.1);
}

struct VariantCase {
    const char* name;
    void (*change)(ThermalProfileCase&);
    double deltaSurfaceTemperature;
    double labinskiFactor;
    std::size_t nodes;
};

class Variants : public ::testing::TestWithParam<VariantCase> {};

TEST_P(Variants, MatchTheCheckingImplementation) {
    const VariantCase& c = GetParam();
    ThermalProfileCase profile = DefaultCase();
    c.change(profile);
    ASSERT_FALSE(ComputeThermalProfile(profile).has_value());
    EXPECT_EQ(profile.m_outputs.m_nodeDepths.size(), c.nodes);
    EXPECT_NEAR(profile.m_outputs.m_deltaSurfaceTemperature, c.deltaSurfaceTemperature, 1e-9);
    EXPECT_NEAR(profile.m_outputs.m_labinskiFactor, c.labinskiFactor, 1e-9);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ThermalProfile, Variants, ::testing::Values(
    // Working fluid level below the tubing bottom: no zone 2.
    VariantCase{"level_below_tubing", [](ThermalProfileCase& p) { p.m_workingFluidLevel = 5200; },
                30.54513573724261, 1.1621472987611534, 16},
    VariantCase{"gas_injection", [](ThermalProfileCase& p) { p.m_gasInjection = 300; },
                21.87541311456075, 1.1590613736728368, 16},
    VariantCase{"annulus_flow_gas", [](ThermalProfileCase& p) {
                    p.m_fluidFlow = calc::FluidFlow::Annulus;
                    p.m_annulusFluid = calc::AnnulusFluid::Gas; },
                22.207397047415235, 1.1974612507512625, 16},
    VariantCase{"mixture_correlations", [](ThermalProfileCase& p) {
                    p.m_annulusFluid = calc::AnnulusFluid::OilAndWater;
                    p.m_oilConductivity = p.m_waterConductivity = p.m_gasConductivity = 0; },
                22.371668801601267, 1.1526159884346585, 16},
    VariantCase{"level_inserted", [](ThermalProfileCase& p) { p.m_workingFluidLevel = 1100; },
                22.431725807701717, 1.13951855901304, 17}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST(ThermalProfile, ProfileIsContinuousAtTheZoneBoundaries) {
    // Nodes just either side of the tubing bottom (5059 ft) and the working fluid level.
    ThermalProfileCase profile = DefaultCase();
    profile.m_depths = {0, 999.999, 1000.001, 5058.999, 5059.001};
    profile.m_workingFluidLevel = 1000.0;
    ASSERT_FALSE(ComputeThermalProfile(profile).has_value());
    const auto& t = profile.m_outputs.m_adFlowingTemperatures;
    ASSERT_EQ(t.size(), 7u);  // 1000 inserted, perforations appended
    EXPECT_NEAR(t[1], t[2], 1e-3);
    EXPECT_NEAR(t[2], t[3], 1e-3);
    EXPECT_NEAR(t[4], t[5], 1e-3);
}

TEST(ThermalProfile, CorrelationTermDropsOutForHighRatiosAndRates) {
    // Above 5000 scf/bbl the correlation term is zero, so a change of tubing pressure, which
    // enters the profile only through that term, no longer moves it.
    auto surfaceDelta = [](double gor, double tubingPressure) {
        ThermalProfileCase profile = DefaultCase();
        profile.m_formationGor = gor;
        profile.m_tubingPressure = tubingPressure;
        EXPECT_FALSE(ComputeThermalProfile(profile).has_value());
        return profile.m_outputs.m_deltaSurfaceTemperature;
    };
    EXPECT_NE(surfaceDelta(696.0, 0.0), surfaceDelta(696.0, 500.0));
    const double highGor = 6000.0 * 758.0 / 207.0;  // GLR of 6000 scf/bbl
    EXPECT_EQ(surfaceDelta(highGor, 0.0), surfaceDelta(highGor, 500.0));

    auto fastDelta = [](double tubingPressure) {
        ThermalProfileCase profile = DefaultCase();
        profile.m_waterRate = 2000.0;  // about 9.1 lbm/s
        profile.m_tubingPressure = tubingPressure;
        EXPECT_FALSE(ComputeThermalProfile(profile).has_value());
        return profile.m_outputs.m_deltaSurfaceTemperature;
    };
    EXPECT_EQ(fastDelta(0.0), fastDelta(500.0));
}

struct GuardCase {
    const char* name;
    void (*change)(ThermalProfileCase&);
    const char* message;
};

class Guards : public ::testing::TestWithParam<GuardCase> {};

TEST_P(Guards, NameTheInputAndLeaveNoResults) {
    const GuardCase& c = GetParam();
    ThermalProfileCase profile = DefaultCase();
    ASSERT_FALSE(ComputeThermalProfile(profile).has_value());
    c.change(profile);
    const auto guard = ComputeThermalProfile(profile);
    ASSERT_TRUE(guard.has_value());
    EXPECT_EQ(calc::AnchorGuardText(*guard), c.message);
    EXPECT_TRUE(profile.m_outputs.m_nodeDepths.empty());
    EXPECT_TRUE(profile.m_outputs.m_adFlowingTemperatures.empty());
    EXPECT_EQ(profile.m_outputs.m_labinskiFactor, 0.0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ThermalProfile, Guards, ::testing::Values(
    GuardCase{"zero_liquid", [](ThermalProfileCase& p) { p.m_oilRate = p.m_waterRate = 0; },
              "Oil Rate and Water Rate must not both be zero."},
    GuardCase{"negative_water", [](ThermalProfileCase& p) { p.m_waterRate = -1; },
              "Water Rate must not be negative."},
    GuardCase{"zero_perfs", [](ThermalProfileCase& p) { p.m_perfDepth = 0; },
              "Perf. Depth must be greater than zero."},
    GuardCase{"zero_tubing_depth", [](ThermalProfileCase& p) { p.m_tubingDepth = 0; },
              "Tubing Depth must be greater than zero."},
    GuardCase{"tubing_below_perfs", [](ThermalProfileCase& p) { p.m_tubingDepth = 5400; },
              "Tubing Depth must not be below the Perf. Depth."},
    GuardCase{"casing_equals_tubing", [](ThermalProfileCase& p) { p.m_casing = {2.875, 2.875}; },
              "Casing Size must have an inner diameter larger than the tubing outer diameter."},
    GuardCase{"casing_row_0", [](ThermalProfileCase& p) { p.m_casing = {1.05, 0.824}; },
              "Casing Size must have an inner diameter larger than the tubing outer diameter."},
    GuardCase{"bit_equals_casing", [](ThermalProfileCase& p) { p.m_bitSize = 3.5; },
              "Bit Size must be larger than the casing outer diameter."},
    GuardCase{"zero_earth", [](ThermalProfileCase& p) { p.m_earthConductivity = 0; },
              "Earth thermal conductivity must be greater than zero."},
    GuardCase{"zero_cement", [](ThermalProfileCase& p) { p.m_cementConductivity = 0; },
              "Cement thermal conductivity must be greater than zero."},
    GuardCase{"heavy_oil_limit", [](ThermalProfileCase& p) { p.m_oilGravity = -131.5; },
              "Oil Gravity must be greater than -131.5 API."},
    GuardCase{"zero_water_gravity", [](ThermalProfileCase& p) {
                  p.m_waterSpecificGravity = 0; p.m_oilRate = 0; },
              "Sp. Gravity of Water must be greater than zero."},
    GuardCase{"huge_bit", [](ThermalProfileCase& p) { p.m_bitSize = 400; },
              "Bit Size is too large for the transient heat conduction time function."},
    GuardCase{"no_depths", [](ThermalProfileCase& p) { p.m_depths.clear(); },
              "Delta Surface Temp. comes out as zero, so the Labinski Factor cannot be found; "
              "add a depth above the perforations."},
    GuardCase{"not_a_number", [](ThermalProfileCase& p) { p.m_bottomHoleTemperature = std::nan(""); },
              "Bottom Hole Temp. gives the produced fluid no positive specific heat."}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

}  // namespace
