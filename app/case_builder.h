#pragma once

#include "app/zelk_options.h"
#include "engine/calculation_case.h"
#include "engine/design_case.h"

namespace app {

/// The engine's record for one calculation of a design (numbers in internal units): names and
/// diameters become codes and indexes, the tubing dimensions come from the tubing table row the
/// design's tubing matches (row 25 when none does, as the tubing list shows it), unset settings
/// take the options' defaults for new tests, and the time steps, dX maximum and minimum elements
/// come from the options. A name or diameter that the tables lack becomes a code outside them,
/// which the engine reports with its own message.
ZelkEngine::CalculationCase BuildCalculationCase(const ZelkEngine::DesignCase& design,
                                                 const ZelkOptions& options);

/// The tubing table row a design's tubing selects: the last row whose three dimensions all equal
/// the design's, or row 25 when none does.
std::int32_t TubingRowOfDesign(const ZelkEngine::DesignCase& design);

/// A design's settings with every unset one replaced by the options' default for new tests, as
/// a new or opened design shows them.
ZelkEngine::DesignCase WithOptionDefaults(const ZelkEngine::DesignCase& design,
                                          const ZelkOptions& options);

}  // namespace app
