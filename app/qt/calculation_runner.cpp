#include "app/qt/calculation_runner.h"

#include "engine/calculation_case.h"
#include "engine/calculation_driver.h"

namespace app {

namespace {

CalculationRunner& runner() {
    static CalculationRunner r;
    return r;
}

}  // namespace

void runCalculation(ZelkEngine::CalculationCase& calculationCase) {
    if (runner()) {
        runner()(calculationCase);
    } else {
        ZelkEngine::Calculate(calculationCase);
    }
}

void setCalculationRunner(CalculationRunner r) {
    runner() = std::move(r);
}

}  // namespace app
