#include "calculators/thermal_profile.h"

#include <cmath>
#include <utility>

namespace calc {
namespace {

// Liquid barrels a day to pounds a second for a specific gravity of 1, and standard cubic
// feet a day to pounds a second for a gas gravity of 1.
constexpr double kLiquidMassPerBarrel = 0.004055277777777778;
constexpr double kGasMassPerScf = 8.842592592592592e-7;
// Mechanical equivalent of heat, ft lbf/Btu.
constexpr double kJoulesConstant = 778.0;
// Above these the flowing-temperature correlation term is not fitted and is left out.
constexpr double kCorrelationMaxRatio = 5000.0;  // scf/bbl
constexpr double kCorrelationMaxMassRate = 5.0;  // lbm/s
// Entries below this after the first are the unused tail of a depth list.
constexpr double kDepthListEnd = 0.9;  // ft

struct Zone {
    double m_relaxation = 0.0;   // A
    double m_correlation = 0.0;  // F
};

double Relaxation(double massRate, double radius, double coefficient,
                  const ThermalProfileCase& profile, const ThermalDerivedValues& derived) {
    const double ke = profile.m_earthConductivity;
    return (6.28318 / massRate / derived.m_specificHeat) * (radius * coefficient * ke) /
           (coefficient * derived.m_timeFunction * radius / 12.0 + ke) / 1036800.0;
}

double Correlation(double massRate, double ratio, const ThermalProfileCase& profile,
                   const ThermalDerivedValues& derived) {
    if (!(ratio < kCorrelationMaxRatio && massRate < kCorrelationMaxMassRate)) {
        return 0.0;
    }
    return -0.002978 + 1.006e-6 * profile.m_tubingPressure + 0.0001906 * massRate -
           1.047e-6 * ratio + 3.229e-5 * profile.m_oilGravity +
           0.004009 * profile.m_gasSpecificGravity - 0.3551 * derived.m_gradient;
}

// Heat flows through the cement sheath outside the casing in every zone; above the tubing
// bottom it also crosses the annulus between casing and tubing.
class ProfileModel {
public:
    ProfileModel(const ThermalProfileCase& profile, const ThermalDerivedValues& derived)
        : m_profile(profile), m_derived(derived) {
        const double rw = derived.m_wellboreRadius;
        const double rco = profile.m_casing.OuterRadius();
        const double rci = profile.m_casing.InnerRadius();
        const double rto = profile.m_tubing.OuterRadius();
        const double rti = profile.m_tubing.InnerRadius();
        const double cement = std::log(rw / rco) / profile.m_cementConductivity;

        m_htub = profile.m_perfDepth - profile.m_tubingDepth;
        m_hwfl = profile.m_perfDepth - profile.m_workingFluidLevel;

        m_u1 = (12.0 / rci) / cement;
        const double w = derived.m_massRate;
        const double winj = derived.m_injectedMassRate;
        if (profile.m_fluidFlow == FluidFlow::Annulus) {
            const double u2 = (12.0 / (rci - rti)) / cement;
            m_zone2 = {Relaxation(w, rti, u2, profile, derived), 0.0};
        } else {
            const double u2 =
                (12.0 / rti) / (cement + std::log(rci / rto) / derived.m_annulusConductivity);
            m_zone2 = {Relaxation(w, rti, u2, profile, derived),
                       Correlation(w, derived.m_gasLiquidRatio, profile, derived)};
        }
        const double u3 = (12.0 / rti) / (cement + std::log(rci / rto) / derived.m_gasConductivity);
        m_zone3 = {Relaxation(winj, rti, u3, profile, derived),
                   Correlation(winj, derived.m_injectedGasLiquidRatio, profile, derived)};

        // The zone-1 outlet feeds the zones above with the mass rate zone 1 carries at its
        // top, so the profile is continuous at the tubing bottom.
        const Zone top = Zone1(m_htub);
        m_t1 = Temperature(m_htub, top, bht(), bht(), 0.0);
        m_t2 = Temperature(m_hwfl, m_zone2, m_t1, Earth(m_htub), m_htub);
    }

