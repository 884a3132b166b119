#pragma once

namespace cli {

/// Exit status of every zelk-cli command.
constexpr int kExitSuccess = 0;
constexpr int kExitUsage = 2;   ///< bad arguments, unreadable or malformed input files
constexpr int kExitEngine = 3;  ///< the calculation engine refused the case

}  // namespace cli
