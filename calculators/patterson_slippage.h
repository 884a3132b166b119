#pragma once

#include "calculators/calculator_texts.h"
#include "calculators/check_messages.h"
#include "calculators/display_unit.h"

#include <array>
#include <string>

namespace calc {

/// Inputs of the Patterson plunger slippage estimate.
struct SlippageCase {
    double m_pumpDiameter = 1.5;          // in, D
    double m_pumpDepth = 5000.0;          // ft, Ld
    double m_tubingPressure = 0.0;        // psi, Pt
    double m_pumpIntakePressure = 50.0;   // psi, PIP
    double m_strokeRate = 8.3;            // strokes/min, N
    double m_pumpDisplacement = 0.0;      // bbl/day at 100 % efficiency, Q
    double m_fluidSpecificGravity = 1.0;  // SG
    double m_clearance = 0.006;           // in, C (plunger to barrel, on the diameter)
    double m_fluidViscosity = 0.76;       // cP, mu
    double m_plungerLength = 48.0;        // in, Lp
};

struct SlippageResult {
    double m_tubingFluidGradient = 0.0;   // psi/ft
    double m_pressureDifferential = 0.0;  // psi across the plunger
    double m_slippage = 0.0;              // bbl/day
    double m_efficiency = 0.0;            // pump volumetric efficiency, %
};

/// Slippage past the plunger and the volumetric efficiency it leaves.
SlippageResult PattersonSlippage(const SlippageCase& pump);

inline constexpr std::size_t kSlippageCurvePoints = 10;

/// The ten clearances (in) the slippage curve is drawn over, chosen around the case's clearance
/// in steps of 0.001 in.
std::array<double, kSlippageCurvePoints> SlippageCurveClearances(double clearance);

struct SlippageCurve {
    std::array<double, kSlippageCurvePoints> m_clearances{};  // in
    std::array<double, kSlippageCurvePoints> m_slippages{};   // bbl/day; 0 where not a number
};

/// Slippage of the case at each curve clearance, all other inputs unchanged.
SlippageCurve ComputeSlippageCurve(const SlippageCase& pump);

/// The display units the slippage input check shows its bounds in.
struct SlippageUnits {
    DisplayUnit m_viscosity;
    DisplayUnit m_plungerLength;
    DisplayUnit m_clearance;
};

/// Checks the user inputs in the order viscosity (above 0), plunger length (above 0), clearance
/// (not negative).
CheckMessages CheckSlippageInputs(const SlippageCase& pump, const SlippageUnits& units,
                                  const CalculatorTexts& texts = {});

/// Checks a computed result: no clearance must give 100 %, and the slippage must not exceed
/// the displacement. While it reports a line, the result cannot be used.
CheckMessages CheckSlippageResult(const SlippageCase& pump, const SlippageResult& result,
                                  const CalculatorTexts& texts = {});

/// Whether an efficiency (%) can serve as the design's pump efficiency: in (0, 100].
bool IsUsablePumpEfficiency(double efficiencyPercent);

}  // namespace calc
