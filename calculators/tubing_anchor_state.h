#pragma once

#include "calculators/anchor_depth_list.h"
#include "calculators/anchor_loads.h"
#include "calculators/thermal_profile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace calc {

/// The 27 inputs of the tubing anchor catcher, in the order the saved list keeps them.
enum class AnchorInput : std::size_t {
    BitSize,                  // in
    PumpDiameter,             // in, shown and saved only
    PumpDepth,                // ft
    PerfDepth,                // ft
    TubingDepth,              // ft
    TubingAnchorDepth,        // ft
    OilRate,                  // bbl/d
    WaterRate,                // bbl/d
    FormationGor,             // scf/STB
    OilGravity,               // API
    WaterSpecificGravity,     // fresh water = 1
    GasSpecificGravity,       // air = 1
    GasInjection,             // Mscf/d
    StaticFluidLevel,         // ft
    WorkingFluidLevel,        // ft
    BottomHoleTemperature,    // F
    DeltaSurfaceTemperature,  // F, replaced by the computed value at every calculation
    GeothermalGradient,       // F/100 ft
    WellheadTemperature,      // F
    EarthConductivity,        // Btu/(day ft F)
    CementConductivity,
    OilConductivity,
    WaterConductivity,
    GasConductivity,
    TubingPressure,       // psi
    CasingPressure,       // psi
    TubingFluidGradient,  // psi/ft
};

/// The 14 results, in the order the saved list keeps them.
enum class AnchorResult : std::size_t {
    AmbientSurfaceTemperature,
    DeltaSurfaceTemperature,
    FluidSurfaceTemperature,
    LabinskiFactor,
    FluidLoadOnTubingWeight,
    ThermalExpansionWeight,
    FluidLevelChangesWeight,
    CasingPressureEffectsWeight,
    TotalWeight,
    FluidLoadOnTubingLength,
    ThermalExpansionLength,
    FluidLevelChangesLength,
    CasingPressureEffectsLength,
    TotalLength,
};

inline constexpr std::size_t kAnchorInputCount = 27;
inline constexpr std::size_t kAnchorResultCount = 14;
/// Inputs, results and the three list indexes come before the depths in the saved list.
inline constexpr std::size_t kSavedAnchorFixedCount = kAnchorInputCount + kAnchorResultCount + 3;

/// What the main window hands the dialog from its design case.
struct TubingAnchorOpening {
    double m_pumpDiameter = 1.5;    // in
    double m_pumpDepth = 5000.0;    // ft
    double m_tubingPressure = 0.0;  // psi
    double m_casingPressure = 0.0;  // psi
    std::int32_t m_tubingRow = 29;  // tubing table row
};

/// The casing row the dialog opens with: the first row of the tubing table whose inner diameter
/// exceeds the tubing's outer diameter, the last row when none does.
std::int32_t DefaultCasingRow(std::int32_t tubingRow);

/// Everything the tubing anchor catcher works on and saves with the design.
struct TubingAnchorState {
    /// The state a dialog opens with when the design holds no saved list.
    static TubingAnchorState Defaults(const TubingAnchorOpening& opening);

    double Input(AnchorInput input) const { return m_inputs[static_cast<std::size_t>(input)]; }
    void SetInput(AnchorInput input, double value) {
        m_inputs[static_cast<std::size_t>(input)] = value;
    }
    double Result(AnchorResult result) const { return m_results[static_cast<std::size_t>(result)]; }

    ThermalProfileCase MakeThermalProfileCase() const;
    AnchorLoadCase MakeAnchorLoadCase(const ThermalProfileOutputs& thermal) const;

    /// Runs the temperature profile and the anchor loads; stores the computed surface
    /// temperature difference as the "Delta Surface Temp." input, the 14 results and the
    /// profile. On a guard nothing is changed.
    std::optional<AnchorGuard> Calculate();

    /// The saved tubing anchor list: inputs, results, casing row, fluid flow and annulus fluid
    /// indexes, then the depths.
    std::vector<double> SavedList() const;
    /// Restores a saved list over everything but the tubing row. Values missing from a short
    /// list, values that are not finite numbers and indexes outside their lists keep what the
    /// state holds; depths go through the depth list's rules.
    void Restore(const std::vector<double>& saved);

    std::array<double, kAnchorInputCount> m_inputs{};
    std::array<double, kAnchorResultCount> m_results{};
    std::int32_t m_tubingRow = 29;
    std::int32_t m_casingRow = 33;
    FluidFlow m_fluidFlow = FluidFlow::Tubing;
    AnnulusFluid m_annulusFluid = AnnulusFluid::Water;
    AnchorDepthList m_depths;
    ThermalProfileOutputs m_profile;  // of the last successful calculation
};

}  // namespace calc
