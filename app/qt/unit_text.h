#pragma once

#include "app/window/pre_calculation_check.h"

#include <string>

#include <QString>

namespace app {

/// A value in a known unit ("LB", "INLB") converted to the current display unit of a category.
double toDisplayUnit(const char* category, const char* valueUnit, double value);
/// The current display unit symbol of a category.
QString unitSymbol(const char* category);
/// The value shown in the category's display unit with the format (the category's own format
/// when empty), followed by a blank and the unit symbol.
QString valueWithUnit(const char* category, const char* valueUnit, double value,
                      const std::string& format = std::string());
/// An internal value of a category in its display unit, for the pre-calculation check.
DisplayBound displayBound(const std::string& category, double internalValue);

}  // namespace app
