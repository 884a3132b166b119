#pragma once

#include <string>

namespace ZelkEngine {

/// A real written as a standard stream writes it by default (six significant digits, no trailing
/// zeros), independent of the process locale.
std::string DefaultFormatNumber(double value);

}  // namespace ZelkEngine
