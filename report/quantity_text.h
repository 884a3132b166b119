#pragma once

#include <string>

namespace report {

/// A value held in its category's internal unit, shown as the windows show it: converted to the
/// category's current display unit, formatted with `format` (or the category's format for that
/// unit when `format` is empty) and followed by a blank and the unit symbol. Before the units
/// library is started, or for an unknown category, the value is shown as it is with "%g".
std::string QuantityText(double internalValue, const std::string& categoryKey,
                         const std::string& format = std::string());

/// The value converted to the category's display unit (unchanged when there is none).
double DisplayValue(double internalValue, const std::string& categoryKey);

/// A plain number through a printf-style format, without the process locale.
std::string NumberText(double value, const std::string& format);

}  // namespace report
