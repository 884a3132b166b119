#include "units/units_category.h"

#include "units/units.h"
#include "units/units_manager.h"

#include <algorithm>

namespace units {

CUnitsCategory::CUnitsCategory(std::string key, CUnits* unit, CUnitsManager* owner)
    : m_dimension(unit != nullptr ? unit->GetDimension() : 0),
      m_currentUnit(unit),
      m_key(std::move(key)),
      m_owner(owner) {}

void CUnitsCategory::SetCurrentUnit(CUnits* unit) {
    m_currentUnit = unit;
    if (m_owner != nullptr) {
        m_owner->NotifyUnitChanged(this);
    }
}

bool CUnitsCategory::IsUnitAllowed(const std::string& unitKey) const {
    return m_allowedUnits.empty() ||
           std::find(m_allowedUnits.begin(), m_allowedUnits.end(), unitKey) != m_allowedUnits.end();
}

void CUnitsCategory::SetFormat(const std::string& unitKey, const CFormatInfo& format) {
    m_formats[unitKey] = format;
}

const CFormatInfo* CUnitsCategory::FindFormat(const std::string& unitKey) const {
    auto it = m_formats.find(unitKey);
    return it == m_formats.end() ? nullptr : &it->second;
}

}  // namespace units
