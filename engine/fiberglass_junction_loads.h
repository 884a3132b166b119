#pragma once

#include <vector>

namespace ZelkEngine {

struct CalculationCase;

/// Loads and stresses at the fiberglass/steel junction over the last stroke, from the static
/// weight of the steel below and the stretch of the junction element (lowerFraction of it steel,
/// length dx ft) between the displacements upperNode (u_{xi-1}) and lowerNode (u_xi), ft.
/// Writes the fiberglass maximum and minimum load and stress and the fiberglass loading, which is
/// not a number when the minimum load is not positive.
void FiberglassJunctionLoads(CalculationCase& calculationCase, double lowerFraction, double dx,
                             const std::vector<double>& upperNode,
                             const std::vector<double>& lowerNode);

}  // namespace ZelkEngine
