#include "units/unit_info.h"

#include "units/units_manager.h"

namespace units {

std::string CUnitInfo::GetDisplaySymbol() const {
    return CUnitsManager::CategoryUnitSymbol(m_category);
}

bool CUnitInfo::GetDisplayFormat(CFormatInfo& format) const {
    const CUnits* unit = GetDisplayUnit();
    return CUnitsManager::GetFormat(m_category, unit != nullptr ? unit->GetKey() : std::string(),
                                    format);
}

const CFormatInfo* CUnitInfo::FindDisplayFormat() const {
    const CUnits* unit = GetDisplayUnit();
    if (m_category == nullptr || unit == nullptr) {
        return nullptr;
    }
    return m_category->FindFormat(unit->GetKey());
}

}  // namespace units
