#pragma once

#include <cstdint>
#include <vector>

namespace files {

/// One surface dynamometer card with the values compared between a measured and a calculated
/// card: loads in lb, positions and stroke length in in, power in HP.
struct CardRecord {
    double peakLoad = 0.0;
    double minimumLoad = 0.0;
    double strokeLength = 0.0;
    double polishedRodPower = 0.0;
    double tvLoad = 0.0;
    double svLoad = 0.0;
    std::int32_t pointCount = 0;
    std::int32_t strokesPerMinute = 0;
    std::vector<double> positions;
    std::vector<double> loads;
};

/// Largest and smallest of the loads, NaN entries left out; both 0 when no load is a number.
void setPeakAndMinimumLoad(CardRecord& card);

/// Area enclosed by the first n points (x, y) taken as a closed loop, clockwise positive, in the
/// product of their units; 0 when n < 1 or when the points are not all numbers.
double cardArea(const std::vector<double>& positions, const std::vector<double>& loads,
                std::int64_t n);

/// Polished rod power in HP of a card of the given area (in-lb) at the given strokes per
/// minute; never below 0.001.
double polishedRodPowerFromArea(double areaInLb, double strokesPerMinute);

}  // namespace files
