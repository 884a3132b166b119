#pragma once

#include <vector>

namespace ZelkEngine {

struct CalculationCase;

/// Trials of the target-rate search before it gives up with code 12.
constexpr int kMaxTargetRateTrials = 100;
/// Highest stroke rate the target-rate search tries (strokes/min); no surface unit comes near it.
constexpr double kMaxTargetStrokeRate = 1000.0;

/// One solve at the case's current stroke rate with plunger area ap (in^2): validation (code 1),
/// rod string, unit motion, grid, element properties and the wave equation with its analyses.
/// Expects the efficiencies as fractions, as Calculate sets them.
void RunSolver(CalculationCase& calculationCase, double ap);

/// The engine's entry point: runs a whole calculation on the case and fills its results, or
/// throws ZelkCalculatorException. Starts afresh from the inputs (earlier results are cleared).
/// In target-rate mode it searches the stroke rate whose production rate lies within 0.5 bbl/day
/// of the target and stores it in the case. On return the pump efficiency holds the caller's
/// percent value again and the unit efficiency holds its fraction.
void Calculate(CalculationCase& calculationCase);

/// True when no value is infinite or not a number; Calculate checks every result with it.
bool AllFinite(const std::vector<double>& values);

}  // namespace ZelkEngine
