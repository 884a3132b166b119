#include "engine/rod_grades.h"

#include <array>
#include <stdexcept>

namespace ZelkEngine {

namespace {

const std::array<const char*, kRodGradeCount> kGradeNames = {"K", "C", "D", "E"};
const std::array<double, 3> kTensileStrengths = {85000.0, 90000.0, 115000.0};  // psi, K C D

}  // namespace

std::string RodGradeName(std::int32_t code) {
    if (code < 0 || code >= kRodGradeCount) {
        return {};
    }
    return kGradeNames[static_cast<std::size_t>(code)];
}

std::optional<std::int32_t> FindRodGradeCode(const std::string& name) {
    for (std::int32_t code = 0; code < kRodGradeCount; ++code) {
        if (name == kGradeNames[static_cast<std::size_t>(code)]) {
            return code;
        }
    }
    return std::nullopt;
}

std::int32_t RodGradeCodeFromName(const std::string& name) {
    const std::optional<std::int32_t> code = FindRodGradeCode(name);
    if (!code) {
        throw std::invalid_argument("Unsupported steel rod grade.");
    }
    return *code;
}

std::optional<double> RodGradeTensileStrength(std::int32_t code) {
    if (code < 0 || code >= static_cast<std::int32_t>(kTensileStrengths.size())) {
        return std::nullopt;
    }
    return kTensileStrengths[static_cast<std::size_t>(code)];
}

}  // namespace ZelkEngine
