#include "calculators/anchor_loads.h"

#include <cmath>

namespace calc {
namespace {

constexpr double kQuarterPi = 0.7853975;
constexpr double kSteelModulus = 30000000.0;  // psi, tubing
// Thermal force per square inch of wall per degree, psi/F (modulus times expansion).
constexpr double kThermalStressPerDegree = 207.0;
// Poisson's ratio of steel appears as 1 - 2 x 0.29 in the ballooning terms.
constexpr double kPoisson = 0.29;

}  // namespace

double RoundUpwardForce(double force) {
    return 10.0 * std::floor((force + 10.0) / 10.0);
}

double RoundDownwardForce(double force) {
    return 10.0 * std::floor((force - 10.0) / 10.0);
}

std::optional<AnchorGuard> ComputeAnchorLoads(AnchorLoadCase& a) {
    const AnchorLoadCase inputs = a;
    a.m_ambientSurfaceTemperature = 0.0;
    a.m_fluidSurfaceTemperature = 0.0;
    a.m_fluidLoadOnTubing = a.m_thermalExpansion = a.m_fluidLevelChanges =
        a.m_casingPressureEffects = a.m_total = AnchorLoad{};
    if (!(inputs.m_pumpDepth > 0.0)) {
        return AnchorGuard::PumpDepthNotPositive;
    }
    const double od = inputs.m_tubing.m_outerDiameter;
    const double id = inputs.m_tubing.m_innerDiameter;
    if (!(id >= 0.0 && od > id)) {
        return AnchorGuard::TubingWithoutWall;
    }

    const double dT0 = inputs.m_thermal.m_deltaSurfaceTemperature;
    const double lf = inputs.m_thermal.m_labinskiFactor;
    const double ambient =
        inputs.m_bottomHoleTemperature - inputs.m_perfDepth * inputs.m_geothermalGradient / 100.0;

    const double wallArea = kQuarterPi * (od * od - id * id);
    const double outsideArea = kQuarterPi * od * od;
    const double wfl = inputs.m_workingFluidLevel;
    const double sfl = inputs.m_staticFluidLevel;
    const double dpump = inputs.m_pumpDepth;
    const double grad = inputs.m_tubingFluidGradient;

    const double thermal = wallArea * kThermalStressPerDegree * (0.5 * lf) * dT0;
    const double casing = -(1.0 - 2.0 * kPoisson) * inputs.m_casingPressure * outsideArea;
    const double levels = -((od * od - id * id) / (od * od)) * sfl *
                          (kPoisson * sfl / dpump + 1.0 - 2.0 * kPoisson) * outsideArea * grad;
    const double load = wfl * (kPoisson * wfl / dpump + 1.0 - 2.0 * kPoisson) * outsideArea * grad;

    const double perPound = inputs.m_anchorDepth / (wallArea * kSteelModulus) * 12.0;
    auto pickup = [perPound](double weight) { return AnchorLoad{weight, perPound * weight}; };

    a.m_ambientSurfaceTemperature = ambient;
    a.m_fluidSurfaceTemperature = ambient + dT0;
    a.m_thermalExpansion = pickup(RoundUpwardForce(thermal));
    a.m_fluidLoadOnTubing = pickup(RoundUpwardForce(load));
    a.m_casingPressureEffects = pickup(RoundDownwardForce(casing));
    a.m_fluidLevelChanges = pickup(RoundDownwardForce(levels));
    a.m_total = pickup(a.m_thermalExpansion.m_weight + a.m_casingPressureEffects.m_weight +
                       a.m_fluidLevelChanges.m_weight + a.m_fluidLoadOnTubing.m_weight);
    return std::nullopt;
}

}  // namespace calc
