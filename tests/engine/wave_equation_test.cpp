#include "engine/wave_equation.h"

#include "engine/calculation_case.h"
#include "engine/calculation_driver.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace ZelkEngine {
namespace {

constexpr double kPi = 3.14159265358979323846;
const double kAp150 = kPi / 4.0 * (1.5 * 1.5);

double spanOf(const std::vector<double>& v) {
    return *std::max_element(v.begin(), v.end()) - *std::min_element(v.begin(), v.end());
}

TEST(TimeGrid, DefaultDesignCoefficients) {
    const TimeGrid g = TimeGridOf(CalculationCase{});  // D 0.1, 5000 ft, 8.3 SPM, 300 steps
    EXPECT_EQ(g.m_cycles, 4);
    EXPECT_NEAR(g.m_damping, 0.518363, 5e-7);
    EXPECT_NEAR(g.m_period, 7.228916, 5e-7);
    EXPECT_NEAR(g.m_dt, 0.0240964, 5e-8);
    EXPECT_NEAR(g.m_a2, 3476.768, 5e-4);
    EXPECT_NEAR(g.m_a1, 8654.274, 5e-4);
    EXPECT_NEAR(g.m_a0, 6899.756, 5e-4);
    CalculationCase slow;
    slow.Inputs.StrokeRate = 1.0;
    EXPECT_EQ(TimeGridOf(slow).m_cycles, 3);
}

// Closed-form pieces of the default design: fluid load, tubing, stretch and the curve layout.
TEST(SolveWaveEquation, DefaultDesignStaticValuesByHand) {
    CalculationCase c;
    Calculate(c);
    const ZelkResults& r = c.Results;
    const double fo = kAp150 * (1.0 * 0.433 * 5000.0 - 50.0 + 80.0);
    EXPECT_NEAR(r.FluidLoad / fo, 1.0, 1e-14);
    const double at = kPi / 4.0 * (2.875 * 2.875 - 2.259 * 2.259);
    EXPECT_NEAR(r.TubingSpringConstant / (at * 29600000.0 / 60000.0), 1.0, 1e-14);
    EXPECT_NEAR(r.FluidLevelAbovePump, (50.0 - 45.0) / 0.433, 1e-11);
    EXPECT_NEAR(r.WrfPlusFo, fo + r.BuoyantRodWeight, 1e-9);
    EXPECT_NEAR(r.FoOverSKr, fo / (r.RodSpringConstant * 100.0), 1e-14);
    EXPECT_NEAR(r.StaticStretch, fo / r.RodSpringConstant, 1e-12);
    for (const std::vector<double>* curve :
         {&r.PolishedRodLoadCurve, &r.PolishedRodPositionCurve, &r.PumpLoadCurve,
          &r.PumpPositionCurve, &r.PumpVelocityCurve, &r.CrankAngleCurve, &r.NetTorqueCurve}) {
        ASSERT_EQ(curve->size(), 301u);
    }
    // Point 0 repeats point K; positions start from their lowest point.
    EXPECT_EQ(r.PolishedRodLoadCurve[0], r.PolishedRodLoadCurve[300]);
    EXPECT_EQ(r.PumpPositionCurve[0], r.PumpPositionCurve[300]);
    EXPECT_EQ(*std::min_element(r.PumpPositionCurve.begin(), r.PumpPositionCurve.end()), 0.0);
    EXPECT_EQ(
        *std::min_element(r.PolishedRodPositionCurve.begin(), r.PolishedRodPositionCurve.end()),
        0.0);
    EXPECT_EQ(r.PPRL,
              *std::max_element(r.PolishedRodLoadCurve.begin(), r.PolishedRodLoadCurve.end()));
    EXPECT_EQ(r.MPRL,
              *std::min_element(r.PolishedRodLoadCurve.begin(), r.PolishedRodLoadCurve.end()));
    // The pump load stays between 0 and Fo; the plunger load is Fo for part of the stroke.
    for (double load : r.PumpLoadCurve) {
        EXPECT_GE(load, 0.0);
        EXPECT_LE(load, fo);
    }
    EXPECT_GT(std::count(r.PumpLoadCurve.begin(), r.PumpLoadCurve.end(), fo), 50);
    // Pump stroke less tubing stretch, rate from the net stroke.
    const double ct = 5000.0 / at / 29600000.0;
    EXPECT_NEAR(r.PumpStroke, spanOf(r.PumpPositionCurve) - ct * fo * 12.0, 1e-9);
    EXPECT_NEAR(r.SpOverS, r.PumpStroke / spanOf(r.PolishedRodPositionCurve), 1e-14);
    EXPECT_NEAR(r.ProductionRate, r.PumpStroke * 0.95 * 0.1484 * kAp150 * 8.3, 1e-9);
    // Plausible engineering magnitudes for this well.
    EXPECT_GT(r.PPRL, 12000.0);
    EXPECT_LT(r.PPRL, 18000.0);
    EXPECT_GT(r.MPRL, 4000.0);
    EXPECT_LT(r.MPRL, r.BuoyantRodWeight);
    EXPECT_GT(r.PumpStroke, 70.0);
    EXPECT_LT(r.PumpStroke, 100.0);
}

TEST(SolveWaveEquation, AnchoredTubingHoldsThePlungerDuringTransfers) {
    CalculationCase c;
    c.Inputs.AnchoredTubing = true;
    Calculate(c);
    const ZelkResults& r = c.Results;
    EXPECT_EQ(r.PumpStroke, spanOf(r.PumpPositionCurve));
    const double fo = r.FluidLoad;
    int held = 0;
    for (std::size_t k = 1; k + 1 < r.PumpLoadCurve.size(); ++k) {
        const bool transfer = r.PumpLoadCurve[k] > 0.0 && r.PumpLoadCurve[k] < fo;
        const bool nextTransfer = r.PumpLoadCurve[k + 1] > 0.0 && r.PumpLoadCurve[k + 1] < fo;
        if (transfer && nextTransfer) {
            EXPECT_EQ(r.PumpPositionCurve[k], r.PumpPositionCurve[k + 1]) << k;
            ++held;
        }
    }
    EXPECT_GT(held, 0);
    EXPECT_DOUBLE_EQ(r.Overtravel, fo / r.RodSpringConstant + r.PumpStroke - 100.0);
}

TEST(SolveWaveEquation, IntakePressureAboveHeadGivesNoFluidLoad) {
    CalculationCase c;
    c.Settings.PumpInletPressure = 3000.0;  // head 2165 psi + 80 psi tubing
    Calculate(c);
    const ZelkResults& r = c.Results;
    EXPECT_EQ(r.FluidLoad, 0.0);
    const double negative = kAp150 * (0.433 * 5000.0 - 3000.0 + 80.0);
    EXPECT_NEAR(r.WrfPlusFo, r.BuoyantRodWeight + negative, 1e-9);
    EXPECT_LT(r.FoOverSKr, 0.0);
    for (double load : r.PumpLoadCurve) {
        EXPECT_EQ(load, 0.0);
    }
    EXPECT_NEAR(r.FluidLevelAbovePump, (3000.0 - 45.0) / 0.433, 1e-9);
}

TEST(SolveWaveEquation, ProductivityIndexModeRaisesLowIntakePressureToCasingPressure) {
    CalculationCase c;
    c.Settings.PressureType = 1;  // Pr 1000 psi, PI 0.2: 1000 - 206.8 / 0.2 < 45 psi
    Calculate(c);
    EXPECT_EQ(c.Settings.PumpInletPressure, 45.0);
    EXPECT_EQ(c.Results.FluidLevelAbovePump, 0.0);
    // A strong well keeps a computed intake pressure above the casing pressure.
    CalculationCase strong;
    strong.Settings.PressureType = 1;
    strong.Settings.ProductivityIndex = 2.0;
    Calculate(strong);
    const double expected = 1000.0 - kAp150 * (0.95 * 0.1484) * 100.0 * 8.3 / 2.0;
    EXPECT_NEAR(strong.Settings.PumpInletPressure, expected, 1e-9);
    EXPECT_NEAR(strong.Results.FluidLevelAbovePump, (expected - 45.0) / 0.433, 1e-8);
}

// Sinker bars add their buoyant weight to every polished rod load of a steel string only.
TEST(SolveWaveEquation, SinkerBarWeightShiftsSteelStringLoads) {
    CalculationCase plain;
    Calculate(plain);
    CalculationCase sinker;
    sinker.Settings.SinkerWeight = 1000.0;
    Calculate(sinker);
    for (std::size_t k = 0; k < plain.Results.PolishedRodLoadCurve.size(); ++k) {
        EXPECT_NEAR(sinker.Results.PolishedRodLoadCurve[k] - plain.Results.PolishedRodLoadCurve[k],
                    872.3, 1e-8);
    }
    CalculationCase fgPlain;
    fgPlain.Inputs.RodType = 1;
    Calculate(fgPlain);
    CalculationCase fgSinker = CalculationCase{};
    fgSinker.Inputs.RodType = 1;
    fgSinker.Settings.SinkerWeight = 1000.0;
    Calculate(fgSinker);
    EXPECT_EQ(fgPlain.Results.PolishedRodLoadCurve, fgSinker.Results.PolishedRodLoadCurve);
}

// More elements and time steps converge: the card changes little between fine grids.
TEST(SolveWaveEquation, RefiningTheGridConverges) {
    auto pprl = [](double dxMax, int steps) {
        CalculationCase c;
        c.Settings.dXMax = dxMax;
        c.Settings.NTimeSteps = steps;
        Calculate(c);
        return c.Results.PPRL;
    };
    const double coarse = pprl(1000.0, 300);
    const double fine = pprl(100.0, 1200);
    const double finer = pprl(50.0, 2400);
    EXPECT_LT(std::fabs(finer - fine), std::fabs(fine - coarse) + 1.0);
    EXPECT_NEAR(finer / fine, 1.0, 0.02);
}

}  // namespace
}  // namespace ZelkEngine

namespace ZelkEngine {
namespace {

// With two elements the node above the pump is the polished rod; the pump condition must still
// hold there. Two and three elements give nearly the same pump stroke as a fine grid.
TEST(SolveWaveEquation, TwoElementStringKeepsThePumpCondition) {
    auto strokeOf = [](int elements) {
        CalculationCase c;
        c.Settings.MinElements = elements;
        c.Settings.dXMax = 20000.0;
        c.Inputs.StrokeRate = 4.0;
        Calculate(c);
        return c.Results.PumpStroke;
    };
    const double fine = strokeOf(20);
    EXPECT_NEAR(strokeOf(2) / fine, 1.0, 0.01);
    EXPECT_NEAR(strokeOf(3) / fine, 1.0, 0.01);
    EXPECT_NEAR(strokeOf(1) / strokeOf(2), 1.0, 1e-15);  // one element is raised to two
}

}  // namespace
}  // namespace ZelkEngine
