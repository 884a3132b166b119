#include "files/card_record.h"

#include <algorithm>
#include <cmath>

namespace files {

void setPeakAndMinimumLoad(CardRecord& card) {
    bool any = false;
    double peak = 0.0;
    double minimum = 0.0;
    for (double load : card.loads) {
        if (std::isnan(load)) {
            continue;
        }
        if (!any) {
            peak = minimum = load;
            any = true;
        } else {
            peak = std::max(peak, load);
            minimum = std::min(minimum, load);
        }
    }
    card.peakLoad = peak;
    card.minimumLoad = minimum;
}

double cardArea(const std::vector<double>& positions, const std::vector<double>& loads,
                std::int64_t n) {
    const auto available = static_cast<std::int64_t>(std::min(positions.size(), loads.size()));
    n = std::min(n, available);
    if (n < 1) {
        return 0.0;
    }
    double sum = 0.0;
    const auto count = static_cast<std::size_t>(n);
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t next = (k + 1) % count;
        sum += loads[k] * positions[next] - loads[next] * positions[k];
    }
    const double area = 0.5 * sum;
    // A point that did not parse (NaN) or an absurd value leaves no usable area.
    return std::isfinite(area) ? area : 0.0;
}

double polishedRodPowerFromArea(double areaInLb, double strokesPerMinute) {
    constexpr double kMinimumPowerHp = 0.001;
    constexpr double kInLbPerMinutePerHp = 6600.0 * 60.0;
    // area / (60 / spm) / 6600, written so that 0 strokes per minute gives 0 rather than 0 / inf.
    const double power = areaInLb * strokesPerMinute / kInLbPerMinutePerHp;
    if (!(power >= kMinimumPowerHp)) {
        return kMinimumPowerHp;
    }
    return power;
}

}  // namespace files
