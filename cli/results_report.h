#pragma once

#include "engine/calculation_case.h"

#include <string>

namespace cli {

/// Readable report of a calculated case in oilfield units: the results list of the main window
/// (rates, taper, loading, unit rating "gearbox-structure-stroke", motor, power, valve loads,
/// accumulator and fiberglass lines when they apply), the card and torque values, and the
/// warnings. Ends with a line feed.
std::string ResultsReport(const ZelkEngine::CalculationCase& calculationCase);

}  // namespace cli
