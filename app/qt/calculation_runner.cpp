#include "app/qt/calculation_runner.h"

#include "engine/calculation_case.h"
#include "engine/zelk_calculator_exception.h"

namespace app {

namespace {

CalculationRunner& runner() {
    static CalculationRunner r;
    return r;
}

void runEngine(ZelkEngine::CalculationCase&) {
    throw ZelkEngine::ZelkCalculatorException(
        ZelkEngine::kErrorNotFinite, "The calculation engine is not part of this build yet.");
}

}  // namespace

void runCalculation(ZelkEngine::CalculationCase& calculationCase) {
    if (runner()) {
        runner()(calculationCase);
    } else {
        runEngine(calculationCase);
    }
}

void setCalculationRunner(CalculationRunner r) {
    runner() = std::move(r);
}

}  // namespace app
