#pragma once

#include "units/format_info.h"
#include "units/units.h"
#include "units/units_category.h"

#include <array>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace units {

class CControlManager;

/// Library modes: which column of the application category table is applied at start-up.
/// Note the numbering differs from the unit-system index of the main window (0 = US there).
enum LibraryMode : int { kModeMetric = 0, kModeOilfield = 1, kModeCustom = 2 };

/// The unit catalogue: every unit and every unit category, owned here, with conversions,
/// formats and the application category table. One instance is built at start-up and used
/// process-wide through UnitsManager(); tests build their own.
class CUnitsManager {
public:
    CUnitsManager();
    virtual ~CUnitsManager();
    CUnitsManager(const CUnitsManager&) = delete;
    CUnitsManager& operator=(const CUnitsManager&) = delete;

    /// Creates the units, then the catalogue categories.
    void Build();
    virtual void CreateCategories();
    virtual void CreateUnits();
    /// Gives each table category its caption, formats and allowed units, then sets them to
    /// the display unit of the mode.
    void ApplyCategoryTable(int mode);

    CUnits* FindUnit(const std::string& key) const;
    CUnitsCategory* FindCategory(const std::string& key) const;
    /// The first registration of a key wins; a second returns the existing unit unchanged.
    CUnits* AddUnit(int dimension, const std::string& symbol, ConversionKind converter,
                    double factor, const std::string& key);
    /// Creates the category, or sets the current unit (none when the key is unknown) of an
    /// existing one.
    CUnitsCategory* AddCategory(const std::string& categoryKey, const std::string& unitKey);
    bool SetCategoryFormat(const std::string& categoryKey, const std::string& unitKey,
                           const std::string& format);

    /// Copies the stored format; "%g" and 0 digits, and false, when none is stored.
    static bool GetFormat(const CUnitsCategory* category, const std::string& unitKey,
                          CFormatInfo& format);
    /// Converts through the base unit of the from-unit's dimension; a missing unit passes the
    /// value through unchanged, and so does a unit converted to itself: the round trip through
    /// the base unit would add rounding noise (120 in would come back as 120.00000000000001 in,
    /// and a typed value would no longer be the value the user typed).
    static double Convert(double value, const CUnits* from, const CUnits* to) {
        if (from == nullptr || to == nullptr || from == to) {
            return value;
        }
        return to->FromBase(from->ToBase(value));
    }
    double Convert(double value, const std::string& fromKey, const std::string& toKey) const {
        return Convert(value, FindUnit(fromKey), FindUnit(toKey));
    }
    static std::string CategoryUnitSymbol(const CUnitsCategory* category);

    /// Iterates the units in creation order: the next unit of the dimension at or after
    /// position, which is advanced past it; none at the end. Start with position 0.
    CUnits* NextUnitOfDimension(std::size_t& position, int dimension) const;
    std::size_t GetUnitCount() const { return m_unitOrder.size(); }
    const std::map<std::string, std::unique_ptr<CUnitsCategory>>& GetCategories() const {
        return m_categories;
    }

    /// Table access by row 0..46; out-of-range rows give the empty key.
    static std::string CategoryKeyAt(int row);
    static std::string InternalUnitAt(int row);
    /// The row's unit for the library mode in force; empty for any other mode.
    std::string SystemUnitAt(int row) const;
    std::string SystemUnitAt(int row, int mode) const;
    /// The row with exactly this key; the row of "NONE" (29) when there is none.
    static int CategoryIndexOf(const std::string& key);
    /// The custom column, empty unless set.
    void SetCustomUnitAt(int row, const std::string& unitKey);

    /// Sets every table category of the caption to the unit; a differential pressure unit
    /// also sets the matching pressure buildup unit, and the reverse.
    void SetUnitForCaption(const std::string& caption, CUnits* unit);

    const std::string& GetUnitSetName() const { return m_unitSetName; }

    /// Controls bound to categories are refreshed through this manager; none means nothing
    /// is refreshed.
    void SetControlManager(CControlManager* controls) { m_controls = controls; }
    CControlManager* GetControlManager() const { return m_controls; }
    /// Called by a category after its current unit changed.
    void NotifyUnitChanged(CUnitsCategory* category);
    /// The library mode used by SystemUnitAt without a mode argument.
    void SetMode(int mode) { m_mode = mode; }
    int GetMode() const { return m_mode; }

private:
    std::vector<std::unique_ptr<CUnits>> m_unitOrder;
    std::unordered_map<std::string, CUnits*> m_units;
    std::map<std::string, std::unique_ptr<CUnitsCategory>> m_categories;
    std::string m_unitSetName;
    std::array<std::string, 47> m_customUnits;
    CControlManager* m_controls = nullptr;
    int m_mode = kModeOilfield;
};

/// The process-wide catalogue, none before the units library is started.
CUnitsManager* UnitsManager();

/// Process-wide shortcuts; before start-up units and categories resolve to none and values
/// pass through unchanged.
CUnits* FindUnit(const std::string& key);
CUnitsCategory* FindCategory(const std::string& key);
double Convert(double value, const std::string& fromKey, const std::string& toKey);
inline double Convert(double value, const CUnits* from, const CUnits* to) {
    return CUnitsManager::Convert(value, from, to);
}
std::string CategoryUnitSymbol(const CUnitsCategory* category);
std::string CategoryUnitSymbol(const std::string& categoryKey);

}  // namespace units
