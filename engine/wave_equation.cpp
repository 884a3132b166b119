#include "engine/wave_equation.h"

#include "engine/calculation_case.h"
#include "engine/engine_constants.h"
#include "engine/fiberglass_junction_loads.h"
#include "engine/rod_loading.h"
#include "engine/torque_analysis.h"
#include "engine/validate_inputs.h"

#include <utility>

namespace ZelkEngine {

namespace {

// pi x 16,500: the damping factor D scales a coefficient of 16,500 pi / (2 L) per second.
constexpr double kDampingScale = 51836.27878423159;

// Smallest and largest of values[first..last], one pass for both. Ties and the comparisons are
// those of std::min_element and std::max_element, so the same elements are picked.
struct Extremes {
    double m_low;
    double m_high;
};

Extremes extremesOver(const std::vector<double>& values, std::size_t first, std::size_t last) {
    double low = values[first];
    double high = values[first];
    for (std::size_t k = first + 1; k <= last; ++k) {
        const double value = values[k];
        low = value < low ? value : low;
        high = high < value ? value : high;
    }
    return {low, high};
}

}  // namespace

TimeGrid TimeGridOf(const CalculationCase& calculationCase) {
    const double strokeRate = calculationCase.Inputs.StrokeRate;
    TimeGrid grid;
    grid.m_cycles = static_cast<std::int32_t>(CycleCountOf(strokeRate));
    grid.m_period = 60.0 / strokeRate;
    grid.m_dt = grid.m_period / calculationCase.Settings.NTimeSteps;
    grid.m_damping =
        calculationCase.Settings.DampingFactor * kDampingScale * 0.5 / calculationCase.Inputs.Depth;
    grid.m_a2 = (2.0 / grid.m_dt + 1.5 * grid.m_damping) / grid.m_dt;
    grid.m_a1 = (5.0 / grid.m_dt + 2.0 * grid.m_damping) / grid.m_dt;
    grid.m_a0 = (4.0 / grid.m_dt + 0.5 * grid.m_damping) / grid.m_dt;
    return grid;
}

void SolveWaveEquation(CalculationCase& calculationCase, std::int32_t elementCount, double dx,
                       const std::vector<double>& coupleUp, const std::vector<double>& coupleDown,
                       const std::vector<double>& stiffness, const JunctionElement& junction,
                       const std::vector<double>& torqueFactor, std::vector<double>& position,
                       const std::vector<double>& positionFraction, double ap, double topArea) {
    const ZelkInputs& in = calculationCase.Inputs;
    ZelkSettings& set = calculationCase.Settings;
    ZelkResults& out = calculationCase.Results;
    const double depth = in.Depth;
    const double stroke = in.StrokeLength;
    const double strokeRate = in.StrokeRate;
    const double sg = set.FluidSpGrav;
    const double pumpEfficiency = set.PumpEfficiency;  // fraction during a calculation
    const bool fiberglass = in.RodType == 1;
    const std::size_t steps = static_cast<std::size_t>(set.NTimeSteps);
    const std::size_t m = static_cast<std::size_t>(elementCount);

    // 1. Pump intake pressure: from the inflow of the rate of the previous solve in PI mode.
    double pip = set.PumpInletPressure;
    if (set.PressureType == 1) {
        pip = set.ReservoirPressure - ap * (pumpEfficiency * kRateFactor) * out.PumpStroke *
                                          strokeRate / set.ProductivityIndex;
        if (pip < set.CasingPressure) {
            pip = set.CasingPressure;
        }
    }
    set.PumpInletPressure = pip;

    // 2. Fluid load on the plunger; the reported ratios keep a negative load, the model not.
    double fo = ap * (sg * kWaterGradient * depth - pip + set.TubingPressure);
    const double wrf = out.BuoyantRodWeight;
    out.WrfPlusFo = fo + wrf;
    out.FoOverSKr = fo / (out.RodSpringConstant * stroke);
    const double level = (pip - set.CasingPressure) / (sg * kWaterGradient);
    out.FluidLevelAbovePump = level > 0.0 ? level : 0.0;
    if (fo < 0.0) {
        fo = 0.0;
    }
    out.FluidLoad = fo;

    // 3. Tubing stretch under the fluid load (none when anchored).
    const double tubingArea = kPi / 4.0 * (in.TubingOD * in.TubingOD - in.TubingID * in.TubingID);
    out.TubingSpringConstant = tubingArea * kTubingModulus / (12.0 * depth);
    const double ct = in.AnchoredTubing ? 0.0 : depth / tubingArea / kTubingModulus;  // ft/lb

    // 4. Sinker bars hang below the steel string and add their buoyant weight at the top.
    const double sinkerWeight = kSinkerBarBuoyancy * set.SinkerWeight;

    const TimeGrid grid = TimeGridOf(calculationCase);
    const std::int32_t cycles = grid.m_cycles;
    const double period = grid.m_period;
    const double dt = grid.m_dt;
    const double dt2 = dt * dt;
    const double a2 = grid.m_a2;
    const double a1 = grid.m_a1;
    const double a0 = grid.m_a0;

    // 5. Tridiagonal rows 1..M-1; only row M-1 changes with the pump state. One block holds the
    // solver's work arrays: the lower coefficients, the elimination factors, the forward sweep,
    // the four displacement levels and the surface boundary in feet.
    const std::size_t last = m - 1;
    const std::size_t nodes = m + 1;
    const std::size_t points = steps + 1;
    std::vector<double> work(4 * m + 4 * nodes + points, 0.0);
    double* const lower = work.data();
    double* const inversePivot = lower + m;
    double* const factor = inversePivot + m;
    double* const sweep = factor + m;
    double* u = sweep + m;
    double* u1 = u + nodes;
    double* u2 = u1 + nodes;
    double* u3 = u2 + nodes;
    double* const surfaceFeet = u3 + nodes;
    for (std::size_t j = 1; j < m; ++j) {
        lower[j] = -coupleUp[j];
    }
    const double lowerBase = lower[last];
    const double diagBase = a2 + coupleUp[last] + coupleDown[last];
    // Forward elimination factors of the rows above the last one never change; keeping the
    // reciprocal pivots takes the divisions out of the step-to-step dependency chain.
    for (std::size_t j = 1; j < last; ++j) {
        const double diag = a2 + coupleUp[j] + coupleDown[j];
        const double pivot = j == 1 ? diag : diag - lower[j] * factor[j - 1];
        factor[j] = -coupleDown[j] / pivot;
        inversePivot[j] = 1.0 / pivot;
    }
    // The surface position repeats every stroke: convert it once, not once per cycle.
    for (std::size_t k = 0; k < points; ++k) {
        surfaceFeet[k] = position[k] / 12.0;
    }

    std::vector<double> pumpVelocity(points, 0.0), pumpPosition(points, 0.0);
    std::vector<double> pumpLoad(points, 0.0), rodLoad(points, 0.0);
    std::vector<double> junctionUpper, junctionLower;
    // Without a boundary the fiberglass reaches the pump: report its bottom element.
    const std::size_t junctionElement =
        junction.m_index > 0 ? static_cast<std::size_t>(junction.m_index) : m;
    const double junctionPhi = junction.m_index > 0 ? junction.m_lowerFraction : 0.0;
    if (fiberglass) {
        junctionUpper.assign(points, 0.0);
        junctionLower.assign(points, 0.0);
    }

    const double nTop1 = stiffness[1];
    const double nTop2 = stiffness[2];
    const double nBottom = stiffness[m];
    const double nAbove = stiffness[m - 1];
    const double upCoefficient = -coupleDown[last];  // multiplies u_M in row M-1
    const double q = 2.0 * dx + 3.0 * ct * nBottom;
    // Invariant parts of the pump conditions, grouped as the full expressions group them so that
    // taking them out of the loop leaves every rounding as it was.
    const double surfaceCouple = coupleUp[1];
    const double firstInversePivot = inversePivot[1];
    const double twoDx = 2.0 * dx;
    const double twoDt = 2.0 * dt;
    const double threeNBottom = 3.0 * nBottom;
    const double transferWeight = threeNBottom + nAbove;  // 3 N_M + N_{M-1}
    const double twoDxFo = twoDx * fo;
    const double upstrokeShift = twoDxFo / threeNBottom;

    // Row M-1 of each state: u_M expressed by u_{M-1} and u_{M-2} folds into its lower and
    // diagonal coefficients (fixed per state) and its right-hand side (which moves with P1, P3).
    struct Row {
        double m_lower;
        double m_lowerShift;    // m_lower less the base lower coefficient
        double m_inversePivot;  // of the last row after the forward elimination
    };
    auto makeRow = [&](double lo, double di) {
        const double pivotLast = last == 1 ? di : di - lo * factor[last - 1];
        return Row{lo, lo - lowerBase, 1.0 / pivotLast};
    };
    const Row transferRow = makeRow(lowerBase - ct * upCoefficient * nAbove / q,
                                    diagBase + ct * upCoefficient * (3.0 * nBottom + nAbove) / q);
    const Row movingRow = makeRow(lowerBase - upCoefficient * nAbove / (3.0 * nBottom),
                                  diagBase + upCoefficient * (1.0 + nAbove / (3.0 * nBottom)));
    const double upstrokeRhs = 2.0 * dx * upCoefficient * fo / (3.0 * nBottom);
    PumpState state = PumpState::BottomTransfer;
    double p1 = 0.0;  // plunger rest position of BottomTransfer, ft
    double p3 = 0.0;  // plunger rest position of TopTransfer, ft
    double bottomRhs = 2.0 * dx * upCoefficient * p1 / q;
    double topRhs = 2.0 * dx * upCoefficient * (p3 - ct * fo) / q;
    double bottomRest = twoDx * p1;
    double topRest = twoDx * p3;
    // u_1 of the step before. The elimination of a step starts from it and the back substitution
    // of the step before ends with it, so it stays in a register rather than going through memory.
    double topNode = 0.0;

    // 6. Time stepping. No allocation from here to the end of the loops.
    for (std::int32_t cycle = 1; cycle <= cycles; ++cycle) {
        const bool recording = cycle == cycles;
        for (std::size_t k = 1; k <= steps; ++k) {
            // Right-hand sides and the forward sweep in one pass over rows 1..M-2.
            const double surface = surfaceFeet[k];
            u[0] = surface;
            const double surfaceTerm = surfaceCouple * surface;
            double swept = 0.0;
            double rhsBase = 0.0;
            if (last > 1) {
                swept = (a1 * topNode - a0 * u2[1] + u3[1] / dt2 + surfaceTerm) * firstInversePivot;
                sweep[1] = swept;
                for (std::size_t j = 2; j < last; ++j) {
                    const double r = a1 * u1[j] - a0 * u2[j] + u3[j] / dt2;
                    swept = (r - lower[j] * swept) * inversePivot[j];
                    sweep[j] = swept;
                }
                rhsBase = a1 * u1[last] - a0 * u2[last] + u3[last] / dt2;
            } else {
                rhsBase = a1 * topNode - a0 * u2[1] + u3[1] / dt2 + surfaceTerm;
            }

            double load = 0.0;
            double uM = 0.0;
            for (int changes = 0;; ++changes) {
                const bool transfer =
                    state == PumpState::BottomTransfer || state == PumpState::TopTransfer;
                const Row& row = transfer ? transferRow : movingRow;
                double r = rhsBase;
                switch (state) {
                    case PumpState::BottomTransfer:
                        r -= bottomRhs;
                        break;
                    case PumpState::Upstroke:
                        r += upstrokeRhs;
                        break;
                    case PumpState::TopTransfer:
                        r -= topRhs;
                        break;
                    case PumpState::Downstroke:
                        break;
                }
                // With two elements u_{M-2} is the polished rod itself: the pump condition's term
                // in it is known and belongs on the right-hand side.
                const double uM1 = last == 1 ? (r - row.m_lowerShift * surface) * row.m_inversePivot
                                             : (r - row.m_lower * swept) * row.m_inversePivot;
                u[last] = uM1;
                double below = uM1;  // kept in a register along the chain
                for (std::size_t j = last - 1; j >= 1; --j) {
                    below = sweep[j] - factor[j] * below;
                    u[j] = below;
                }
                topNode = last == 1 ? uM1 : below;
                const double uM2 = u[last - 1];
                switch (state) {
                    case PumpState::BottomTransfer:
                        uM = (ct * (transferWeight * uM1 - nAbove * uM2) + bottomRest) / q;
                        break;
                    case PumpState::Upstroke:
                        uM = uM1 + (uM1 - uM2) * nAbove / threeNBottom - upstrokeShift;
                        break;
                    case PumpState::TopTransfer:
                        uM = (topRest - ct * (twoDxFo - transferWeight * uM1 + nAbove * uM2)) / q;
                        break;
                    case PumpState::Downstroke:
                        uM = uM1 + (uM1 - uM2) * nAbove / threeNBottom;
                        break;
                }
                u[m] = uM;

                // Only the two rest states need the pump load from the solution; the moving
                // states carry a fixed load and test the plunger's direction instead.
                PumpState next = state;
                switch (state) {
                    case PumpState::BottomTransfer:
                    case PumpState::TopTransfer: {
                        const double force =
                            -(threeNBottom * (uM - uM1) - nAbove * (uM1 - uM2)) / twoDx;
                        load = force;
                        if (force > fo) {
                            next = PumpState::Upstroke;
                        } else if (force < 0.0) {
                            next = PumpState::Downstroke;
                        }
                        break;
                    }
                    case PumpState::Upstroke:
                        load = fo;
                        if (uM < u1[m]) {
                            next = PumpState::TopTransfer;
                        }
                        break;
                    case PumpState::Downstroke:
                        load = 0.0;
                        if (uM > u1[m]) {
                            next = PumpState::BottomTransfer;
                        }
                        break;
                }
                if (next == state || changes == kMaxStateChangesPerStep) {
                    break;
                }
                if (next == PumpState::TopTransfer) {
                    p3 = u1[m];
                    topRhs = 2.0 * dx * upCoefficient * (p3 - ct * fo) / q;
                    topRest = twoDx * p3;
                } else if (next == PumpState::BottomTransfer) {
                    p1 = u1[m];
                    bottomRhs = 2.0 * dx * upCoefficient * p1 / q;
                    bottomRest = twoDx * p1;
                }
                state = next;
            }

            if (recording) {
                pumpVelocity[k] = (3.0 * uM - 4.0 * u1[m] + u2[m]) / twoDt;
                pumpPosition[k] = 12.0 * uM;
                pumpLoad[k] = load;
                double rod = wrf + (3.0 * nTop1 * (u[0] - u[1]) - nTop2 * (u[1] - u[2])) / twoDx;
                if (!fiberglass) {
                    rod = rod + sinkerWeight;
                }
                rodLoad[k] = rod;
                if (fiberglass) {
                    junctionUpper[k] = u[junctionElement - 1];
                    junctionLower[k] = u[junctionElement];
                }
            }
            // The oldest level becomes the next step's new one.
            double* const oldest = u3;
            u3 = u2;
            u2 = u1;
            u1 = u;
            u = oldest;
        }
    }

    // 7. Point 0 is the same crank position as point K.
    for (std::vector<double>* list :
         {&pumpVelocity, &pumpPosition, &pumpLoad, &rodLoad, &position}) {
        (*list)[0] = (*list)[steps];
    }
    if (fiberglass) {
        junctionUpper[0] = junctionUpper[steps];
        junctionLower[0] = junctionLower[steps];
    }

    // 8. Peak and minimum loads; positions measured from their lowest point.
    const Extremes rod = extremesOver(rodLoad, 1, steps);
    const double pprl = rod.m_high;
    const double mprl = rod.m_low;
    out.PPRL = pprl;
    out.MPRL = mprl;
    const double pumpLowest = extremesOver(pumpPosition, 1, steps).m_low;
    for (double& value : pumpPosition) {
        value -= pumpLowest;
    }
    const double surfaceLowest = extremesOver(position, 1, steps).m_low;
    for (double& value : position) {
        value -= surfaceLowest;
    }

    // 9. Net plunger stroke: the plunger travel less the tubing stretch under the fluid load.
    const Extremes plunger = extremesOver(pumpPosition, 1, steps);
    const double plungerTravel = plunger.m_high - plunger.m_low;
    const double pumpStroke = plungerTravel - ct * fo * 12.0;
    out.PumpStroke = pumpStroke;
    const Extremes surface = extremesOver(position, 1, steps);
    out.SpOverS = pumpStroke / (surface.m_high - surface.m_low);
    out.ProductionRate = pumpStroke * pumpEfficiency * kRateFactor * ap * strokeRate;

    // 10. Analyses of the last stroke.
    TorqueAnalysis(calculationCase, torqueFactor, rodLoad, positionFraction, position, pprl, mprl,
                   period);
    CheckRodLoading(calculationCase, mprl, pprl, topArea);
    if (fiberglass) {
        FiberglassJunctionLoads(calculationCase, junctionPhi, dx, junctionUpper, junctionLower);
    }

    // 11. Curves of the last stroke.
    for (double& value : pumpVelocity) {
        value *= 12.0;
    }
    out.PolishedRodLoadCurve = std::move(rodLoad);
    out.PolishedRodPositionCurve = position;
    out.PumpLoadCurve = std::move(pumpLoad);
    out.PumpPositionCurve = std::move(pumpPosition);
    out.PumpVelocityCurve = std::move(pumpVelocity);
}

}  // namespace ZelkEngine
