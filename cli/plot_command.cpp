#include "cli/plot_command.h"

#include "app/string_table.h"
#include "app/window/calculation_error_text.h"
#include "app/zelk_options.h"
#include "cli/exit_codes.h"
#include "engine/calculation_case.h"
#include "engine/calculation_driver.h"
#include "engine/design_case.h"
#include "engine/zelk_calculator_exception.h"
#include "files/design_file.h"
#include "files/design_units.h"
#include "plot/data_area_curve.h"
#include "plot/dcl_plot.h"
#include "plot/qt/render_targets.h"
#include "plot/standard_plot.h"
#include "units/data_object.h"
#include "units/dcl_manager.h"
#include "units/units_manager.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <ostream>

namespace cli {

namespace {

// String-table texts of the card plot.
constexpr int kCardsTitle = 200;  // "Dynamometer Cards"
constexpr int kRodLoad = 201;     // "Rod Load"
constexpr int kPosition = 202;    // "Position"

constexpr std::uint32_t kSurfaceCardColor = 0xFF0000C0u;
constexpr std::uint32_t kPumpCardColor = 0xFFC00000u;

// Pictures larger than this are refused: they would take minutes and gigabytes to draw.
constexpr int kMaxPictureSide = 10000;
constexpr int kMinPictureSide = 50;

/// "Rod Load (lb)": the label followed by the display unit of the axis's quantity.
std::string LabelWithUnit(int textId, const units::CDataObject& object) {
    const std::string unit = units::CategoryUnitSymbol(object.GetCategory());
    const std::string label = app::loadString(textId);
    return unit.empty() ? label : label + " (" + unit + ")";
}

/// The card plot with its two axis quantities; the data objects outlive the plot.
struct CardPlot {
    units::CDataObject position;
    units::CDataObject load;
    plot::CDCLPlot plot;
};

void BuildCardPlot(CardPlot& cards, const ZelkEngine::ZelkResults& results) {
    cards.position.SetName("m_pDataObjPlotPosition_DCL");
    cards.position.SetDescription("Position DCL Axis");
    cards.position.SetUnits("IN", "SMALL_LENGTH");
    cards.load.SetName("m_pDataObjPlotLoad_DCL");
    cards.load.SetDescription("Rod Load DCL Axis");
    cards.load.SetUnits("LB", "SMALL_WEIGHT");
    plot::BuildStandardPlot(cards.plot, &cards.position, &cards.load);
    plot::AddStandardTextBlocks(cards.plot, app::loadString(kCardsTitle),
                                LabelWithUnit(kPosition, cards.position),
                                LabelWithUnit(kRodLoad, cards.load));
    const int xRow = units::CUnitsManager::CategoryIndexOf("SMALL_LENGTH");
    const int yRow = units::CUnitsManager::CategoryIndexOf("SMALL_WEIGHT");
    if (plot::CDataAreaCurve* surface =
            plot::ReplaceCurve(cards.plot, "SurfaceCard", results.PolishedRodPositionCurve,
                               results.PolishedRodLoadCurve, xRow, yRow)) {
        surface->SetColor(kSurfaceCardColor);
        surface->SetLineWidth(1.5);
    }
    if (plot::CDataAreaCurve* pump = plot::ReplaceCurve(
            cards.plot, "PumpCard", results.PumpPositionCurve, results.PumpLoadCurve, xRow, yRow)) {
        pump->SetColor(kPumpCardColor);
        pump->SetLineWidth(1.5);
    }
}

}  // namespace

int RunPlot(const PlotRequest& request, std::ostream& out, std::ostream& err) {
    static_cast<void>(out);
    if (request.m_cardsPath.empty()) {
        err << "zelk-cli: plot needs --cards OUT.png or OUT.svg\n";
        return kExitUsage;
    }
    if (request.m_width < kMinPictureSide || request.m_width > kMaxPictureSide ||
        request.m_height < kMinPictureSide || request.m_height > kMaxPictureSide) {
        err << "zelk-cli: the picture size must be " << kMinPictureSide << " to " << kMaxPictureSide
            << " pixels each way\n";
        return kExitUsage;
    }
    ZelkEngine::CalculationCase calculation;
    if (!request.m_designPath.empty()) {
        std::string error;
        if (!request.m_loadDesign) {
            err << "zelk-cli: this build of plot draws only the default design\n";
            return kExitUsage;
        }
        if (!request.m_loadDesign(request.m_designPath, calculation, error)) {
            err << "zelk-cli: " << error << '\n';
            return kExitUsage;
        }
    }
    try {
        ZelkEngine::Calculate(calculation);
    } catch (const ZelkEngine::ZelkCalculatorException& e) {
        err << "zelk-cli: "
            << app::calculationErrorText(e.code(), e.message(), e.value1(), e.value2()) << '\n';
        return kExitEngine;
    }
    if (units::UnitsManager() == nullptr) {
        units::StartUnitsLibrary("OILFIELD");
    }
    if (!request.m_designPath.empty()) {
        // The plot shows the display units the design names, as the window does after Open.
        ZelkEngine::DesignCase design;
        app::ZelkOptions options;
        if (files::OpenDesignFile(request.m_designPath, design, options).ok()) {
            files::ApplyDesignDisplayUnits(design, *units::UnitsManager());
        }
    }
    auto cards = std::make_unique<CardPlot>();
    BuildCardPlot(*cards, calculation.Results);
    std::string error;
    const bool written = plot::writeImageFile(
        request.m_cardsPath, request.m_width, request.m_height,
        [&](plot::Graphics& g, const plot::RectF& rect) {
            cards->plot.InvalidateAll();
            cards->plot.Draw(g, rect);
        },
        &error);
    if (!written) {
        err << "zelk-cli: " << error << '\n';
        return kExitUsage;
    }
    return kExitSuccess;
}

void registerPlotCommand(CLI::App& app, DesignLoader loadDesign) {
    auto request = std::make_shared<PlotRequest>();
    request->m_loadDesign = std::move(loadDesign);
    CLI::App* command = app.add_subcommand(
        "plot", "Calculate a design (the default design without a file) and draw its plots");
    command->add_option("design", request->m_designPath,
                        "Design file (.zlk, keyed text or an older binary design)");
    command
        ->add_option("--cards", request->m_cardsPath,
                     "Write the dynamometer card plot (surface and pump card) to OUT.png or "
                     "OUT.svg")
        ->required();
    command->add_option("--width", request->m_width, "Picture width in pixels (default 800)");
    command->add_option("--height", request->m_height, "Picture height in pixels (default 600)");
    command->callback([request]() {
        const int status = RunPlot(*request, std::cout, std::cerr);
        std::cout.flush();
        if (status != kExitSuccess) {
            throw CLI::RuntimeError(status);
        }
    });
}

}  // namespace cli
