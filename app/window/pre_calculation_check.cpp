#include "app/window/pre_calculation_check.h"

#include "app/string_table.h"
#include "app/text_format.h"

namespace app {

namespace {

bool inOpenClosed(double value, double low, double high) {
    return value > low && value <= high;
}

bool inClosed(double value, double low, double high) {
    return value >= low && value <= high;
}

}  // namespace

std::string preCalculationMessage(const PreCalculationInputs& in,
                                  const DisplayConverter& toDisplay) {
    std::string lines;
    auto greaterThan = [&](int labelId, double bound, const std::string& unit) {
        lines += formatText(loadString(344), {loadString(labelId), bound, unit}) + "\n";
    };
    auto between = [&](int formatId, int labelId, double low, double high,
                       const std::string& unit) {
        lines += formatText(loadString(formatId), {loadString(labelId), low, high, unit}) + "\n";
    };
    auto betweenInDisplay = [&](int formatId, int labelId, const std::string& category, double low,
                                double high) {
        const DisplayBound lo = toDisplay(category, low);
        const DisplayBound hi = toDisplay(category, high);
        between(formatId, labelId, lo.value, hi.value, hi.symbol);
    };

    // Comparisons are written so that a value that is not a number fails them.
    if (!(in.dampingFactor > 0.0)) {
        greaterThan(130, 0.0, "");
    }
    if (!inOpenClosed(in.unitEfficiency, 0.0, 100.0)) {
        between(363, 131, 0.0, 100.0, "%");
    }
    if (!inOpenClosed(in.pumpEfficiency, 0.0, 100.0)) {
        between(363, 132, 0.0, 100.0, "%");
    }
    if (!inOpenClosed(in.fluidSpecificGravity, 0.0, 2.0)) {
        betweenInDisplay(363, 118, "FLUID_SPECIFIC_GRAVITY", 0.0, 2.0);
    }
    if (!in.isTargetRateMode && !(in.strokeRate > 0.0)) {
        greaterThan(126, 0.0, "SPM");
    }
    if (!inClosed(in.pumpDepth, 100.0, 20000.0)) {
        betweenInDisplay(362, 136, "DEPTH", 100.0, 20000.0);
    }
    if (in.isTargetRateMode && !inClosed(in.targetRate, 0.01, 10000.0)) {
        betweenInDisplay(362, 127, "FLOWRATE", 0.01, 10000.0);
    }
    if (!inClosed(in.strokeLength, 1.0, 500.0)) {
        betweenInDisplay(362, 343, "SMALL_LENGTH", 1.0, 500.0);
    }
    // 600 lb of sinker bars per thousand feet of pump depth; a depth that is not a number gives
    // a limit that every weight fails, which is right: the depth line above already says why.
    if (!inClosed(in.sinkerBarWeight, 0.0, 600.0 * in.pumpDepth / 1000.0)) {
        betweenInDisplay(362, 117, "SMALL_WEIGHT", 0.0, 600.0 * in.pumpDepth / 1000.0);
    }
    return lines.empty() ? std::string() : loadString(348) + lines;
}

}  // namespace app
