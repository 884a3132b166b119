#include "engine/api_rod_numbers.h"
#include "engine/calculation_case.h"
#include "engine/calculation_driver.h"
#include "engine/tubing_table.h"
#include "engine/zelk_calculator_exception.h"

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace ZelkEngine {
namespace {

class RandomDesigns {
public:
    explicit RandomDesigns(std::uint32_t seed) : m_random(seed) {}

    CalculationCase next() {
        CalculationCase c;
        ZelkInputs& in = c.Inputs;
        ZelkSettings& set = c.Settings;
        in.UnitType = pick(0, 3);
        in.Depth = real(100.0, 20000.0);
        in.StrokeLength = real(20.0, 300.0);
        in.PumpDiameter = real(0.75, 4.0);
        const TubingSize& tubing = TubingSizes()[static_cast<std::size_t>(pick(0, 51))];
        in.TubingOD = tubing.m_outerDiameter;
        in.TubingID = tubing.m_innerDiameter;
        in.AnchoredTubing = pick(0, 1) == 1;
        in.RodType = pick(0, 1);
        const std::vector<std::int32_t>& numbers = ApiRodNumbers();
        in.RodNumber = numbers[static_cast<std::size_t>(pick(0, 13))];
        in.RodGrade = pick(0, 3);
        in.FiberglassSizeIndex = pick(0, 7);
        in.SteelSizeIndex = pick(0, 8);
        in.FiberglassPercent = real(0.0, 100.0);
        in.StrokeRate = real(1.0, 20.0);
        in.CalcSPMFromTargetRate = pick(0, 1) == 1;
        in.TargetRate = real(5.0, 1500.0);
        set.PumpEfficiency = real(30.0, 100.0);
        set.FluidSpGrav = real(0.6, 1.4);
        set.UnitEfficiency = real(50.0, 100.0);
        set.DampingFactor = real(0.0, 0.5);
        set.NTimeSteps = pick(10, 400);
        set.dXMax = real(100.0, 2000.0);
        set.MinElements = pick(1, 12);
        set.TubingPressure = real(0.0, 300.0);
        set.CasingPressure = real(0.0, 200.0);
        set.SinkerWeight = real(0.0, in.Depth / 1000.0 * 600.0);
        set.PressureType = pick(0, 1);
        set.PumpInletPressure = real(0.0, 3000.0);
        set.ProductivityIndex = real(0.01, 5.0);
        set.ReservoirPressure = real(100.0, 5000.0);
        return c;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    double real(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(m_random);
    }

    std::mt19937 m_random;
};

bool allFinite(const std::vector<double>& values) {
    for (double v : values) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

// Every valid design ends: finite results, or a coded engine exception, never anything else.
TEST(Property, RandomValidDesignsGiveFiniteResultsOrACodedError) {
    RandomDesigns designs(20261210u);
    int succeeded = 0;
    int targetSucceeded = 0;
    const int count = 2500;
    for (int i = 0; i < count; ++i) {
        CalculationCase c = designs.next();
        const CalculationCase input = c;
        SCOPED_TRACE(i);
        try {
            Calculate(c);
        } catch (const ZelkCalculatorException& e) {
            EXPECT_GE(e.code(), 1);
            EXPECT_LE(e.code(), 13);
            EXPECT_NE(e.code(), kErrorTaperSize);  // unreachable from table rod numbers
            EXPECT_FALSE(e.message().empty());
            continue;
        }
        ++succeeded;
        targetSucceeded += input.Inputs.CalcSPMFromTargetRate ? 1 : 0;
        const ZelkResults& r = c.Results;
        const std::size_t points = static_cast<std::size_t>(input.Settings.NTimeSteps) + 1;
        for (const std::vector<double>* curve :
             {&r.PolishedRodLoadCurve, &r.PolishedRodPositionCurve, &r.PumpLoadCurve,
              &r.PumpPositionCurve, &r.PumpVelocityCurve, &r.CrankAngleCurve, &r.NetTorqueCurve}) {
            ASSERT_EQ(curve->size(), points);
            ASSERT_TRUE(allFinite(*curve));
        }
        for (double v : {r.PPRL, r.MPRL, r.PeakTorque, r.MotorSize, r.PumpStroke, r.ProductionRate,
                         r.PumpDisplacement, r.Overtravel, r.StaticStretch, r.PolishedRodPower,
                         r.TopRodLoading, c.Inputs.StrokeRate}) {
            ASSERT_TRUE(std::isfinite(v));
        }
        EXPECT_GE(r.PPRL, r.MPRL);
        EXPECT_EQ(c.Settings.PumpEfficiency, input.Settings.PumpEfficiency);
        if (input.Inputs.CalcSPMFromTargetRate) {
            EXPECT_NEAR(r.ProductionRate, input.Inputs.TargetRate, 0.5);
        } else {
            EXPECT_EQ(c.Inputs.StrokeRate, input.Inputs.StrokeRate);
        }
        if (input.Inputs.RodType == 1 && r.FiberglassMinLoad > 0.0) {
            EXPECT_TRUE(std::isfinite(r.FiberglassLoading));
        }
    }
    // Enough of the designs get through for the assertions above to mean something.
    EXPECT_GT(succeeded, count / 4);
    EXPECT_GT(targetSucceeded, count / 20);
}

}  // namespace
}  // namespace ZelkEngine
