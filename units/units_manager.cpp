#include "units/units_manager.h"

#include "units/category_table.h"
#include "units/control_manager.h"
#include "units/dcl_manager.h"

#include <algorithm>

namespace units {

namespace {

struct CatalogueCategory {
    const char* key;
    const char* unit;
};

// clang-format off
const CatalogueCategory kCatalogueCategories[] = {
    {"ACCELERATION", "FT_S2"}, {"ADSORBED_GAS_CONCENTRATION", "SCF_TON"}, {"ANGLE", "DEGREE"},
    {"ANGULAR_ACCELERATION", "RAD_S2"}, {"ANGULAR_VELOCITY", "RAD_S"}, {"AREA", "ACRE"},
    {"BILINEAR_SLOPE", "PSI_HR25"}, {"COMPONENT_CONCENTRATION", "MOLE_FRACTION"},
    {"COMPRESSIBILITY", "ONE_PSI"}, {"COST_PER_GAS_VOLUME", "DOLLAR_FT3"},
    {"COST_PER_TIME", "DOLLAR_HR"}, {"COST_PER_POWER", "DOLLAR_HP"}, {"DELTA_TIME", "HR"},
    {"DENSITY", "G_CM3"}, {"DENSITY_GRADIENT", "PSI_FT"}, {"FLOWRATE", "STB_D"},
    {"FLUID_LOSS_COEFF", "FT_MIN5"}, {"FORCE", "LBF"}, {"FOURTH_ROOT_OF_TIME", "HR25"},
    {"FRACTION", "FRACTION"}, {"FRACTURE_TOUGHNESS", "LB_IN15"}, {"GAUGE_PRESSURE", "PSIA"},
    {"GAS_DELIVERABILITY", "SCF_D_PSI2"}, {"GAS_FVF", "GAS_FVF_RB_MCF"},
    {"GAS_LIQUID_RATIO", "GAS_LIQUID_RATIO_MSCF_STB"},
    {"GAS_SHRINKAGE_FACTOR", "GAS_SHRINKAGE_FACTOR_MCF_RB"}, {"GAS_SPECIFIC_GRAVITY", "SGAIR"},
    {"HYDRAULIC_DIFFUSIVITY", "FT2_HR"}, {"LENGTH", "FT"}, {"LINEAR_SLOPE", "PSI_HR5"},
    {"LIQUID_FVF", "LIQUID_FVF_RB_STB"}, {"LIQUID_GAS_RATIO", "LIQUID_GAS_RATIO_STB_MCF"},
    {"LIQUID_SHRINKAGE_FACTOR", "LIQUID_SHRINK_FACTOR_STB_RB"}, {"MASS", "LB"},
    {"MASS_CONCENTRATION", "WTPCT"}, {"MASS_VOLUME_CONCENTRATION", "MVCONC_MG_L"},
    {"MOMENT_OF_INERTIA", "LBFT2"}, {"MONEY", "DOLLAR"}, {"MR_PLOTTING", "PSI_STB_D"},
    {"NUMBER_DENSITY", "NUM_FT"}, {"PERMEABILITY", "MD"}, {"PERMEABILITY_THICKNESS", "MDFT"},
    {"POWER", "HP"}, {"PRODUCTIVITY_INDEX", "MCF_D_PSI"}, {"PRESSURE", "PSI"},
    {"PRESSURE_CHANGE_RATE", "PSI_HR"}, {"PROPANT_CONCENTRATION", "LB_FT2"},
    {"PSEUDOCONV", "CP_PSI"}, {"RATE_NORMALIZED_BILINEAR_SLOPE", "PSI_STB_D_HR25"},
    {"RATE_NORMALIZED_LINEAR_SLOPE", "PSI_STB_D_HR5"}, {"SEMILOG_SLOPE", "PSI_CYC"},
    {"SEMILOG_SLOPE_2", "PSI_STB_D_CYC"}, {"SLURRY_CONCENTRATION", "PPG"},
    {"SPURT_LOSS_COEFF", "GAL_FT2"}, {"SQUARE_ROOT_OF_TIME", "HR5"},
    {"STORATIVITY", "BBL_PSI"}, {"STROKES_PER_MINUTE", "SPM"}, {"TEMPERATURE", "F"},
    {"TORQUE", "FTLB"}, {"TRANSM", "MDFT2"}, {"VELOCITY", "FT_MIN"}, {"VISCOSITY", "CP"},
    {"VOLUME", "FT3"}, {"VOLUME_RATIO", "STB_STB"}, {"WEIGHT_PER_LENGTH", "LB_FT"},
    {"TEMPERATURE_GRADIENT", "F_100FT"}, {"LOGGING_VELOCITY", "USEC_FT"},
    {"LOGGING_RESISTIVITY", "OHMM"}, {"RHEOLOGY_CONSISTENCY_INDEX", "LBSN_FT2"},
    {"HEAT_CAPACITY", "JKHC"}, {"MASS PER TIME", "G_S"}, {"PRESSURE PER VOLUME", "PSI_BBL"},
    {"THERMAL CONDUCTIVITY", "BTU_H_FT_F"}, {"PRESSURE_PER_TIME", "PSI_MIN"},
};

// A differential pressure unit and the pressure buildup (per minute) unit that goes with it.
const std::pair<const char*, const char*> kBuildupPairs[] = {
    {"PSI", "PSI_MIN"}, {"KPA", "KPA_MIN"}, {"PA", "PA_MIN"}, {"BAR", "BAR_MIN"},
    {"KGF_CM2", "KILOS_MIN"},
};
// clang-format on

bool ValidRow(int row) {
    return row >= 0 && row < kCategoryRowCount;
}

}  // namespace

CUnitsManager::CUnitsManager() = default;

CUnitsManager::~CUnitsManager() {
    // Categories refer to units; drop them first.
    m_categories.clear();
    m_units.clear();
    m_unitOrder.clear();
}

void CUnitsManager::Build() {
    CreateUnits();
    CreateCategories();
}

void CUnitsManager::CreateCategories() {
    m_unitSetName = "English";
    for (const CatalogueCategory& category : kCatalogueCategories) {
        AddCategory(category.key, category.unit);
    }
}

CUnits* CUnitsManager::FindUnit(const std::string& key) const {
    auto it = m_units.find(key);
    return it == m_units.end() ? nullptr : it->second;
}

CUnitsCategory* CUnitsManager::FindCategory(const std::string& key) const {
    auto it = m_categories.find(key);
    return it == m_categories.end() ? nullptr : it->second.get();
}

CUnits* CUnitsManager::AddUnit(int dimension, const std::string& symbol, ConversionKind converter,
                               double factor, const std::string& key) {
    if (CUnits* existing = FindUnit(key)) {
        return existing;
    }
    m_unitOrder.push_back(std::make_unique<CUnits>(dimension, symbol, key, factor, converter));
    CUnits* unit = m_unitOrder.back().get();
    m_units.emplace(key, unit);
    return unit;
}

CUnitsCategory* CUnitsManager::AddCategory(const std::string& categoryKey,
                                           const std::string& unitKey) {
    CUnits* unit = FindUnit(unitKey);
    if (CUnitsCategory* existing = FindCategory(categoryKey)) {
        existing->SetCurrentUnit(unit);
        return existing;
    }
    auto category = std::make_unique<CUnitsCategory>(categoryKey, unit, this);
    CUnitsCategory* result = category.get();
    m_categories.emplace(categoryKey, std::move(category));
    return result;
}

bool CUnitsManager::SetCategoryFormat(const std::string& categoryKey, const std::string& unitKey,
                                      const std::string& format) {
    CUnitsCategory* category = FindCategory(categoryKey);
    if (category == nullptr || FindUnit(unitKey) == nullptr || !category->IsUnitAllowed(unitKey)) {
        return false;
    }
    category->SetFormat(unitKey, CFormatInfo(format, 0));
    return true;
}

bool CUnitsManager::GetFormat(const CUnitsCategory* category, const std::string& unitKey,
                              CFormatInfo& format) {
    const CFormatInfo* stored = category != nullptr ? category->FindFormat(unitKey) : nullptr;
    if (stored == nullptr) {
        format.SetFormat("%g");
        format.SetSigDigits(0);
        return false;
    }
    format = *stored;
    return true;
}

std::string CUnitsManager::CategoryUnitSymbol(const CUnitsCategory* category) {
    if (category == nullptr || category->GetCurrentUnit() == nullptr) {
        return std::string();
    }
    return category->GetCurrentUnit()->GetSymbol();
}

CUnits* CUnitsManager::NextUnitOfDimension(std::size_t& position, int dimension) const {
    while (position < m_unitOrder.size()) {
        CUnits* unit = m_unitOrder[position++].get();
        if (unit->GetDimension() == dimension) {
            return unit;
        }
    }
    return nullptr;
}

std::string CUnitsManager::CategoryKeyAt(int row) {
    return ValidRow(row) ? CategoryRowAt(row).key : std::string();
}

std::string CUnitsManager::InternalUnitAt(int row) {
    return ValidRow(row) ? CategoryRowAt(row).internalUnit : std::string();
}

std::string CUnitsManager::SystemUnitAt(int row) const {
    return SystemUnitAt(row, m_mode);
}

std::string CUnitsManager::SystemUnitAt(int row, int mode) const {
    if (!ValidRow(row)) {
        return std::string();
    }
    switch (mode) {
        case kModeMetric:
            return CategoryRowAt(row).metricUnit;
        case kModeOilfield:
            return CategoryRowAt(row).oilfieldUnit;
        case kModeCustom:
            return m_customUnits[static_cast<std::size_t>(row)];
        default:
            return std::string();
    }
}

int CUnitsManager::CategoryIndexOf(const std::string& key) {
    for (int row = 0; row < kCategoryRowCount; ++row) {
        if (key == CategoryRowAt(row).key) {
            return row;
        }
    }
    return kNoneCategoryRow;
}

void CUnitsManager::SetCustomUnitAt(int row, const std::string& unitKey) {
    if (ValidRow(row)) {
        m_customUnits[static_cast<std::size_t>(row)] = unitKey;
    }
}

void CUnitsManager::ApplyCategoryTable(int mode) {
    for (int row = 0; row < kCategoryRowCount; ++row) {
        const CategoryRow& entry = CategoryRowAt(row);
        AddCategory(entry.key, entry.oilfieldUnit)->SetCaption(entry.caption);
    }

    // Format rows are grouped by category in table order; the cursor only moves forward.
    std::array<std::vector<std::string>, kCategoryRowCount> pending;
    int cursor = 0;
    const FormatRow* formats = FormatRows();
    for (std::size_t i = 0; i < FormatRowCount(); ++i) {
        const FormatRow& format = formats[i];
        while (cursor < kCategoryRowCount &&
               std::string(CategoryRowAt(cursor).key) != format.categoryKey) {
            ++cursor;
        }
        if (cursor >= kCategoryRowCount) {
            break;
        }
        pending[static_cast<std::size_t>(cursor)].push_back(format.unitKey);
        SetCategoryFormat(format.categoryKey, format.unitKey, format.format);
    }

    for (int row = 0; row < kCategoryRowCount; ++row) {
        CUnitsCategory* category = FindCategory(CategoryRowAt(row).key);
        category->ClearAllowedUnits();
        for (const std::string& unitKey : pending[static_cast<std::size_t>(row)]) {
            const CUnits* unit = FindUnit(unitKey);
            if (unit != nullptr && unit->GetDimension() == category->GetDimension()) {
                category->AddAllowedUnit(unitKey);
            }
        }
        const CUnits* current = category->GetCurrentUnit();
        if (current != nullptr) {
            const auto& allowed = category->GetAllowedUnits();
            if (std::find(allowed.begin(), allowed.end(), current->GetKey()) == allowed.end()) {
                category->AddAllowedUnit(current->GetKey());
            }
        }
    }

    for (int row = 0; row < kCategoryRowCount; ++row) {
        // AddCategory sets the unit through the category, which refreshes its controls.
        AddCategory(CategoryRowAt(row).key, SystemUnitAt(row, mode));
    }
}

void CUnitsManager::SetUnitForCaption(const std::string& caption, CUnits* unit) {
    for (int row = 0; row < kCategoryRowCount; ++row) {
        if (caption == CategoryRowAt(row).caption) {
            if (CUnitsCategory* category = FindCategory(CategoryRowAt(row).key)) {
                category->SetCurrentUnit(unit);
            }
        }
    }
    const std::string unitKey = unit != nullptr ? unit->GetKey() : std::string();
    auto mapped = [&](bool forward) -> CUnits* {
        for (const auto& pair : kBuildupPairs) {
            if (unitKey == (forward ? pair.first : pair.second)) {
                return FindUnit(forward ? pair.second : pair.first);
            }
        }
        return nullptr;
    };
    if (caption == "Differential Pressure") {
        if (CUnitsCategory* buildup = FindCategory("PRESSURE_BUILDUP")) {
            buildup->SetCurrentUnit(mapped(true));
        }
    } else if (caption == "Pressure Buildup") {
        if (CUnitsCategory* differential = FindCategory("DIFFERENTIALPRESSURE")) {
            differential->SetCurrentUnit(mapped(false));
        }
    }
}

void CUnitsManager::NotifyUnitChanged(CUnitsCategory* category) {
    if (m_controls != nullptr) {
        m_controls->RefreshDependents(category, nullptr, true);
    }
}

CUnitsManager* UnitsManager() {
    return CDCLManager::Instance().GetUnitsManager();
}

CUnits* FindUnit(const std::string& key) {
    CUnitsManager* manager = UnitsManager();
    return manager != nullptr ? manager->FindUnit(key) : nullptr;
}

CUnitsCategory* FindCategory(const std::string& key) {
    CUnitsManager* manager = UnitsManager();
    return manager != nullptr ? manager->FindCategory(key) : nullptr;
}

double Convert(double value, const std::string& fromKey, const std::string& toKey) {
    CUnitsManager* manager = UnitsManager();
    return manager != nullptr ? manager->Convert(value, fromKey, toKey) : value;
}

std::string CategoryUnitSymbol(const CUnitsCategory* category) {
    return CUnitsManager::CategoryUnitSymbol(category);
}

std::string CategoryUnitSymbol(const std::string& categoryKey) {
    return CUnitsManager::CategoryUnitSymbol(FindCategory(categoryKey));
}

}  // namespace units
