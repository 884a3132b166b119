#include "engine/validate_inputs.h"

#include "engine/calculation_case.h"
#include "engine/number_text.h"

#include <cmath>

namespace ZelkEngine {

namespace {

bool inRange(double value, double low, double high) {
    return value >= low && value <= high;
}

bool finitePositive(double value) {
    return std::isfinite(value) && value > 0.0;
}

// Fails with the message unless the condition holds. Written so that a NaN fails every check.
bool require(bool condition, const char* text, std::string& message) {
    if (!condition) {
        message = text;
    }
    return condition;
}

// Values a user can enter outside the range the formulas can take: divisions by them, square
// roots, grid and time-step counts. Checked after the four user-facing range checks.
bool checkComputable(const CalculationCase& c, std::string& message) {
    const ZelkInputs& in = c.Inputs;
    const ZelkSettings& set = c.Settings;
    if (in.CalcSPMFromTargetRate) {
        // The first solve runs at the entered rate; 0 is a quasi-static start of the search.
        if (!require(std::isfinite(in.StrokeRate) && in.StrokeRate >= 0.0,
                     "Stroke Rate must be a number greater than or equal to 0 SPM.", message)) {
            return false;
        }
    } else if (!require(finitePositive(in.StrokeRate),
                        "Stroke Rate must be a number greater than 0 SPM.", message)) {
        return false;
    }
    if (!require(set.NTimeSteps >= 1 && set.NTimeSteps <= kMaxTimeSteps,
                 "Number of Time Steps must be between 1 and 100000.", message) ||
        !require(finitePositive(set.dXMax), "dx Maximum must be a number greater than 0 ft.",
                 message) ||
        !require(set.MinElements >= 1 && set.MinElements <= kMaxElements,
                 "Minimum Number of Elements must be between 1 and 100000.", message) ||
        !require(std::isfinite(in.PumpDiameter), "Pump Diameter must be a number.", message) ||
        !require(std::isfinite(in.TubingOD) && std::isfinite(in.TubingID) && in.TubingID >= 0.0 &&
                     in.TubingOD > in.TubingID,
                 "Tubing diameters must be numbers, the outer diameter larger than the inner "
                 "diameter and the inner diameter not negative.",
                 message) ||
        !require(finitePositive(set.PumpEfficiency),
                 "Pump Volumetric Efficiency must be a number greater than 0 %.", message) ||
        !require(finitePositive(set.UnitEfficiency),
                 "Surface Unit Efficiency must be a number greater than 0 %.", message) ||
        !require(finitePositive(set.FluidSpGrav),
                 "Fluid Specific Gravity must be a number greater than 0.", message) ||
        !require(std::isfinite(set.DampingFactor) && set.DampingFactor >= 0.0,
                 "Damping Factor must be a number greater than or equal to 0.", message) ||
        !require(std::isfinite(set.TubingPressure), "Tubing Pressure must be a number.", message) ||
        !require(std::isfinite(set.CasingPressure), "Casing Pressure must be a number.", message)) {
        return false;
    }
    if (set.PressureType == 1) {
        if (!require(finitePositive(set.ProductivityIndex),
                     "Productivity Index must be a number greater than 0.", message) ||
            !require(std::isfinite(set.ReservoirPressure), "Reservoir Pressure must be a number.",
                     message)) {
            return false;
        }
    } else if (!require(std::isfinite(set.PumpInletPressure),
                        "Pump Intake Pressure must be a number.", message)) {
        return false;
    }
    if (!require(in.RodType == 0 || in.RodType == 1,
                 "Rod Type must be 0 (steel rods) or 1 (fiberglass and steel rods).", message)) {
        return false;
    }
    if (in.RodType == 1 && !require(inRange(in.FiberglassPercent, 0.0, 100.0),
                                    "Fiberglass Percent must be between 0 and 100 %.", message)) {
        return false;
    }
    const double elements = ElementCountOf(c);
    if (!require(elements <= kMaxElements,
                 "The rod string would need more than 100000 elements: raise dx Maximum.",
                 message)) {
        return false;
    }
    const double work =
        CycleCountOf(in.StrokeRate) * static_cast<double>(set.NTimeSteps) * elements;
    return require(work <= kMaxElementSteps,
                   "The calculation would need more than 2e9 element-steps: lower the Number of "
                   "Time Steps or the Stroke Rate, or raise dx Maximum.",
                   message);
}

}  // namespace

bool ValidateInputs(const CalculationCase& calculationCase, std::string& message) {
    const ZelkInputs& in = calculationCase.Inputs;
    const ZelkSettings& set = calculationCase.Settings;
    if (in.CalcSPMFromTargetRate &&
        !require(inRange(in.TargetRate, 0.01, 10000.0),
                 "Target Liquid Rate must be between .01 and 10,000 BPD.", message)) {
        return false;
    }
    if (!require(inRange(in.Depth, 100.0, 20000.0), "Pump Depth must be between 100 and 20,000 ft.",
                 message)) {
        return false;
    }
    // 600 lb of sinker bars per thousand feet of pump depth.
    const double sinkerLimit = in.Depth / 1000.0 * 600.0;
    if (!inRange(set.SinkerWeight, 0.0, sinkerLimit)) {
        message = "Please enter a value for Sinker Bar Weight between 0 and " +
                  DefaultFormatNumber(sinkerLimit) +
                  ".  Deeper wells can have higher sinker bar weight. Shallow should have less.";
        return false;
    }
    if (!require(inRange(in.StrokeLength, 1.0, 500.0),
                 "Stroke Length must be between 1 and 500 inches.", message)) {
        return false;
    }
    return checkComputable(calculationCase, message);
}

double ElementCountOf(const CalculationCase& calculationCase) {
    double elements =
        std::floor(calculationCase.Inputs.Depth / calculationCase.Settings.dXMax + 0.5);
    if (elements < calculationCase.Settings.MinElements) {
        elements = calculationCase.Settings.MinElements;
    }
    // The polished rod load and the pump load are three-point formulas two elements deep.
    if (elements < 2.0) {
        elements = 2.0;
    }
    return elements;
}

double CycleCountOf(double strokeRate) {
    const double cycles = std::floor(0.2 * strokeRate + 2.5);
    return cycles < 3.0 ? 3.0 : cycles;
}

}  // namespace ZelkEngine
