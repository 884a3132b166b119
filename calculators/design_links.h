#pragma once

#include "calculators/calculator_texts.h"
#include "calculators/display_unit.h"
#include "calculators/patterson_slippage.h"
#include "calculators/sinker_bar_sizing.h"
#include "engine/calculation_case.h"
#include "engine/design_case.h"
#include "engine/zelk_calculator_exception.h"

#include <optional>
#include <string>

namespace calc {

/// The fluid specific gravity a design's calculator inputs give (oil gravity, water cut and
/// water specific gravity); used when a design with the fluid specific gravity link on opens.
double FluidSpecificGravityFromDesign(const ZelkEngine::DesignCase& design);

/// The sinker bar inputs the main window recomputes the weight from: its pump diameter, pump
/// depth, fluid specific gravity and the stored sinker bar diameter.
SinkerBarCase SinkerBarCaseFromDesign(const ZelkEngine::DesignCase& design);

/// What the main window's sinker bar update does: a warning to show first when the fluid
/// specific gravity is outside (0, 2], then, with the sinker bar link on, the new total sinker
/// bar weight (lb).
struct SinkerBarUpdate {
    std::optional<std::string> m_warning;
    std::optional<double> m_sinkerBarWeight;
};

SinkerBarUpdate ComputeSinkerBarUpdate(const ZelkEngine::DesignCase& design,
                                       const DisplayUnit& gravityUnit,
                                       const CalculatorTexts& texts = {});

/// The slippage inputs of a design with the pump displacement of an engine run.
SlippageCase SlippageCaseFromDesign(const ZelkEngine::DesignCase& design, double pumpIntakePressure,
                                    double pumpDisplacement);

/// The outcome of the main window's slippage update.
struct SlippageUpdate {
    SlippageResult m_result;                                     // valid when there is no error
    std::optional<ZelkEngine::ZelkCalculatorException> m_error;  // the engine run failed

    /// Whether the efficiency may become the design's pump efficiency; the caller's Calculate
    /// stops when it may not.
    bool Succeeded() const { return !m_error && IsUsablePumpEfficiency(m_result.m_efficiency); }
};

/// Runs the engine once on the case built from the window to obtain the pump displacement,
/// then the slippage with the design's pump, fluid and plunger values and the pump intake
/// pressure the window currently shows.
SlippageUpdate RunSlippageUpdate(ZelkEngine::CalculationCase calculation,
                                 const ZelkEngine::DesignCase& design, double pumpIntakePressure);

/// The pump efficiency text the main window writes back ("%0.2f", no locale).
std::string PumpEfficiencyText(double efficiencyPercent);

/// How many fill-calculate-show passes the main window's Calculate makes: five while the pump
/// efficiency comes from the slippage calculator and either the stroke rate or the pump intake
/// pressure is computed, so that the efficiency settles with them; one otherwise.
int CalculationPassCount(bool slippageLinkOn, bool calculateFromTargetRate,
                         bool pumpIntakeFromReservoir);

}  // namespace calc
