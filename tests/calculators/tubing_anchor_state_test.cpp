#include "calculators/tubing_anchor_state.h"

#include "engine/tubing_table.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace {

using calc::AnchorInput;
using calc::AnchorResult;
using calc::TubingAnchorOpening;
using calc::TubingAnchorState;

TEST(TubingAnchorState, DefaultCasingHoldsTheTubing) {
    const auto& rows = ZelkEngine::TubingSizes();
    for (std::int32_t tubing = 0; tubing < ZelkEngine::kTubingSizeCount; ++tubing) {
        SCOPED_TRACE(tubing);
        const std::int32_t casing = calc::DefaultCasingRow(tubing);
        const double tubingOuter = rows[static_cast<std::size_t>(tubing)].m_outerDiameter;
        if (tubingOuter >= rows.back().m_innerDiameter) {
            EXPECT_EQ(casing, ZelkEngine::kTubingSizeCount - 1);  // nothing holds it
            continue;
        }
        EXPECT_GT(rows[static_cast<std::size_t>(casing)].m_innerDiameter, tubingOuter);
        for (std::int32_t smaller = 0; smaller < casing; ++smaller) {
            EXPECT_LE(rows[static_cast<std::size_t>(smaller)].m_innerDiameter, tubingOuter);
        }
    }
    EXPECT_EQ(calc::DefaultCasingRow(29), 33);  // 2 7/8 in tubing in 3 1/2 in, 3.068 in ID
    EXPECT_EQ(calc::DefaultCasingRow(0), 6);    // 1.05 in tubing: 1.315 in rows are 1.049 in ID
}

TubingAnchorOpening Opening() {
    TubingAnchorOpening opening;
    opening.m_pumpDiameter = 1.75;
    opening.m_pumpDepth = 5000.0;
    opening.m_tubingPressure = 100.0;
    opening.m_casingPressure = 45.0;
    opening.m_tubingRow = 29;
    return opening;
}

TEST(TubingAnchorState, DefaultsCalculate) {
    TubingAnchorState state = TubingAnchorState::Defaults(Opening());
    EXPECT_EQ(state.Input(AnchorInput::PumpDiameter), 1.75);
    EXPECT_EQ(state.Input(AnchorInput::TubingFluidGradient), 0.501);
    EXPECT_EQ(state.Input(AnchorInput::DeltaSurfaceTemperature), 17.3);
    EXPECT_EQ(state.m_casingRow, 33);
    ASSERT_FALSE(state.Calculate().has_value());

    // The typed surface temperature difference is replaced by the computed one.
    const double computed = state.m_profile.m_deltaSurfaceTemperature;
    EXPECT_NE(computed, 17.3);
    EXPECT_EQ(state.Input(AnchorInput::DeltaSurfaceTemperature), computed);
    EXPECT_EQ(state.Result(AnchorResult::DeltaSurfaceTemperature), computed);
    EXPECT_EQ(state.Result(AnchorResult::LabinskiFactor), state.m_profile.m_labinskiFactor);
    EXPECT_EQ(state.m_profile.m_nodeDepths.size(), 16u);
    // With 45 psi casing pressure and the other quoted inputs.
    EXPECT_EQ(state.Result(AnchorResult::CasingPressureEffectsWeight), -140.0);
    EXPECT_EQ(state.Result(AnchorResult::FluidLoadOnTubingWeight), 1560.0);
    EXPECT_EQ(state.Result(AnchorResult::FluidLevelChangesWeight), -3260.0);
    const double total = state.Result(AnchorResult::FluidLoadOnTubingWeight) +
                         state.Result(AnchorResult::ThermalExpansionWeight) +
                         state.Result(AnchorResult::FluidLevelChangesWeight) +
                         state.Result(AnchorResult::CasingPressureEffectsWeight);
    EXPECT_EQ(state.Result(AnchorResult::TotalWeight), total);
    EXPECT_NEAR(state.Result(AnchorResult::TotalLength), total * 0.00104676, 1e-5);
}

