#include "engine/torque_analysis.h"

#include "engine/calculation_case.h"
#include "engine/engine_constants.h"
#include "engine/unit_types.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace ZelkEngine {

namespace {

const std::array<double, 15> kStructureRatings = {7600,  8900,  9500,  10900, 11900,
                                                  13300, 14300, 17300, 20000, 21300,
                                                  25600, 30500, 36500, 42700, 47000};  // lb
const std::array<double, 11> kGearboxRatings = {40000,  57000,  80000,  114000, 160000, 228000,
                                                320000, 456000, 640000, 912000, 1280000};  // in-lb

constexpr double kBalanceTolerance = 0.0001;  // relative change of the counterbalance

// Largest positive torque of the upstroke (torque factor > 0) and of the downstroke, first point
// winning a tie. A side without positive torque keeps the point it had.
struct Peaks {
    double m_up = 0.0;
    std::size_t m_upIndex = 0;
    double m_down = 0.0;
    std::size_t m_downIndex = 0;

    void find(const std::vector<double>& torque, const std::vector<double>& torqueFactor) {
        m_up = 0.0;
        m_down = 0.0;
        for (std::size_t k = 0; k < torque.size(); ++k) {
            if (torqueFactor[k] > 0.0) {
                if (torque[k] > m_up) {
                    m_up = torque[k];
                    m_upIndex = k;
                }
            } else if (torque[k] > m_down) {
                m_down = torque[k];
                m_downIndex = k;
            }
        }
    }
};

double degrees(double radians) {
    return radians * 180.0 / kPi;
}
double radians(double degrees) {
    return degrees * kPi / 180.0;
}

// sin(theta_k + phase) and the crank angle in degrees at each point of the stroke. Both depend
// only on the step count and the phase, which stay the same through a target-rate search and
// most batches, so keep the last pair rather than paying a sine and a division per point.
struct CrankTables {
    std::vector<double> m_sine;
    std::vector<double> m_angle;  // degrees, 0..360
};

const CrankTables& crankTables(std::size_t steps, double dTheta, double phase) {
    thread_local std::size_t cachedSteps = 0;
    thread_local double cachedPhase = 0.0;
    thread_local CrankTables tables;
    if (cachedSteps != steps || cachedPhase != phase || tables.m_sine.size() != steps + 1) {
        cachedSteps = 0;
        tables.m_sine.assign(steps + 1, 0.0);
        tables.m_angle.assign(steps + 1, 0.0);
        for (std::size_t k = 0; k <= steps; ++k) {
            tables.m_sine[k] = std::sin(static_cast<double>(k) * dTheta + phase);
            double angle =
                static_cast<double>(k) * 360.0 / static_cast<double>(steps) - degrees(phase);
            if (angle < 0.0) {
                angle += 360.0;
            }
            tables.m_angle[k] = angle;
        }
        cachedSteps = steps;
        cachedPhase = phase;
    }
    return tables;
}

}  // namespace

