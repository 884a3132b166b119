#pragma once

namespace ZelkEngine {

struct CalculationCase;

/// Top rod loading (% of the allowable stress): modified Goodman diagram for grades K, C and D,
/// a fixed allowable for grade E, the fiberglass diagram for fiberglass strings. Throws
/// ZelkCalculatorException code 6 (fiberglass, MPRL below 200 lb), 9 (steel, negative MPRL) or
/// 3 (grade code outside the table).
void CheckRodLoading(CalculationCase& calculationCase, double mprl, double pprl, double topArea);

}  // namespace ZelkEngine
