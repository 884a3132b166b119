#include "calculators/anchor_depth_list.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace calc {

AnchorDepthList AnchorDepthList::Defaults() {
    AnchorDepthList list;
    list.m_depths = {0,    200,  400,  600,  800,  1000, 1500, 2000,
                     2500, 3000, 3500, 4000, 4500, 5000, 5200};
    return list;
}

bool AnchorDepthList::Add(double depth) {
    if (!std::isfinite(depth) || m_depths.size() >= kMaxDepths) {
        return false;
    }
    const auto at = std::lower_bound(m_depths.begin(), m_depths.end(), depth);
    if (at != m_depths.end() && *at == depth) {
        return false;
    }
    m_depths.insert(at, depth);
    return true;
}

bool AnchorDepthList::RemoveAt(std::size_t index) {
    if (index >= m_depths.size()) {
        return false;
    }
    m_depths.erase(std::next(m_depths.begin(), static_cast<std::ptrdiff_t>(index)));
    return true;
}

}  // namespace calc
