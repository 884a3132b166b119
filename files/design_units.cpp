#include "files/design_units.h"

#include "engine/design_case.h"
#include "files/design_file.h"
#include "files/design_unit_keys.h"
#include "units/units_manager.h"

#include <string>

namespace files {
namespace {

using ZelkEngine::DesignCase;

struct UnitField {
    double DesignCase::*field;
    const char* categoryKey;
};

// Every number of the design that carries a unit, with its category. The tubing dimensions,
// percentages, the damping factor, the stroke rate and the rod number have none.
const UnitField kUnitFields[] = {
    {&DesignCase::m_pumpDepth, "DEPTH"},
    {&DesignCase::m_strokeLength, "SMALL_LENGTH"},
    {&DesignCase::m_pumpDiameter, "SMALL_LENGTH_2"},
    {&DesignCase::m_sinkerBarWeight, "SMALL_WEIGHT"},
    {&DesignCase::m_fluidSpecificGravity, "FLUID_SPECIFIC_GRAVITY"},
    {&DesignCase::m_tubingPressure, "DIFFERENTIALPRESSURE"},
    {&DesignCase::m_casingPressure, "DIFFERENTIALPRESSURE"},
    {&DesignCase::m_pumpIntakePressure, "DIFFERENTIALPRESSURE"},
    {&DesignCase::m_reservoirPressure, "DIFFERENTIALPRESSURE"},
    {&DesignCase::m_productivityIndex, "ZELK_FLOW_PER_PRESSURE"},
    {&DesignCase::m_targetRate, "FLOWRATE"},
    {&DesignCase::m_oilGravity, "OIL_GRAVITY"},
    {&DesignCase::m_waterSpecificGravity, "H2O_GRAVITY"},
    {&DesignCase::m_sinkerBarDiameter, "SMALL_LENGTH_2"},
    {&DesignCase::m_clearance, "SMALL_LENGTH_2"},
    {&DesignCase::m_fluidViscosity, "DYNAMIC_VISCOSITY"},
    {&DesignCase::m_plungerLength, "SMALL_LENGTH_2"},
};

const UnitField kRodSizeFields[] = {
    {&DesignCase::m_fiberglassSize, "SMALL_LENGTH_2"},
    {&DesignCase::m_steelSize, "SMALL_LENGTH_2"},
};

// The settings may hold the marker of a value the design does not carry yet; it is no quantity.
bool isUnsetMarker(const DesignCase& design, double DesignCase::*field) {
    const bool isSetting =
        field == &DesignCase::m_sinkerBarWeight || field == &DesignCase::m_fluidSpecificGravity ||
        field == &DesignCase::m_tubingPressure || field == &DesignCase::m_casingPressure;
    return isSetting && design.*field == ZelkEngine::kUnsetSetting;
}

// The unit a design's name stands for in a category: the named unit when the category may show
// it, else the category's oilfield unit.
units::CUnits* unitForName(const units::CUnitsManager& catalogue, const DesignUnitKey& key,
                           const std::string& name) {
    const units::CUnitsCategory* category = catalogue.FindCategory(key.categoryKey);
    units::CUnits* named = catalogue.FindUnit(name);
    if (category != nullptr && named != nullptr &&
        named->GetDimension() == category->GetDimension() && category->IsUnitAllowed(name)) {
        return named;
    }
    return catalogue.FindUnit(key.oilfieldUnit);
}

units::CUnits* internalUnit(const units::CUnitsManager& catalogue, const char* categoryKey) {
    return catalogue.FindUnit(
        units::CUnitsManager::InternalUnitAt(units::CUnitsManager::CategoryIndexOf(categoryKey)));
}

units::CUnits* currentUnit(const units::CUnitsManager& catalogue, const char* categoryKey) {
    const units::CUnitsCategory* category = catalogue.FindCategory(categoryKey);
    return category != nullptr ? category->GetCurrentUnit() : nullptr;
}

}  // namespace

void ApplyDesignDisplayUnits(const DesignCase& design, units::CUnitsManager& catalogue) {
    for (const DesignUnitKey& key : DesignUnitKeys()) {
        units::CUnitsCategory* category = catalogue.FindCategory(key.categoryKey);
        if (category != nullptr) {
            category->SetCurrentUnit(
                unitForName(catalogue, key, design.displayUnit(key.categoryKey)));
        }
    }
}

DesignCase DesignInInternalUnits(const DesignCase& fileDesign,
                                 const units::CUnitsManager& catalogue) {
    DesignCase design = fileDesign;
    const auto displayUnitOf = [&](const char* categoryKey) -> units::CUnits* {
        for (const DesignUnitKey& key : DesignUnitKeys()) {
            if (std::string(key.categoryKey) == categoryKey) {
                return unitForName(catalogue, key, fileDesign.displayUnit(categoryKey));
            }
        }
        return nullptr;
    };
    const auto convert = [&](const UnitField& unitField) {
        if (!isUnsetMarker(design, unitField.field)) {
            design.*unitField.field =
                units::Convert(design.*unitField.field, displayUnitOf(unitField.categoryKey),
                               internalUnit(catalogue, unitField.categoryKey));
        }
    };
    for (const UnitField& unitField : kUnitFields) {
        convert(unitField);
    }
    if (StoresRodSizesInDisplayUnits(fileDesign.m_version)) {
        for (const UnitField& unitField : kRodSizeFields) {
            convert(unitField);
        }
    }
    for (const DesignUnitKey& key : DesignUnitKeys()) {
        const units::CUnits* unit =
            unitForName(catalogue, key, fileDesign.displayUnit(key.categoryKey));
        design.setDisplayUnit(key.categoryKey, unit != nullptr ? unit->GetKey() : key.oilfieldUnit);
    }
    return design;
}

DesignCase DesignInDisplayUnits(const DesignCase& internalDesign,
                                const units::CUnitsManager& catalogue) {
    DesignCase design = internalDesign;
    const auto convert = [&](const UnitField& unitField) {
        if (!isUnsetMarker(design, unitField.field)) {
            design.*unitField.field = units::Convert(design.*unitField.field,
                                                     internalUnit(catalogue, unitField.categoryKey),
                                                     currentUnit(catalogue, unitField.categoryKey));
        }
    };
    for (const UnitField& unitField : kUnitFields) {
        convert(unitField);
    }
    // A saved file carries this program's version, so its rod sizes are in display units.
    for (const UnitField& unitField : kRodSizeFields) {
        convert(unitField);
    }
    design.m_version = ProgramFileVersion();
    for (const DesignUnitKey& key : DesignUnitKeys()) {
        const units::CUnits* unit = currentUnit(catalogue, key.categoryKey);
        design.setDisplayUnit(key.categoryKey, unit != nullptr ? unit->GetKey() : key.oilfieldUnit);
    }
    return design;
}

}  // namespace files
