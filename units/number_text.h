#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace units {

/// Removes blanks (spaces, tabs, line ends) at both ends.
std::string TrimBlanks(std::string_view text);
/// Removes every ",", the thousands separator of displayed values.
std::string StripSeparators(std::string_view text);
/// The decimal number at the start of text, as the C library's conversion reads it in the
/// "C" locale whatever the process locale: leading blanks skipped, the longest valid prefix
/// used, 0 when there is none, +-HUGE_VAL or 0 when out of range.
double ParseDecimal(std::string_view text);
/// The decimal integer at the start of text (leading blanks, a sign, digits), clamped to the
/// range of 64-bit integers; 0 when there is none.
std::int64_t ParseInteger(std::string_view text);

}  // namespace units
