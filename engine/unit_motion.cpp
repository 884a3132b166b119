#include "engine/unit_motion.h"

#include "engine/calculation_case.h"
#include "engine/engine_constants.h"
#include "engine/unit_types.h"
#include "engine/zelk_calculator_exception.h"

#include <array>
#include <cmath>
#include <vector>

namespace ZelkEngine {

namespace {

constexpr int kHarmonics = 6;

// Fourier fit of the polished rod position fraction against crank angle.
struct MotionSeries {
    double m_a0;
    double m_rotationSign;  // s1: -1 runs the series backwards (counter-clockwise crank)
    double m_positionSign;  // s2: -1 for units whose rod falls as the series rises
    std::array<double, kHarmonics> m_a;
    std::array<double, kHarmonics> m_b;
};

const MotionSeries& seriesOf(std::int32_t unitType) {
    static const std::array<MotionSeries, kUnitTypeCount> series = {{
        {0.5314016,
         1.0,
         1.0,
         {0.4973054, 0.0630766, 0.0071585, 0.0014288, -0.000832, -0.00007},
         {0.0078489, 0.012368, -0.017086, -0.002505, -0.000555, -0.000123}},
        {0.5314016,
         -1.0,
         1.0,
         {0.4973054, 0.0630766, 0.0071585, 0.0014288, -0.000832, -0.00007},
         {0.0078489, 0.012368, -0.017086, -0.002505, -0.000555, -0.000123}},
        {0.4667592,
         1.0,
         -1.0,
         {-0.4954488, 0.0528955, 0.0090159, -0.002989, 0.0000267, 0.001207},
         {0.0532208, -0.066165, 0.0127199, 0.0007834, -0.000621, 0.0000452}},
        {0.4824728,
         1.0,
         -1.0,
         {-0.498003, 0.0346735, -0.006032, 0.0003651, 0.0000669, -0.000012},
         {0.0071059, -0.000813, -0.006759, 0.0006587, -0.000207, 0.0000162}},
    }};
    return series[static_cast<std::size_t>(unitType)];
}

}  // namespace

namespace {

// The series depends only on the unit type and the number of time steps. A target-rate search
// and a batch of cases evaluate it again and again with the same two, so keep the last one.
struct SeriesCache {
    std::int32_t m_unitType = -1;
    std::int32_t m_steps = 0;
    std::vector<double> m_fraction;    // x
    std::vector<double> m_derivative;  // v = dx/dtheta in the direction of rotation
};

const SeriesCache& evaluate(std::int32_t unitType, std::int32_t steps) {
    thread_local SeriesCache cache;
    if (cache.m_unitType == unitType && cache.m_steps == steps) {
        return cache;
    }
    const MotionSeries& s = seriesOf(unitType);
    const std::size_t points = static_cast<std::size_t>(steps) + 1;
    cache.m_unitType = -1;  // stays invalid should an allocation fail
    cache.m_fraction.assign(points, 0.0);
    cache.m_derivative.assign(points, 0.0);
    const double dTheta = 2.0 * kPi / steps;
    double theta = 0.0;
    for (std::size_t k = 0; k < points; ++k) {
        double x = s.m_a0;
        double v = 0.0;
        for (int n = 1; n <= kHarmonics; ++n) {
            const double a = s.m_a[static_cast<std::size_t>(n - 1)];
            const double b = s.m_b[static_cast<std::size_t>(n - 1)];
            const double sinNTheta = std::sin(n * theta);
            const double cosNTheta = std::cos(n * theta);
            x = x + s.m_positionSign * (b * sinNTheta - a * cosNTheta) / n;
            v = v + s.m_rotationSign * s.m_positionSign * (a * sinNTheta + b * cosNTheta);
        }
        cache.m_fraction[k] = x;
        cache.m_derivative[k] = v;
        // The counter-clockwise conventional unit runs through the series backwards.
        theta = theta + s.m_rotationSign * dTheta;
    }
    cache.m_unitType = unitType;
    cache.m_steps = steps;
    return cache;
}

}  // namespace

void UnitMotion(const CalculationCase& calculationCase, std::int32_t unitType,
                std::vector<double>& torqueFactor, std::vector<double>& position,
                std::vector<double>& positionFraction) {
    if (unitType < 0 || unitType >= kUnitTypeCount) {
        throw ZelkCalculatorException(kErrorUnitType, "Invalid unit type specified.");
    }
    const std::int32_t steps = calculationCase.Settings.NTimeSteps;
    const double stroke = calculationCase.Inputs.StrokeLength;
    const SeriesCache& series = evaluate(unitType, steps);
    const std::size_t points = series.m_fraction.size();
    torqueFactor.resize(points);
    position.resize(points);
    positionFraction.resize(points);
    for (std::size_t k = 0; k < points; ++k) {
        const double x = series.m_fraction[k];
        positionFraction[k] = x;
        position[k] = x * stroke;
        torqueFactor[k] = series.m_derivative[k] * stroke;
    }
}

}  // namespace ZelkEngine
