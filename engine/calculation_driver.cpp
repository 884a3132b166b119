#include "engine/calculation_driver.h"

#include "engine/calculation_case.h"
#include "engine/element_properties.h"
#include "engine/engine_constants.h"
#include "engine/number_text.h"
#include "engine/rod_string.h"
#include "engine/unit_motion.h"
#include "engine/validate_inputs.h"
#include "engine/wave_equation.h"
#include "engine/zelk_calculator_exception.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace ZelkEngine {

namespace {

// A rate within this of the target ends the search, bbl/day.
constexpr double kTargetRateTolerance = 0.5;

[[noreturn]] void throwTargetNotReached(double target, double lastRate) {
    throw ZelkCalculatorException(
        kErrorTargetRateNotReached,
        "The Target Liquid Rate of " + DefaultFormatNumber(target) +
            " bbl/day could not be reached; the last calculated rate was " +
            DefaultFormatNumber(lastRate) + " bbl/day.",
        lastRate, target);
}

// Puts the caller's pump efficiency percent back on every way out of Calculate.
class PumpEfficiencyRestorer {
public:
    PumpEfficiencyRestorer(double& field) : m_field(field), m_percent(field) {}
    ~PumpEfficiencyRestorer() { m_field = m_percent; }
    PumpEfficiencyRestorer(const PumpEfficiencyRestorer&) = delete;
    PumpEfficiencyRestorer& operator=(const PumpEfficiencyRestorer&) = delete;

private:
    double& m_field;
    double m_percent;
};

// Inputs the validation lets through can still drive the formulas out of range (a rod string
// with a vanishing stiffness, a balanced torque with zero mean); report that instead of
// handing back infinities. The fiberglass loading is not a number by definition at times.
void checkFinite(const CalculationCase& c) {
    const ZelkResults& r = c.Results;
    const double scalars[] = {r.StaticStretch,
                              r.Overtravel,
                              r.PumpDisplacement,
                              r.ProductionRate,
                              r.PPRL,
                              r.MPRL,
                              r.TopRodLoading,
                              r.PeakTorque,
                              r.MotorSize,
                              r.FluidLevelAbovePump,
                              r.MinGearboxRating,
                              r.MinStructureRating,
                              r.PumpStroke,
                              r.FluidLoad,
                              r.TubingSpringConstant,
                              r.BuoyantRodWeight,
                              r.FiberglassMaxLoad,
                              r.FiberglassMinLoad,
                              r.FiberglassMaxStress,
                              r.FiberglassMinStress,
                              r.CounterbalanceMoment,
                              r.CounterbalanceEffect,
                              r.AirPressure,
                              r.PolishedRodPower,
                              r.RodSpringConstant,
                              r.FoOverSKr,
                              r.SpOverS,
                              r.WrfPlusFo,
                              c.Inputs.StrokeRate,
                              c.Settings.PumpInletPressure};
    bool finite = AllFinite(r.TaperPercentages) && AllFinite(r.PolishedRodLoadCurve) &&
                  AllFinite(r.PolishedRodPositionCurve) && AllFinite(r.PumpLoadCurve) &&
                  AllFinite(r.PumpPositionCurve) && AllFinite(r.PumpVelocityCurve) &&
                  AllFinite(r.CrankAngleCurve) && AllFinite(r.NetTorqueCurve);
    for (double value : scalars) {
        finite = finite && std::isfinite(value);
    }
    if (!finite) {
        throw ZelkCalculatorException(
            kErrorNotFinite,
            "The calculation did not give finite results for these inputs. Check the rod string, "
            "pump diameter and stroke rate.");
    }
}

}  // namespace

bool AllFinite(const std::vector<double>& values) {
    // A double is infinite or not a number when its exponent bits are all ones. Adding one unit of
    // the lowest exponent bit to the masked exponent carries into the sign bit exactly then; the
    // loop has no branch and compiles to vector instructions, for a few thousand points a solve.
    constexpr std::uint64_t exponentBits = 0x7ff0000000000000u;
    constexpr std::uint64_t lowestExponentBit = 0x0010000000000000u;
    constexpr std::uint64_t carryBit = 0x8000000000000000u;
    std::uint64_t carries = 0;
    for (double value : values) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        carries |= (bits & exponentBits) + lowestExponentBit;
    }
    return (carries & carryBit) == 0;
}

