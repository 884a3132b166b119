#include "engine/rod_loading.h"

#include "engine/calculation_case.h"
#include "engine/rod_grades.h"
#include "engine/zelk_calculator_exception.h"

#include <cmath>
#include <optional>

namespace ZelkEngine {

namespace {

// Fiberglass rods must stay in tension: below this the string buckles on the downstroke.
constexpr double kFiberglassMinimumLoad = 200.0;  // lb

[[noreturn]] void throwRodsNotFalling() {
    throw ZelkCalculatorException(
        kErrorRodsNotFalling,
        "The calculated Minimum Polished Rod Load is NEGATIVE indicating the rods are not falling "
        "as fast as required for the selected SPM.  Suggest decreasing Stroke Rate.");
}

}  // namespace

void CheckRodLoading(CalculationCase& calculationCase, double mprl, double pprl, double topArea) {
    const double minStress = mprl / topArea;  // psi
    const double maxStress = pprl / topArea;  // psi
    double allowable = 0.0;                   // psi
    if (calculationCase.Inputs.RodType == 1) {
        if (mprl < kFiberglassMinimumLoad) {
            throw ZelkCalculatorException(
                kErrorFiberglassRodsNotFalling,
                "The calculated Minimum Polished Rod Load is less than 200 lbs, indicating the "
                "rods are not falling as fast as required for the selected SPM.  Suggest "
                "decreasing Stroke Rate.");
        }
        allowable = 3145.0 * std::pow(minStress, 0.234);
    } else if (calculationCase.Inputs.RodGrade == kGradeE) {
        if (mprl < 0.0) {
            throwRodsNotFalling();
        }
        allowable = kGradeEAllowableStress;
    } else {
        const std::optional<double> tensile =
            RodGradeTensileStrength(calculationCase.Inputs.RodGrade);
        if (!tensile) {
            throw ZelkCalculatorException(
                kErrorRodGrade, "Invalid rod grade specified to get the rod grade yield.");
        }
        if (mprl < 0.0) {
            throwRodsNotFalling();
        }
        // Modified Goodman diagram with a service factor of 1.
        allowable = *tensile / 4.0 + 0.5625 * minStress;
    }
    calculationCase.Results.TopRodLoading = maxStress / allowable * 100.0;
}

}  // namespace ZelkEngine
