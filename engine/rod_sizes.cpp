#include "engine/rod_sizes.h"

#include "engine/zelk_calculator_exception.h"

#include <cmath>
#include <stdexcept>

namespace ZelkEngine {

namespace {

// Diameters typed in another unit system come back with rounding; 0.001 in tells sizes apart.
constexpr double kDiameterTolerance = 0.001;

std::optional<std::int32_t> findDiameter(const std::vector<RodSize>& table, double diameter) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        const double tableDiameter = table[i].m_diameter;
        if (diameter == tableDiameter || std::fabs(diameter - tableDiameter) < kDiameterTolerance) {
            return static_cast<std::int32_t>(i);
        }
    }
    return std::nullopt;
}

const RodSize& row(const std::vector<RodSize>& table, std::int32_t index, std::int32_t code,
                   const char* message) {
    if (index < 0 || index >= static_cast<std::int32_t>(table.size())) {
        throw ZelkCalculatorException(code, message);
    }
    return table[static_cast<std::size_t>(index)];
}

}  // namespace

const std::vector<RodSize>& SteelRodSizes() {
    static const std::vector<RodSize> table = {
        {0.75, 0.4418, 1.634}, {0.875, 0.6013, 2.224}, {1.0, 0.7854, 2.904},
        {1.125, 0.994, 3.676}, {1.25, 1.227, 4.538},   {1.375, 1.4849, 5.0},
        {1.5, 1.7672, 6.0},    {1.625, 2.0739, 7.0},   {1.75, 2.4053, 8.2},
    };
    return table;
}

const std::vector<RodSize>& FiberglassRodSizes() {
    static const std::vector<RodSize> table = {
        {0.5, 0.196349, 0.20028}, {0.625, 0.306796, 0.31293}, {0.75, 0.4301, 0.4831},
        {0.875, 0.5877, 0.6108},  {1.0, 0.7698, 0.8168},      {1.2, 1.0843, 1.1846},
        {1.25, 1.2076, 1.2879},   {1.5, 1.6856, 1.905},
    };
    return table;
}

std::optional<std::int32_t> FindSteelSizeIndex(double diameter) {
    return findDiameter(SteelRodSizes(), diameter);
}

std::int32_t SteelSizeIndexFromDiameter(double diameter) {
    const std::optional<std::int32_t> index = FindSteelSizeIndex(diameter);
    if (!index) {
        throw std::invalid_argument("Unsupported steel rod size.");
    }
    return *index;
}

std::optional<std::int32_t> FindFiberglassSizeIndex(double diameter) {
    return findDiameter(FiberglassRodSizes(), diameter);
}

std::int32_t FiberglassSizeIndexFromDiameter(double diameter) {
    const std::optional<std::int32_t> index = FindFiberglassSizeIndex(diameter);
    if (!index) {
        throw std::invalid_argument("Unsupported fiberglass rod size.");
    }
    return *index;
}

double SteelRodArea(std::int32_t index) {
    return row(SteelRodSizes(), index, kErrorSteelSize,
               "Invalid steel size specified to get the rod area.")
        .m_area;
}

double SteelRodWeight(std::int32_t index) {
    return row(SteelRodSizes(), index, kErrorSteelSize,
               "Invalid steel size specified to get the rod weight.")
        .m_weight;
}

double FiberglassRodArea(std::int32_t index) {
    return row(FiberglassRodSizes(), index, kErrorFiberglassSize,
               "Invalid fiberglass size specified to get the rod area.")
        .m_area;
}

double FiberglassRodWeight(std::int32_t index) {
    return row(FiberglassRodSizes(), index, kErrorFiberglassSize,
               "Invalid fiberglass size specified to get the rod weight.")
        .m_weight;
}

}  // namespace ZelkEngine
