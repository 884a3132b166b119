#include "engine/unit_types.h"

#include <array>
#include <stdexcept>

namespace ZelkEngine {

namespace {

const std::array<const char*, kUnitTypeCount> kUnitTypeNames = {"CWConv", "CCWConv", "MarkII",
                                                                "AirBal"};

}  // namespace

std::string UnitTypeName(std::int32_t code) {
    if (code < 0 || code >= kUnitTypeCount) {
        return {};
    }
    return kUnitTypeNames[static_cast<std::size_t>(code)];
}

std::optional<std::int32_t> FindUnitTypeCode(const std::string& name) {
    for (std::int32_t code = 0; code < kUnitTypeCount; ++code) {
        if (name == kUnitTypeNames[static_cast<std::size_t>(code)]) {
            return code;
        }
    }
    return std::nullopt;
}

std::int32_t UnitTypeCodeFromName(const std::string& name) {
    const std::optional<std::int32_t> code = FindUnitTypeCode(name);
    if (!code) {
        throw std::invalid_argument("Unsupported unit type.");
    }
    return *code;
}

}  // namespace ZelkEngine
