#include "cli/plot_command.h"

#include "app/window/calculation_error_text.h"
#include "app/zelk_options.h"
#include "cli/exit_codes.h"
#include "engine/calculation_case.h"
#include "engine/calculation_driver.h"
#include "engine/design_case.h"
#include "engine/zelk_calculator_exception.h"
#include "files/design_file.h"
#include "files/design_units.h"
#include "plot/qt/render_targets.h"
#include "report/sucker_rod_plots.h"
#include "units/dcl_manager.h"
#include "units/units_manager.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <ostream>

namespace cli {

namespace {

// Pictures larger than this are refused: they would take minutes and gigabytes to draw.
constexpr int kMaxPictureSide = 10000;
constexpr int kMinPictureSide = 50;

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
    // The same card plot as the main window's and the report's, axes in the display units.
    auto plots = std::make_unique<report::SuckerRodPlots>();
    plots->SetResults(calculation.Results);
    plot::CPlot& cards = plots->Cards();
    std::string error;
    const bool written = plot::writeImageFile(
        request.m_cardsPath, request.m_width, request.m_height,
        [&](plot::Graphics& g, const plot::RectF& rect) {
            cards.InvalidateAll();
            cards.Draw(g, rect);
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
