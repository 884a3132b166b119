#include "app/window/results_text.h"

#include "app/string_table.h"
#include "app/text_format.h"

#include <cmath>

namespace app {
namespace results {

std::string rateFormat(double rate) {
    return rate >= 10.0 ? "%0.1f" : "%0.2f";
}

std::string powerFormat(double power) {
    return power >= 1.0 ? "%0.2f" : "%0.3f";
}

std::string displacementLabel() {
    return loadString(242) + " (100% " + loadString(4000) + ")";
}

std::string productionLabel(double pumpEfficiencyPercent) {
    return formatText("%s (%.0f%% %s)", {loadString(242), pumpEfficiencyPercent, loadString(4000)});
}

std::string rodTaperText(const std::vector<double>& percentages) {
    std::string text;
    for (double share : percentages) {
        text += formatText("%0.1f", {share}) + ", ";
    }
    std::string marked;
    for (char c : text) {
        marked += c == ',' ? std::string("%,") : std::string(1, c);
    }
    const std::size_t last = marked.rfind(',');
    if (last != std::string::npos) {
        marked.erase(last, 1);
    }
    return marked;
}

std::string unitRatingText(double gearboxRating, double structureRating, double strokeLength) {
    return formatText("%0.0f-%0.0f-%0.0f", {gearboxRating, structureRating, strokeLength});
}

std::string fiberglassLoadingText(double loadingPercent) {
    return std::isnan(loadingPercent) ? "0/0" : formatText("%0.1f", {loadingPercent});
}

bool isRateRed(double pumpDisplacement) {
    return pumpDisplacement < 0.0;
}

bool isTopRodLoadingRed(double loadingPercent) {
    return loadingPercent >= 100.0;
}

bool isFiberglassMinimumRed(double minimum) {
    return minimum <= 0.0;
}

bool isFiberglassLoadingRed(double loadingPercent) {
    return std::isnan(loadingPercent) || loadingPercent < 0.0 || loadingPercent >= 100.0;
}

bool isPumpEfficiencyRed(double efficiencyPercent) {
    return !(efficiencyPercent > 0.0 && efficiencyPercent <= 100.0);
}

std::string warningsText(double pumpDisplacement, bool isFiberglass, double fiberglassMinimumLoad) {
    std::string text;
    if (pumpDisplacement < 0.0) {
        text += "\n" + loadString(375);
    }
    if (isFiberglass && fiberglassMinimumLoad < 0.0) {
        text += "\n" + loadString(376);
    }
    return text;
}

}  // namespace results
}  // namespace app
