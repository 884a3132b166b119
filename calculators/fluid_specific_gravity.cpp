#include "calculators/fluid_specific_gravity.h"

namespace calc {

double OilSpecificGravity(double oilGravityApi) {
    return 141.5 / (oilGravityApi + 131.5);
}

double ComputeFluidSpecificGravity(const FluidSpecificGravityCase& fluid) {
    const double waterFraction = fluid.m_waterCut / 100.0;
    return OilSpecificGravity(fluid.m_oilGravity) * (1.0 - waterFraction) +
           fluid.m_waterSpecificGravity * waterFraction;
}

CheckMessages CheckFluidSpecificGravityInputs(const FluidSpecificGravityCase& fluid,
                                              const FluidSpecificGravityUnits& units,
                                              const CalculatorTexts& texts) {
    CheckMessages messages{texts.m_invalidHeader, {}};
    // Written as "not inside" so that a value that is not a number fails as well.
    if (!(fluid.m_oilGravity >= 0.0 && fluid.m_oilGravity <= 100.0)) {
        messages.m_lines.push_back(InclusiveRangeLine(texts.m_rangeInclusive, texts.m_oilGravity,
                                                      0.0, 100.0, units.m_oilGravity));
    }
    if (!(fluid.m_waterSpecificGravity > 0.0 && fluid.m_waterSpecificGravity <= 2.0)) {
        messages.m_lines.push_back(InclusiveRangeLine(texts.m_rangeInclusive,
                                                      texts.m_waterSpecificGravity, 0.0, 2.0,
                                                      units.m_waterSpecificGravity));
    }
    if (!(fluid.m_waterCut >= 0.0 && fluid.m_waterCut <= 100.0)) {
        messages.m_lines.push_back(InclusiveRangeLine(texts.m_rangeInclusive, texts.m_waterCut, 0.0,
                                                      100.0, DisplayUnit{"%", {}}));
    }
    return messages;
}

}  // namespace calc
