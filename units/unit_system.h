#pragma once

#include <string>

namespace units {

class CUnitsManager;
class CUnitsSaver;
class PreferencesStore;

/// The unit system the user chose, as stored under "Units". Note the numbering differs from
/// the library mode (there 0 is metric).
enum UnitSystem : int { kUnitSystemUs = 0, kUnitSystemSi = 1, kUnitSystemUserDefined = 2 };

/// A category that follows the unit system, with its US and SI display units.
struct SwitchedCategory {
    const char* categoryKey;
    const char* usUnit;
    const char* siUnit;
};

constexpr int kSwitchedCategoryCount = 21;
/// Row 0..20, in the order of assignment and refresh.
const SwitchedCategory& SwitchedCategoryAt(int row);

/// A stored index other than 0, 1 or 2 (only a hand-edited value can hold one) means US.
int NormalizeUnitSystem(int index);
/// The stored unit-system index; 0 when missing, not a number or out of range.
int ReadUnitSystem(const PreferencesStore& store);
void WriteUnitSystem(PreferencesStore& store, int index);

/// Sets the 21 switched categories directly (not through their captions) to the units of the
/// system: the US or SI column, or the user-defined store; each refreshes its controls.
void ApplyUnitSystem(int index, const CUnitsSaver& saver, CUnitsManager& manager);

/// The preference key of the unit system and of one user-defined unit.
extern const char* const kUnitsPreferenceKey;
std::string UserDefinedUnitKey(const std::string& categoryKey);

}  // namespace units
