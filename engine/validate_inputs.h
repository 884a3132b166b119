#pragma once

#include <string>

namespace ZelkEngine {

struct CalculationCase;

/// Largest grid and time resolution the engine accepts; they bound memory and running time.
constexpr int kMaxTimeSteps = 100000;
constexpr int kMaxElements = 100000;
/// Largest number of element-steps (cycles x time steps x elements) of one solve.
constexpr double kMaxElementSteps = 2.0e9;

/// Checks the case's inputs in a fixed order and stops at the first failure, writing its
/// message. First the four user-facing range checks (target rate in target-rate mode, pump depth,
/// sinker bar weight, stroke length), then the values the formulas cannot take (non-finite
/// numbers, non-positive stroke rate, time steps, element sizes, efficiencies...).
bool ValidateInputs(const CalculationCase& calculationCase, std::string& message);

/// Number of rod elements M of the case's grid: floor(L / dX maximum + 0.5), at least the
/// minimum elements and at least 2 (the boundary formulas reach two elements in). Computed in
/// double; the caller validates the case first.
double ElementCountOf(const CalculationCase& calculationCase);

/// Number of simulated strokes C for a stroke rate: floor(0.2 x SPM + 2.5), at least 3.
double CycleCountOf(double strokeRate);

}  // namespace ZelkEngine
