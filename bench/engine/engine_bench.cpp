#include "engine/calculation_case.h"
#include "engine/calculation_driver.h"
#include "engine/validate_inputs.h"
#include "engine/wave_equation.h"

#include <cstdint>

#include <benchmark/benchmark.h>

namespace {

using ZelkEngine::CalculationCase;

// The default design, 300 time steps, 5 elements, 4 strokes at 8.3 SPM.
void BM_DefaultDesignStrokeRate(benchmark::State& state) {
    const CalculationCase design;
    for (auto _ : state) {
        CalculationCase c = design;
        ZelkEngine::Calculate(c);
        benchmark::DoNotOptimize(c.Results.PPRL);
    }
}
BENCHMARK(BM_DefaultDesignStrokeRate);

// The same design searching the stroke rate for 171 bbl/day.
void BM_DefaultDesignTargetRate(benchmark::State& state) {
    CalculationCase design;
    design.Inputs.CalcSPMFromTargetRate = true;
    for (auto _ : state) {
        CalculationCase c = design;
        ZelkEngine::Calculate(c);
        benchmark::DoNotOptimize(c.Results.PPRL);
    }
}
BENCHMARK(BM_DefaultDesignTargetRate);

// Elements (dX maximum 1000 ft down to 25 ft over 5000 ft) against time steps per stroke. The
// counter is the time per element-step, cycles x time steps x elements of the solve.
void BM_ElementTimeStepScan(benchmark::State& state) {
    CalculationCase design;
    design.Settings.dXMax = static_cast<double>(state.range(0));
    design.Settings.NTimeSteps = static_cast<std::int32_t>(state.range(1));
    const double elementSteps = ZelkEngine::TimeGridOf(design).m_cycles *
                                static_cast<double>(design.Settings.NTimeSteps) *
                                ZelkEngine::ElementCountOf(design);
    for (auto _ : state) {
        CalculationCase c = design;
        ZelkEngine::Calculate(c);
        benchmark::DoNotOptimize(c.Results.PPRL);
    }
    state.counters["elements"] = ZelkEngine::ElementCountOf(design);
    state.counters["per_element_step"] = benchmark::Counter(
        elementSteps, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ElementTimeStepScan)
    ->ArgNames({"dXMax", "steps"})
    ->ArgsProduct({{1000, 500, 250, 100, 50, 25}, {100, 300, 1000, 3000}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
