#pragma once

#include <string>
#include <vector>

namespace app {

/// The texts and colours of the main window's results list, from the values of one calculation.
namespace results {

/// "%0.1f" for rates of 10 bbl/day or more, "%0.2f" below (negative rates included).
std::string rateFormat(double rate);
/// "%0.2f" for 1 hp or more, "%0.3f" below.
std::string powerFormat(double power);

/// Label of the pump displacement: "Rate (100% pump volumetric eff.)".
std::string displacementLabel();
/// Label of the production rate with the pump efficiency: "Rate (85% pump volumetric eff.)".
std::string productionLabel(double pumpEfficiencyPercent);

/// The share of each rod section, top first: "34.0%, 66.0% " (each entry followed by "%" and,
/// between entries, a comma; the text ends in one blank).
std::string rodTaperText(const std::vector<double>& percentages);
/// Minimum API unit rating: gearbox (thousand in-lb), structure (hundred lb), stroke (in).
std::string unitRatingText(double gearboxRating, double structureRating, double strokeLength);
/// Fiberglass loading in percent, "0/0" when it is not a number.
std::string fiberglassLoadingText(double loadingPercent);

/// Whether a value of the results list is drawn in red.
bool isRateRed(double pumpDisplacement);
bool isTopRodLoadingRed(double loadingPercent);
bool isFiberglassMinimumRed(double minimum);
bool isFiberglassLoadingRed(double loadingPercent);
/// The pump efficiency input is red when it is not in (0, 100] or not a number.
bool isPumpEfficiencyRed(double efficiencyPercent);

/// The warnings after a calculation: a line feed and a warning line for a negative pump rate and,
/// for fiberglass and steel rods, for a negative fiberglass minimum load. Empty when none.
std::string warningsText(double pumpDisplacement, bool isFiberglass, double fiberglassMinimumLoad);

}  // namespace results

}  // namespace app
