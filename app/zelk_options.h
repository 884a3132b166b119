#pragma once

#include <cstdint>

namespace units {
class PreferencesStore;
}

namespace app {

/// The calculation options and the defaults that a new design starts with. Stored per user,
/// carried in every design file. Pressures in psi, weights in lb, efficiencies in percent.
struct ZelkOptions {
    double targetRateIncrement = 5.0;  // bbl/day, step of the target-rate buttons
    double spmIncrement = 0.1;         // strokes/min, step of the stroke-rate buttons
    double numberOfTimeSteps = 300.0;  // time steps per stroke, a whole number
    double dxMaximum = 1000.0;         // largest rod element length
    std::int32_t minimumNumberOfElements = 4;
    double defaultTotalSinkerBarWeight = 0.0;  // lb
    double defaultFluidSpecificGravity = 1.0;
    double defaultTubingPressure = 80.0;  // psi
    double defaultCasingPressure = 45.0;  // psi
    double defaultDampingFactor = 0.1;
    double defaultUnitEfficiency = 95.0;  // %
    double defaultPumpEfficiency = 95.0;  // %

    /// The stored options: each value present in the store is read as a number (text that is not
    /// a number gives 0), each missing one takes its built-in default; a default efficiency
    /// outside 1-100 becomes 95.
    static ZelkOptions Load(const units::PreferencesStore& store);

    /// Writes all twelve values as "%0.3f" texts.
    void Store(units::PreferencesStore& store) const;

    /// All twelve fields back to the built-in defaults.
    void ResetToDefaults() { *this = ZelkOptions(); }

    /// The five calculation settings back to the built-in defaults.
    void ResetCalculationSettings();

    /// The seven defaults for new tests back to the built-in defaults.
    void ResetNewTestDefaults();

    /// The options as the main window holds them within a run: every value passed through a
    /// "%0.2f" text, so the next calculation and the next saved file see two decimals.
    ZelkOptions RoundedForRun() const;

    bool operator==(const ZelkOptions& other) const;
    bool operator!=(const ZelkOptions& other) const { return !(*this == other); }
};

/// Registry value names of the twelve fields, in field order.
extern const char* const kZelkOptionsKeys[12];

}  // namespace app
