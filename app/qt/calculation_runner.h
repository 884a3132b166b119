#pragma once

#include <functional>

namespace ZelkEngine {
struct CalculationCase;
}

namespace app {

/// Runs one calculation of the engine on the case, or throws its exception.
using CalculationRunner = std::function<void(ZelkEngine::CalculationCase&)>;

/// The engine's Calculate unless a test has put another runner in its place.
void runCalculation(ZelkEngine::CalculationCase& calculationCase);
/// Replaces the runner (tests provoke engine failures this way); an empty one restores the engine.
void setCalculationRunner(CalculationRunner runner);

}  // namespace app
