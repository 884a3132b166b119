#include "engine/tubing_table.h"

namespace ZelkEngine {

const std::vector<TubingSize>& TubingSizes() {
    static const std::vector<TubingSize> table = {
        // 1.05 in
        {1.05, 1.14, 0.824},
        {1.05, 1.2, 0.824},
        // 1.315 in
        {1.315, 1.7, 1.049},
        {1.315, 1.72, 1.049},
        {1.315, 1.8, 1.049},
        {1.315, 2.25, 0.957},
        // 1.66 in
        {1.66, 2.1, 1.41},
        {1.66, 2.3, 1.38},
        {1.66, 2.33, 1.38},
        {1.66, 2.4, 1.38},
        {1.66, 3.02, 1.278},
        // 1.9 in
        {1.9, 2.4, 1.65},
        {1.9, 2.75, 1.61},
        {1.9, 2.76, 1.61},
        {1.9, 2.9, 1.61},
        {1.9, 3.64, 1.5},
        // 2.063 in
        {2.063, 3.25, 1.751},
        // 2.375 in
        {2.375, 4.0, 2.041},
        {2.375, 4.6, 1.995},
        {2.375, 4.7, 1.995},
        {2.375, 5.3, 1.939},
        {2.375, 5.8, 1.867},
        {2.375, 5.95, 1.867},
        {2.375, 6.2, 1.853},
        {2.375, 7.7, 1.703},
        // 2.875 in
        {2.875, 6.4, 2.441},
        {2.875, 6.5, 2.441},
        {2.875, 7.9, 2.323},
        {2.875, 8.6, 2.259},
        {2.875, 8.7, 2.259},
        {2.875, 9.5, 2.195},
        {2.875, 10.7, 2.091},
        {2.875, 11.0, 2.065},
        // 3.5 in
        {3.5, 7.7, 3.068},
        {3.5, 9.2, 2.992},
        {3.5, 9.3, 2.992},
        {3.5, 10.2, 2.922},
        {3.5, 10.3, 2.922},
        {3.5, 12.7, 2.75},
        {3.5, 12.8, 2.764},
        {3.5, 12.95, 2.75},
        {3.5, 15.8, 2.548},
        {3.5, 16.7, 2.48},
        // 4 in
        {4.0, 9.5, 3.548},
        {4.0, 11.0, 3.476},
        {4.0, 11.6, 3.428},
        {4.0, 13.4, 3.34},
        // 4.5 in
        {4.5, 12.6, 3.958},
        {4.5, 12.75, 3.958},
        {4.5, 13.5, 3.92},
        {4.5, 15.5, 3.826},
        {4.5, 19.2, 3.64},
    };
    return table;
}

std::optional<std::int32_t> FindTubingRow(double outerDiameter, double nominalWeight,
                                          double innerDiameter) {
    std::optional<std::int32_t> found;
    const std::vector<TubingSize>& table = TubingSizes();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const TubingSize& row = table[i];
        if (row.m_outerDiameter == outerDiameter && row.m_nominalWeight == nominalWeight &&
            row.m_innerDiameter == innerDiameter) {
            found = static_cast<std::int32_t>(i);
        }
    }
    return found;
}

}  // namespace ZelkEngine
