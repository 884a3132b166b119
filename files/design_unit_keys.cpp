#include "files/design_unit_keys.h"

namespace files {

const std::array<DesignUnitKey, 12>& DesignUnitKeys() {
    // "H20GravityUnits" is written with the digit zero; its category has the letter O.
    static const std::array<DesignUnitKey, 12> keys = {{
        {"DepthUnits", "DEPTH", "FT"},
        {"DifferentialPressureUnits", "DIFFERENTIALPRESSURE", "PSI"},
        {"SmallWeightUnits", "SMALL_WEIGHT", "LB"},
        {"SmallLengthUnits", "SMALL_LENGTH", "IN"},
        {"SmallLength2Units", "SMALL_LENGTH_2", "IN"},
        {"ZelkFlowPerPressureUnits", "ZELK_FLOW_PER_PRESSURE", "STB_D_PSI"},
        {"H20GravityUnits", "H2O_GRAVITY", "SGH2O"},
        {"OilGravityUnits", "OIL_GRAVITY", "DEGAPI"},
        {"FluidSpecificGravityUnits", "FLUID_SPECIFIC_GRAVITY", "ZELK_SGH2O"},
        {"FlowRateUnits", "FLOWRATE", "BBL_D"},
        {"DynamicViscosityUnits", "DYNAMIC_VISCOSITY", "CP"},
        {"PressureGradientUnits", "PRESS_GRADIENT", "PSI_FT"},
    }};
    return keys;
}

}  // namespace files
