#include "cli/case_json.h"

#include "cli/input_error.h"
#include "engine/calculation_case.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace cli {
namespace {

using ZelkEngine::CalculationCase;

CalculationCase applied(const std::string& text) {
    CalculationCase c;
    ApplyCaseJson(ParseJsonText(text, "test"), c);
    return c;
}

std::string errorOf(const std::string& text) {
    try {
        applied(text);
    } catch (const InputError& e) {
        return e.what();
    }
    return "no error";
}

TEST(CaseJson, KeysOverrideTheDefaultDesignOnly) {
    const CalculationCase c = applied(
        R"({"UnitType": 2, "Depth": 7250.5, "AnchoredTubing": true, "CalcSPMFromTargetRate": 1,
            "RodType": 1, "FiberglassPercent": 42.5, "NTimeSteps": 250.0, "dXMax": 125.5,
            "PressureType": 1, "ReservoirPressure": 1500, "id": "well-14"})");
    EXPECT_EQ(c.Inputs.UnitType, 2);
    EXPECT_EQ(c.Inputs.Depth, 7250.5);
    EXPECT_TRUE(c.Inputs.AnchoredTubing);
    EXPECT_TRUE(c.Inputs.CalcSPMFromTargetRate);
    EXPECT_EQ(c.Inputs.RodType, 1);
    EXPECT_EQ(c.Inputs.FiberglassPercent, 42.5);
    EXPECT_EQ(c.Settings.NTimeSteps, 250);
    EXPECT_EQ(c.Settings.dXMax, 125.5);
    EXPECT_EQ(c.Settings.PressureType, 1);
    EXPECT_EQ(c.Settings.ReservoirPressure, 1500.0);
    // Untouched keys keep the default design.
    const CalculationCase defaults;
    EXPECT_EQ(c.Inputs.StrokeLength, defaults.Inputs.StrokeLength);
    EXPECT_EQ(c.Settings.PumpEfficiency, defaults.Settings.PumpEfficiency);
    EXPECT_EQ(c.Inputs.RodNumber, defaults.Inputs.RodNumber);
}

TEST(CaseJson, NullIsNotANumberForTheEngineToReject) {
    EXPECT_TRUE(std::isnan(applied(R"({"PumpDiameter": null})").Inputs.PumpDiameter));
}

TEST(CaseJson, BadCasesNameTheKeyOrPosition) {
    struct Row {
        const char* json;
        const char* message;
    };
    const Row rows[] = {
        {R"({"Depht": 5000})", "unknown key \"Depht\""},
        {R"({"Depth": "5000"})", "key \"Depth\": expected a number, got \"5000\""},
        {R"({"MinElements": 4.5})", "key \"MinElements\": expected a whole number, got 4.5"},
        {R"({"RodNumber": 3000000000})",
         "key \"RodNumber\": expected a whole number, got 3000000000"},
        {R"({"AnchoredTubing": 2})", "key \"AnchoredTubing\": expected true or false, got 2"},
        {R"({"UnitType": true})", "key \"UnitType\": expected a whole number, got true"},
        {R"([1, 2])", "a case must be a JSON object, got array"},
        {R"({"Depth": 5000,})",
         "test: parse error at column 16: syntax error while parsing object key - "
         "unexpected '}'; expected string literal"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.json);
        EXPECT_EQ(errorOf(row.json), row.message);
    }
}

TEST(CaseJson, AssignmentsAndRoundTrip) {
    CalculationCase c;
    ApplyCaseAssignment("StrokeRate=6.5", c);
    ApplyCaseAssignment("AnchoredTubing=true", c);
    ApplyCaseAssignment("SteelSizeIndex=3", c);
    EXPECT_EQ(c.Inputs.StrokeRate, 6.5);
    EXPECT_TRUE(c.Inputs.AnchoredTubing);
    EXPECT_EQ(c.Inputs.SteelSizeIndex, 3);
    for (const char* bad : {"StrokeRate", "=5", "Stroke=5", "StrokeRate=fast", "StrokeRate="}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(ApplyCaseAssignment(bad, c), InputError);
    }
    CalculationCase copy;
    ApplyCaseJson(CaseToJson(c), copy);
    EXPECT_EQ(CaseToJson(copy), CaseToJson(c));
    EXPECT_EQ(CaseToJson(copy).size(), 30u);
}

}  // namespace
}  // namespace cli
