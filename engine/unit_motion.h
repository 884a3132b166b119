#pragma once

#include <cstdint>
#include <vector>

namespace ZelkEngine {

struct CalculationCase;

/// Polished rod motion over one stroke from the six-harmonic series of the unit type, at the
/// K + 1 time-step points of equal crank angle (K = the case's time steps per stroke):
/// torqueFactor = dP/dtheta in inches per radian (positive while the rod rises), position P in
/// inches above the bottom of the stroke, positionFraction X from 0 (bottom) to 1 (top).
/// A unit type outside 0-3 throws ZelkCalculatorException code 8 before any array is written.
void UnitMotion(const CalculationCase& calculationCase, std::int32_t unitType,
                std::vector<double>& torqueFactor, std::vector<double>& position,
                std::vector<double>& positionFraction);

}  // namespace ZelkEngine
