#include "plot/curve_data.h"

#include <algorithm>
#include <cmath>

namespace plot {

void CCurveData::Append(double value, const std::string& label) {
    if (m_values.size() == m_values.capacity()) {
        // Grow by half again, at least 100 entries, so long series append in amortised time.
        const std::size_t count = m_values.size();
        const std::size_t grow = std::max<std::size_t>(count / 2, 100);
        m_values.reserve(count + grow);
        m_labels.reserve(count + grow);
    }
    const int index = static_cast<int>(m_values.size());
    m_values.push_back(value);
    m_labels.push_back(label);
    if (index == 0 && m_kind == 0) {
        m_kind = 1;
    }
    // A value that is not a finite number has no place on an axis; the extremes come from the
    // finite values only, so one bad point cannot spoil the automatic ranges.
    if (!std::isfinite(value)) {
        return;
    }
    if (!m_hasExtremes) {
        m_minValue = m_maxValue = value;
        m_minIndex = m_maxIndex = index;
        m_hasExtremes = true;
        return;
    }
    if (value < m_minValue) {
        m_minValue = value;
        m_minIndex = index;
    }
    if (value > m_maxValue) {
        m_maxValue = value;
        m_maxIndex = index;
    }
}

std::string CCurveData::LabelAt(int i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= m_labels.size()) {
        return std::string();
    }
    return m_labels[static_cast<std::size_t>(i)];
}

}  // namespace plot
