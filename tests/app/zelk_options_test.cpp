#include "app/zelk_options.h"

#include "units/preferences_store.h"

#include <string>

#include <gtest/gtest.h>

namespace {

using app::ZelkOptions;

TEST(ZelkOptions, EmptyStoreGivesBuiltInDefaults) {
    const units::MemoryPreferencesStore store;
    const ZelkOptions options = ZelkOptions::Load(store);
    EXPECT_EQ(options.targetRateIncrement, 5.0);
    EXPECT_EQ(options.spmIncrement, 0.1);
    EXPECT_EQ(options.numberOfTimeSteps, 300.0);
    EXPECT_EQ(options.dxMaximum, 1000.0);
    EXPECT_EQ(options.minimumNumberOfElements, 4);
    EXPECT_EQ(options.defaultTotalSinkerBarWeight, 0.0);
    EXPECT_EQ(options.defaultFluidSpecificGravity, 1.0);
    EXPECT_EQ(options.defaultTubingPressure, 80.0);
    EXPECT_EQ(options.defaultCasingPressure, 45.0);
    EXPECT_EQ(options.defaultDampingFactor, 0.1);
    EXPECT_EQ(options.defaultUnitEfficiency, 95.0);
    EXPECT_EQ(options.defaultPumpEfficiency, 95.0);
}

TEST(ZelkOptions, StoresThreeDecimalTextsAndReadsThemBack) {
    ZelkOptions options;
    options.targetRateIncrement = 7.5;
    options.spmIncrement = 0.25;
    options.numberOfTimeSteps = 250;
    options.dxMaximum = 100.125;
    options.minimumNumberOfElements = 12;
    options.defaultTotalSinkerBarWeight = 1200.5;
    options.defaultFluidSpecificGravity = 1.02;
    options.defaultTubingPressure = 75.5;
    options.defaultCasingPressure = 40.25;
    options.defaultDampingFactor = 0.15;
    options.defaultUnitEfficiency = 90;
    options.defaultPumpEfficiency = 87;
    units::MemoryPreferencesStore store;
    options.Store(store);
    EXPECT_EQ(store.size(), 12u);
    EXPECT_EQ(store.getString("MinimumNumberOfElements", ""), "12.000");
    EXPECT_EQ(store.getString("dxMaximum", ""), "100.125");
    EXPECT_EQ(store.getString("FluidSpecificGravity", ""), "1.020");
    EXPECT_EQ(ZelkOptions::Load(store), options);
}

TEST(ZelkOptions, LoadRulesForBadValues) {
    struct Row {
        const char* name;
        const char* key;
        const char* text;
        double ZelkOptions::*field;
        double expected;
    };
    // clang-format off
    const Row rows[] = {
        {"not_a_number_is_zero",      "TubingPressure", "abc",   &ZelkOptions::defaultTubingPressure, 0.0},
        {"prefix_is_taken",           "CasingPressure", "12.5x", &ZelkOptions::defaultCasingPressure, 12.5},
        {"pump_efficiency_zero",      "PumpEfficiency", "0.000", &ZelkOptions::defaultPumpEfficiency, 95.0},
        {"pump_efficiency_above_100", "PumpEfficiency", "100.5", &ZelkOptions::defaultPumpEfficiency, 95.0},
        {"pump_efficiency_one",       "PumpEfficiency", "1.000", &ZelkOptions::defaultPumpEfficiency, 1.0},
        {"unit_efficiency_below_1",   "UnitEfficiency", "0.5",   &ZelkOptions::defaultUnitEfficiency, 95.0},
        {"unit_efficiency_100",       "UnitEfficiency", "100",   &ZelkOptions::defaultUnitEfficiency, 100.0},
        {"negative_spm_step_kept",    "SPMIncrement",   "-1.000", &ZelkOptions::spmIncrement,         -1.0},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        units::MemoryPreferencesStore store;
        store.setString(row.key, row.text);
        EXPECT_EQ(ZelkOptions::Load(store).*row.field, row.expected);
    }
}

TEST(ZelkOptions, IntegerFieldTakesTheIntegerPart) {
    units::MemoryPreferencesStore store;
    store.setString("MinimumNumberOfElements", "7.900");
    EXPECT_EQ(ZelkOptions::Load(store).minimumNumberOfElements, 7);
    // A value of the wrong type counts as missing.
    store.setInt("MinimumNumberOfElements", 9);
    EXPECT_EQ(ZelkOptions::Load(store).minimumNumberOfElements, 4);
}

TEST(ZelkOptions, ResetsOnePageAtATime) {
    ZelkOptions options;
    options.spmIncrement = 3;
    options.defaultDampingFactor = 0.5;
    ZelkOptions calculation = options;
    calculation.ResetCalculationSettings();
    EXPECT_EQ(calculation.spmIncrement, 0.1);
    EXPECT_EQ(calculation.defaultDampingFactor, 0.5);
    ZelkOptions defaults = options;
    defaults.ResetNewTestDefaults();
    EXPECT_EQ(defaults.spmIncrement, 3.0);
    EXPECT_EQ(defaults.defaultDampingFactor, 0.1);
}

TEST(ZelkOptions, RunPrecisionIsTwoDecimals) {
    ZelkOptions options;
    options.dxMaximum = 100.256;
    options.spmIncrement = 0.004;
    const ZelkOptions rounded = options.RoundedForRun();
    EXPECT_DOUBLE_EQ(rounded.dxMaximum, 100.26);
    EXPECT_EQ(rounded.spmIncrement, 0.0);
}

}  // namespace
