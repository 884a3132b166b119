#pragma once

#include <map>
#include <string>

namespace units {

class CUnits;
class CUnitsManager;
class PreferencesStore;

/// The user-defined unit of each switched category, loaded from and saved to the
/// preferences under "UserDefinedUnits\<category key>".
class CUnitsSaver {
public:
    /// Holds the first 18 switched categories without a unit; loading adds the other three.
    CUnitsSaver();
    virtual ~CUnitsSaver() = default;

    /// For each switched category: the stored unit when the value is a string naming a known
    /// unit, otherwise the category's US unit.
    void LoadUserUnits(const PreferencesStore& store, const CUnitsManager& manager);
    /// Takes the switched categories' current units into the store and writes it.
    void SaveUserUnits(PreferencesStore& store, const CUnitsManager& manager);
    /// Writes every entry that has a unit, in key order.
    void WriteUserUnits(PreferencesStore& store) const;

    /// The stored unit of a category, none when it has none or is not in the store.
    CUnits* GetUnit(const std::string& categoryKey) const;
    void SetUnit(const std::string& categoryKey, CUnits* unit) { m_units[categoryKey] = unit; }
    const std::map<std::string, CUnits*>& GetUnits() const { return m_units; }

private:
    std::map<std::string, CUnits*> m_units;
};

}  // namespace units