void RunSolver(CalculationCase& calculationCase, double ap) {
    std::string message;
    if (!ValidateInputs(calculationCase, message)) {
        throw ZelkCalculatorException(kErrorValidation, message);
    }
    const RodString rods = calculationCase.Inputs.RodType == 1
                               ? BuildFiberglassRodString(calculationCase)
                               : BuildApiRodString(calculationCase, ap);

    std::vector<double> torqueFactor, position, positionFraction;
    UnitMotion(calculationCase, calculationCase.Inputs.UnitType, torqueFactor, position,
               positionFraction);

    const std::int32_t elementCount = static_cast<std::int32_t>(ElementCountOf(calculationCase));
    const double dx = calculationCase.Inputs.Depth / elementCount;
    std::vector<double> stiffness, coupleUp, coupleDown;
    const JunctionElement junction = ElementProperties(
        calculationCase, rods.m_fractions, elementCount, dx, stiffness, coupleUp, coupleDown);
    SolveWaveEquation(calculationCase, elementCount, dx, coupleUp, coupleDown, stiffness, junction,
                      torqueFactor, position, positionFraction, ap, rods.m_topArea);
}

void Calculate(CalculationCase& calculationCase) {
    ZelkInputs& in = calculationCase.Inputs;
    ZelkSettings& set = calculationCase.Settings;
    ZelkResults& out = calculationCase.Results;
    out = ZelkResults{};

    PumpEfficiencyRestorer restorer(set.PumpEfficiency);
    set.PumpEfficiency = set.PumpEfficiency / 100.0;
    set.UnitEfficiency = set.UnitEfficiency / 100.0;
    const double efficiency = set.PumpEfficiency;

    out.PumpStroke = in.StrokeLength;
    const double ap = kPi / 4.0 * (in.PumpDiameter * in.PumpDiameter);
    RunSolver(calculationCase, ap);

    if (in.CalcSPMFromTargetRate) {
        const double target = in.TargetRate;
        double strokeRate = target / (efficiency * kRateFactor * ap * out.PumpStroke);
        bool reached = false;
        for (int trial = 1; trial <= kMaxTargetRateTrials; ++trial) {
            if (!std::isfinite(strokeRate) || strokeRate <= 0.0 ||
                strokeRate > kMaxTargetStrokeRate) {
                throwTargetNotReached(target, out.ProductionRate);
            }
            in.StrokeRate = strokeRate;
            RunSolver(calculationCase, ap);
            const double rate = out.ProductionRate;
            if (!std::isfinite(rate) || rate <= 0.0) {
                throwTargetNotReached(target, rate);
            }
            strokeRate = strokeRate * (0.5 * target / rate + 0.5);
            if (target - kTargetRateTolerance < rate && rate < target + kTargetRateTolerance) {
                reached = true;
                break;
            }
        }
        if (!reached) {
            throwTargetNotReached(target, out.ProductionRate);
        }
        // The stored rate is the next iterate after the accepted solve.
        in.StrokeRate = strokeRate;
    }

    const double pumpRate = efficiency * kRateFactor * ap * out.PumpStroke * in.StrokeRate;
    if (set.PressureType == 1) {
        // Straight-line inflow: the well gives at most PI x Pr at zero intake pressure.
        const double maxInflow = set.ProductivityIndex * set.ReservoirPressure;
        if (set.ReservoirPressure - pumpRate / set.ProductivityIndex < 0.0) {
            throw ZelkCalculatorException(
                kErrorInflowExceeded,
                "The Calculated Pump Rate of " + DefaultFormatNumber(pumpRate) +
                    " bbl/day exceeds the well's max inflow rate of " +
                    DefaultFormatNumber(maxInflow) +
                    " bbl/day potential withdrawal rate from the formation. (based on the "
                    "reservoir pressure, PI, and inflow performance calculations)",
                pumpRate, maxInflow);
        }
    }

    out.PumpDisplacement = out.ProductionRate / efficiency;
    out.StaticStretch = out.FluidLoad / out.RodSpringConstant;
    out.Overtravel = out.FluidLoad / out.RodSpringConstant +
                     (in.AnchoredTubing ? 0.0 : out.FluidLoad / out.TubingSpringConstant) +
                     out.PumpStroke - in.StrokeLength;
    checkFinite(calculationCase);
}

}  // namespace ZelkEngine
