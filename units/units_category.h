#pragma once

#include "units/format_info.h"

#include <map>
#include <string>
#include <vector>

namespace units {

class CUnits;
class CUnitsManager;

/// One kind of quantity the program displays ("Depth", "Small Load", ...): its current display
/// unit, the units the user may pick, and a number format per unit. Values are never stored
/// here; categories only decide how values are shown.
class CUnitsCategory {
public:
    /// owner may be none; with one, every change of the current unit refreshes the controls
    /// bound to the category.
    CUnitsCategory(std::string key, CUnits* unit, CUnitsManager* owner);
    virtual ~CUnitsCategory() = default;
    CUnitsCategory(const CUnitsCategory&) = delete;
    CUnitsCategory& operator=(const CUnitsCategory&) = delete;

    const std::string& GetKey() const { return m_key; }
    int GetDimension() const { return m_dimension; }
    const std::string& GetCaption() const { return m_caption; }
    void SetCaption(const std::string& caption) { m_caption = caption; }

    CUnits* GetCurrentUnit() const { return m_currentUnit; }
    /// Sets the display unit (none allowed) and refreshes every control bound to the category.
    void SetCurrentUnit(CUnits* unit);

    /// An empty list allows every unit of the category's dimension.
    const std::vector<std::string>& GetAllowedUnits() const { return m_allowedUnits; }
    void ClearAllowedUnits() { m_allowedUnits.clear(); }
    void AddAllowedUnit(const std::string& unitKey) { m_allowedUnits.push_back(unitKey); }
    bool IsUnitAllowed(const std::string& unitKey) const;

    void SetFormat(const std::string& unitKey, const CFormatInfo& format);
    /// The stored format of the unit, or none.
    const CFormatInfo* FindFormat(const std::string& unitKey) const;

private:
    int m_dimension;
    CUnits* m_currentUnit;
    std::string m_caption;
    std::string m_key;
    std::vector<std::string> m_allowedUnits;
    std::map<std::string, CFormatInfo> m_formats;
    CUnitsManager* m_owner;
};

}  // namespace units
