#include "engine/design_case.h"

namespace ZelkEngine {

DesignCase::DesignCase()
    : m_displayUnits{{"DEPTH", "FT"},
                     {"DIFFERENTIALPRESSURE", "PSI"},
                     {"SMALL_WEIGHT", "LB"},
                     {"SMALL_LENGTH", "IN"},
                     {"SMALL_LENGTH_2", "IN"},
                     {"ZELK_FLOW_PER_PRESSURE", "STB_D_PSI"},
                     {"H2O_GRAVITY", "DCLU_SGH2O"},
                     {"OIL_GRAVITY", "DCLU_DEGAPI"},
                     {"FLUID_SPECIFIC_GRAVITY", "ZELK_SGH2O"},
                     {"FLOWRATE", "BBL_D"},
                     {"DYNAMIC_VISCOSITY", "CP"},
                     {"PRESS_GRADIENT", "PSI_FEET"}} {}

std::string DesignCase::displayUnit(const std::string& categoryKey) const {
    for (const DisplayUnit& entry : m_displayUnits) {
        if (entry.m_categoryKey == categoryKey) {
            return entry.m_unitKey;
        }
    }
    return {};
}

void DesignCase::setDisplayUnit(const std::string& categoryKey, const std::string& unitKey) {
    for (DisplayUnit& entry : m_displayUnits) {
        if (entry.m_categoryKey == categoryKey) {
            entry.m_unitKey = unitKey;
            return;
        }
    }
    m_displayUnits.push_back({categoryKey, unitKey});
}

}  // namespace ZelkEngine