void TorqueAnalysis(CalculationCase& calculationCase, const std::vector<double>& torqueFactor,
                    const std::vector<double>& rodLoad, const std::vector<double>& positionFraction,
                    const std::vector<double>& position, double pprl, double mprl, double period) {
    const ZelkInputs& in = calculationCase.Inputs;
    ZelkResults& out = calculationCase.Results;
    const double stroke = in.StrokeLength;
    const std::size_t steps = static_cast<std::size_t>(calculationCase.Settings.NTimeSteps);
    const double dTheta = 2.0 * kPi / static_cast<double>(steps);

    // Phase of the crank against the series and the geometry of the unit.
    double phaseB = 0.0;  // degrees
    double phase = 0.0;   // radians
    if (in.UnitType == kUnitMarkII) {
        phaseB = 29.52 - 0.0469 * stroke;
        const double phaseC = 0.0656 * stroke - 38.64;
        phase = radians(phaseB + phaseC);
    }

    const CrankTables& crank = crankTables(steps, dTheta, phase);
    std::vector<double>& torque = out.NetTorqueCurve;
    torque.assign(steps + 1, 0.0);
    Peaks peaks;
    if (in.UnitType == kUnitAirBal) {
        // Air cylinder: pressure Pa at the quarter stroke balances the rod load.
        const std::size_t quarter =
            static_cast<std::size_t>(std::floor((kPi / 2.0 - radians(phaseB)) / dTheta + 0.5));
        const double cylA = 0.4567 * stroke + 3.1035;
        const double cylB = 0.5372 * stroke + 18.87;
        double pressure = (pprl + mprl) / (2.0 * cylA) + cylB;
        for (std::size_t k = 0; k <= steps; ++k) {
            torque[k] = (rodLoad[k] -
                         cylA * (pressure * (0.141 * positionFraction[quarter] + 0.929) - cylB)) *
                        torqueFactor[k];
        }
        peaks.find(torque, torqueFactor);
        if (pressure != 0.0) {
            for (int pass = 1; pass <= kMaxBalancingPasses; ++pass) {
                if (pass > 1) {
                    peaks.find(torque, torqueFactor);
                }
                const double spread =
                    torqueFactor[peaks.m_upIndex] - torqueFactor[peaks.m_downIndex];
                if (spread == 0.0) {
                    break;  // both peaks on one point: nothing left to balance
                }
                const double change = (peaks.m_up - peaks.m_down) / spread / cylA;
                pressure = pressure + change;
                for (std::size_t k = 0; k <= steps; ++k) {
                    torque[k] = torqueFactor[k] * (rodLoad[k] - cylA * (pressure - cylB));
                }
                if (std::fabs(change / pressure) <= kBalanceTolerance) {
                    break;
                }
            }
        }
        out.AirPressure = pressure;
        out.CounterbalanceMoment = 0.0;
    } else {
        const bool markII = in.UnitType == kUnitMarkII;
        const double unbalance = markII ? 625.0 - 35.9 * stroke : 1525.0 - 16.09 * stroke;  // lb
        const double multiplier = markII ? 1.0 : 1.11;
        double moment = (pprl + mprl) * stroke / 4.0;
        const std::vector<double>& sine = crank.m_sine;
        for (std::size_t k = 0; k <= steps; ++k) {
            torque[k] = torqueFactor[k] * multiplier * (rodLoad[k] - unbalance) - moment * sine[k];
        }
        peaks.find(torque, torqueFactor);
        if (moment != 0.0) {
            for (int pass = 1; pass <= kMaxBalancingPasses; ++pass) {
                if (pass > 1) {
                    peaks.find(torque, torqueFactor);
                }
                const double spread = sine[peaks.m_downIndex] - sine[peaks.m_upIndex];
                if (spread == 0.0) {
                    break;  // both peaks on one point: nothing left to balance
                }
                const double change = (peaks.m_down - peaks.m_up) / spread;
                for (std::size_t k = 0; k <= steps; ++k) {
                    torque[k] = torque[k] - change * sine[k];
                }
                moment = moment + change;
                if (std::fabs(change / moment) <= kBalanceTolerance) {
                    break;
                }
            }
        }
        out.CounterbalanceMoment = moment;
    }
    out.PeakTorque = peaks.m_up;

    out.CrankAngleCurve = crank.m_angle;

    // Area of the surface card (clockwise: load higher on the upstroke) is the work per stroke.
    double work = 0.0;  // in-lb
    for (std::size_t k = 1; k <= steps; ++k) {
        work += 0.5 * (position[k] * rodLoad[k - 1] - position[k - 1] * rodLoad[k]);
    }
    double power = work / period / 6600.0;  // hp
    if (power < 0.001) {
        power = 0.001;
    }
    out.PolishedRodPower = power;

    double sum = 0.0;
    double sumSquares = 0.0;
    for (std::size_t k = 1; k <= steps; ++k) {
        sum += torque[k];
        sumSquares += torque[k] * torque[k];
    }
    const double mean = sum / static_cast<double>(steps);
    const double meanSquare = sumSquares / static_cast<double>(steps);
    // The cyclic load factor sqrt(mean square) / mean sizes the motor for a NEMA D slip curve.
    out.MotorSize = std::sqrt(meanSquare) / mean * power / calculationCase.Settings.UnitEfficiency;

    out.MinGearboxRating = GearboxRating(out.PeakTorque);
    out.MinStructureRating = StructureRating(pprl);
    out.CounterbalanceEffect = 1.06 * 0.5 * out.FluidLoad + out.BuoyantRodWeight;
}

double StructureRating(double load) {
    for (double rating : kStructureRatings) {
        if (rating > load) {
            return rating / 100.0;
        }
    }
    return load / 100.0;
}

double GearboxRating(double torque) {
    for (double rating : kGearboxRatings) {
        if (rating > torque) {
            return rating / 1000.0;
        }
    }
    return torque / 1000.0;
}

}  // namespace ZelkEngine
