// Speed of the design file and dynamometer card readers and writer. Targets: opening and
// saving a design that holds 200 tubing anchor depths under 1 ms each, reading a 10,000-point
// card under 5 ms.
#include "app/zelk_options.h"
#include "engine/design_case.h"
#include "files/design_file.h"
#include "files/dyn_file_reader.h"

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include <benchmark/benchmark.h>

namespace {

namespace fs = std::filesystem;

ZelkEngine::DesignCase designWithAnchorDepths() {
    ZelkEngine::DesignCase design;
    design.m_title = "Benchmark well with two hundred tubing anchor depths";
    // The calculator's fixed inputs, then its depth list.
    for (int i = 0; i < 31; ++i) {
        design.m_tubingAnchorCatcherState.push_back(10.0 + i);
    }
    for (int i = 0; i < 200; ++i) {
        design.m_tubingAnchorCatcherState.push_back(100.0 + 25.0 * i);
    }
    return design;
}

fs::path scratchPath(const char* name) {
    return fs::temp_directory_path() /
           (std::string("zelk-bench-") + std::to_string(::getpid()) + "-" + name);
}

void BM_SaveDesign(benchmark::State& state) {
    const ZelkEngine::DesignCase design = designWithAnchorDepths();
    const app::ZelkOptions options;
    const std::string path = scratchPath("save.zlk").string();
    for (auto _ : state) {
        const files::SaveResult result = files::SaveDesignFile(path, design, options);
        if (!result.ok) {
            state.SkipWithError(result.message.c_str());
            break;
        }
    }
    fs::remove(path);
}
BENCHMARK(BM_SaveDesign)->Unit(benchmark::kMicrosecond);

void BM_OpenDesign(benchmark::State& state) {
    const std::string path = scratchPath("open.zlk").string();
    files::SaveDesignFile(path, designWithAnchorDepths(), app::ZelkOptions());
    for (auto _ : state) {
        ZelkEngine::DesignCase design;
        app::ZelkOptions options;
        const files::OpenResult result = files::OpenDesignFile(path, design, options);
        if (!result.ok() || design.m_tubingAnchorCatcherState.size() != 231) {
            state.SkipWithError("the design did not read back");
            break;
        }
        benchmark::DoNotOptimize(design);
    }
    fs::remove(path);
}
BENCHMARK(BM_OpenDesign)->Unit(benchmark::kMicrosecond);

void BM_ReadCard(benchmark::State& state) {
    const auto points = static_cast<int>(state.range(0));
    const std::string path = scratchPath("card.dyn").string();
    {
        std::ofstream out(path);
        out << points << "\r\n";
        for (int i = 0; i < points; ++i) {
            char line[64];
            std::snprintf(line, sizeof line, "%.2f, %.1f\r\n", 100.0 * i / points,
                          5000.0 + (i % 97) * 31.5);
            out << line;
        }
        out << "0\r\n8\r\n100\r\n7200\r\n3100\r\n";
    }
    for (auto _ : state) {
        const auto file = files::readDynFile(path);
        if (!file || static_cast<int>(file->card.positions.size()) != points) {
            state.SkipWithError("the card did not read back");
            break;
        }
        benchmark::DoNotOptimize(file->card.polishedRodPower);
    }
    fs::remove(path);
}
BENCHMARK(BM_ReadCard)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
