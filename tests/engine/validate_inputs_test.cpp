#include "engine/validate_inputs.h"

#include "engine/calculation_case.h"

#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

namespace ZelkEngine {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

const char* const kTargetMessage = "Target Liquid Rate must be between .01 and 10,000 BPD.";
const char* const kDepthMessage = "Pump Depth must be between 100 and 20,000 ft.";
const char* const kStrokeMessage = "Stroke Length must be between 1 and 500 inches.";
const std::string kSinker3000 =
    "Please enter a value for Sinker Bar Weight between 0 and 3000.  Deeper wells can have higher "
    "sinker bar weight. Shallow should have less.";

struct ValidationCase {
    const char* name;
    std::function<void(CalculationCase&)> change;
    std::string message;  // empty: passes
};

void PrintTo(const ValidationCase& row, std::ostream* os) {
    *os << row.name;
}

class Validation : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(Validation, FirstFailingCheckWritesItsMessage) {
    const ValidationCase& row = GetParam();
    CalculationCase c;
    row.change(c);
    std::string message = "untouched";
    const bool ok = ValidateInputs(c, message);
    if (row.message.empty()) {
        EXPECT_TRUE(ok) << message;
    } else {
        EXPECT_FALSE(ok);
        EXPECT_EQ(message, row.message);
    }
}

void targetMode(CalculationCase& c, double rate) {
    c.Inputs.CalcSPMFromTargetRate = true;
    c.Inputs.TargetRate = rate;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Inputs, Validation, ::testing::Values(
    ValidationCase{"default_design", [](CalculationCase&) {}, ""},
    ValidationCase{"target_low_bound", [](CalculationCase& c) { targetMode(c, 0.01); }, ""},
    ValidationCase{"target_high_bound", [](CalculationCase& c) { targetMode(c, 10000); }, ""},
    ValidationCase{"target_too_low", [](CalculationCase& c) { targetMode(c, 0.009); }, kTargetMessage},
    ValidationCase{"target_nan", [](CalculationCase& c) { targetMode(c, kNaN); }, kTargetMessage},
    ValidationCase{"target_ignored_in_rate_mode",
                   [](CalculationCase& c) { c.Inputs.TargetRate = -5; }, ""},
    ValidationCase{"depth_bounds", [](CalculationCase& c) { c.Inputs.Depth = 20000; }, ""},
    ValidationCase{"depth_100", [](CalculationCase& c) {
                       c.Inputs.Depth = 100; c.Settings.SinkerWeight = 0; }, ""},
    ValidationCase{"depth_99_9", [](CalculationCase& c) { c.Inputs.Depth = 99.9; }, kDepthMessage},
    ValidationCase{"depth_nan", [](CalculationCase& c) { c.Inputs.Depth = kNaN; }, kDepthMessage},
    ValidationCase{"sinker_at_limit", [](CalculationCase& c) { c.Settings.SinkerWeight = 3000; }, ""},
    ValidationCase{"sinker_above_limit",
                   [](CalculationCase& c) { c.Settings.SinkerWeight = 3000.5; }, kSinker3000},
    ValidationCase{"sinker_negative",
                   [](CalculationCase& c) { c.Settings.SinkerWeight = -1; }, kSinker3000},
    ValidationCase{"sinker_limit_six_digits", [](CalculationCase& c) {
                       c.Inputs.Depth = 1234.5678; c.Settings.SinkerWeight = 1e6; },
                   "Please enter a value for Sinker Bar Weight between 0 and 740.741.  Deeper "
                   "wells can have higher sinker bar weight. Shallow should have less."},
    ValidationCase{"stroke_bounds", [](CalculationCase& c) { c.Inputs.StrokeLength = 500; }, ""},
    ValidationCase{"stroke_too_short",
                   [](CalculationCase& c) { c.Inputs.StrokeLength = 0.99; }, kStrokeMessage},
    ValidationCase{"first_failure_wins", [](CalculationCase& c) {
                       targetMode(c, 0); c.Inputs.Depth = 50; c.Inputs.StrokeLength = 0; },
                   kTargetMessage},
    ValidationCase{"depth_before_stroke", [](CalculationCase& c) {
                       c.Inputs.Depth = 50; c.Inputs.StrokeLength = 0; }, kDepthMessage},
    ValidationCase{"four_checks_before_extra_checks", [](CalculationCase& c) {
                       c.Inputs.StrokeRate = 0; c.Inputs.StrokeLength = 600; }, kStrokeMessage},
    ValidationCase{"stroke_rate_zero", [](CalculationCase& c) { c.Inputs.StrokeRate = 0; },
                   "Stroke Rate must be a number greater than 0 SPM."},
    ValidationCase{"stroke_rate_inf", [](CalculationCase& c) { c.Inputs.StrokeRate = kInf; },
                   "Stroke Rate must be a number greater than 0 SPM."},
    ValidationCase{"stroke_rate_zero_starts_target_search", [](CalculationCase& c) {
                       targetMode(c, 171); c.Inputs.StrokeRate = 0; }, ""},
    ValidationCase{"stroke_rate_negative_target_mode", [](CalculationCase& c) {
                       targetMode(c, 171); c.Inputs.StrokeRate = -1; },
                   "Stroke Rate must be a number greater than or equal to 0 SPM."},
    ValidationCase{"time_steps_zero", [](CalculationCase& c) { c.Settings.NTimeSteps = 0; },
                   "Number of Time Steps must be between 1 and 100000."},
    ValidationCase{"time_steps_one", [](CalculationCase& c) { c.Settings.NTimeSteps = 1; }, ""},
    ValidationCase{"dx_max_zero", [](CalculationCase& c) { c.Settings.dXMax = 0; },
                   "dx Maximum must be a number greater than 0 ft."},
    ValidationCase{"dx_max_nan", [](CalculationCase& c) { c.Settings.dXMax = kNaN; },
                   "dx Maximum must be a number greater than 0 ft."},
    ValidationCase{"min_elements_zero", [](CalculationCase& c) { c.Settings.MinElements = 0; },
                   "Minimum Number of Elements must be between 1 and 100000."},
    ValidationCase{"pump_diameter_nan", [](CalculationCase& c) { c.Inputs.PumpDiameter = kNaN; },
                   "Pump Diameter must be a number."},
    ValidationCase{"tubing_inf", [](CalculationCase& c) { c.Inputs.TubingOD = kInf; },
                   "Tubing diameters must be numbers, the outer diameter larger than the inner "
                   "diameter and the inner diameter not negative."},
    ValidationCase{"tubing_no_wall", [](CalculationCase& c) { c.Inputs.TubingID = 2.875; },
                   "Tubing diameters must be numbers, the outer diameter larger than the inner "
                   "diameter and the inner diameter not negative."},
    ValidationCase{"pump_efficiency_zero",
                   [](CalculationCase& c) { c.Settings.PumpEfficiency = 0; },
                   "Pump Volumetric Efficiency must be a number greater than 0 %."},
    ValidationCase{"unit_efficiency_nan",
                   [](CalculationCase& c) { c.Settings.UnitEfficiency = kNaN; },
                   "Surface Unit Efficiency must be a number greater than 0 %."},
    ValidationCase{"gravity_zero", [](CalculationCase& c) { c.Settings.FluidSpGrav = 0; },
                   "Fluid Specific Gravity must be a number greater than 0."},
    ValidationCase{"damping_negative", [](CalculationCase& c) { c.Settings.DampingFactor = -0.1; },
                   "Damping Factor must be a number greater than or equal to 0."},
    ValidationCase{"damping_zero", [](CalculationCase& c) { c.Settings.DampingFactor = 0; }, ""},
    ValidationCase{"tubing_pressure_nan",
                   [](CalculationCase& c) { c.Settings.TubingPressure = kNaN; },
                   "Tubing Pressure must be a number."},
    ValidationCase{"casing_pressure_inf",
                   [](CalculationCase& c) { c.Settings.CasingPressure = -kInf; },
                   "Casing Pressure must be a number."},
    ValidationCase{"pi_zero_in_pi_mode", [](CalculationCase& c) {
                       c.Settings.PressureType = 1; c.Settings.ProductivityIndex = 0; },
                   "Productivity Index must be a number greater than 0."},
    ValidationCase{"pi_ignored_when_entered",
                   [](CalculationCase& c) { c.Settings.ProductivityIndex = 0; }, ""},
    ValidationCase{"reservoir_nan_in_pi_mode", [](CalculationCase& c) {
                       c.Settings.PressureType = 1; c.Settings.ReservoirPressure = kNaN; },
                   "Reservoir Pressure must be a number."},
    ValidationCase{"entered_pip_nan",
                   [](CalculationCase& c) { c.Settings.PumpInletPressure = kNaN; },
                   "Pump Intake Pressure must be a number."},
    ValidationCase{"pip_ignored_in_pi_mode", [](CalculationCase& c) {
                       c.Settings.PressureType = 1; c.Settings.PumpInletPressure = kNaN; }, ""},
    ValidationCase{"rod_type_2", [](CalculationCase& c) { c.Inputs.RodType = 2; },
                   "Rod Type must be 0 (steel rods) or 1 (fiberglass and steel rods)."},
    ValidationCase{"fiberglass_percent_over_100", [](CalculationCase& c) {
                       c.Inputs.RodType = 1; c.Inputs.FiberglassPercent = 100.5; },
                   "Fiberglass Percent must be between 0 and 100 %."},
    ValidationCase{"fiberglass_percent_ignored_for_steel",
                   [](CalculationCase& c) { c.Inputs.FiberglassPercent = -3; }, ""},
    ValidationCase{"too_many_elements", [](CalculationCase& c) { c.Settings.dXMax = 0.01; },
                   "The rod string would need more than 100000 elements: raise dx Maximum."},
    ValidationCase{"too_much_work", [](CalculationCase& c) {
                       c.Settings.dXMax = 0.5; c.Settings.NTimeSteps = 100000; },
                   "The calculation would need more than 2e9 element-steps: lower the Number of "
                   "Time Steps or the Stroke Rate, or raise dx Maximum."}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST(Grid, ElementCountAndCycles) {
    CalculationCase c;  // 5000 ft, dX maximum 1000 ft, at least 4 elements
    EXPECT_EQ(ElementCountOf(c), 5.0);
    c.Settings.MinElements = 10;
    EXPECT_EQ(ElementCountOf(c), 10.0);
    c.Settings.MinElements = 1;
    c.Settings.dXMax = 4000.0;  // floor(1.25 + 0.5) = 1, raised to the two the formulas need
    EXPECT_EQ(ElementCountOf(c), 2.0);
    c.Settings.dXMax = 1999.0;  // floor(2.5013 + 0.5) = 3
    EXPECT_EQ(ElementCountOf(c), 3.0);
    EXPECT_EQ(CycleCountOf(8.3), 4.0);
    EXPECT_EQ(CycleCountOf(1.0), 3.0);
    EXPECT_EQ(CycleCountOf(12.5), 5.0);
    EXPECT_EQ(CycleCountOf(0.0), 3.0);
}

}  // namespace
}  // namespace ZelkEngine
