#pragma once

#include <vector>

namespace ZelkEngine {

struct CalculationCase;

/// Passes of the counterbalance iteration after which the last balance is taken; it normally
/// settles within a handful.
constexpr int kMaxBalancingPasses = 1000;

/// Net gearbox torque over the last stroke with the unit counterbalanced so that the peak torques
/// of the up- and downstroke are equal. Writes the peak torque, polished rod power, minimum
/// gearbox rating, motor size, minimum structure rating, counterbalance moment and effect, the
/// air pressure (AirBal) and replaces the crank angle and net torque curves. positions are the
/// polished rod positions in inches from the lowest point; period is the stroke period in s.
void TorqueAnalysis(CalculationCase& calculationCase, const std::vector<double>& torqueFactor,
                    const std::vector<double>& rodLoad, const std::vector<double>& positionFraction,
                    const std::vector<double>& position, double pprl, double mprl, double period);

/// Smallest standard structure rating (hundred lb) above a peak load in lb.
double StructureRating(double load);

/// Smallest standard gearbox rating (thousand in-lb) above a peak torque in in-lb.
double GearboxRating(double torque);

}  // namespace ZelkEngine
