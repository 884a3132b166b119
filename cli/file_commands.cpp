#include "cli/file_commands.h"

#include "app/case_builder.h"
#include "app/zelk_options.h"
#include "calculators/design_links.h"
#include "cli/exit_codes.h"
#include "engine/calculation_driver.h"
#include "engine/design_case.h"
#include "engine/zelk_calculator_exception.h"
#include "files/card_comparison.h"
#include "files/design_file.h"
#include "files/design_units.h"
#include "files/dyn_file_reader.h"
#include "units/units_manager.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

namespace cli {
namespace {

std::unique_ptr<units::CUnitsManager> oilfieldCatalogue() {
    auto catalogue = std::make_unique<units::CUnitsManager>();
    catalogue->Build();
    catalogue->ApplyCategoryTable(units::kModeOilfield);
    return catalogue;
}

struct LoadedDesign {
    ZelkEngine::DesignCase design;  // internal units
    app::ZelkOptions options;
};

// Opens a design as File > Open does in a fresh window: the built-in options stand for the
// stored ones (the command line keeps no preferences), the new design's settings take their
// defaults, and a keyed-text file's numbers are turned from its display units into internal ones.
bool openDesign(const std::string& path, const units::CUnitsManager& catalogue,
                LoadedDesign& loaded, std::string& error) {
    const app::ZelkOptions stored;
    ZelkEngine::DesignCase design = app::WithOptionDefaults(ZelkEngine::DesignCase(), stored);
    app::ZelkOptions options = stored;
    const files::OpenResult result = files::OpenDesignFile(path, design, options);
    if (!result.ok()) {
        error = result.message;
        return false;
    }
    if (result.format == files::DesignFormat::KeyedText) {
        design = files::DesignInInternalUnits(design, catalogue);
    }
    loaded.design = app::WithOptionDefaults(design, options);
    loaded.options = options;
    return true;
}

// The calculator links that opening a design applies before its first calculation.
void applyCalculatorLinks(ZelkEngine::DesignCase& design) {
    if (design.m_useFluidSpGravCalculator) {
        design.m_fluidSpecificGravity = calc::FluidSpecificGravityFromDesign(design);
    }
    const calc::SinkerBarUpdate update = calc::ComputeSinkerBarUpdate(design, calc::DisplayUnit());
    if (update.m_sinkerBarWeight) {
        design.m_sinkerBarWeight = *update.m_sinkerBarWeight;
    }
}

std::string oneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

// A JSON number, or null for a value that is not one.
nlohmann::json number(double value) {
    return std::isfinite(value) ? nlohmann::json(value) : nlohmann::json(nullptr);
}

std::string fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

}  // namespace

bool LoadDesignForCalculation(const std::string& path, ZelkEngine::CalculationCase& calculation,
                              std::string& error) {
    const auto catalogue = oilfieldCatalogue();
    LoadedDesign loaded;
    if (!openDesign(path, *catalogue, loaded, error)) {
        return false;
    }
    applyCalculatorLinks(loaded.design);
    calculation = app::BuildCalculationCase(loaded.design, loaded.options.RoundedForRun());
    return true;
}

void registerFileCommands(CLI::App& app) {
    struct Request {
        std::string input;
        std::string output;
        std::string card;
        bool json = false;
    };
    const auto fail = [](int status) {
        std::cout.flush();
        if (status != kExitSuccess) {
            throw CLI::RuntimeError(status);
        }
    };

    auto convert = std::make_shared<Request>();
    CLI::App* convertCommand = app.add_subcommand(
        "convert", "Read a design file of either format and write it as a keyed-text design");
    convertCommand->add_option("input", convert->input, "Design file to read")->required();
    convertCommand->add_option("output", convert->output, "Keyed-text design file to write")
        ->required();
    convertCommand->callback([convert, fail]() {
        fail(RunConvert(convert->input, convert->output, std::cout, std::cerr));
    });

    auto compare = std::make_shared<Request>();
    CLI::App* compareCommand = app.add_subcommand(
        "compare", "Calculate a design and compare its surface card with a measured card file");
    compareCommand->add_option("design", compare->input, "Design file")->required();
    compareCommand->add_option("card", compare->card, "Dynamometer card file (.dyn or .txt)")
        ->required();
    compareCommand->add_flag("--json", compare->json, "Write the comparison as one JSON object");
    compareCommand->callback([compare, fail]() {
        fail(RunCompare(compare->input, compare->card, compare->json, std::cout, std::cerr));
    });
}

int RunConvert(const std::string& input, const std::string& output, std::ostream& out,
               std::ostream& err) {
    auto catalogue = oilfieldCatalogue();
    LoadedDesign loaded;
    std::string error;
    if (!openDesign(input, *catalogue, loaded, error)) {
        err << "zelk-cli: " << oneLine(error) << '\n';
        return kExitUsage;
    }
    // Keep the units the input shows its values in; an older binary design names none that
    // the catalogue knows, so it is written in oilfield units.
    files::ApplyDesignDisplayUnits(loaded.design, *catalogue);
    const files::SaveResult saved = files::SaveDesignFile(
        output, files::DesignInDisplayUnits(loaded.design, *catalogue), loaded.options);
    if (!saved.ok) {
        err << "zelk-cli: " << oneLine(saved.message) << '\n';
        return kExitUsage;
    }
    out << "wrote " << output << '\n';
    return kExitSuccess;
}

int RunCompare(const std::string& design, const std::string& cardPath, bool json, std::ostream& out,
               std::ostream& err) {
    ZelkEngine::CalculationCase calculation;
    std::string error;
    if (!LoadDesignForCalculation(design, calculation, error)) {
        err << "zelk-cli: " << oneLine(error) << '\n';
        return kExitUsage;
    }
    const std::optional<files::DynFile> card = files::readDynFile(cardPath, &error);
    if (!card) {
        err << "zelk-cli: " << oneLine(error) << '\n';
        return kExitUsage;
    }
    if (card->card.positions.empty()) {
        err << "zelk-cli: " << cardPath << " holds no card points\n";
        return kExitUsage;
    }
    const double strokeLength = calculation.Inputs.StrokeLength;
    try {
        ZelkEngine::Calculate(calculation);
    } catch (const ZelkEngine::ZelkCalculatorException& e) {
        if (json) {
            out << nlohmann::json{{"error", {{"code", e.code()}, {"message", e.message()}}}}.dump()
                << '\n';
        } else {
            err << "zelk-cli: " << oneLine(e.what()) << '\n';
        }
        return kExitEngine;
    }
    const files::CardComparison comparison =
        files::CompareCards(files::PredictedCard(calculation, strokeLength), card->card);

    static const char* const kNames[] = {"PeakLoad", "MinimumLoad", "StrokeLength",
                                         "PolishedRodPower"};
    static const char* const kLabels[] = {"Peak Load", "Minimum Load", "Stroke Length",
                                          "Polished Rod Power"};
    static const char* const kUnits[] = {"lb", "lb", "in", "HP"};
    if (json) {
        nlohmann::json result = nlohmann::json::object();
        for (int q = 0; q < 4; ++q) {
            const files::ComparedValue& v = comparison.values[static_cast<std::size_t>(q)];
            result[kNames[q]] = {{"predicted", number(v.predicted)},
                                 {"imported", number(v.imported)},
                                 {"difference", number(v.difference)},
                                 {"percentDifference", number(v.percentDifference)}};
        }
        result["ZelkTVLoad"] = number(comparison.predictedTvLoad);
        result["ZelkSVLoad"] = number(comparison.predictedSvLoad);
        result["ImportedTVLoad"] = number(comparison.importedTvLoad);
        result["ImportedSVLoad"] = number(comparison.importedSvLoad);
        out << result.dump() << '\n';
        return kExitSuccess;
    }
    char line[160];
    std::snprintf(line, sizeof line, "%-24s %12s %12s %12s %13s\n", "", "Zelk", "Dyn File",
                  "Difference", "% Difference");
    out << line;
    for (int q = 0; q < 4; ++q) {
        const files::ComparedValue& v = comparison.values[static_cast<std::size_t>(q)];
        const int decimals = q == 3 ? 3 : 1;
        const std::string label = std::string(kLabels[q]) + " (" + kUnits[q] + ")";
        std::snprintf(line, sizeof line, "%-24s %12s %12s %12s %12s%%\n", label.c_str(),
                      fixed(v.predicted, decimals).c_str(), fixed(v.imported, decimals).c_str(),
                      fixed(v.difference, decimals).c_str(), fixed(v.percentDifference, 1).c_str());
        out << line;
    }
    std::snprintf(line, sizeof line, "%-24s %12s %12s\n", "TV Load (lb)",
                  fixed(comparison.predictedTvLoad, 1).c_str(),
                  fixed(comparison.importedTvLoad, 1).c_str());
    out << line;
    std::snprintf(line, sizeof line, "%-24s %12s %12s\n", "SV Load (lb)",
                  fixed(comparison.predictedSvLoad, 1).c_str(),
                  fixed(comparison.importedSvLoad, 1).c_str());
    out << line;
    return kExitSuccess;
}

}  // namespace cli
