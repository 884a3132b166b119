#pragma once

#include <cstdint>
#include <vector>

namespace ZelkEngine {

struct CalculationCase;

/// The element that holds the last section boundary of the rod string.
struct JunctionElement {
    std::int32_t m_index = 0;      ///< xi: element number 1..M, 0 when the string has no boundary
    double m_lowerFraction = 0.0;  ///< phi: share of that element lying in the lower section
};

/// Cuts the rod string (sections given by their fractions of the pump depth, top first) into
/// elementCount elements of length dx (ft). Fills, sized here before any time stepping:
/// stiffness N[i] = E x A of element i (lb, index 0..M, N[0] = 0), and per node j = 0..M-1 the
/// couplings to the node above, coupleUp[j] = kd[j], and below, coupleDown[j] = ku[j] (1/s^2).
/// An element containing a section boundary gets the series stiffness and the length-weighted
/// mass of its parts. Taper lookups throw ZelkCalculatorException (codes 2, 4, 5, 7).
JunctionElement ElementProperties(const CalculationCase& calculationCase,
                                  const std::vector<double>& sectionFractions,
                                  std::int32_t elementCount, double dx,
                                  std::vector<double>& stiffness, std::vector<double>& coupleUp,
                                  std::vector<double>& coupleDown);

}  // namespace ZelkEngine
