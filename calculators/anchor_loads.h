#pragma once

#include "calculators/anchor_guard.h"
#include "calculators/pipe_size.h"
#include "calculators/thermal_profile.h"

#include <optional>

namespace calc {

/// One force the tubing anchor holds and the stretch it takes to pull it into the tubing.
struct AnchorLoad {
    double m_weight = 0.0;  // lb, rounded to tens
    double m_length = 0.0;  // in of pickup
};

/// The record handed to ComputeAnchorLoads: the well, the tubing row and the thermal outputs.
struct AnchorLoadCase {
    double m_geothermalGradient = 1.15;      // F/100 ft, G
    double m_perfDepth = 5304.0;             // ft, Dperf
    double m_bottomHoleTemperature = 106.1;  // F, BHT
    double m_tubingFluidGradient = 0.501;    // psi/ft, grad
    double m_workingFluidLevel = 1000.0;     // ft, WFL
    double m_staticFluidLevel = 4000.0;      // ft, SFL
    double m_pumpDepth = 5000.0;             // ft, Dpump
    double m_pumpDiameter = 1.5;             // in, shown only
    double m_anchorDepth = 6500.0;           // ft, Dtac
    double m_casingPressure = 0.0;           // psi, Pc
    ThermalProfileOutputs m_thermal;         // ΔT0 and the Labinski factor are used
    PipeSize m_tubing{2.875, 2.259};

    double m_ambientSurfaceTemperature = 0.0;  // F
    double m_fluidSurfaceTemperature = 0.0;    // F
    AnchorLoad m_fluidLoadOnTubing;
    AnchorLoad m_thermalExpansion;
    AnchorLoad m_fluidLevelChanges;
    AnchorLoad m_casingPressureEffects;
    AnchorLoad m_total;
};

/// Rounds a force that pulls the tubing up (positive) to the next ten above; 120 gives 130.
double RoundUpwardForce(double force);
/// Rounds a force that pushes the tubing down (negative) to the next ten below; -120 gives -130.
double RoundDownwardForce(double force);

/// Computes the surface temperatures, the four rounded forces, their total and the pickup
/// lengths. A pump depth of zero or a tubing row without wall gives the guard naming the input
/// instead, with the outputs left at zero.
std::optional<AnchorGuard> ComputeAnchorLoads(AnchorLoadCase& anchor);

}  // namespace calc
