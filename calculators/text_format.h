#pragma once

#include <string>
#include <variant>
#include <vector>

namespace calc {

/// One value for FormatText: a text for "%s", a number for "%f"-style conversions.
using FormatArg = std::variant<std::string, double>;

/// Fills a printf-style message template ("%s", "%0.3f", "%%") from typed values, in order.
/// The templates come from the translated string table, so a conversion that does not match
/// its value, or a missing value, is written out as it stands instead of reading past the
/// arguments.
std::string FormatText(const std::string& format, const std::vector<FormatArg>& args);

/// The part of a label before its first "(" ("Clearance (C)" gives "Clearance "), the whole
/// label when it has none.
std::string LabelBeforeParenthesis(const std::string& label);

}  // namespace calc
