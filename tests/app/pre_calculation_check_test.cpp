#include "app/window/pre_calculation_check.h"

#include "app/language.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace {

app::PreCalculationInputs goodInputs() {
    app::PreCalculationInputs in;
    in.dampingFactor = 0.1;
    in.unitEfficiency = 90.0;
    in.pumpEfficiency = 85.0;
    in.fluidSpecificGravity = 1.0;
    in.strokeRate = 8.3;
    in.pumpDepth = 5000.0;
    in.targetRate = 171.0;
    in.strokeLength = 100.0;
    in.sinkerBarWeight = 0.0;
    return in;
}

// Oilfield display units: the internal value and its symbol.
app::DisplayBound oilfield(const std::string& category, double value) {
    if (category == "DEPTH") {
        return {value, "ft"};
    }
    if (category == "FLOWRATE") {
        return {value, "bbl/day"};
    }
    if (category == "SMALL_LENGTH") {
        return {value, "in"};
    }
    if (category == "SMALL_WEIGHT") {
        return {value, "lb"};
    }
    return {value, "SG"};
}

class PreCalculationCheck : public ::testing::Test {
protected:
    void SetUp() override { app::setCurrentLanguage(app::kEnglish); }
    void TearDown() override { app::setCurrentLanguage(app::kEnglish); }
};

TEST_F(PreCalculationCheck, GoodDesignPassesAndBoundsAreInclusiveWhereTheyShouldBe) {
    EXPECT_EQ(app::preCalculationMessage(goodInputs(), oilfield), "");
    app::PreCalculationInputs edge = goodInputs();
    edge.unitEfficiency = 100.0;
    edge.pumpEfficiency = 100.0;
    edge.fluidSpecificGravity = 2.0;
    edge.pumpDepth = 20000.0;
    edge.strokeLength = 500.0;
    edge.sinkerBarWeight = 12000.0;  // 600 lb per 1000 ft at 20000 ft
    EXPECT_EQ(app::preCalculationMessage(edge, oilfield), "");
    edge.pumpDepth = 100.0;
    edge.strokeLength = 1.0;
    edge.sinkerBarWeight = 60.0;
    EXPECT_EQ(app::preCalculationMessage(edge, oilfield), "");
}

TEST_F(PreCalculationCheck, ListsEveryBadFieldInOrder) {
    app::PreCalculationInputs in = goodInputs();
    in.dampingFactor = std::numeric_limits<double>::quiet_NaN();  // not a number
    in.pumpEfficiency = 0.0;
    in.strokeRate = -1.0;
    in.pumpDepth = 99.9;
    in.strokeLength = 501.0;
    in.sinkerBarWeight = 3000.5;
    EXPECT_EQ(app::preCalculationMessage(in, oilfield),
              "The following are invalid:\n\n"
              "Damping Factor must be a number greater than 0.000 .\n"
              "Pump Volumetric Efficiency must be a number between 0.000 and 100.000 %, "
              "inclusive.\n"
              "Stroke Rate (SPM) must be a number greater than 0.000 SPM.\n"
              "Pump Depth must be a number between 100.000 and 20000.000 ft.\n"
              "Stroke Length must be a number between 1.000 and 500.000 in.\n"
              "Total Sinker Bar Weight must be a number between 0.000 and 59.940 lb.\n");
}

TEST_F(PreCalculationCheck, ModeDecidesWhichRateIsChecked) {
    app::PreCalculationInputs in = goodInputs();
    in.strokeRate = 0.0;
    in.targetRate = -5.0;  // "<<" can make it negative; only target-rate mode cares
    in.isTargetRateMode = true;
    EXPECT_EQ(app::preCalculationMessage(in, oilfield),
              "The following are invalid:\n\n"
              "Target Rate must be a number between 0.010 and 10000.000 bbl/day.\n");
    in.isTargetRateMode = false;
    EXPECT_NE(app::preCalculationMessage(in, oilfield).find("Stroke Rate"), std::string::npos);
    EXPECT_EQ(app::preCalculationMessage(in, oilfield).find("Target Rate"), std::string::npos);
}

TEST_F(PreCalculationCheck, BoundsAreShownInTheDisplayUnitAndLanguage) {
    app::setCurrentLanguage(app::kSpanish);
    app::PreCalculationInputs in = goodInputs();
    in.pumpDepth = 25000.0;
    in.sinkerBarWeight = 0.0;
    auto metric = [](const std::string& category, double value) {
        return category == "DEPTH" ? app::DisplayBound{value * 0.3048, "m"}
                                   : oilfield(category, value);
    };
    EXPECT_EQ(app::preCalculationMessage(in, metric),
              "Los siguientes valores no son válidos:\n\n"
              "Profundidad de la Bomba debe ser un número entre 30.480 y 6096.000 m.\n");
}

}  // namespace
