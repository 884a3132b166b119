#pragma once

#include "calculators/anchor_guard.h"
#include "calculators/pipe_size.h"

#include <optional>
#include <vector>

namespace calc {

/// What fills the casing annulus above the working fluid level's reach.
enum class AnnulusFluid { Gas = 0, Oil = 1, Water = 2, OilAndWater = 3 };

/// Which way the produced fluid rises above the tubing bottom.
enum class FluidFlow { Tubing = 0, Annulus = 1 };

/// The flowing temperature profile over the depth grid, one value per node in each array.
struct ThermalProfileOutputs {
    std::vector<double> m_nodeDepths;                  // ft, shallowest first
    std::vector<double> m_adStraightLineTemperatures;  // F
    std::vector<double> m_adFlowingTemperatures;       // F
    std::vector<double> m_adGeothermalTemperatures;    // F
    double m_deltaSurfaceTemperature = 0.0;  // F, flowing less geothermal at the shallowest node
    double m_labinskiFactor = 0.0;           // average tubing heating relative to the surface
};

/// The record handed to ComputeThermalProfile. Defaults are those the tubing anchor catcher
/// dialog opens with (tubing 2 7/8 in 8.7 lb/ft inside 3 1/2 in 7.7 lb/ft casing).
struct ThermalProfileCase {
    AnnulusFluid m_annulusFluid = AnnulusFluid::Water;
    double m_perfDepth = 5304.0;             // ft, Dperf
    double m_bottomHoleTemperature = 106.1;  // F, BHT
    double m_geothermalGradient = 1.15;      // F/100 ft, G
    double m_wellheadTemperature = 84.0;     // F, Twh
    double m_oilGravity = 34.5;              // API
    double m_gasSpecificGravity = 0.884;     // air = 1
    double m_waterSpecificGravity = 1.01;    // fresh water = 1
    double m_oilRate = 207.0;                // bbl/d
    double m_waterRate = 551.0;              // bbl/d
    double m_formationGor = 696.0;           // scf/STB
    double m_gasInjection = 0.0;             // Mscf/d
    double m_tubingPressure = 0.0;           // psi
    double m_tubingDepth = 5059.0;           // ft, Dtub
    double m_bitSize = 8.75;                 // in
    double m_workingFluidLevel = 1000.0;     // ft, WFL
    PipeSize m_tubing{2.875, 2.259};
    PipeSize m_casing{3.5, 3.068};
    double m_earthConductivity = 75.6;   // Btu/(day ft F), ke
    double m_cementConductivity = 50.0;  // kcem
    double m_gasConductivity = 0.434;    // kgas; 0 or less takes a correlation value
    double m_oilConductivity = 1.864;    // koil; likewise
    double m_waterConductivity = 8.962;  // kwat; likewise
    std::vector<double> m_depths;        // ft, ascending and distinct
    FluidFlow m_fluidFlow = FluidFlow::Tubing;

    ThermalProfileOutputs m_outputs;
};

/// The fluid properties the profile derives from the case before it walks the grid.
struct ThermalDerivedValues {
    double m_oilSpecificGravity = 0.0;      // SGo
    double m_waterFraction = 0.0;           // fw of the liquid
    double m_oilFraction = 0.0;             // fo
    double m_gradient = 0.0;                // F/ft, gG
    double m_wellboreRadius = 0.0;          // in, rw
    double m_producedGas = 0.0;             // Mscf/d, Qg
    double m_specificHeat = 0.0;            // Btu/(lbm F), cp
    double m_liquidMassRate = 0.0;          // lbm/s, ML
    double m_massRate = 0.0;                // lbm/s, W
    double m_injectedMassRate = 0.0;        // lbm/s, Winj
    double m_gasLiquidRatio = 0.0;          // scf/bbl, GLR
    double m_injectedGasLiquidRatio = 0.0;  // scf/bbl, GLRinj
    double m_timeFunction = 0.0;            // FT
    double m_oilConductivity = 0.0;         // after the correlation replaces a value of 0 or less
    double m_waterConductivity = 0.0;
    double m_gasConductivity = 0.0;
    double m_annulusConductivity = 0.0;  // kf
};

ThermalDerivedValues DeriveThermalValues(const ThermalProfileCase& profile);

/// The depths the profile is computed at: the list depths shallower than the perforations
/// (the walk ends at an entry after the first that is below 0.9 ft), the working fluid level
/// inserted before the first deeper list depth when the list lacks it, and the perforation
/// depth last.
std::vector<double> ThermalProfileGrid(const std::vector<double>& depths, double workingFluidLevel,
                                       double perfDepth);

/// Temperature of the fluid rising through one zone at height z (ft above the perforations),
/// from the inlet temperature Tin at height zin where the earth has Tein. A is the zone's
/// relaxation parameter (1/ft), F its correlation term, gG the geothermal gradient (F/ft) and
/// cp the specific heat; returns Tin at zin.
double ZoneTemperature(double z, double relaxation, double correlation, double inletTemperature,
                       double inletEarthTemperature, double inletHeight,
                       double bottomHoleTemperature, double gradient, double specificHeat);

/// Computes the three temperature arrays, the surface temperature difference and the Labinski
/// factor into profile.m_outputs. Inputs that would divide by zero or take the logarithm of a
/// non-positive number give the guard naming the input instead, with the outputs emptied.
std::optional<AnchorGuard> ComputeThermalProfile(ThermalProfileCase& profile);

}  // namespace calc
