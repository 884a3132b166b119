#pragma once

#include "engine/element_properties.h"

#include <cstdint>
#include <vector>

namespace ZelkEngine {

struct CalculationCase;

/// Pump valve states of the bottom boundary condition.
enum class PumpState {
    BottomTransfer = 1,  ///< plunger at rest at the bottom, both valves closed, load 0..Fo
    Upstroke = 2,        ///< plunger rising, travelling valve closed, load Fo
    TopTransfer = 3,     ///< plunger at rest at the top, load 0..Fo
    Downstroke = 4,      ///< plunger falling, travelling valve open, load 0
};

/// State changes one time step may go through before its last solution is accepted: the valve
/// tests can alternate forever at a point where the load sits exactly on a threshold.
constexpr int kMaxStateChangesPerStep = 10;

/// Time discretisation of one solve: C strokes of K steps and the coefficients of the implicit
/// backward difference scheme for u'' + c u' (a2 multiplies the new displacement).
struct TimeGrid {
    std::int32_t m_cycles = 3;  ///< strokes simulated, the last one recorded
    double m_period = 0.0;      ///< stroke period T, s
    double m_dt = 0.0;          ///< time step, s
    double m_damping = 0.0;     ///< damping coefficient c, 1/s
    double m_a2 = 0.0;          ///< 1/s^2
    double m_a1 = 0.0;          ///< 1/s^2
    double m_a0 = 0.0;          ///< 1/s^2
};

/// The time grid of the case at its current stroke rate and time steps per stroke.
TimeGrid TimeGridOf(const CalculationCase& calculationCase);

/// Integrates the damped wave equation of the rod string over C strokes with the implicit
/// second-order backward difference scheme, driven by the polished rod position and closed by
/// the pump valve model. Writes the pump intake pressure used, Fo, Kt, the fluid level, Fo/SKr,
/// Wrf + Fo, PPRL, MPRL, the pump stroke, Sp/S, the production rate and the five load and
/// motion curves, and runs the torque, rod loading and fiberglass junction analyses on the last
/// stroke. position (P) is shifted to start from its lowest point. Work arrays are sized before
/// the time loop; nothing is allocated inside it.
void SolveWaveEquation(CalculationCase& calculationCase, std::int32_t elementCount, double dx,
                       const std::vector<double>& coupleUp, const std::vector<double>& coupleDown,
                       const std::vector<double>& stiffness, const JunctionElement& junction,
                       const std::vector<double>& torqueFactor, std::vector<double>& position,
                       const std::vector<double>& positionFraction, double ap, double topArea);

}  // namespace ZelkEngine
