#pragma once

#include <array>

namespace files {

/// One of the twelve unit categories whose display unit a design file names.
struct DesignUnitKey {
    const char* fileKey;       ///< key of the line in the design file
    const char* categoryKey;   ///< unit category
    const char* oilfieldUnit;  ///< unit of the category under the oilfield system, which is also
                               ///< the internal unit of every value stored in the design case
};

/// The twelve categories in file order ("DepthUnits" ... "PressureGradientUnits").
const std::array<DesignUnitKey, 12>& DesignUnitKeys();

}  // namespace files
