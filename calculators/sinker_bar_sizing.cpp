#include "calculators/sinker_bar_sizing.h"

#include "calculators/check_messages.h"

#include <cmath>

namespace calc {
namespace {

// Pressure gradient of fresh water, psi/ft, as the sinker bar rule of thumb writes it.
constexpr double kWaterGradient = 0.433333;
// Steel bar weight per foot per square inch of diameter, lb/ft/in^2, and the buoyancy of steel
// per unit of fluid specific gravity.
constexpr double kBarWeightPerDiameterSquared = 2.6711;
constexpr double kSteelBuoyancyPerGravity = 0.127;
// A required length that is a whole number of bars up to rounding noise is not rounded up to
// one more bar.
constexpr double kLengthTolerance = 1e-9;  // ft

}  // namespace

double SinkerBarFactor(double pumpDiameter) {
    const double d = pumpDiameter;
    if (d >= 2.0) {
        return 0.1016 * d * d * d - 0.5698 * d * d + 1.2631 * d - 0.5277;
    }
    return 0.2575 * d + 0.0284;
}

double RecommendedSinkerBarLength(double requiredLength) {
    return kSinkerBarJointLength *
           std::ceil((requiredLength - kLengthTolerance) / kSinkerBarJointLength);
}

SinkerBarResult SinkerBarSizing(const SinkerBarCase& sinker) {
    SinkerBarResult result;
    const double sg = sinker.m_fluidSpecificGravity;
    const double d = sinker.m_sinkerBarDiameter;
    result.m_factor = SinkerBarFactor(sinker.m_pumpDiameter);
    result.m_requiredWeight = result.m_factor * sinker.m_pumpDepth * sg * kWaterGradient;
    result.m_buoyantWeightPerFoot =
        (1.0 - kSteelBuoyancyPerGravity * sg) * kBarWeightPerDiameterSquared * d * d;
    result.m_requiredLength = result.m_requiredWeight / result.m_buoyantWeightPerFoot;
    result.m_recommendedLength = RecommendedSinkerBarLength(result.m_requiredLength);
    result.m_recommendedWeight = (1.0 - kSteelBuoyancyPerGravity * sg) * d * d *
                                 result.m_recommendedLength * kBarWeightPerDiameterSquared;
    return result;
}

std::optional<std::string> CheckSinkerBarDiameter(double sinkerBarDiameter,
                                                  double tubingInnerDiameter,
                                                  const CalculatorTexts& texts) {
    if (sinkerBarDiameter < tubingInnerDiameter - 0.3) {
        return std::nullopt;
    }
    return texts.m_sinkerBarTooLarge + "\n";
}

std::optional<std::string> SinkerBarRecalculationWarning(double fluidSpecificGravity,
                                                         const DisplayUnit& gravityUnit,
                                                         const CalculatorTexts& texts) {
    if (fluidSpecificGravity > 0.0 && fluidSpecificGravity <= 2.0) {
        return std::nullopt;
    }
    return texts.m_sinkerBarRecalculationHeader +
           InclusiveRangeLine(texts.m_rangeInclusive, texts.m_fluidSpecificGravity, 0.0, 2.0,
                              gravityUnit) +
           "\n";
}

}  // namespace calc
