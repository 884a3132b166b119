#include "units/unit_system.h"

#include "units/preferences_store.h"
#include "units/units_manager.h"
#include "units/units_saver.h"

namespace units {

namespace {

// clang-format off
const SwitchedCategory kSwitched[kSwitchedCategoryCount] = {
    {"DIFFERENTIALPRESSURE", "PSI", "KPA"},
    {"DEPTH", "FT", "M"},
    {"SMALL_WEIGHT", "LB", "KG"},
    {"SMALL_LENGTH", "IN", "CM"},
    {"SMALL_LENGTH_2", "IN", "CM"},
    {"ZELK_FLOW_PER_PRESSURE", "STB_D_PSI", "M3_D_KPA"},
    {"POWER", "HP", "KW"},
    {"FLOWRATE", "BBL_D", "M3_D"},
    {"DIFFERENTIALPRESSURE0", "PSI", "KPA"},
    {"SMALL_WEIGHT0", "LB", "KG"},
    {"WEIGHT_PER_LENGTH", "LB_IN", "KG_M"},
    {"ZELK_KINLB", "KINLB", "KNM"},
    {"INLB", "INLB", "NM"},
    {"BARREL_SIZE", "GAS_LIQUID_RATIO_SCF_STB", "GAS_LIQUID_RATIO_M3_M3"},
    {"GAS_RATE", "MCF_D", "M3_D"},
    {"TEMPERATURE", "F", "C"},
    {"PRESS_GRADIENT", "PSI_FT", "KPA_M"},
    {"FLUID_SPECIFIC_GRAVITY", "ZELK_SGH2O", "ZELK_G_CM3"},
    {"TUBING_FLUID_GRADIENT", "ZELK_PSI_FT", "ZELK_KPA_M"},
    {"ANGLE", "DEGREE", "RADIANS"},
    {"SMALL_VELOCITY", "IN_S", "CM_S"},
};
// clang-format on

}  // namespace

const char* const kUnitsPreferenceKey = "Units";

std::string UserDefinedUnitKey(const std::string& categoryKey) {
    return "UserDefinedUnits\\" + categoryKey;
}

const SwitchedCategory& SwitchedCategoryAt(int row) {
    return kSwitched[row];
}

int NormalizeUnitSystem(int index) {
    return (index == kUnitSystemSi || index == kUnitSystemUserDefined) ? index : kUnitSystemUs;
}

int ReadUnitSystem(const PreferencesStore& store) {
    return NormalizeUnitSystem(store.getInt(kUnitsPreferenceKey, kUnitSystemUs));
}

void WriteUnitSystem(PreferencesStore& store, int index) {
    store.setInt(kUnitsPreferenceKey, NormalizeUnitSystem(index));
}

void ApplyUnitSystem(int index, const CUnitsSaver& saver, CUnitsManager& manager) {
    const int system = NormalizeUnitSystem(index);
    for (const SwitchedCategory& row : kSwitched) {
        CUnits* unit = nullptr;
        switch (system) {
            case kUnitSystemSi:
                unit = manager.FindUnit(row.siUnit);
                break;
            case kUnitSystemUserDefined:
                unit = saver.GetUnit(row.categoryKey);
                break;
            default:
                unit = manager.FindUnit(row.usUnit);
                break;
        }
        if (CUnitsCategory* category = manager.FindCategory(row.categoryKey)) {
            category->SetCurrentUnit(unit);
        }
    }
}

}  // namespace units
