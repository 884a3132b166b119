#include "engine/calculation_case.h"
#include "engine/calculation_driver.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include <gtest/gtest.h>

// End-to-end runs of the zelk-cli program as a user starts it.
namespace {

struct CliRun {
    int status;
    std::string out;
};

CliRun runCli(const std::string& arguments) {
    const std::string command = std::string(ZELK_CLI_PATH) + " " + arguments + " 2>&1";
    CliRun run{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        run.out.append(buffer.data(), n);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(ZelkCli, DefaultDesignReport) {
    const CliRun run = runCli("calculate");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Min API Unit Rating"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("320-173-100"), std::string::npos) << run.out;
}

TEST(ZelkCli, JsonMatchesTheEngine) {
    const CliRun run = runCli("calculate --json --set RodType=1");
    ASSERT_EQ(run.status, 0) << run.out;
    const nlohmann::json result = nlohmann::json::parse(run.out);
    ZelkEngine::CalculationCase c;
    c.Inputs.RodType = 1;
    ZelkEngine::Calculate(c);
    EXPECT_EQ(result["FiberglassMaxLoad"].get<double>(), c.Results.FiberglassMaxLoad);
    EXPECT_EQ(result["PolishedRodLoadCurve"].get<std::vector<double>>(),
              c.Results.PolishedRodLoadCurve);
}

TEST(ZelkCli, ExitStatuses) {
    const CliRun engine = runCli("calculate --json --set StrokeRate=30");
    EXPECT_EQ(engine.status, 3);
    EXPECT_EQ(nlohmann::json::parse(engine.out)["error"]["code"], 9);
    const CliRun text = runCli("calculate --set UnitType=4");
    EXPECT_EQ(text.status, 3);
    EXPECT_EQ(text.out, "Invalid unit type specified.\n");
    for (const char* usage : {"", "calculate --frobnicate", "calculate --set", "frobnicate",
                              "calculate --set Nope=1", "calculate --case /no/such/file.json"}) {
        SCOPED_TRACE(usage);
        const CliRun run = runCli(usage);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out.find('\n'), run.out.size() - 1) << run.out;  // one line
    }
    EXPECT_EQ(runCli("calculate --help").status, 0);
}

TEST(ZelkCli, BatchFile) {
    const std::string path = ::testing::TempDir() + "zelk_cli_process.jsonl";
    std::ofstream(path) << "{\"id\": 1}\n{\"id\": 2, \"Depth\": 1}\n{\"id\": 3, \"UnitType\": 1}\n";
    const CliRun run = runCli("calculate --cases " + path);
    std::remove(path.c_str());
    EXPECT_EQ(run.status, 3);
    std::istringstream lines(run.out);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        const nlohmann::json result = nlohmann::json::parse(line);
        EXPECT_EQ(result["id"], ++count);
        EXPECT_EQ(result.contains("error"), count == 2);
    }
    EXPECT_EQ(count, 3);
}

}  // namespace
