#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace ZelkEngine {

/// One row of the steel or fiberglass rod size table.
struct RodSize {
    double m_diameter;  ///< in
    double m_area;      ///< in^2
    double m_weight;    ///< lb/ft in air
};

constexpr std::int32_t kSteelSizeCount = 9;
constexpr std::int32_t kFiberglassSizeCount = 8;

/// The steel rod sizes below fiberglass (the larger ones serve as sinker bars), index order.
const std::vector<RodSize>& SteelRodSizes();
/// The fiberglass rod sizes, index order.
const std::vector<RodSize>& FiberglassRodSizes();

/// Index of a steel diameter: equal to a table diameter or strictly within 0.001 in of it.
std::optional<std::int32_t> FindSteelSizeIndex(double diameter);
/// As FindSteelSizeIndex; throws std::invalid_argument "Unsupported steel rod size.".
std::int32_t SteelSizeIndexFromDiameter(double diameter);

/// Index of a fiberglass diameter, matched as for steel.
std::optional<std::int32_t> FindFiberglassSizeIndex(double diameter);
/// As FindFiberglassSizeIndex; throws std::invalid_argument "Unsupported fiberglass rod size.".
std::int32_t FiberglassSizeIndexFromDiameter(double diameter);

/// Engine lookups by index; an index outside the table throws ZelkCalculatorException
/// code 4 (steel) or 5 (fiberglass) naming the value looked up.
double SteelRodArea(std::int32_t index);
double SteelRodWeight(std::int32_t index);
double FiberglassRodArea(std::int32_t index);
double FiberglassRodWeight(std::int32_t index);

}  // namespace ZelkEngine
