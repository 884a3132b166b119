#include "engine/fiberglass_junction_loads.h"

#include "engine/calculation_case.h"
#include "engine/engine_constants.h"
#include "engine/rod_sizes.h"

#include <cmath>
#include <limits>

namespace ZelkEngine {

void FiberglassJunctionLoads(CalculationCase& calculationCase, double lowerFraction, double dx,
                             const std::vector<double>& upperNode,
                             const std::vector<double>& lowerNode) {
    const ZelkInputs& in = calculationCase.Inputs;
    ZelkResults& out = calculationCase.Results;

    // Buoyant weight hanging below the junction.
    const double staticLoad = out.BuoyantRodWeight - FiberglassRodWeight(in.FiberglassSizeIndex) *
                                                         (in.FiberglassPercent / 100.0) * in.Depth;
    const double fiberglassArea = FiberglassRodArea(in.FiberglassSizeIndex);
    const double steelArea = SteelRodArea(in.SteelSizeIndex);
    const double compliance = (1.0 - lowerFraction) / (fiberglassArea * kFiberglassModulus) +
                              lowerFraction / (steelArea * kSteelModulus);  // 1/lb

    double maxLoad = -10000.0;
    double minLoad = 1000000.0;
    for (std::size_t k = 1; k < upperNode.size(); ++k) {
        const double load = staticLoad + (upperNode[k] - lowerNode[k]) / (dx * compliance);
        if (load > maxLoad) {
            maxLoad = load;
        }
        if (load < minLoad) {
            minLoad = load;
        }
    }
    out.FiberglassMaxLoad = maxLoad;
    out.FiberglassMinLoad = minLoad;
    out.FiberglassMaxStress = maxLoad / fiberglassArea;
    out.FiberglassMinStress = minLoad / fiberglassArea;
    // Fiberglass fatigue limit falls with the minimum load; a string in compression has none.
    out.FiberglassLoading =
        minLoad > 0.0
            ? (maxLoad / fiberglassArea) / (16510.0 * std::pow(minLoad / 1000.0, 0.2545)) * 100.0
            : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace ZelkEngine
