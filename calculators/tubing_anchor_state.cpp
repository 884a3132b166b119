#include "calculators/tubing_anchor_state.h"

#include "engine/tubing_table.h"

#include <cmath>
#include <utility>

namespace calc {
namespace {

PipeSize RowPipe(std::int32_t row) {
    const auto& rows = ZelkEngine::TubingSizes();
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) {
        row = ZelkEngine::kDefaultTubingRow;
    }
    const ZelkEngine::TubingSize& size = rows[static_cast<std::size_t>(row)];
    return {size.m_outerDiameter, size.m_innerDiameter};
}

// A saved index is taken when it is a whole number inside its list.
std::optional<std::int32_t> SavedIndex(double value, std::int32_t count) {
    if (!std::isfinite(value) || value != std::floor(value) || value < 0.0 ||
        value >= static_cast<double>(count)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t DefaultCasingRow(std::int32_t tubingRow) {
    const double tubingOuter = RowPipe(tubingRow).m_outerDiameter;
    const auto& rows = ZelkEngine::TubingSizes();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].m_innerDiameter > tubingOuter) {
            return static_cast<std::int32_t>(i);
        }
    }
    return static_cast<std::int32_t>(rows.size()) - 1;
}

TubingAnchorState TubingAnchorState::Defaults(const TubingAnchorOpening& opening) {
    TubingAnchorState state;
    // clang-format off
    state.m_inputs = {
        8.75, opening.m_pumpDiameter, opening.m_pumpDepth, 5304.0, 5059.0, 6500.0,
        207.0, 551.0, 696.0, 34.5, 1.01, 0.884, 0.0, 4000.0, 1000.0,
        106.1, 17.3, 1.15, 84.0,
        75.6, 50.0, 1.864, 8.962, 0.434,
        opening.m_tubingPressure, opening.m_casingPressure, 0.501,
    };
    // clang-format on
    state.m_tubingRow = opening.m_tubingRow;
    state.m_casingRow = DefaultCasingRow(opening.m_tubingRow);
    state.m_depths = AnchorDepthList::Defaults();
    return state;
}

ThermalProfileCase TubingAnchorState::MakeThermalProfileCase() const {
    ThermalProfileCase p;
    p.m_annulusFluid = m_annulusFluid;
    p.m_perfDepth = Input(AnchorInput::PerfDepth);
    p.m_bottomHoleTemperature = Input(AnchorInput::BottomHoleTemperature);
    p.m_geothermalGradient = Input(AnchorInput::GeothermalGradient);
    p.m_wellheadTemperature = Input(AnchorInput::WellheadTemperature);
    p.m_oilGravity = Input(AnchorInput::OilGravity);
    p.m_gasSpecificGravity = Input(AnchorInput::GasSpecificGravity);
    p.m_waterSpecificGravity = Input(AnchorInput::WaterSpecificGravity);
    p.m_oilRate = Input(AnchorInput::OilRate);
    p.m_waterRate = Input(AnchorInput::WaterRate);
    p.m_formationGor = Input(AnchorInput::FormationGor);
    p.m_gasInjection = Input(AnchorInput::GasInjection);
    p.m_tubingPressure = Input(AnchorInput::TubingPressure);
    p.m_tubingDepth = Input(AnchorInput::TubingDepth);
    p.m_bitSize = Input(AnchorInput::BitSize);
    p.m_workingFluidLevel = Input(AnchorInput::WorkingFluidLevel);
    p.m_tubing = RowPipe(m_tubingRow);
    p.m_casing = RowPipe(m_casingRow);
    p.m_earthConductivity = Input(AnchorInput::EarthConductivity);
    p.m_cementConductivity = Input(AnchorInput::CementConductivity);
    p.m_gasConductivity = Input(AnchorInput::GasConductivity);
    p.m_oilConductivity = Input(AnchorInput::OilConductivity);
    p.m_waterConductivity = Input(AnchorInput::WaterConductivity);
    p.m_depths = m_depths.Values();
    p.m_fluidFlow = m_fluidFlow;
    return p;
}

