#include "engine/taper_codes.h"

#include "engine/calculation_case.h"
#include "engine/engine_constants.h"
#include "engine/rod_sizes.h"
#include "engine/zelk_calculator_exception.h"

#include <array>

namespace ZelkEngine {

namespace {

constexpr std::int32_t kFirstApiCode = 5;
constexpr std::int32_t kLastApiCode = 10;

// API steel rods 5/8 in to 1 1/4 in, taper codes 5-10.
const std::array<double, 6> kApiAreas = {0.3068, 0.4418, 0.6013, 0.7854, 0.994, 1.227};
const std::array<double, 6> kApiWeights = {1.135, 1.634, 2.224, 2.904, 3.676, 4.538};

constexpr const char* kAreaMessage = "Invalid taper size specified to determine the rod area.";
constexpr const char* kWeightMessage = "Invalid taper size specified to determine the rod weight.";

std::size_t apiRow(std::int32_t code, const char* message) {
    if (code < kFirstApiCode || code > kLastApiCode) {
        throw ZelkCalculatorException(kErrorTaperSize, message);
    }
    return static_cast<std::size_t>(code - kFirstApiCode);
}

}  // namespace

double TaperArea(std::int32_t code, const CalculationCase& calculationCase) {
    if (code == kTaperFiberglass) {
        return FiberglassRodArea(calculationCase.Inputs.FiberglassSizeIndex);
    }
    if (code == kTaperSteel) {
        return SteelRodArea(calculationCase.Inputs.SteelSizeIndex);
    }
    return kApiAreas[apiRow(code, kAreaMessage)];
}

double TaperWeight(std::int32_t code, const CalculationCase& calculationCase) {
    if (code == kTaperFiberglass) {
        return FiberglassRodWeight(calculationCase.Inputs.FiberglassSizeIndex);
    }
    if (code == kTaperSteel) {
        return SteelRodWeight(calculationCase.Inputs.SteelSizeIndex);
    }
    return kApiWeights[apiRow(code, kWeightMessage)];
}

double TaperModulus(std::int32_t code) {
    if (code == kTaperFiberglass) {
        return kFiberglassModulus;
    }
    if (code != kTaperSteel) {
        apiRow(code, kAreaMessage);
    }
    return kSteelModulus;
}

}  // namespace ZelkEngine
