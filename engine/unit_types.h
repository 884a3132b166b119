#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ZelkEngine {

/// Surface unit type codes as the engine receives them.
enum UnitTypeCode : std::int32_t {
    kUnitCWConv = 0,   ///< conventional unit, crank turning clockwise
    kUnitCCWConv = 1,  ///< conventional unit, crank turning counter-clockwise
    kUnitMarkII = 2,
    kUnitAirBal = 3,
};

constexpr std::int32_t kUnitTypeCount = 4;

/// Name of a unit type as design files store it ("CWConv"...); empty for a code outside 0-3.
std::string UnitTypeName(std::int32_t code);

/// Code of a unit type name (whole, case-sensitive text), or nothing for any other text.
std::optional<std::int32_t> FindUnitTypeCode(const std::string& name);

/// As FindUnitTypeCode; throws std::invalid_argument "Unsupported unit type." for other texts.
std::int32_t UnitTypeCodeFromName(const std::string& name);

}  // namespace ZelkEngine
