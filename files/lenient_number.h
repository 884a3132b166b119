#pragma once

#include <cstdint>
#include <string_view>

namespace files {

/// Reads a number typed by a person or written by another program: every "," is removed; a
/// remainder holding a letter or one of the symbols ! # $ % ^ & * ( ) _ = < > ? / ; ' : { } | [ ] `
/// ~ @ " \ is not a number (NaN); otherwise blanks are trimmed and the longest decimal prefix is
/// taken, 0 when there is none. Never depends on the process locale.
double lenientNumber(std::string_view text);

/// The integer form: the same test, then the decimal integer prefix; 0 when the test fails or no
/// digits lead. Values beyond the 32-bit range are clamped to it.
std::int32_t lenientInteger(std::string_view text);

/// The value truncated toward zero as a 32-bit integer. NaN and values outside the range give
/// the smallest 32-bit integer, which is what the hardware conversion yields for them.
std::int32_t truncateToInt32(double value);

/// Locale-free decimal conversion of the longest valid prefix (after leading blanks), as the C
/// library's text-to-real conversion does in the "C" locale; 0 when there is no prefix.
double decimalPrefix(std::string_view text);

/// Locale-free decimal integer prefix (after leading blanks, optional sign); 0 when none.
/// Clamped to the 32-bit range.
std::int32_t integerPrefix(std::string_view text);

/// Removes blanks (spaces and tabs) at both ends.
std::string_view trimBlanks(std::string_view text);

}  // namespace files
