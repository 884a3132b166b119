#pragma once

#include <cstdint>
#include <string>

namespace app {

/// The text the main window shows for a calculation failure: the string-table text of the code
/// in the current language (code 11 filled with the calculated pump rate and the well's maximum
/// inflow rate), or the engine's own message for a code without a text (1 and 12 onwards).
std::string calculationErrorText(std::int32_t code, const std::string& message, double value1,
                                 double value2);

}  // namespace app
