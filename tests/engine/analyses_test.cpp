#include "engine/calculation_case.h"
#include "engine/calculation_driver.h"
#include "engine/fiberglass_junction_loads.h"
#include "engine/rod_loading.h"
#include "engine/torque_analysis.h"
#include "engine/unit_motion.h"
#include "engine/zelk_calculator_exception.h"

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace ZelkEngine {
namespace {

TEST(Ratings, FirstStandardRatingStrictlyAbove) {
    EXPECT_EQ(StructureRating(8900.0), 95.0);
    EXPECT_EQ(StructureRating(8899.99), 89.0);
    EXPECT_EQ(StructureRating(-5.0), 76.0);
    EXPECT_EQ(StructureRating(46999.0), 470.0);
    EXPECT_EQ(StructureRating(47000.0), 470.0);
    EXPECT_EQ(StructureRating(48000.0), 480.0);
    EXPECT_EQ(GearboxRating(320000.0), 456.0);
    EXPECT_EQ(GearboxRating(39999.0), 40.0);
    EXPECT_EQ(GearboxRating(1280000.0), 1280.0);
    EXPECT_EQ(GearboxRating(2000000.0), 2000.0);
}

struct LoadingCase {
    const char* name;
    int rodType;
    int grade;
    double mprl, pprl, topArea;
    int code;        // expected exception code, 0 for none
    double loading;  // expected top rod loading, %
};

void PrintTo(const LoadingCase& row, std::ostream* os) {
    *os << row.name;
}

class RodLoading : public ::testing::TestWithParam<LoadingCase> {};

TEST_P(RodLoading, GoodmanAndFiberglassDiagrams) {
    const LoadingCase& row = GetParam();
    CalculationCase c;
    c.Inputs.RodType = row.rodType;
    c.Inputs.RodGrade = row.grade;
    try {
        CheckRodLoading(c, row.mprl, row.pprl, row.topArea);
        EXPECT_EQ(row.code, 0);
        EXPECT_NEAR(c.Results.TopRodLoading, row.loading, 1e-9 * row.loading);
    } catch (const ZelkCalculatorException& e) {
        EXPECT_EQ(e.code(), row.code);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rods, RodLoading, ::testing::Values(
    // Smin = 9146.8 psi, allowable 28750 + 5145.1 = 33895.1 psi: 59.9 %.
    LoadingCase{"grade_d", 0, 2, 5500, 12200, 0.6013, 0,
                12200 / 0.6013 / (115000 / 4.0 + 0.5625 * 5500 / 0.6013) * 100},
    LoadingCase{"grade_k", 0, 0, 3000, 9000, 0.4418, 0,
                9000 / 0.4418 / (85000 / 4.0 + 0.5625 * 3000 / 0.4418) * 100},
    LoadingCase{"grade_c_zero_minimum", 0, 1, 0, 9000, 0.4418, 0,
                9000 / 0.4418 / (90000 / 4.0) * 100},
    LoadingCase{"grade_c_negative", 0, 1, -0.1, 9000, 0.4418, kErrorRodsNotFalling, 0},
    LoadingCase{"grade_e_zero", 0, 3, 0, 10000, 0.6013, 0, 10000 / 0.6013 / 50000 * 100},
    LoadingCase{"grade_e_negative", 0, 3, -1, 10000, 0.6013, kErrorRodsNotFalling, 0},
    LoadingCase{"grade_code_out_of_table", 0, 7, 5000, 10000, 0.6013, kErrorRodGrade, 0},
    LoadingCase{"grade_checked_before_minimum", 0, -1, -50, 10000, 0.6013, kErrorRodGrade, 0},
    LoadingCase{"fiberglass_250", 1, 99, 250, 9000, 0.7698, 0,
                9000 / 0.7698 / (3145 * std::pow(250 / 0.7698, 0.234)) * 100},
    LoadingCase{"fiberglass_200", 1, 2, 200, 9000, 0.7698, 0,
                9000 / 0.7698 / (3145 * std::pow(200 / 0.7698, 0.234)) * 100},
    LoadingCase{"fiberglass_150", 1, 2, 150, 9000, 0.7698, kErrorFiberglassRodsNotFalling, 0}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST(RodLoading, GradeDExampleRoundsTo59Point9) {
    CalculationCase c;
    CheckRodLoading(c, 5500.0, 12200.0, 0.6013);
    EXPECT_NEAR(c.Results.TopRodLoading, 59.9, 0.05);
}

TEST(RodLoading, ExceptionMessages) {
    CalculationCase c;
    c.Inputs.RodType = 1;
    try {
        CheckRodLoading(c, 100.0, 9000.0, 0.7698);
        ADD_FAILURE();
    } catch (const ZelkCalculatorException& e) {
        EXPECT_EQ(e.message(),
                  "The calculated Minimum Polished Rod Load is less than 200 lbs, indicating the "
                  "rods are not falling as fast as required for the selected SPM.  Suggest "
                  "decreasing Stroke Rate.");
    }
    c.Inputs.RodType = 0;
    try {
        CheckRodLoading(c, -100.0, 9000.0, 0.7698);
        ADD_FAILURE();
    } catch (const ZelkCalculatorException& e) {
        EXPECT_EQ(e.message(),
                  "The calculated Minimum Polished Rod Load is NEGATIVE indicating the rods are "
                  "not falling as fast as required for the selected SPM.  Suggest decreasing "
                  "Stroke Rate.");
    }
    c.Inputs.RodGrade = 4;
    try {
        CheckRodLoading(c, 100.0, 9000.0, 0.7698);
        ADD_FAILURE();
    } catch (const ZelkCalculatorException& e) {
        EXPECT_EQ(e.message(), "Invalid rod grade specified to get the rod grade yield.");
    }
}

// Torque analysis on a synthetic card: the rod load follows the motion so the sums are known.
struct Card {
    CalculationCase c;
    std::vector<double> tf, p, x, prl;
};

Card cardOf(int unitType, bool reversed) {
    Card card;
    card.c.Inputs.UnitType = unitType;
    card.c.Settings.NTimeSteps = 120;
    card.c.Settings.UnitEfficiency = 0.9;
    card.c.Results.FluidLoad = 4000.0;
    card.c.Results.BuoyantRodWeight = 8000.0;
    UnitMotion(card.c, unitType, card.tf, card.p, card.x);
    const double low = *std::min_element(card.p.begin(), card.p.end());
    for (double& value : card.p) {
        value -= low;
    }
    // High load while rising, low while falling: a clockwise card of area about 4000 x S.
    for (double tf : card.tf) {
        const bool rising = reversed ? tf <= 0.0 : tf > 0.0;
        card.prl.push_back(rising ? 12000.0 : 8000.0);
    }
    return card;
}

TEST(TorqueAnalysis, BalancesUpAndDownPeaksAndKeepsItsIdentities) {
    for (int unitType : {0, 1, 2}) {
        SCOPED_TRACE(unitType);
        Card card = cardOf(unitType, false);
        const double period = 7.5;
        TorqueAnalysis(card.c, card.tf, card.prl, card.x, card.p, 12000.0, 8000.0, period);
        const ZelkResults& r = card.c.Results;
        ASSERT_EQ(r.NetTorqueCurve.size(), 121u);
        double up = 0.0;
        double down = 0.0;
        for (std::size_t k = 0; k < r.NetTorqueCurve.size(); ++k) {
            (card.tf[k] > 0.0 ? up : down) =
                std::max(card.tf[k] > 0.0 ? up : down, r.NetTorqueCurve[k]);
        }
        EXPECT_NEAR(up / down, 1.0, 0.01);          // balanced within the iteration tolerance
        EXPECT_NEAR(r.PeakTorque / up, 1.0, 0.01);  // peak of the last pass, before correction
        EXPECT_GT(r.CounterbalanceMoment, 0.0);
        double work = 0.0;
        for (std::size_t k = 1; k <= 120; ++k) {
            work += 0.5 * (card.p[k] * card.prl[k - 1] - card.p[k - 1] * card.prl[k]);
        }
        EXPECT_NEAR(r.PolishedRodPower, work / period / 6600.0, 1e-12);
        EXPECT_NEAR(work, 4000.0 * 100.0, 4000.0 * 100.0 * 0.05);
        double sum = 0.0;
        double squares = 0.0;
        for (std::size_t k = 1; k <= 120; ++k) {
            sum += r.NetTorqueCurve[k];
            squares += r.NetTorqueCurve[k] * r.NetTorqueCurve[k];
        }
        EXPECT_NEAR(r.MotorSize,
                    std::sqrt(squares / 120.0) / (sum / 120.0) * r.PolishedRodPower / 0.9, 1e-9);
        EXPECT_EQ(r.MinGearboxRating, GearboxRating(r.PeakTorque));
        EXPECT_EQ(r.MinStructureRating, 133.0);  // first rating above 12000 lb
        EXPECT_DOUBLE_EQ(r.CounterbalanceEffect, 1.06 * 0.5 * 4000.0 + 8000.0);
        EXPECT_EQ(r.AirPressure, 0.0);
    }
}

TEST(TorqueAnalysis, AirBalancedUnitBalancesWithAirPressure) {
    Card card = cardOf(3, false);
    TorqueAnalysis(card.c, card.tf, card.prl, card.x, card.p, 12000.0, 8000.0, 7.5);
    const ZelkResults& r = card.c.Results;
    EXPECT_EQ(r.CounterbalanceMoment, 0.0);
    const double a = 0.4567 * 100.0 + 3.1035;
    const double b = 0.5372 * 100.0 + 18.87;
    // Balanced pressure sits near the one that carries the mean load.
    EXPECT_NEAR(r.AirPressure, 10000.0 / a + b, 0.2 * (10000.0 / a + b));
    for (std::size_t k = 0; k <= 120; ++k) {
        EXPECT_NEAR(r.NetTorqueCurve[k], card.tf[k] * (card.prl[k] - a * (r.AirPressure - b)),
                    1e-6);
    }
}

TEST(TorqueAnalysis, CrankAngleStartAndPowerFloor) {
    Card conventional = cardOf(0, false);
    TorqueAnalysis(conventional.c, conventional.tf, conventional.prl, conventional.x,
                   conventional.p, 12000.0, 8000.0, 7.5);
    EXPECT_EQ(conventional.c.Results.CrankAngleCurve[0], 0.0);
    EXPECT_DOUBLE_EQ(conventional.c.Results.CrankAngleCurve[30], 90.0);

    // MarkII with S = 100 in: phase -7.25 degrees, so the crank angle curve starts at 7.25.
    Card markII = cardOf(2, false);
    TorqueAnalysis(markII.c, markII.tf, markII.prl, markII.x, markII.p, 12000.0, 8000.0, 7.5);
    EXPECT_NEAR(markII.c.Results.CrankAngleCurve[0], 7.25, 1e-12);
    EXPECT_NEAR(markII.c.Results.CrankAngleCurve[120], 367.25, 1e-12);

    // A card run the wrong way round does negative work: the power floor applies.
    Card reversed = cardOf(0, true);
    TorqueAnalysis(reversed.c, reversed.tf, reversed.prl, reversed.x, reversed.p, 12000.0, 8000.0,
                   7.5);
    EXPECT_EQ(reversed.c.Results.PolishedRodPower, 0.001);
}

// A flat card has nothing to balance: the iteration must still end, with finite values.
TEST(TorqueAnalysis, ZeroLoadCardTerminates) {
    Card card = cardOf(0, false);
    std::fill(card.prl.begin(), card.prl.end(), 0.0);
    TorqueAnalysis(card.c, card.tf, card.prl, card.x, card.p, 0.0, 0.0, 7.5);
    EXPECT_TRUE(std::isfinite(card.c.Results.PeakTorque));
    Card air = cardOf(3, false);
    std::fill(air.prl.begin(), air.prl.end(), 0.0);
    TorqueAnalysis(air.c, air.tf, air.prl, air.x, air.p, 0.0, 0.0, 7.5);
    EXPECT_TRUE(std::isfinite(air.c.Results.AirPressure));
}

TEST(FiberglassJunctionLoads, LoadsFromStretchOfTheJunctionElement) {
    CalculationCase c;
    c.Inputs.RodType = 1;
    c.Inputs.FiberglassSizeIndex = 4;  // 0.7698 in^2, 0.8168 lb/ft
    c.Inputs.SteelSizeIndex = 0;       // 0.4418 in^2
    c.Inputs.FiberglassPercent = 40.0;
    c.Results.BuoyantRodWeight = 5000.0;
    const double dx = 1000.0;
    const double phi = 0.25;
    const std::vector<double> ua = {9.0, 0.010, 0.020, 0.005};
    const std::vector<double> ub = {9.0, 0.000, 0.001, 0.004};  // index 0 is not used
    FiberglassJunctionLoads(c, phi, dx, ua, ub);
    const double d = 5000.0 - 0.8168 * 0.4 * 5000.0;
    const double o = 0.75 / (0.7698 * 7200000.0) + 0.25 / (0.4418 * 30750000.0);
    const double tMax = d + 0.019 / (dx * o);
    const double tMin = d + 0.001 / (dx * o);
    const ZelkResults& r = c.Results;
    EXPECT_NEAR(r.FiberglassMaxLoad, tMax, 1e-9);
    EXPECT_NEAR(r.FiberglassMinLoad, tMin, 1e-9);
    EXPECT_NEAR(r.FiberglassMaxStress, tMax / 0.7698, 1e-9);
    EXPECT_NEAR(r.FiberglassMinStress, tMin / 0.7698, 1e-9);
    EXPECT_NEAR(r.FiberglassLoading,
                (tMax / 0.7698) / (16510.0 * std::pow(tMin / 1000.0, 0.2545)) * 100.0, 1e-9);

    // A junction in compression has no fatigue loading.
    const std::vector<double> pushed = {0.0, -0.1, -3.0, -0.1};
    const std::vector<double> zero = {0.0, 0.0, 0.0, 0.0};
    FiberglassJunctionLoads(c, phi, dx, pushed, zero);
    EXPECT_LT(c.Results.FiberglassMinLoad, 0.0);
    EXPECT_TRUE(std::isnan(c.Results.FiberglassLoading));
}

// The whole fiberglass design: junction loads lie between the rod loads above and the pump.
TEST(FiberglassJunctionLoads, DefaultFiberglassDesign) {
    CalculationCase c;
    c.Inputs.RodType = 1;
    Calculate(c);
    const ZelkResults& r = c.Results;
    EXPECT_GT(r.FiberglassMaxLoad, r.FiberglassMinLoad);
    EXPECT_LT(r.FiberglassMaxLoad, r.PPRL);
    EXPECT_GT(r.FiberglassMinLoad, 0.0);
    EXPECT_TRUE(std::isfinite(r.FiberglassLoading));
    ASSERT_EQ(r.TaperPercentages.size(), 2u);
    EXPECT_DOUBLE_EQ(r.TaperPercentages[0], 40.0);
}

}  // namespace
}  // namespace ZelkEngine