AnchorLoadCase TubingAnchorState::MakeAnchorLoadCase(const ThermalProfileOutputs& thermal) const {
    AnchorLoadCase a;
    a.m_geothermalGradient = Input(AnchorInput::GeothermalGradient);
    a.m_perfDepth = Input(AnchorInput::PerfDepth);
    a.m_bottomHoleTemperature = Input(AnchorInput::BottomHoleTemperature);
    a.m_tubingFluidGradient = Input(AnchorInput::TubingFluidGradient);
    a.m_workingFluidLevel = Input(AnchorInput::WorkingFluidLevel);
    a.m_staticFluidLevel = Input(AnchorInput::StaticFluidLevel);
    a.m_pumpDepth = Input(AnchorInput::PumpDepth);
    a.m_pumpDiameter = Input(AnchorInput::PumpDiameter);
    a.m_anchorDepth = Input(AnchorInput::TubingAnchorDepth);
    a.m_casingPressure = Input(AnchorInput::CasingPressure);
    a.m_thermal = thermal;
    a.m_tubing = RowPipe(m_tubingRow);
    return a;
}

std::optional<AnchorGuard> TubingAnchorState::Calculate() {
    ThermalProfileCase profile = MakeThermalProfileCase();
    if (auto guard = ComputeThermalProfile(profile)) {
        return guard;
    }
    AnchorLoadCase anchor = MakeAnchorLoadCase(profile.m_outputs);
    if (auto guard = ComputeAnchorLoads(anchor)) {
        return guard;
    }
    m_profile = std::move(profile.m_outputs);
    SetInput(AnchorInput::DeltaSurfaceTemperature, m_profile.m_deltaSurfaceTemperature);
    m_results = {
        anchor.m_ambientSurfaceTemperature,
        m_profile.m_deltaSurfaceTemperature,
        anchor.m_fluidSurfaceTemperature,
        m_profile.m_labinskiFactor,
        anchor.m_fluidLoadOnTubing.m_weight,
        anchor.m_thermalExpansion.m_weight,
        anchor.m_fluidLevelChanges.m_weight,
        anchor.m_casingPressureEffects.m_weight,
        anchor.m_total.m_weight,
        anchor.m_fluidLoadOnTubing.m_length,
        anchor.m_thermalExpansion.m_length,
        anchor.m_fluidLevelChanges.m_length,
        anchor.m_casingPressureEffects.m_length,
        anchor.m_total.m_length,
    };
    return std::nullopt;
}

std::vector<double> TubingAnchorState::SavedList() const {
    std::vector<double> saved(m_inputs.begin(), m_inputs.end());
    saved.insert(saved.end(), m_results.begin(), m_results.end());
    saved.push_back(static_cast<double>(m_casingRow));
    saved.push_back(static_cast<double>(m_fluidFlow));
    saved.push_back(static_cast<double>(m_annulusFluid));
    saved.insert(saved.end(), m_depths.Values().begin(), m_depths.Values().end());
    return saved;
}

void TubingAnchorState::Restore(const std::vector<double>& saved) {
    const auto take = [&saved](std::size_t at, double& into) {
        if (at < saved.size() && std::isfinite(saved[at])) {
            into = saved[at];
        }
    };
    for (std::size_t i = 0; i < kAnchorInputCount; ++i) {
        take(i, m_inputs[i]);
    }
    for (std::size_t i = 0; i < kAnchorResultCount; ++i) {
        take(kAnchorInputCount + i, m_results[i]);
    }
    const std::size_t indexes = kAnchorInputCount + kAnchorResultCount;
    const auto savedIndex = [&saved](std::size_t at, std::int32_t count) {
        return at < saved.size() ? SavedIndex(saved[at], count) : std::nullopt;
    };
    if (auto row = savedIndex(indexes, ZelkEngine::kTubingSizeCount)) {
        m_casingRow = *row;
    }
    if (auto flow = savedIndex(indexes + 1, 2)) {
        m_fluidFlow = static_cast<FluidFlow>(*flow);
    }
    if (auto fluid = savedIndex(indexes + 2, 4)) {
        m_annulusFluid = static_cast<AnnulusFluid>(*fluid);
    }
    if (saved.size() >= kSavedAnchorFixedCount) {
        m_depths.RemoveAll();
        for (std::size_t i = kSavedAnchorFixedCount; i < saved.size(); ++i) {
            m_depths.Add(saved[i]);
        }
    }
    m_profile = ThermalProfileOutputs{};
}

}  // namespace calc
