#include "cli/file_commands.h"

#include "app/case_builder.h"
#include "app/zelk_options.h"
#include "calculators/design_links.h"
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
#include <nlohmann/json.hpp>
#include <ostream>

namespace cli {
namespace {

// Exit statuses shared with the rest of the program.
constexpr int kDone = 0;
constexpr int kBadInput = 2;
constexpr int kEngineRefused = 3;

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

FileCommands::FileCommands(CLI::App& program, CLI::App& calculateCommand) {
    calculateCommand.add_option("design", m_designFile,
                                "Design file (.zlk, keyed text or an older binary design) to "
                                "calculate with the options it carries");

    m_convert = program.add_subcommand(
        "convert", "Read a design file of either format and write it as a keyed-text design");
    m_convert->add_option("input", m_convertInput, "Design file to read")->required();
    m_convert->add_option("output", m_convertOutput, "Keyed-text design file to write")->required();

    m_compare = program.add_subcommand(
        "compare", "Calculate a design and compare its surface card with a measured card file");
    m_compare->add_option("design", m_compareDesign, "Design file")->required();
    m_compare->add_option("card", m_compareCard, "Dynamometer card file (.dyn or .txt)")
        ->required();
    m_compare->add_flag("--json", m_compareJson, "Print the comparison as one JSON object");
}

bool FileCommands::LoadDesign(ZelkEngine::CalculationCase& calculation, std::string& error) const {
    return LoadDesignForCalculation(m_designFile, calculation, error);
}

std::optional<int> FileCommands::Run(std::ostream& out, std::ostream& err) const {
    if (m_convert->parsed()) {
        return Convert(out, err);
    }
    if (m_compare->parsed()) {
        return Compare(out, err);
    }
    return std::nullopt;
}

int FileCommands::Convert(std::ostream& out, std::ostream& err) const {
    auto catalogue = oilfieldCatalogue();
    LoadedDesign loaded;
    std::string error;
    if (!openDesign(m_convertInput, *catalogue, loaded, error)) {
        err << "zelk-cli: " << oneLine(error) << '\n';
        return kBadInput;
    }
    // Keep the units the input shows its values in; an older binary design names none that
    // the catalogue knows, so it is written in oilfield units.
    files::ApplyDesignDisplayUnits(loaded.design, *catalogue);
    const files::SaveResult saved = files::SaveDesignFile(
        m_convertOutput, files::DesignInDisplayUnits(loaded.design, *catalogue), loaded.options);
    if (!saved.ok) {
        err << "zelk-cli: " << oneLine(saved.message) << '\n';
        return kBadInput;
    }
    out << "wrote " << m_convertOutput << '\n';
    return kDone;
}

int FileCommands::Compare(std::ostream& out, std::ostream& err) const {
    ZelkEngine::CalculationCase calculation;
    std::string error;
    if (!LoadDesignForCalculation(m_compareDesign, calculation, error)) {
        err << "zelk-cli: " << oneLine(error) << '\n';
        return kBadInput;
    }
    const std::optional<files::DynFile> card = files::readDynFile(m_compareCard, &error);
    if (!card) {
        err << "zelk-cli: " << oneLine(error) << '\n';
        return kBadInput;
    }
    if (card->card.positions.empty()) {
        err << "zelk-cli: " << m_compareCard << " holds no card points\n";
        return kBadInput;
    }
    const double strokeLength = calculation.Inputs.StrokeLength;
    try {
        ZelkEngine::Calculate(calculation);
    } catch (const ZelkEngine::ZelkCalculatorException& e) {
        if (m_compareJson) {
            out << nlohmann::json{{"error", {{"code", e.code()}, {"message", e.message()}}}}.dump()
                << '\n';
        } else {
            err << "zelk-cli: " << oneLine(e.what()) << '\n';
        }
        return kEngineRefused;
    }
    const files::CardComparison comparison =
        files::CompareCards(files::PredictedCard(calculation, strokeLength), card->card);

    static const char* const kNames[] = {"PeakLoad", "MinimumLoad", "StrokeLength",
                                         "PolishedRodPower"};
    static const char* const kLabels[] = {"Peak Load", "Minimum Load", "Stroke Length",
                                          "Polished Rod Power"};
    static const char* const kUnits[] = {"lb", "lb", "in", "HP"};
    if (m_compareJson) {
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
        return kDone;
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
    return kDone;
}

}  // namespace cli
