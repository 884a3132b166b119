#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ZelkEngine {

/// API steel rod grade codes.
enum RodGradeCode : std::int32_t {
    kGradeK = 0,
    kGradeC = 1,
    kGradeD = 2,
    kGradeE = 3,  ///< no tensile strength in the table; fixed allowable stress instead
};

constexpr std::int32_t kRodGradeCount = 4;

/// Allowable stress of grade E rods, psi (it has no minimum tensile strength).
constexpr double kGradeEAllowableStress = 50000.0;

/// Name of a grade ("K", "C", "D", "E"); empty for a code outside 0-3.
std::string RodGradeName(std::int32_t code);

/// Code of a grade name (whole, case-sensitive text), or nothing for any other text.
std::optional<std::int32_t> FindRodGradeCode(const std::string& name);

/// As FindRodGradeCode; throws std::invalid_argument "Unsupported steel rod grade.".
std::int32_t RodGradeCodeFromName(const std::string& name);

/// Minimum tensile strength of grades K, C and D (psi); nothing for E and unknown codes.
std::optional<double> RodGradeTensileStrength(std::int32_t code);

}  // namespace ZelkEngine
