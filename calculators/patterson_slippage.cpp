#include "calculators/patterson_slippage.h"

#include "calculators/text_format.h"

#include <cmath>

namespace calc {
namespace {

constexpr double kWaterGradient = 0.433333;  // psi/ft
constexpr double kClearanceStep = 0.001;     // in

}  // namespace

SlippageResult PattersonSlippage(const SlippageCase& pump) {
    SlippageResult result;
    result.m_tubingFluidGradient = pump.m_fluidSpecificGravity * kWaterGradient;
    result.m_pressureDifferential = result.m_tubingFluidGradient * pump.m_pumpDepth +
                                    pump.m_tubingPressure - pump.m_pumpIntakePressure;
    result.m_slippage = std::pow(pump.m_clearance, 1.52) * (1.0 + 0.14 * pump.m_strokeRate) *
                        453.0 * pump.m_pumpDiameter * result.m_pressureDifferential /
                        (pump.m_plungerLength * pump.m_fluidViscosity);
    result.m_efficiency = 100.0 - result.m_slippage / pump.m_pumpDisplacement * 100.0;
    return result;
}

std::array<double, kSlippageCurvePoints> SlippageCurveClearances(double clearance) {
    const double lo = std::floor(clearance / kClearanceStep) * kClearanceStep;
    const double hi = std::ceil(clearance / kClearanceStep) * kClearanceStep;
    // Small clearances start one step below the clearance, large ones end one step above it;
    // everything in between shows the usual range of pump fits.
    double first = 0.003;
    if (lo < 0.004) {
        first = lo - kClearanceStep;
    } else if (hi > 0.011) {
        first = hi - 8.0 * kClearanceStep;
    }
    std::array<double, kSlippageCurvePoints> clearances{};
    for (std::size_t i = 0; i < kSlippageCurvePoints; ++i) {
        clearances[i] = first + static_cast<double>(i) * kClearanceStep;
    }
    return clearances;
}

SlippageCurve ComputeSlippageCurve(const SlippageCase& pump) {
    SlippageCurve curve;
    curve.m_clearances = SlippageCurveClearances(pump.m_clearance);
    for (std::size_t i = 0; i < kSlippageCurvePoints; ++i) {
        SlippageCase point = pump;
        point.m_clearance = curve.m_clearances[i];
        const double slippage = PattersonSlippage(point).m_slippage;
        // A clearance one step below a tiny one can be negative; its slippage is no number.
        curve.m_slippages[i] = std::isnan(slippage) ? 0.0 : slippage;
    }
    return curve;
}

CheckMessages CheckSlippageInputs(const SlippageCase& pump, const SlippageUnits& units,
                                  const CalculatorTexts& texts) {
    CheckMessages messages{texts.m_invalidHeader, {}};
    if (!(pump.m_fluidViscosity > 0.0)) {
        messages.m_lines.push_back(GreaterThanLine(texts.m_greaterThan,
                                                   LabelBeforeParenthesis(texts.m_fluidViscosity),
                                                   0.0, units.m_viscosity));
    }
    if (!(pump.m_plungerLength > 0.0)) {
        messages.m_lines.push_back(GreaterThanLine(texts.m_greaterThan,
                                                   LabelBeforeParenthesis(texts.m_plungerLength),
                                                   0.0, units.m_plungerLength));
    }
    if (!(pump.m_clearance >= 0.0)) {
        messages.m_lines.push_back(GreaterThanLine(texts.m_greaterThan,
                                                   LabelBeforeParenthesis(texts.m_clearance), 0.0,
                                                   units.m_clearance));
    }
    return messages;
}

CheckMessages CheckSlippageResult(const SlippageCase& pump, const SlippageResult& result,
                                  const CalculatorTexts& texts) {
    CheckMessages messages{texts.m_calculationErrorHeader, {}};
    if (pump.m_clearance == 0.0 && result.m_efficiency != 100.0) {
        messages.m_lines.push_back(texts.m_clearanceZero);
    }
    if (pump.m_pumpDisplacement < result.m_slippage) {
        messages.m_lines.push_back(texts.m_slippageExceedsDisplacement);
    }
    return messages;
}

bool IsUsablePumpEfficiency(double efficiencyPercent) {
    return efficiencyPercent > 0.0 && efficiencyPercent <= 100.0;
}

}  // namespace calc
