#pragma once

#include "engine/calculation_case.h"

#include <nlohmann/json.hpp>
#include <string>

namespace cli {

/// One line of JSON (no line feed) with the results of a calculated case: the scalar results,
/// the taper percentages and the seven curves, then StrokeRate and PumpInletPressure as the case
/// holds them after the calculation. Numbers carry 17 significant digits; a value that is not a
/// number is null. A non-null id is written first as "id".
std::string ResultJsonLine(const ZelkEngine::CalculationCase& calculationCase,
                           const nlohmann::json& id = nullptr);

/// One line of JSON {"error": {"code": N, "message": "..."}} (with "id" first when given).
std::string ErrorJsonLine(int code, const std::string& message, const nlohmann::json& id = nullptr);

/// A real as JSON text: 17 significant digits without the process locale, null when not finite.
std::string JsonNumber(double value);

}  // namespace cli
