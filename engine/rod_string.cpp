#include "engine/rod_string.h"

#include "engine/api_rod_numbers.h"
#include "engine/calculation_case.h"
#include "engine/engine_constants.h"
#include "engine/rod_sizes.h"
#include "engine/taper_codes.h"

#include <cstdint>

namespace ZelkEngine {

RodString BuildApiRodString(CalculationCase& calculationCase, double ap) {
    const ZelkInputs& in = calculationCase.Inputs;
    ZelkResults& out = calculationCase.Results;
    const double depth = in.Depth;
    const double sg = calculationCase.Settings.FluidSpGrav;

    const std::int32_t sections = ApiRodSectionCount(in.RodNumber);
    const std::int32_t topCode = ApiRodTopCode(in.RodNumber);
    RodString rods;
    rods.m_fractions = ApiRodFractions(in.RodNumber, ap);

    double sumArea = 0.0;        // in^2, depth-weighted mean area
    double sumLengthArea = 0.0;  // ft/in^2, sum of section length over area
    double sumWeight = 0.0;      // lb/ft, depth-weighted mean weight
    out.TaperPercentages.clear();
    for (std::int32_t i = 0; i < sections; ++i) {
        const std::int32_t code = topCode - i;
        const double fraction = rods.m_fractions[static_cast<std::size_t>(i)];
        const double area = TaperArea(code, calculationCase);
        const double weight = TaperWeight(code, calculationCase);
        sumArea += fraction * area;
        sumLengthArea += depth * fraction / area;
        sumWeight += weight * fraction;
        out.TaperPercentages.push_back(fraction * 100.0);
        if (i == 0) {
            rods.m_topArea = area;
        }
    }
    out.BuoyantRodWeight = (sumWeight - sg * kWaterGradient * sumArea) * depth;
    out.RodSpringConstant = kSteelModulus / (12.0 * sumLengthArea);
    return rods;
}

RodString BuildFiberglassRodString(CalculationCase& calculationCase) {
    const ZelkInputs& in = calculationCase.Inputs;
    ZelkResults& out = calculationCase.Results;
    const double depth = in.Depth;
    const double sg = calculationCase.Settings.FluidSpGrav;

    const double fiberglass = in.FiberglassPercent / 100.0;
    const double steel = 1.0 - fiberglass;
    RodString rods;
    rods.m_fractions = {fiberglass, steel};

    const double fiberglassArea = FiberglassRodArea(in.FiberglassSizeIndex);
    const double steelArea = SteelRodArea(in.SteelSizeIndex);
    const double fiberglassWeight = FiberglassRodWeight(in.FiberglassSizeIndex);
    const double steelWeight = SteelRodWeight(in.SteelSizeIndex);
    rods.m_topArea = fiberglassArea;

    out.RodSpringConstant =
        1.0 / (12.0 * (fiberglass * depth / fiberglassArea / kFiberglassModulus +
                       steel * depth / steelArea / kSteelModulus));
    out.TaperPercentages = {fiberglass * 100.0, steel * 100.0};
    out.BuoyantRodWeight =
        (steelWeight * steel + fiberglassWeight * fiberglass -
         sg * kWaterGradient * (fiberglassArea * fiberglass + steelArea * steel)) *
        depth;
    return rods;
}

}  // namespace ZelkEngine
