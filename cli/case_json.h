#pragma once

#include "engine/calculation_case.h"

#include <nlohmann/json.hpp>
#include <string>

namespace cli {

/// Applies a JSON object of ZelkInputs and ZelkSettings fields ("Depth": 5000, ...) to the case;
/// keys not in the object keep the case's values. Integers take whole numbers, flags true/false
/// or 0/1, reals any number (null stands for not-a-number). An "id" member is ignored. Throws
/// InputError naming the key for an unknown key or a value of the wrong type.
void ApplyCaseJson(const nlohmann::json& object, ZelkEngine::CalculationCase& calculationCase);

/// Applies one "Key=Value" assignment; the value is read as JSON (5000, 8.3, true).
void ApplyCaseAssignment(const std::string& assignment,
                         ZelkEngine::CalculationCase& calculationCase);

/// Parses JSON text, throwing InputError with the position of a syntax error. context is put in
/// front of the message ("case.json: ").
nlohmann::json ParseJsonText(const std::string& text, const std::string& context);

/// The inputs and settings of the case as a JSON object in the form ApplyCaseJson reads.
nlohmann::json CaseToJson(const ZelkEngine::CalculationCase& calculationCase);

}  // namespace cli
