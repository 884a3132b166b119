#include "plot/qt/render_targets.h"
#include "report/qt/pdf_report_printer.h"
#include "report/qt/report_image.h"
#include "report/sucker_rod_plots.h"
#include "report/sucker_rod_report_content.h"
#include "report/sucker_rod_report_mgr.h"
#include "sample_design.h"
#include "units/dcl_manager.h"

#include <cstdio>
#include <memory>
#include <string>

#include <QDir>

#include <benchmark/benchmark.h>

namespace {

struct SampleReport {
    SampleReport() {
        plot::ensureGuiApplication();
        units::StartUnitsLibrary("OILFIELD");
        plots.SetResults(report::SampleCalculation().Results);
        report::ApplySuckerRodReportContent(
            mgr, report::MakeSuckerRodReportContent(report::SampleDesign(),
                                                    report::SampleCalculation()));
        mgr.SetPlots(&plots.Cards(), &plots.PumpVelocity(), &plots.Torque());
    }
    report::SuckerRodPlots plots;
    report::CSuckerRodReportMgr mgr;
};

SampleReport& Sample() {
    static SampleReport sample;
    return sample;
}

// The whole of "write the report": lay the page out afresh and print it into a PDF file.
void BM_WriteSuckerRodReportPdf(benchmark::State& state) {
    SampleReport& sample = Sample();
    const std::string path = QDir::tempPath().toStdString() + "/zelk_report_bench.pdf";
    for (auto _ : state) {
        sample.mgr.PrepareAndBuild();
        std::string error;
        if (!report::WriteReportPdf(sample.mgr.GetReport(), path, &error)) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_WriteSuckerRodReportPdf)->Unit(benchmark::kMillisecond);

void BM_RenderSuckerRodReportImage150Dpi(benchmark::State& state) {
    SampleReport& sample = Sample();
    sample.mgr.PrepareAndBuild();
    for (auto _ : state) {
        benchmark::DoNotOptimize(report::RenderReportPage(sample.mgr.GetReport(), 0, 150));
    }
}
BENCHMARK(BM_RenderSuckerRodReportImage150Dpi)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
