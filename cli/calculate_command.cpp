#include "cli/calculate_command.h"

#include "cli/calculate_runner.h"
#include "cli/exit_codes.h"
#include "cli/file_commands.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

namespace cli {

void registerCalculateCommand(CLI::App& app) {
    auto request = std::make_shared<CalculateRequest>();
    CLI::App* command = app.add_subcommand(
        "calculate", "Calculate a design case (the default design unless told otherwise)");
    command->add_option("--case", request->m_casePath,
                        "JSON object of ZelkInputs/ZelkSettings fields; missing keys keep the "
                        "default design's values");
    command->add_option("--set", request->m_assignments,
                        "Override one field, Key=Value (repeatable)");
    auto designPath = std::make_shared<std::string>();
    command->add_option("design", *designPath,
                        "Design file (.zlk, either format) to calculate with the options it "
                        "carries, in place of the default design");
    command->add_flag("--json", request->m_json, "Write the results as one JSON object");
    command->add_option("--cases", request->m_casesPath,
                        "Batch: one JSON case per line, one JSON result line per case");
    command->callback([request, designPath]() {
        std::string error;
        if (!designPath->empty() &&
            !LoadDesignForCalculation(*designPath, request->m_baseCase, error)) {
            std::cerr << "zelk-cli: " << error << '\n';
            throw CLI::RuntimeError(kExitUsage);
        }
        const int status = RunCalculate(*request, std::cout, std::cerr);
        std::cout.flush();
        if (status != kExitSuccess) {
            throw CLI::RuntimeError(status);
        }
    });
}

}  // namespace cli
