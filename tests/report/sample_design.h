#pragma once

#include "engine/calculation_case.h"
#include "engine/design_case.h"

namespace report {

/// A design and a set of results made up for report tests: plausible values and smooth
/// closed cards, independent of the engine so that report drawings stay put when the
/// calculation is refined.
ZelkEngine::DesignCase SampleDesign();
ZelkEngine::CalculationCase SampleCalculation();

}  // namespace report
