#pragma once

#include <vector>

namespace ZelkEngine {

struct CalculationCase;

/// What the solver needs of a rod string besides the case's results.
struct RodString {
    double m_topArea = 0.0;           ///< Atop, in^2, area of the top section
    std::vector<double> m_fractions;  ///< fraction of the pump depth of each section, top first
};

/// API steel string (rod type 0) for plunger area ap (in^2): fills the taper percentages, the rod
/// spring constant Kr and the buoyant rod weight Wrf. Code 7 for an unknown rod number.
RodString BuildApiRodString(CalculationCase& calculationCase, double ap);

/// Fiberglass over steel string (rod type 1): fills the same results. Codes 4 and 5 for size
/// indexes outside the tables.
RodString BuildFiberglassRodString(CalculationCase& calculationCase);

}  // namespace ZelkEngine
