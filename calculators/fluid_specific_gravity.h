#pragma once

#include "calculators/calculator_texts.h"
#include "calculators/check_messages.h"
#include "calculators/display_unit.h"

namespace calc {

/// The three inputs of the tubing fluid specific gravity calculator.
struct FluidSpecificGravityCase {
    double m_oilGravity = 30.0;              // degrees API
    double m_waterCut = 89.0;                // percent
    double m_waterSpecificGravity = 0.9999;  // fresh water = 1
};

/// Specific gravity of the dead oil from its API gravity.
double OilSpecificGravity(double oilGravityApi);

/// Specific gravity of the liquid column: oil and water mixed by the water cut.
double ComputeFluidSpecificGravity(const FluidSpecificGravityCase& fluid);

/// The display units the calculator's messages show their bounds in.
struct FluidSpecificGravityUnits {
    DisplayUnit m_oilGravity;
    DisplayUnit m_waterSpecificGravity;
};

/// Checks oil gravity (0 to 100 API), water specific gravity (above 0, at most 2) and water
/// cut (0 to 100 %), in that order; one line per failing input.
CheckMessages CheckFluidSpecificGravityInputs(const FluidSpecificGravityCase& fluid,
                                              const FluidSpecificGravityUnits& units,
                                              const CalculatorTexts& texts = {});

}  // namespace calc
