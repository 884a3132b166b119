#pragma once

#include "calculators/calculator_texts.h"
#include "calculators/display_unit.h"

#include <optional>
#include <string>

namespace calc {

/// Inputs of the sinker bar sizing.
struct SinkerBarCase {
    double m_pumpDiameter = 1.5;        // in
    double m_pumpDepth = 5000.0;        // ft
    double m_fluidSpecificGravity = 1;  // fresh water = 1
    double m_sinkerBarDiameter = 1.5;   // in
};

struct SinkerBarResult {
    double m_factor = 0.0;                // sinker bar factor, dimensionless
    double m_requiredWeight = 0.0;        // lb
    double m_buoyantWeightPerFoot = 0.0;  // lb/ft of bar in the fluid
    double m_requiredLength = 0.0;        // ft
    double m_recommendedLength = 0.0;     // ft, whole 25 ft bars
    double m_recommendedWeight = 0.0;     // lb
};

/// Length of bars sold in this size, ft.
inline constexpr double kSinkerBarJointLength = 25.0;

/// The empirical sinker bar factor of a pump diameter (in): a cubic from 2 in up, a straight
/// line below.
double SinkerBarFactor(double pumpDiameter);

/// The required length rounded up to whole 25 ft bars (ft).
double RecommendedSinkerBarLength(double requiredLength);

/// Sizes the sinker bars for the case.
SinkerBarResult SinkerBarSizing(const SinkerBarCase& sinker);

/// The diameter check: a bar must be smaller than the tubing inner diameter less 0.3 in to pass
/// the couplings. Returns the message to show when it is not, nothing when it passes.
std::optional<std::string> CheckSinkerBarDiameter(double sinkerBarDiameter,
                                                  double tubingInnerDiameter,
                                                  const CalculatorTexts& texts = {});

/// The warning the main window shows before it recomputes the sinker bar weight with a fluid
/// specific gravity outside (0, 2]; nothing when the gravity is inside. The recomputation runs
/// either way.
std::optional<std::string> SinkerBarRecalculationWarning(double fluidSpecificGravity,
                                                         const DisplayUnit& gravityUnit,
                                                         const CalculatorTexts& texts = {});

}  // namespace calc
