#pragma once

#include <cstdint>
#include <vector>

namespace ZelkEngine {

/// The API rod numbers the engine knows, in the order the rod number list shows them.
const std::vector<std::int32_t>& ApiRodNumbers();

/// Number of sections of a rod number; ZelkCalculatorException code 7 for unknown numbers.
std::int32_t ApiRodSectionCount(std::int32_t rodNumber);

/// Taper code of the top (largest) section; code 7 for unknown numbers. Each section below has
/// the code one smaller.
std::int32_t ApiRodTopCode(std::int32_t rodNumber);

/// Fractions of the pump depth of each section, top first, for a plunger area ap (in^2). The
/// last fraction is 1 minus the others. Code 7 for unknown numbers.
std::vector<double> ApiRodFractions(std::int32_t rodNumber, double ap);

}  // namespace ZelkEngine
