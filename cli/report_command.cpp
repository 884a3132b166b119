#include "cli/report_command.h"

#include "app/case_builder.h"
#include "app/window/calculation_error_text.h"
#include "app/zelk_options.h"
#include "calculators/design_links.h"
#include "cli/exit_codes.h"
#include "engine/calculation_driver.h"
#include "engine/design_case.h"
#include "engine/zelk_calculator_exception.h"
#include "files/design_file.h"
#include "files/design_units.h"
#include "plot/qt/render_targets.h"
#include "report/qt/pdf_report_printer.h"
#include "report/qt/report_image.h"
#include "report/sucker_rod_plots.h"
#include "report/sucker_rod_report_content.h"
#include "report/sucker_rod_report_mgr.h"
#include "units/dcl_manager.h"
#include "units/units_manager.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <ostream>

namespace cli {

namespace {

std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

// Opens a design as File > Open does in a fresh window: built-in options stand for the stored
// ones, the file's display units become the current ones (so the report shows its values as the
// window would), its numbers are turned into internal units, and the calculator links it carries
// are applied.
bool OpenDesign(const std::string& path, ZelkEngine::DesignCase& design, app::ZelkOptions& options,
                std::string& error) {
    const app::ZelkOptions stored;
    ZelkEngine::DesignCase opened = app::WithOptionDefaults(ZelkEngine::DesignCase(), stored);
    options = stored;
    const files::OpenResult result = files::OpenDesignFile(path, opened, options);
    if (!result.ok()) {
        error = result.message;
        return false;
    }
    units::CUnitsManager& catalogue = *units::UnitsManager();
    if (result.format == files::DesignFormat::KeyedText) {
        opened = files::DesignInInternalUnits(opened, catalogue);
        files::ApplyDesignDisplayUnits(opened, catalogue);
    }
    design = app::WithOptionDefaults(opened, options);
    if (design.m_useFluidSpGravCalculator) {
        design.m_fluidSpecificGravity = calc::FluidSpecificGravityFromDesign(design);
    }
    const calc::SinkerBarUpdate update = calc::ComputeSinkerBarUpdate(design, calc::DisplayUnit());
    if (update.m_sinkerBarWeight) {
        design.m_sinkerBarWeight = *update.m_sinkerBarWeight;
    }
    return true;
}

}  // namespace

int RunReport(const ReportRequest& request, std::ostream& out, std::ostream& err) {
    if (request.m_pdfPath.empty() && request.m_pngPath.empty()) {
        err << "report: name an output with --pdf OUT.pdf or --png OUT.png\n";
        return kExitUsage;
    }
    // Fonts need a GUI application; without a display it runs on the offscreen platform.
    plot::ensureGuiApplication();
    units::StartUnitsLibrary("OILFIELD");

    ZelkEngine::DesignCase design;
    app::ZelkOptions options;
    if (request.m_designFile.empty()) {
        design = app::WithOptionDefaults(ZelkEngine::DesignCase(), options);
    } else {
        std::string error;
        if (!OpenDesign(request.m_designFile, design, options, error)) {
            err << "report: " << OneLine(error) << "\n";
            return kExitUsage;
        }
    }

    ZelkEngine::CalculationCase calculation =
        app::BuildCalculationCase(design, options.RoundedForRun());
    try {
        ZelkEngine::Calculate(calculation);
    } catch (const ZelkEngine::ZelkCalculatorException& e) {
        err << "report: "
            << OneLine(app::calculationErrorText(e.code(), e.what(), e.value1(), e.value2()))
            << "\n";
        return kExitEngine;
    }

    report::SuckerRodPlots plots;
    plots.SetResults(calculation.Results);
    report::CSuckerRodReportMgr mgr;
    report::ApplySuckerRodReportContent(mgr,
                                        report::MakeSuckerRodReportContent(design, calculation));
    mgr.SetPlots(&plots.Cards(), &plots.PumpVelocity(), &plots.Torque());
    mgr.PrepareAndBuild();

    std::string error;
    if (!request.m_pdfPath.empty()) {
        if (!report::WriteReportPdf(mgr.GetReport(), request.m_pdfPath, &error)) {
            err << "report: " << error << "\n";
            return kExitUsage;
        }
        out << "Wrote " << request.m_pdfPath << "\n";
    }
    if (!request.m_pngPath.empty()) {
        if (!report::WriteReportPng(mgr.GetReport(), request.m_pngPath, request.m_dpi, 0, &error)) {
            err << "report: " << error << "\n";
            return kExitUsage;
        }
        out << "Wrote " << request.m_pngPath << "\n";
    }
    return kExitSuccess;
}

void registerReportCommand(CLI::App& app) {
    auto request = std::make_shared<ReportRequest>();
    CLI::App* command = app.add_subcommand(
        "report",
        "Calculate a design (the default design unless a file is named) and write the "
        "sucker rod report");
    command->add_option("design", request->m_designFile, "Design file (.zlk) to calculate");
    command->add_option("--pdf", request->m_pdfPath, "Write the report as a one-page PDF");
    command->add_option("--png", request->m_pngPath, "Write a picture of the report page");
    command->add_option("--dpi", request->m_dpi, "Resolution of the picture, pixels per inch")
        ->check(CLI::Range(30, 600));
    command->callback([request]() {
        const int status = RunReport(*request, std::cout, std::cerr);
        std::cout.flush();
        if (status != kExitSuccess) {
            throw CLI::RuntimeError(status);
        }
    });
}

}  // namespace cli
