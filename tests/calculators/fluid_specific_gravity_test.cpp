#include "calculators/fluid_specific_gravity.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace {

using calc::CheckFluidSpecificGravityInputs;
using calc::ComputeFluidSpecificGravity;
using calc::FluidSpecificGravityCase;
using calc::FluidSpecificGravityUnits;

FluidSpecificGravityUnits OilfieldUnits() {
    return {calc::DisplayUnit{"API", {}}, calc::DisplayUnit{"SG", {}}};
}

TEST(FluidSpecificGravity, DesignCaseDefaults) {
    const FluidSpecificGravityCase fluid;  // API 30, 89 % water, water gravity 0.9999
    EXPECT_NEAR(calc::OilSpecificGravity(fluid.m_oilGravity), 0.876161, 5e-7);
    EXPECT_NEAR(ComputeFluidSpecificGravity(fluid), 0.986289, 5e-7);
}

TEST(FluidSpecificGravity, WaterCutEndsGiveThePureLiquids) {
    FluidSpecificGravityCase fluid{40.0, 0.0, 1.05};
    EXPECT_DOUBLE_EQ(ComputeFluidSpecificGravity(fluid), 141.5 / 171.5);
    fluid.m_waterCut = 100.0;
    EXPECT_DOUBLE_EQ(ComputeFluidSpecificGravity(fluid), 1.05);
}

TEST(FluidSpecificGravity, ValidInputsGiveNoLines) {
    EXPECT_TRUE(CheckFluidSpecificGravityInputs({}, OilfieldUnits()).IsEmpty());
    // All bounds are inclusive except the water gravity's zero.
    EXPECT_TRUE(CheckFluidSpecificGravityInputs({0.0, 0.0, 2.0}, OilfieldUnits()).IsEmpty());
    EXPECT_TRUE(CheckFluidSpecificGravityInputs({100.0, 100.0, 1e-9}, OilfieldUnits()).IsEmpty());
}

TEST(FluidSpecificGravity, ZeroWaterGravityShowsTheZeroToTwoBounds) {
    const auto messages = CheckFluidSpecificGravityInputs({30.0, 89.0, 0.0}, OilfieldUnits());
    EXPECT_EQ(messages.Text(),
              "The following are invalid:\n\n"
              "Water Specific Gravity must be a number between 0.000 and 2.000 SG, inclusive.\n");
}

TEST(FluidSpecificGravity, LinesFollowTheCheckingOrder) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    auto messages = CheckFluidSpecificGravityInputs({-1.0, 120.0, 0.9999}, OilfieldUnits());
    ASSERT_EQ(messages.m_lines.size(), 2u);
    EXPECT_EQ(messages.m_lines[0],
              "Oil Gravity must be a number between 0.000 and 100.000 API, inclusive.");
    EXPECT_EQ(messages.m_lines[1],
              "Water Cut must be a number between 0.000 and 100.000 %, inclusive.");

    messages = CheckFluidSpecificGravityInputs({nan, nan, 2.5}, OilfieldUnits());
    ASSERT_EQ(messages.m_lines.size(), 3u);
    EXPECT_EQ(messages.m_lines[0].rfind("Oil Gravity", 0), 0u);
    EXPECT_EQ(messages.m_lines[1].rfind("Water Specific Gravity", 0), 0u);
    EXPECT_EQ(messages.m_lines[2].rfind("Water Cut", 0), 0u);
}

TEST(FluidSpecificGravity, BoundsInAReversingUnitAreSwapped) {
    // Oil shown as density: 0 API is the heavier end, so the converted bounds come out reversed.
    FluidSpecificGravityUnits units = OilfieldUnits();
    units.m_oilGravity = {"kg/m3", [](double api) { return 141.5 / (api + 131.5) * 999.0; }};
    const auto messages = CheckFluidSpecificGravityInputs({150.0, 50.0, 1.0}, units);
    ASSERT_EQ(messages.m_lines.size(), 1u);
    EXPECT_EQ(messages.m_lines[0],
              "Oil Gravity must be a number between 610.620 and 1074.970 kg/m3, inclusive.");
}

TEST(FluidSpecificGravity, TranslatedTextsAreUsed) {
    calc::CalculatorTexts texts;
    texts.m_invalidHeader = "Los siguientes no son validos:\n\n";
    texts.m_rangeInclusive = "%s debe estar entre %0.1f y %0.1f %s.";
    texts.m_waterCut = "Corte de agua";
    const auto messages =
        CheckFluidSpecificGravityInputs({30.0, -5.0, 1.0}, OilfieldUnits(), texts);
    EXPECT_EQ(messages.Text(),
              "Los siguientes no son validos:\n\nCorte de agua debe estar entre 0.0 y 100.0 %.\n");
}

}  // namespace
