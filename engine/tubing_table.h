#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace ZelkEngine {

/// One tubing size: a row of the tubing table.
struct TubingSize {
    double m_outerDiameter;  ///< in
    double m_nominalWeight;  ///< lb/ft
    double m_innerDiameter;  ///< in
};

constexpr std::int32_t kTubingSizeCount = 52;
/// Row of the default design's tubing (2.875 in, 8.7 lb/ft, 2.259 in).
constexpr std::int32_t kDefaultTubingRow = 29;

/// The 52 tubing sizes in row index order (the index is what lists and old files store).
const std::vector<TubingSize>& TubingSizes();

/// The last row whose outer diameter, nominal weight and inner diameter all equal the given
/// values exactly, or nothing.
std::optional<std::int32_t> FindTubingRow(double outerDiameter, double nominalWeight,
                                          double innerDiameter);

}  // namespace ZelkEngine