TEST(TubingAnchorState, SavedListRoundTrips) {
    TubingAnchorState state = TubingAnchorState::Defaults(Opening());
    state.m_fluidFlow = calc::FluidFlow::Annulus;
    state.m_annulusFluid = calc::AnnulusFluid::OilAndWater;
    state.m_casingRow = 43;
    state.m_depths.Add(1234.0);
    ASSERT_FALSE(state.Calculate().has_value());
    const std::vector<double> saved = state.SavedList();
    ASSERT_EQ(saved.size(), calc::kSavedAnchorFixedCount + 16);
    EXPECT_EQ(saved[0], 8.75);
    EXPECT_EQ(saved[27], state.Result(AnchorResult::AmbientSurfaceTemperature));
    EXPECT_EQ(saved[41], 43.0);
    EXPECT_EQ(saved[42], 1.0);
    EXPECT_EQ(saved[43], 3.0);
    EXPECT_EQ(saved[44], 0.0);

    // Restored over a fresh dialog for other tubing: everything but the tubing row comes back.
    TubingAnchorOpening other = Opening();
    other.m_tubingRow = 17;
    other.m_pumpDepth = 7000.0;
    TubingAnchorState restored = TubingAnchorState::Defaults(other);
    restored.Restore(saved);
    EXPECT_EQ(restored.m_tubingRow, 17);
    EXPECT_EQ(restored.m_inputs, state.m_inputs);
    EXPECT_EQ(restored.m_results, state.m_results);
    EXPECT_EQ(restored.m_casingRow, 43);
    EXPECT_EQ(restored.m_fluidFlow, calc::FluidFlow::Annulus);
    EXPECT_EQ(restored.m_annulusFluid, calc::AnnulusFluid::OilAndWater);
    EXPECT_EQ(restored.m_depths.Values(), state.m_depths.Values());
    EXPECT_EQ(restored.SavedList(), saved);
}

TEST(TubingAnchorState, DamagedSavedListsKeepWhatTheyCannotRestore) {
    const TubingAnchorState defaults = TubingAnchorState::Defaults(Opening());

    // A short list restores its prefix only.
    std::vector<double> shortList(31, 1.0);
    TubingAnchorState state = defaults;
    state.Restore(shortList);
    EXPECT_EQ(state.Input(AnchorInput::BitSize), 1.0);
    EXPECT_EQ(state.Result(AnchorResult::LabinskiFactor), 1.0);
    EXPECT_EQ(state.Result(AnchorResult::FluidLevelChangesWeight), 0.0);
    EXPECT_EQ(state.m_casingRow, defaults.m_casingRow);
    EXPECT_EQ(state.m_depths.Values(), defaults.m_depths.Values());

    // Bad indexes and numbers are skipped; depths are sorted, deduplicated and capped.
    std::vector<double> saved = defaults.SavedList();
    saved.resize(calc::kSavedAnchorFixedCount);
    saved[3] = std::nan("");
    saved[41] = 52.0;
    saved[42] = 0.5;
    saved[43] = -1.0;
    for (int i = 0; i < 210; ++i) {
        saved.push_back(5.0 * (i % 200));
    }
    state = defaults;
    state.Restore(saved);
    EXPECT_EQ(state.Input(AnchorInput::PerfDepth), 5304.0);
    EXPECT_EQ(state.m_casingRow, defaults.m_casingRow);
    EXPECT_EQ(state.m_fluidFlow, defaults.m_fluidFlow);
    EXPECT_EQ(state.m_annulusFluid, defaults.m_annulusFluid);
    EXPECT_EQ(state.m_depths.Size(), calc::AnchorDepthList::kMaxDepths);
    EXPECT_EQ(state.m_depths.Values().front(), 0.0);
    EXPECT_EQ(state.m_depths.Values().back(), 5.0 * 194);

    // A list without depths restores an empty depth list, which cannot be calculated.
    saved.resize(calc::kSavedAnchorFixedCount);
    state.Restore(saved);
    EXPECT_EQ(state.m_depths.Size(), 0u);
    EXPECT_EQ(state.Calculate(), calc::AnchorGuard::NoSurfaceTemperatureDifference);
    EXPECT_EQ(state.m_results, defaults.m_results);  // untouched by the failed calculation
}

TEST(TubingAnchorState, CasingRowZeroIsRefusedNotComputed) {
    TubingAnchorState state = TubingAnchorState::Defaults(Opening());
    state.m_casingRow = 0;
    EXPECT_EQ(state.Calculate(), calc::AnchorGuard::CasingDoesNotHoldTubing);
    EXPECT_EQ(state.Input(AnchorInput::DeltaSurfaceTemperature), 17.3);
}

}  // namespace
