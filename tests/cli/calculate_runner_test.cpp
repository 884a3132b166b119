#include "cli/calculate_runner.h"

#include "cli/exit_codes.h"
#include "engine/calculation_driver.h"

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace cli {
namespace {

class CalculateRunner : public ::testing::Test {
protected:
    std::string writeFile(const std::string& name, const std::string& text) {
        const std::string path = ::testing::TempDir() + "zelk_cli_" + name;
        std::ofstream(path, std::ios::binary) << text;
        m_files.push_back(path);
        return path;
    }
    void TearDown() override {
        for (const std::string& path : m_files) {
            std::remove(path.c_str());
        }
    }
    int run(const CalculateRequest& request) {
        m_out.str("");
        m_err.str("");
        return RunCalculate(request, m_out, m_err);
    }
    std::vector<nlohmann::json> outLines() const {
        std::vector<nlohmann::json> lines;
        std::istringstream text(m_out.str());
        std::string line;
        while (std::getline(text, line)) {
            lines.push_back(nlohmann::json::parse(line));
        }
        return lines;
    }

    std::ostringstream m_out;
    std::ostringstream m_err;
    std::vector<std::string> m_files;
};

TEST_F(CalculateRunner, CaseFileThenAssignmentsThenJson) {
    CalculateRequest request;
    request.m_casePath = writeFile("case.json", R"({"StrokeRate": 6.0, "UnitType": 2})");
    request.m_assignments = {"StrokeRate=7.0"};
    request.m_json = true;
    EXPECT_EQ(run(request), kExitSuccess);
    EXPECT_EQ(m_err.str(), "");
    const std::vector<nlohmann::json> lines = outLines();
    ASSERT_EQ(lines.size(), 1u);
    ZelkEngine::CalculationCase expected;
    expected.Inputs.StrokeRate = 7.0;
    expected.Inputs.UnitType = 2;
    ZelkEngine::Calculate(expected);
    EXPECT_EQ(lines[0]["PPRL"].get<double>(), expected.Results.PPRL);
    EXPECT_EQ(lines[0]["StrokeRate"].get<double>(), 7.0);
}

TEST_F(CalculateRunner, EngineErrorIsExitThreeWithMessage) {
    CalculateRequest request;
    request.m_assignments = {"Depth=50"};
    EXPECT_EQ(run(request), kExitEngine);
    EXPECT_EQ(m_out.str(), "Pump Depth must be between 100 and 20,000 ft.\n");
    request.m_json = true;
    EXPECT_EQ(run(request), kExitEngine);
    ASSERT_EQ(outLines().size(), 1u);
    EXPECT_EQ(outLines()[0]["error"]["code"], 1);
    EXPECT_EQ(outLines()[0]["error"]["message"], "Pump Depth must be between 100 and 20,000 ft.");
}

TEST_F(CalculateRunner, BatchKeepsOrderEchoesIdsAndGoesOnAfterAFailure) {
    CalculateRequest request;
    request.m_casePath = writeFile("base.json", R"({"UnitType": 3})");
    request.m_casesPath = writeFile("batch.jsonl",
                                    "{\"id\": \"slow\", \"StrokeRate\": 6}\n"
                                    "\n"
                                    "{\"id\": 2, \"StrokeRate\": 30}\r\n"
                                    "{\"CalcSPMFromTargetRate\": true}\n");
    request.m_assignments = {"NTimeSteps=120"};
    EXPECT_EQ(run(request), kExitEngine);
    const std::vector<nlohmann::json> lines = outLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0]["id"], "slow");
    EXPECT_EQ(lines[0]["PumpLoadCurve"].size(), 121u);      // --set applies to every line
    EXPECT_GT(lines[0]["AirPressure"].get<double>(), 0.0);  // the base case's unit type
    EXPECT_EQ(lines[1]["id"], 2);
    EXPECT_EQ(lines[1]["error"]["code"], 9);
    EXPECT_FALSE(lines[2].contains("id"));
    EXPECT_NEAR(lines[2]["ProductionRate"].get<double>(), 171.0, 0.5);
}

TEST_F(CalculateRunner, BatchOfGoodCasesSucceeds) {
    CalculateRequest request;
    request.m_casesPath = writeFile("ok.jsonl", "{}\n{\"RodType\": 1}\n");
    EXPECT_EQ(run(request), kExitSuccess);
    EXPECT_EQ(outLines().size(), 2u);
}

TEST_F(CalculateRunner, MalformedInputIsExitTwoBeforeAnyResult) {
    struct Row {
        const char* name;
        const char* batch;  // batch file text, or nullptr for a --case file
        const char* text;
        const char* message;  // tail of the error line
    };
    const Row rows[] = {
        {"bad_line", "x", "{}\n{\"Depth\": 5000\n",
         ":2: parse error at column 15: syntax error while parsing object"},
        {"bad_key", "x", "{}\n{\"Pressure\": 1}\n", ":2: unknown key \"Pressure\""},
        {"bad_case", nullptr, "{\"Depth\": []}", ": key \"Depth\": expected a number, got []"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CalculateRequest request;
        const std::string path = writeFile(row.name, row.text);
        (row.batch != nullptr ? request.m_casesPath : request.m_casePath) = path;
        EXPECT_EQ(run(request), kExitUsage);
        EXPECT_EQ(m_out.str(), "");
        const std::string err = m_err.str();
        EXPECT_EQ(err.rfind("zelk-cli calculate: " + path, 0), 0u) << err;
        EXPECT_NE(err.find(row.message), std::string::npos) << err;
        EXPECT_EQ(err.find('\n'), err.size() - 1) << "one line";
    }
    CalculateRequest missing;
    missing.m_casesPath = ::testing::TempDir() + "zelk_cli_does_not_exist.jsonl";
    EXPECT_EQ(run(missing), kExitUsage);
    EXPECT_NE(m_err.str().find("cannot read"), std::string::npos);
}

}  // namespace
}  // namespace cli