    double Flowing(double z) const {
        if (z <= m_htub) {
            return Temperature(z, Zone1(z), bht(), bht(), 0.0);
        }
        if (z <= m_hwfl) {
            return Temperature(z, m_zone2, m_t1, Earth(m_htub), m_htub);
        }
        return Temperature(z, m_zone3, m_t2, Earth(m_hwfl), m_hwfl);
    }

    double Earth(double z) const { return bht() - m_derived.m_gradient * z; }

    bool IsFinite() const {
        return std::isfinite(m_t1) && std::isfinite(m_t2) && std::isfinite(m_u1) &&
               std::isfinite(m_zone2.m_relaxation) && std::isfinite(m_zone3.m_relaxation);
    }

private:
    double bht() const { return m_profile.m_bottomHoleTemperature; }

    // Below the tubing the fluid rises up the casing; above the working fluid level it carries
    // the injected gas too.
    Zone Zone1(double z) const {
        const double w = z >= m_hwfl ? m_derived.m_injectedMassRate : m_derived.m_massRate;
        return {Relaxation(w, m_profile.m_casing.InnerRadius(), m_u1, m_profile, m_derived),
                Correlation(w, m_derived.m_gasLiquidRatio, m_profile, m_derived)};
    }

    double Temperature(double z, const Zone& zone, double tin, double tein, double zin) const {
        return ZoneTemperature(z, zone.m_relaxation, zone.m_correlation, tin, tein, zin, bht(),
                               m_derived.m_gradient, m_derived.m_specificHeat);
    }

