#include "cli/result_json.h"

#include "cli/results_report.h"
#include "engine/calculation_case.h"
#include "engine/calculation_driver.h"

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace cli {
namespace {

using ZelkEngine::CalculationCase;

TEST(JsonNumber, SeventeenSignificantDigitsAndNullForNonNumbers) {
    EXPECT_EQ(JsonNumber(0.1), "0.10000000000000001");
    EXPECT_EQ(JsonNumber(8.3), "8.3000000000000007");
    EXPECT_EQ(JsonNumber(320.0), "320");
    EXPECT_EQ(JsonNumber(-1.5e-7), "-1.4999999999999999e-07");
    EXPECT_EQ(JsonNumber(std::numeric_limits<double>::quiet_NaN()), "null");
    EXPECT_EQ(JsonNumber(-std::numeric_limits<double>::infinity()), "null");
    for (double v : {1.0 / 3.0, 14952.30256018818, 1e300, -2.5e-300}) {
        EXPECT_EQ(std::stod(JsonNumber(v)), v);
    }
}

TEST(ResultJson, AllKeysInOrderWithTheCaseAfterCalculation) {
    CalculationCase c;
    c.Inputs.CalcSPMFromTargetRate = true;
    ZelkEngine::Calculate(c);
    const std::string line = ResultJsonLine(c, "w1");
    EXPECT_EQ(line.find('\n'), std::string::npos);
    const nlohmann::json parsed = nlohmann::json::parse(line);
    const std::vector<std::string> keys = {"id",
                                           "StaticStretch",
                                           "Overtravel",
                                           "TaperPercentages",
                                           "PumpDisplacement",
                                           "ProductionRate",
                                           "PPRL",
                                           "MPRL",
                                           "TopRodLoading",
                                           "PeakTorque",
                                           "MotorSize",
                                           "FluidLevelAbovePump",
                                           "MinGearboxRating",
                                           "MinStructureRating",
                                           "PumpStroke",
                                           "FluidLoad",
                                           "TubingSpringConstant",
                                           "BuoyantRodWeight",
                                           "FiberglassMaxLoad",
                                           "FiberglassMinLoad",
                                           "FiberglassMaxStress",
                                           "FiberglassMinStress",
                                           "FiberglassLoading",
                                           "CounterbalanceMoment",
                                           "CounterbalanceEffect",
                                           "AirPressure",
                                           "PolishedRodPower",
                                           "RodSpringConstant",
                                           "FoOverSKr",
                                           "SpOverS",
                                           "WrfPlusFo",
                                           "PolishedRodLoadCurve",
                                           "PolishedRodPositionCurve",
                                           "PumpLoadCurve",
                                           "PumpPositionCurve",
                                           "PumpVelocityCurve",
                                           "CrankAngleCurve",
                                           "NetTorqueCurve",
                                           "StrokeRate",
                                           "PumpInletPressure"};
    EXPECT_EQ(parsed.size(), keys.size());
    std::size_t position = 0;
    for (const std::string& key : keys) {
        SCOPED_TRACE(key);
        ASSERT_TRUE(parsed.contains(key));
        const std::size_t at = line.find("\"" + key + "\":");
        EXPECT_GE(at, position);
        position = at;
    }
    // Values come back bit for bit.
    EXPECT_EQ(parsed["id"], "w1");
    EXPECT_EQ(parsed["PPRL"].get<double>(), c.Results.PPRL);
    EXPECT_EQ(parsed["StrokeRate"].get<double>(), c.Inputs.StrokeRate);
    EXPECT_EQ(parsed["NetTorqueCurve"].get<std::vector<double>>(), c.Results.NetTorqueCurve);
    EXPECT_EQ(parsed["TaperPercentages"].get<std::vector<double>>(), c.Results.TaperPercentages);
    EXPECT_EQ(parsed["PumpVelocityCurve"].size(), 301u);
}

TEST(ResultJson, NotANumberIsNullAndErrorsCarryCodeAndMessage) {
    CalculationCase c;
    c.Results.FiberglassLoading = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(nlohmann::json::parse(ResultJsonLine(c))["FiberglassLoading"].is_null());
    EXPECT_FALSE(nlohmann::json::parse(ResultJsonLine(c)).contains("id"));
    EXPECT_EQ(ErrorJsonLine(9, "Say \"no\"."), R"({"error":{"code":9,"message":"Say \"no\"."}})");
    EXPECT_EQ(ErrorJsonLine(1, "x", 7), R"({"id":7,"error":{"code":1,"message":"x"}})");
}

TEST(ResultsReport, LinesFollowUnitTypeAndRodType) {
    CalculationCase steel;
    ZelkEngine::Calculate(steel);
    const std::string text = ResultsReport(steel);
    for (const char* expected :
         {"Rate (100% pump volumetric eff.)", "182.5 bbl/day", "Rate (95% pump volumetric eff.)",
          "173.4 bbl/day", "34.0%, 66.0%", "Min API Unit Rating", "320-173-100",
          "Min NEMA D Motor Size", " hp", "PPRL", "14952 lb", "Kt", "Counter Balance Effect"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
    EXPECT_EQ(text.find("Accumulator Pressure"), std::string::npos);
    EXPECT_EQ(text.find("Fiberglass"), std::string::npos);

    CalculationCase air;
    air.Inputs.UnitType = 3;
    air.Inputs.RodType = 1;
    ZelkEngine::Calculate(air);
    air.Results.FiberglassLoading = std::numeric_limits<double>::quiet_NaN();
    air.Results.PumpDisplacement = 9.876;
    const std::string airText = ResultsReport(air);
    EXPECT_NE(airText.find("Accumulator Pressure"), std::string::npos);
    EXPECT_NE(airText.find("Max Fiberglass Stress"), std::string::npos);
    EXPECT_NE(airText.find("0/0 %"), std::string::npos);
    EXPECT_NE(airText.find("9.88 bbl/day"), std::string::npos);  // two decimals below 10
}

TEST(ResultsReport, WarningsForNegativeRateAndFiberglassLoad) {
    CalculationCase c;
    c.Inputs.RodType = 1;
    c.Results.PumpDisplacement = -3.0;
    c.Results.FiberglassMinLoad = -10.0;
    c.Results.TaperPercentages = {40.0, 60.0};
    const std::string text = ResultsReport(c);
    EXPECT_NE(text.find("Pump rate is negative. Pump is not moving fluid."), std::string::npos);
    EXPECT_NE(text.find("Fiberglass load is negative. The rod string will likely fail."),
              std::string::npos);
}

}  // namespace
}  // namespace cli
