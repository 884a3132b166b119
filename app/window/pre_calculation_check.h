#pragma once

#include <functional>
#include <string>

namespace app {

/// The inputs the main window checks before it calculates, as the window holds them: the text
/// inputs already read as numbers (NaN when not a number) and the unit-aware values in their
/// internal units (ft, in, lb, bbl/day, specific gravity).
struct PreCalculationInputs {
    double dampingFactor = 0.0;
    double unitEfficiency = 0.0;  // %
    double pumpEfficiency = 0.0;  // %
    double fluidSpecificGravity = 0.0;
    bool isTargetRateMode = false;
    double strokeRate = 0.0;       // strokes/min
    double pumpDepth = 0.0;        // ft
    double targetRate = 0.0;       // bbl/day
    double strokeLength = 0.0;     // in
    double sinkerBarWeight = 0.0;  // lb
};

/// A bound shown to the user: its value in the display unit of its category and that unit's
/// symbol.
struct DisplayBound {
    double value;
    std::string symbol;
};

/// Converts an internal value of a unit category ("DEPTH", "FLOWRATE", ...) to its display unit.
using DisplayConverter = std::function<DisplayBound(const std::string& category, double value)>;

/// The range check before Calculate: every failing input gets one line, in a fixed order, with
/// its label and bounds in the current display units, under the "invalid" heading. Returns an
/// empty text when every input passes. Texts come from the string table in the current language.
std::string preCalculationMessage(const PreCalculationInputs& inputs,
                                  const DisplayConverter& toDisplay);

}  // namespace app
