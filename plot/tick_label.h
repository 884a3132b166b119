#pragma once

#include <string>

namespace plot {

/// Tick label formats of an axis.
enum LabelFormat : int { kLabelNumber = 0, kLabelElapsedTime = 1, kLabelDate = 2 };

/// "%f" without the process locale, then trailing zeros and a trailing point removed
/// (20.000000 -> "20", 0.500000 -> "0.5"). A value that rounds to zero is "0", never "-0".
std::string FormatTickNumber(double value);

/// Fixed-point text with `precision` decimals (as "%.*f"), without the process locale.
std::string FormatFixed(double value, int precision);

/// Removes trailing '0' characters and then one trailing '.', as number labels do.
std::string TrimTrailingZeros(std::string text);

/// Seconds as "MM:SS" under an hour, else "HH:MM:SS" (hours within the day), with
/// milliseconds appended and trimmed when the value has a fraction: 59.5 -> "00:59.5".
std::string FormatElapsedTime(double seconds);

/// A date serial number (days since 30 December 1899) as a short date "M/D/YYYY";
/// "Invalid DateTime" outside years 100 to 9999.
std::string FormatDateSerial(double serial);

/// The label of a tick value in the given format.
std::string FormatTickLabel(double value, int labelFormat);

}  // namespace plot
