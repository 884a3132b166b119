#include "engine/api_rod_numbers.h"

#include "engine/zelk_calculator_exception.h"

namespace ZelkEngine {

namespace {

// Each upper section's fraction of the depth is a + b x plunger area; the bottom section takes
// the rest. Tapered strings get longer upper sections as the fluid load (plunger area) grows.
struct ApiRodNumber {
    std::int32_t m_number;
    std::int32_t m_sections;
    std::int32_t m_topCode;
    double m_a1, m_b1;  // first section
    double m_a2, m_b2;  // second section of three-section strings
};

const std::vector<ApiRodNumber>& table() {
    static const std::vector<ApiRodNumber> rows = {
        {55, 1, 5, 0, 0, 0, 0},
        {65, 2, 6, 0.28913, 0.07263, 0, 0},
        {66, 1, 6, 0, 0, 0, 0},
        {75, 3, 7, 0.21991, 0.06293, 0.20712, 0.07108},
        {76, 2, 7, 0.24622, 0.05292, 0, 0},
        {77, 1, 7, 0, 0, 0, 0},
        {86, 3, 8, 0.18887, 0.04609, 0.18769, 0.04461},
        {87, 2, 8, 0.2197, 0.03525, 0, 0},
        {88, 1, 8, 0, 0, 0, 0},
        {97, 3, 9, 0.17149, 0.0328, 0.16821, 0.03202},
        {98, 2, 9, 0.1935, 0.02671, 0, 0},
        {99, 1, 9, 0, 0, 0, 0},
        {108, 3, 10, 0.15704, 0.02369, 0.15204, 0.02369},
        {109, 2, 10, 0.17485, 0.01962, 0, 0},
    };
    return rows;
}

const ApiRodNumber* find(std::int32_t rodNumber) {
    for (const ApiRodNumber& row : table()) {
        if (row.m_number == rodNumber) {
            return &row;
        }
    }
    return nullptr;
}

const ApiRodNumber& lookup(std::int32_t rodNumber, const char* message) {
    const ApiRodNumber* row = find(rodNumber);
    if (row == nullptr) {
        throw ZelkCalculatorException(kErrorRodNumber, message);
    }
    return *row;
}

constexpr const char* kCountMessage =
    "Invalid rod number specified to determine the nunmber of rods.";
constexpr const char* kTaperMessage =
    "Invalid rod number specified to determine the rod taper size.";

}  // namespace

const std::vector<std::int32_t>& ApiRodNumbers() {
    static const std::vector<std::int32_t> numbers = [] {
        std::vector<std::int32_t> list;
        for (const ApiRodNumber& row : table()) {
            list.push_back(row.m_number);
        }
        return list;
    }();
    return numbers;
}

std::int32_t ApiRodSectionCount(std::int32_t rodNumber) {
    return lookup(rodNumber, kCountMessage).m_sections;
}

std::int32_t ApiRodTopCode(std::int32_t rodNumber) {
    return lookup(rodNumber, kTaperMessage).m_topCode;
}

std::vector<double> ApiRodFractions(std::int32_t rodNumber, double ap) {
    const ApiRodNumber& row = lookup(rodNumber, kCountMessage);
    if (row.m_sections == 1) {
        return {1.0};
    }
    const double r1 = row.m_a1 + row.m_b1 * ap;
    if (row.m_sections == 2) {
        return {r1, 1.0 - r1};
    }
    const double r2 = row.m_a2 + row.m_b2 * ap;
    return {r1, r2, 1.0 - r1 - r2};
}

}  // namespace ZelkEngine
