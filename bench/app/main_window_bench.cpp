// Start-up to a painted main window, Calculate to painted results, and a display-unit change
// repainting every bound control and plot. Run offscreen: QT_QPA_PLATFORM=offscreen app_bench.
#include "app/qt/design_input_panel.h"
#include "app/qt/message_service.h"
#include "app/qt/zelk_app.h"
#include "app/qt/zelk_dlg.h"
#include "units/preferences_store.h"
#include "units/qt/ex_combo.h"
#include "units/qt/units_ctrl.h"

#include <algorithm>
#include <clocale>
#include <memory>

#include <QApplication>
#include <QImage>
#include <QMenu>

#include <benchmark/benchmark.h>

namespace {

// Paints the whole window into an image, as the screen would.
void paint(QWidget& window) {
    QImage image(window.size(), QImage::Format_ARGB32);
    window.render(&image);
    benchmark::DoNotOptimize(image.bits());
}

void BM_StartUpToPaintedWindow(benchmark::State& state) {
    for (auto _ : state) {
        units::MemoryPreferencesStore store;
        app::CZelkApp zelk(store);
        app::CZelkDlg window(zelk);
        window.show();
        paint(window);
    }
}
BENCHMARK(BM_StartUpToPaintedWindow)->Unit(benchmark::kMillisecond);

void BM_CalculateToPaintedResults(benchmark::State& state) {
    units::MemoryPreferencesStore store;
    app::CZelkApp zelk(store);
    app::CZelkDlg window(zelk);
    window.show();
    for (auto _ : state) {
        window.calculate();
        paint(window);
    }
}
BENCHMARK(BM_CalculateToPaintedResults)->Unit(benchmark::kMillisecond);

void BM_UnitChangeRepaint(benchmark::State& state) {
    units::MemoryPreferencesStore store;
    app::CZelkApp zelk(store);
    app::CZelkDlg window(zelk);
    window.show();
    window.calculate();
    units::CUnitsCtrl* depthUnit = window.inputs()->unitControlFor(window.inputs()->pumpDepth);
    const std::vector<std::string> keys = depthUnit->MenuKeys();
    const int feet = static_cast<int>(std::find(keys.begin(), keys.end(), "FT") - keys.begin());
    const int metres = static_cast<int>(std::find(keys.begin(), keys.end(), "M") - keys.begin());
    bool isMetric = false;
    for (auto _ : state) {
        std::unique_ptr<QMenu> menu(depthUnit->BuildMenu(nullptr));
        depthUnit->ChooseMenuItem((isMetric ? feet : metres) + 1);
        isMetric = !isMetric;
        paint(window);
    }
}
BENCHMARK(BM_UnitChangeRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    app::initResources();
    app::MessageService::startRecording();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
