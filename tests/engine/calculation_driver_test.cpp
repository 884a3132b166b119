#include "engine/calculation_driver.h"

#include "engine/calculation_case.h"
#include "engine/zelk_calculator_exception.h"

#include <cmath>
#include <cstddef>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace ZelkEngine {
namespace {

constexpr double kPi = 3.14159265358979323846;
const double kAp150 = kPi / 4.0 * (1.5 * 1.5);

TEST(Calculate, StrokeRateModeKeepsTheRateAndRestoresThePumpEfficiency) {
    CalculationCase c;
    Calculate(c);
    EXPECT_EQ(c.Inputs.StrokeRate, 8.3);
    EXPECT_EQ(c.Settings.PumpEfficiency, 95.0);
    EXPECT_EQ(c.Settings.UnitEfficiency, 0.95);
    const ZelkResults& r = c.Results;
    EXPECT_NEAR(r.PumpDisplacement, r.ProductionRate / 0.95, 1e-12);
    const double kt = r.TubingSpringConstant;
    EXPECT_NEAR(r.Overtravel,
                r.FluidLoad / r.RodSpringConstant + r.FluidLoad / kt + r.PumpStroke - 100.0, 1e-12);
}

// The stored stroke rate is one update beyond the last solve: undo that update, solve there in
// stroke-rate mode and the results agree.
TEST(Calculate, TargetRateModeMeetsTheTargetAndStoresTheNextIterate) {
    CalculationCase target;
    target.Inputs.CalcSPMFromTargetRate = true;
    Calculate(target);
    const double q = target.Results.ProductionRate;
    EXPECT_GT(q, 170.5);
    EXPECT_LT(q, 171.5);
    EXPECT_EQ(target.Settings.PumpEfficiency, 95.0);
    const double lastSolved = target.Inputs.StrokeRate / (0.5 * 171.0 / q + 0.5);
    CalculationCase check;
    check.Inputs.StrokeRate = lastSolved;
    Calculate(check);
    EXPECT_NEAR(check.Results.ProductionRate / q, 1.0, 1e-12);
    EXPECT_NEAR(check.Results.PPRL / target.Results.PPRL, 1.0, 1e-12);
    EXPECT_NEAR(check.Results.PeakTorque / target.Results.PeakTorque, 1.0, 1e-12);
}

// 0.3 bbl/day above the rate of the entered 8.3 SPM is already within the tolerance, but the
// search still estimates a new stroke rate and solves there.
TEST(Calculate, TargetReachedAtTheEnteredRateStillSearches) {
    CalculationCase first;
    Calculate(first);
    CalculationCase target;
    target.Inputs.CalcSPMFromTargetRate = true;
    target.Inputs.TargetRate = first.Results.ProductionRate + 0.3;
    Calculate(target);
    EXPECT_GT(target.Inputs.StrokeRate, 8.3);
    EXPECT_GT(target.Results.ProductionRate, first.Results.ProductionRate);
    EXPECT_NEAR(target.Results.ProductionRate, target.Inputs.TargetRate, 0.5);
}

// A quasi-static first solve (0 SPM) still gives the pump stroke the search starts from.
TEST(Calculate, TargetRateSearchStartsFromZeroStrokeRate) {
    CalculationCase c;
    c.Inputs.CalcSPMFromTargetRate = true;
    c.Inputs.StrokeRate = 0.0;
    Calculate(c);
    EXPECT_NEAR(c.Results.ProductionRate, 171.0, 0.5);
    EXPECT_NEAR(c.Inputs.StrokeRate, 8.18, 0.05);
}

// With the intake pressure clamped to the casing pressure the pump rate q does not depend on
// the productivity index, so the inflow limit PI x Pr can be put on either side of it.
TEST(Calculate, InflowCheckComparesThePumpRateWithTheWellsLimit) {
    CalculationCase probe;
    probe.Settings.PressureType = 1;
    Calculate(probe);
    ASSERT_EQ(probe.Settings.PumpInletPressure, 45.0);
    const double q = 0.95 * 0.1484 * kAp150 * probe.Results.PumpStroke * 8.3;

    CalculationCase passes;
    passes.Settings.PressureType = 1;
    passes.Settings.ProductivityIndex = q / 1000.0 * (1.0 + 1e-12);
    EXPECT_NO_THROW(Calculate(passes));

    CalculationCase fails;
    fails.Settings.PressureType = 1;
    fails.Settings.ProductivityIndex = q / 1000.0 * (1.0 - 1e-6);
    try {
        Calculate(fails);
        ADD_FAILURE() << "inflow limit not enforced";
    } catch (const ZelkCalculatorException& e) {
        EXPECT_EQ(e.code(), kErrorInflowExceeded);
        EXPECT_NEAR(e.value1(), q, 1e-9);
        EXPECT_NEAR(e.value2(), q * (1.0 - 1e-6), 1e-9);
        EXPECT_EQ(fails.Settings.PumpEfficiency, 95.0);
    }

    CalculationCase message;
    message.Settings.PressureType = 1;
    message.Settings.ProductivityIndex = 0.1;  // limit 100 bbl/day
    try {
        Calculate(message);
        ADD_FAILURE();
    } catch (const ZelkCalculatorException& e) {
        const std::string text = e.message();
        EXPECT_EQ(text.rfind("The Calculated Pump Rate of 1", 0), 0u) << text;
        EXPECT_NE(text.find(" bbl/day exceeds the well's max inflow rate of 100 bbl/day potential "
                            "withdrawal rate from the formation. (based on the reservoir pressure, "
                            "PI, and inflow performance calculations)"),
                  std::string::npos)
            << text;
    }
}

TEST(Calculate, EachCallStartsAfresh) {
    CalculationCase c;
    c.Inputs.RodType = 1;
    Calculate(c);
    ASSERT_GT(c.Results.FiberglassMaxLoad, 0.0);
    c.Inputs.RodType = 0;
    c.Settings.UnitEfficiency = 95.0;
    Calculate(c);
    EXPECT_EQ(c.Results.FiberglassMaxLoad, 0.0);
    EXPECT_EQ(c.Results.TaperPercentages.size(), 2u);
    CalculationCase fresh;
    Calculate(fresh);
    EXPECT_EQ(c.Results.PPRL, fresh.Results.PPRL);
    EXPECT_EQ(c.Results.NetTorqueCurve, fresh.Results.NetTorqueCurve);
}

struct ErrorCase {
    const char* name;
    std::function<void(CalculationCase&)> change;
    int code;
};

void PrintTo(const ErrorCase& row, std::ostream* os) {
    *os << row.name;
}

class CalculateErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(CalculateErrors, RealInputRaisesItsCode) {
    CalculationCase c;
    GetParam().change(c);
    try {
        Calculate(c);
        ADD_FAILURE() << "no exception";
    } catch (const ZelkCalculatorException& e) {
        EXPECT_EQ(e.code(), GetParam().code) << e.message();
        EXPECT_FALSE(e.message().empty());
        EXPECT_STREQ(e.what(), e.message().c_str());
    }
    EXPECT_EQ(c.Settings.PumpEfficiency, 95.0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Codes, CalculateErrors, ::testing::Values(
    ErrorCase{"validation", [](CalculationCase& c) { c.Inputs.Depth = 50; }, 1},
    ErrorCase{"rod_grade", [](CalculationCase& c) { c.Inputs.RodGrade = 7; }, 3},
    ErrorCase{"steel_size", [](CalculationCase& c) {
                  c.Inputs.RodType = 1; c.Inputs.SteelSizeIndex = 9; }, 4},
    ErrorCase{"fiberglass_size", [](CalculationCase& c) {
                  c.Inputs.RodType = 1; c.Inputs.FiberglassSizeIndex = 8; }, 5},
    ErrorCase{"fiberglass_not_falling", [](CalculationCase& c) {
                  c.Inputs.RodType = 1; c.Inputs.StrokeRate = 25; }, 6},
    ErrorCase{"rod_number", [](CalculationCase& c) { c.Inputs.RodNumber = 85; }, 7},
    ErrorCase{"unit_type", [](CalculationCase& c) { c.Inputs.UnitType = 4; }, 8},
    ErrorCase{"steel_not_falling", [](CalculationCase& c) { c.Inputs.StrokeRate = 25; }, 9},
    ErrorCase{"inflow", [](CalculationCase& c) {
                  c.Settings.PressureType = 1; c.Settings.ProductivityIndex = 0.1; }, 11},
    ErrorCase{"target_without_plunger", [](CalculationCase& c) {
                  c.Inputs.CalcSPMFromTargetRate = true; c.Inputs.PumpDiameter = 0; }, 12},
    ErrorCase{"target_beyond_any_stroke_rate", [](CalculationCase& c) {
                  c.Inputs.CalcSPMFromTargetRate = true; c.Inputs.PumpDiameter = 0.01;
                  c.Inputs.TargetRate = 10000; }, 12},
    ErrorCase{"target_rods_cannot_follow", [](CalculationCase& c) {
                  c.Inputs.CalcSPMFromTargetRate = true; c.Inputs.TargetRate = 1000; }, 9},
    ErrorCase{"infinite_plunger_area", [](CalculationCase& c) {
                  c.Inputs.PumpDiameter = 1e200; }, 13}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

// Every non-finite value is found wherever it sits, and no finite value is taken for one: the
// largest double and the smallest subnormal lie next to the exponent patterns the test reads.
TEST(AllFinite, FindsInfinitiesAndNotANumberAnywhere) {
    using Limits = std::numeric_limits<double>;
    EXPECT_TRUE(AllFinite({}));
    EXPECT_TRUE(AllFinite({0.0, -0.0, 1.0, -1.0, Limits::max(), -Limits::max(), Limits::min(),
                           Limits::denorm_min(), -Limits::denorm_min(), Limits::epsilon()}));
    const std::vector<double> bad = {Limits::infinity(), -Limits::infinity(), Limits::quiet_NaN(),
                                     -Limits::quiet_NaN(), Limits::signaling_NaN()};
    for (double value : bad) {
        for (std::size_t at : {0u, 1u, 4u, 300u}) {
            std::vector<double> values(301, Limits::max());
            values[at] = value;
            EXPECT_FALSE(AllFinite(values)) << value << " at " << at;
        }
    }
}

TEST(Calculate, TargetNotReachedNamesTargetAndLastRate) {
    CalculationCase c;
    c.Inputs.CalcSPMFromTargetRate = true;
    c.Inputs.PumpDiameter = 0.01;
    c.Inputs.TargetRate = 10000;
    try {
        Calculate(c);
        ADD_FAILURE();
    } catch (const ZelkCalculatorException& e) {
        EXPECT_EQ(e.code(), kErrorTargetRateNotReached);
        EXPECT_EQ(e.value2(), 10000.0);
        EXPECT_GT(e.value1(), 0.0);
        EXPECT_LT(e.value1(), 1.0);
        EXPECT_EQ(e.message().rfind("The Target Liquid Rate of 10000 bbl/day could not be "
                                    "reached; the last calculated rate was 0.0",
                                    0),
                  0u)
            << e.message();
    }
}

}  // namespace
}  // namespace ZelkEngine
