#pragma once

#include "units/format_info.h"
#include "units/units.h"
#include "units/units_category.h"

#include <string>

namespace units {

/// The unit binding of a data object: the category that decides the display unit and the
/// unit its values are stored in.
class CUnitInfo {
public:
    CUnitInfo() = default;
    virtual ~CUnitInfo() = default;

    virtual std::string GetStorageSymbol() const {
        return m_storageUnit != nullptr ? m_storageUnit->GetSymbol() : std::string();
    }
    /// The symbol of the category's current unit; empty when there is none.
    virtual std::string GetDisplaySymbol() const;
    /// The category's format for its current unit ("%g" and false when none).
    virtual bool GetDisplayFormat(CFormatInfo& format) const;
    virtual CUnits* GetDisplayUnit() const {
        return m_category != nullptr ? m_category->GetCurrentUnit() : nullptr;
    }
    virtual CUnits* GetStorageUnit() const { return m_storageUnit; }
    virtual CUnitsCategory* GetCategory() const { return m_category; }
    virtual void Set(CUnits* storageUnit, CUnitsCategory* category) {
        m_storageUnit = storageUnit;
        m_category = category;
    }
    virtual void SetCategory(CUnitsCategory* category) { m_category = category; }
    virtual void SetStorageUnit(CUnits* unit) { m_storageUnit = unit; }

    /// The stored format of the current display unit, or none.
    const CFormatInfo* FindDisplayFormat() const;

private:
    CUnitsCategory* m_category = nullptr;
    CUnits* m_storageUnit = nullptr;
};

}  // namespace units
