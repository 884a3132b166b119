#include "units/units_saver.h"

#include "units/preferences_store.h"
#include "units/unit_system.h"
#include "units/units_manager.h"

namespace units {

namespace {

constexpr int kInitialEntries = 18;

}  // namespace

CUnitsSaver::CUnitsSaver() {
    for (int row = 0; row < kInitialEntries; ++row) {
        m_units[SwitchedCategoryAt(row).categoryKey] = nullptr;
    }
}

void CUnitsSaver::LoadUserUnits(const PreferencesStore& store, const CUnitsManager& manager) {
    for (int row = 0; row < kSwitchedCategoryCount; ++row) {
        const SwitchedCategory& entry = SwitchedCategoryAt(row);
        CUnits* unit = nullptr;
        if (const auto stored = store.stringValue(UserDefinedUnitKey(entry.categoryKey))) {
            unit = manager.FindUnit(*stored);
        }
        if (unit == nullptr) {
            unit = manager.FindUnit(entry.usUnit);
        }
        m_units[entry.categoryKey] = unit;
    }
}

void CUnitsSaver::SaveUserUnits(PreferencesStore& store, const CUnitsManager& manager) {
    for (int row = 0; row < kSwitchedCategoryCount; ++row) {
        const SwitchedCategory& entry = SwitchedCategoryAt(row);
        const CUnitsCategory* category = manager.FindCategory(entry.categoryKey);
        m_units[entry.categoryKey] = category != nullptr ? category->GetCurrentUnit() : nullptr;
    }
    WriteUserUnits(store);
}

void CUnitsSaver::WriteUserUnits(PreferencesStore& store) const {
    for (const auto& entry : m_units) {
        if (entry.second != nullptr) {
            store.setString(UserDefinedUnitKey(entry.first), entry.second->GetKey());
        }
    }
}

CUnits* CUnitsSaver::GetUnit(const std::string& categoryKey) const {
    auto it = m_units.find(categoryKey);
    return it == m_units.end() ? nullptr : it->second;
}

}  // namespace units
