#pragma once

#include <cstddef>
#include <vector>

namespace calc {

/// The depths (ft) the tubing anchor catcher's temperature profile is computed at: distinct,
/// ascending, at most kMaxDepths of them.
class AnchorDepthList {
public:
    static constexpr std::size_t kMaxDepths = 195;

    /// The list the dialog opens with.
    static AnchorDepthList Defaults();

    /// Inserts a depth in order. A depth already listed (exactly), a full list or a value that
    /// is not a finite number changes nothing; returns whether the depth was added.
    bool Add(double depth);
    /// Removes the depth at an index of Values(); an index past the end changes nothing.
    bool RemoveAt(std::size_t index);
    void RemoveAll() { m_depths.clear(); }

    const std::vector<double>& Values() const { return m_depths; }
    std::size_t Size() const { return m_depths.size(); }

private:
    std::vector<double> m_depths;
};

}  // namespace calc
