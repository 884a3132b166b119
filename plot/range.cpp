#include "plot/range.h"

#include <algorithm>

namespace plot {

void CRange::StoreMinMax(double min, double max) {
    if (min != m_min) {
        m_min = min;
        m_changed = 1;
    }
    if (max != m_max) {
        m_max = max;
        m_changed = 1;
    }
}

void CRange::SetMinMax(double min, double max) {
    StoreMinMax(min, max);
    for (CRange* other : m_linked) {
        other->StoreMinMax(min, max);
        other->m_autoScale = 0;
    }
}

void CRange::SetAutoScale(int autoScale) {
    m_autoScale = autoScale;
    for (CRange* other : m_linked) {
        other->m_autoScale = autoScale;
    }
}

void CRange::Link(CRange* other) {
    if (other == nullptr || other == this) {
        return;
    }
    if (std::find(m_linked.begin(), m_linked.end(), other) == m_linked.end()) {
        m_linked.push_back(other);
    }
}

void CRange::Unlink(CRange* other) {
    m_linked.erase(std::remove(m_linked.begin(), m_linked.end(), other), m_linked.end());
}

}  // namespace plot