    const ThermalProfileCase& m_profile;
    const ThermalDerivedValues& m_derived;
    double m_htub = 0.0;  // ft above the perforations
    double m_hwfl = 0.0;
    double m_u1 = 0.0;
    Zone m_zone2;
    Zone m_zone3;
    double m_t1 = 0.0;  // F at the tubing bottom
    double m_t2 = 0.0;  // F at the working fluid level
};

std::optional<AnchorGuard> CheckInputs(const ThermalProfileCase& p) {
    if (!(p.m_perfDepth > 0.0)) {
        return AnchorGuard::PerfDepthNotPositive;
    }
    if (!(p.m_tubingDepth > 0.0)) {
        return AnchorGuard::TubingDepthNotPositive;
    }
    if (!(p.m_tubingDepth <= p.m_perfDepth)) {
        return AnchorGuard::TubingBelowPerfs;
    }
    if (!(p.m_oilRate >= 0.0)) {
        return AnchorGuard::NegativeOilRate;
    }
    if (!(p.m_waterRate >= 0.0)) {
        return AnchorGuard::NegativeWaterRate;
    }
    if (!(p.m_oilRate + p.m_waterRate > 0.0)) {
        return AnchorGuard::NoLiquidRate;
    }
    if (!(p.m_formationGor >= 0.0)) {
        return AnchorGuard::NegativeFormationGor;
    }
    if (!(p.m_gasInjection >= 0.0)) {
        return AnchorGuard::NegativeGasInjection;
    }
    if (!(p.m_oilGravity > -131.5)) {
        return AnchorGuard::OilGravityTooLow;
    }
    if (!(p.m_waterSpecificGravity > 0.0)) {
        return AnchorGuard::WaterGravityNotPositive;
    }
    if (!(p.m_gasSpecificGravity >= 0.0)) {
        return AnchorGuard::NegativeGasGravity;
    }
    if (!(p.m_tubing.m_innerDiameter > 0.0 &&
          p.m_tubing.m_outerDiameter > p.m_tubing.m_innerDiameter)) {
        return AnchorGuard::TubingWithoutWall;
    }
    if (!(p.m_casing.m_innerDiameter > p.m_tubing.m_outerDiameter)) {
        return AnchorGuard::CasingDoesNotHoldTubing;
    }
    if (!(p.m_casing.m_outerDiameter > p.m_casing.m_innerDiameter)) {
        return AnchorGuard::CasingWithoutWall;
    }
    if (!(p.m_bitSize > p.m_casing.m_outerDiameter)) {
        return AnchorGuard::BitInsideCasing;
    }
    if (!(p.m_earthConductivity > 0.0)) {
        return AnchorGuard::EarthConductivityNotPositive;
    }
    if (!(p.m_cementConductivity > 0.0)) {
        return AnchorGuard::CementConductivityNotPositive;
    }
    return std::nullopt;
}

std::optional<AnchorGuard> CheckDerived(const ThermalDerivedValues& d) {
    if (!(d.m_timeFunction > 0.0)) {
        return AnchorGuard::BitTooLargeForTimeFunction;
    }
    if (!(d.m_specificHeat > 0.0) || !std::isfinite(d.m_specificHeat)) {
        return AnchorGuard::NoPositiveSpecificHeat;
    }
    if (!(d.m_oilConductivity > 0.0)) {
        return AnchorGuard::OilConductivityNotPositive;
    }
    return std::nullopt;
}

}  // namespace

ThermalDerivedValues DeriveThermalValues(const ThermalProfileCase& p) {
    ThermalDerivedValues d;
    d.m_oilSpecificGravity = 141.5 / (p.m_oilGravity + 131.5);
    d.m_waterFraction = p.m_waterRate / (p.m_waterRate + p.m_oilRate);
    d.m_oilFraction = 1.0 - d.m_waterFraction;
    d.m_gradient = p.m_geothermalGradient / 100.0;
    d.m_wellboreRadius = p.m_bitSize * 0.5;
    d.m_producedGas = p.m_formationGor * p.m_oilRate / 1000.0;
    d.m_specificHeat = (0.368 + 0.00045 * p.m_bottomHoleTemperature) /
                           std::sqrt(d.m_oilSpecificGravity) * d.m_oilFraction +
                       d.m_waterFraction;
    d.m_liquidMassRate = kLiquidMassPerBarrel * (d.m_oilSpecificGravity * p.m_oilRate +
                                                 p.m_waterSpecificGravity * p.m_waterRate);
    d.m_massRate =
        d.m_liquidMassRate + kGasMassPerScf * p.m_gasSpecificGravity * 1000.0 * d.m_producedGas;
    d.m_injectedMassRate = d.m_liquidMassRate + kGasMassPerScf * p.m_gasSpecificGravity * 1000.0 *
                                                    (d.m_producedGas + p.m_gasInjection);
    const double liquid = p.m_oilRate + p.m_waterRate;
    d.m_gasLiquidRatio = 1000.0 * d.m_producedGas / liquid;
    d.m_injectedGasLiquidRatio = 1000.0 * (d.m_producedGas + p.m_gasInjection) / liquid;
    d.m_timeFunction = 3.53 - 0.272 * d.m_wellboreRadius / 12.0;

    d.m_oilConductivity =
        p.m_oilConductivity > 0.0
            ? p.m_oilConductivity
            : (1.0 - (p.m_bottomHoleTemperature - 32.0) * 0.0003) * 0.0677 / d.m_oilSpecificGravity;
    d.m_waterConductivity = p.m_waterConductivity > 0.0 ? p.m_waterConductivity : 9.12;
    d.m_gasConductivity = p.m_gasConductivity > 0.0 ? p.m_gasConductivity : 0.433;
    switch (p.m_annulusFluid) {
        case AnnulusFluid::Gas:
            d.m_annulusConductivity = d.m_gasConductivity;
            break;
        case AnnulusFluid::Oil:
            d.m_annulusConductivity = d.m_oilConductivity;
            break;
        case AnnulusFluid::Water:
            d.m_annulusConductivity = d.m_waterConductivity;
            break;
        case AnnulusFluid::OilAndWater:
            d.m_annulusConductivity =
                d.m_waterConductivity * d.m_waterFraction + d.m_oilConductivity * d.m_oilFraction;
            break;
    }
    return d;
}

double ZoneTemperature(double z, double relaxation, double correlation, double inletTemperature,
                       double inletEarthTemperature, double inletHeight,
                       double bottomHoleTemperature, double gradient, double specificHeat) {
    const double a = relaxation;
    const double m = 1.0 / (kJoulesConstant * specificHeat * a);
    const double earth = bottomHoleTemperature - gradient * z;
    const double offset = -m + correlation / a + gradient / a;
    return earth + offset +
           (inletTemperature - inletEarthTemperature - offset) * std::exp(-a * (z - inletHeight));
}

std::vector<double> ThermalProfileGrid(const std::vector<double>& depths, double workingFluidLevel,
                                       double perfDepth) {
    std::vector<double> nodes;
    nodes.reserve(depths.size() + 2);
    bool hasWorkingFluidLevel = false;
    for (std::size_t i = 0; i < depths.size(); ++i) {
        const double depth = depths[i];
        if (i > 0 && depth < kDepthListEnd) {
            break;
        }
        // The perforation node closes the grid; list depths at or below it lie outside the
        // flowing column.
        if (!(depth < perfDepth)) {
            break;
        }
        if (depth == workingFluidLevel) {
            hasWorkingFluidLevel = true;
        } else if (!hasWorkingFluidLevel && depth > workingFluidLevel) {
            nodes.push_back(workingFluidLevel);
            hasWorkingFluidLevel = true;
        }
        nodes.push_back(depth);
    }
    nodes.push_back(perfDepth);
    return nodes;
}

std::optional<AnchorGuard> ComputeThermalProfile(ThermalProfileCase& profile) {
    ThermalProfileOutputs& out = profile.m_outputs;
    out = ThermalProfileOutputs{};
    if (auto guard = CheckInputs(profile)) {
        return guard;
    }
    const ThermalDerivedValues derived = DeriveThermalValues(profile);
    if (auto guard = CheckDerived(derived)) {
        return guard;
    }
    const ProfileModel model(profile, derived);
    if (!model.IsFinite()) {
        return AnchorGuard::ProfileNotComputable;
    }

    const double dperf = profile.m_perfDepth;
    const double bht = profile.m_bottomHoleTemperature;
    const double twh = profile.m_wellheadTemperature;
    ThermalProfileOutputs result;
    result.m_nodeDepths = ThermalProfileGrid(profile.m_depths, profile.m_workingFluidLevel, dperf);
    const std::size_t count = result.m_nodeDepths.size();
    result.m_adFlowingTemperatures.resize(count);
    result.m_adStraightLineTemperatures.resize(count);
    result.m_adGeothermalTemperatures.resize(count);
    for (std::size_t k = 0; k + 1 < count; ++k) {
        const double z = dperf - result.m_nodeDepths[k];
        result.m_adFlowingTemperatures[k] = model.Flowing(z);
        result.m_adStraightLineTemperatures[k] = bht - z * (bht - twh) / dperf;
        result.m_adGeothermalTemperatures[k] = model.Earth(z);
    }
    result.m_adFlowingTemperatures[count - 1] = bht;
    result.m_adStraightLineTemperatures[count - 1] = bht;
    result.m_adGeothermalTemperatures[count - 1] = bht;

    result.m_deltaSurfaceTemperature =
        result.m_adFlowingTemperatures[0] - result.m_adGeothermalTemperatures[0];
    if (result.m_deltaSurfaceTemperature == 0.0) {
        return AnchorGuard::NoSurfaceTemperatureDifference;
    }

    // Trapezoids of the heating (flowing less geothermal) from the shallowest node down to the
    // tubing bottom.
    const double dtub = profile.m_tubingDepth;
    double integral = 0.0;
    for (std::size_t k = 0; k + 1 < count; ++k) {
        const double d0 = result.m_nodeDepths[k];
        const double d1 = result.m_nodeDepths[k + 1];
        const double heating =
            (result.m_adFlowingTemperatures[k] - result.m_adGeothermalTemperatures[k]) +
            (result.m_adFlowingTemperatures[k + 1] - result.m_adGeothermalTemperatures[k + 1]);
        if (d1 <= dtub) {
            integral += heating * (d1 - d0) / 2.0;
        } else if (d0 < dtub) {
            integral += (dtub - d0) * (dtub - d0) * heating / (2.0 * (d1 - d0));
        }
    }
    result.m_labinskiFactor = integral / (result.m_deltaSurfaceTemperature * dtub * 0.5);

    for (std::size_t k = 0; k < count; ++k) {
        if (!std::isfinite(result.m_adFlowingTemperatures[k])) {
            return AnchorGuard::ProfileNotComputable;
        }
    }
    if (!std::isfinite(result.m_labinskiFactor)) {
        return AnchorGuard::LabinskiFactorNotComputable;
    }
    out = std::move(result);
    return std::nullopt;
}

}  // namespace calc
