#include "calculators/design_links.h"

#include "calculators/fluid_specific_gravity.h"
#include "engine/calculation_driver.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace calc {

double FluidSpecificGravityFromDesign(const ZelkEngine::DesignCase& design) {
    return ComputeFluidSpecificGravity(
        {design.m_oilGravity, design.m_waterCut, design.m_waterSpecificGravity});
}

SinkerBarCase SinkerBarCaseFromDesign(const ZelkEngine::DesignCase& design) {
    return {design.m_pumpDiameter, design.m_pumpDepth, design.m_fluidSpecificGravity,
            design.m_sinkerBarDiameter};
}

SinkerBarUpdate ComputeSinkerBarUpdate(const ZelkEngine::DesignCase& design,
                                       const DisplayUnit& gravityUnit,
                                       const CalculatorTexts& texts) {
    SinkerBarUpdate update;
    update.m_warning =
        SinkerBarRecalculationWarning(design.m_fluidSpecificGravity, gravityUnit, texts);
    if (design.m_useSinkerBarCalculator) {
        update.m_sinkerBarWeight =
            SinkerBarSizing(SinkerBarCaseFromDesign(design)).m_recommendedWeight;
    }
    return update;
}

SlippageCase SlippageCaseFromDesign(const ZelkEngine::DesignCase& design, double pumpIntakePressure,
                                    double pumpDisplacement) {
    SlippageCase pump;
    pump.m_pumpDiameter = design.m_pumpDiameter;
    pump.m_pumpDepth = design.m_pumpDepth;
    pump.m_tubingPressure = design.m_tubingPressure;
    pump.m_pumpIntakePressure = pumpIntakePressure;
    pump.m_strokeRate = design.m_strokeRate;
    pump.m_pumpDisplacement = pumpDisplacement;
    pump.m_fluidSpecificGravity = design.m_fluidSpecificGravity;
    pump.m_clearance = design.m_clearance;
    pump.m_fluidViscosity = design.m_fluidViscosity;
    pump.m_plungerLength = design.m_plungerLength;
    return pump;
}

SlippageUpdate RunSlippageUpdate(ZelkEngine::CalculationCase calculation,
                                 const ZelkEngine::DesignCase& design, double pumpIntakePressure) {
    SlippageUpdate update;
    try {
        ZelkEngine::Calculate(calculation);
    } catch (const ZelkEngine::ZelkCalculatorException& error) {
        update.m_error = error;
        update.m_result.m_efficiency = std::nan("");
        return update;
    }
    update.m_result = PattersonSlippage(
        SlippageCaseFromDesign(design, pumpIntakePressure, calculation.Results.PumpDisplacement));
    return update;
}

std::string PumpEfficiencyText(double efficiencyPercent) {
    // Written like "%0.2f" but never with the process locale's decimal separator.
    char buffer[400];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, efficiencyPercent,
                                       std::chars_format::fixed, 2);
    if (written.ec != std::errc()) {
        return "nan";
    }
    return std::string(buffer, written.ptr);
}

int CalculationPassCount(bool slippageLinkOn, bool calculateFromTargetRate,
                         bool pumpIntakeFromReservoir) {
    return slippageLinkOn && (calculateFromTargetRate || pumpIntakeFromReservoir) ? 5 : 1;
}

}  // namespace calc
