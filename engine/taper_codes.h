#pragma once

#include <cstdint>

namespace ZelkEngine {

struct CalculationCase;

/// Taper codes: 1 fiberglass and 2 steel of the case's size indexes, 5-10 API steel rods whose
/// diameter is the code in eighths of an inch.
constexpr std::int32_t kTaperFiberglass = 1;
constexpr std::int32_t kTaperSteel = 2;

/// Section area (in^2) of a taper code; code 2 exception outside the table, codes 4/5 from the
/// size tables for codes 1 and 2.
double TaperArea(std::int32_t code, const CalculationCase& calculationCase);
/// Section weight in air (lb/ft); failures as TaperArea.
double TaperWeight(std::int32_t code, const CalculationCase& calculationCase);
/// Young's modulus (psi) of a taper code; code 2 exception outside the table.
double TaperModulus(std::int32_t code);

}  // namespace ZelkEngine
