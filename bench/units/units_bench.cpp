// Targets: Convert between two linear units under 20 ns, GetText of a bound double under 1 us.
#include "units/data_object.h"
#include "units/dcl_manager.h"
#include "units/units_manager.h"

#include <clocale>
#include <string>

#include <benchmark/benchmark.h>

namespace {

struct Library {
    Library() { units::StartUnitsLibrary("OILFIELD"); }
    ~Library() { units::ShutdownUnitsLibrary(); }
};

void BM_ConvertLinear(benchmark::State& state) {
    Library library;
    const units::CUnits* feet = units::FindUnit("FT");
    const units::CUnits* metres = units::FindUnit("M");
    double value = 1234.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(feet);
        benchmark::DoNotOptimize(metres);
        value = units::Convert(value, feet, metres) + 1.0;
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_ConvertLinear);

void BM_ConvertByKey(benchmark::State& state) {
    Library library;
    const std::string from = "FT";
    const std::string to = "M";
    double value = 1234.5;
    for (auto _ : state) {
        value = units::Convert(value, from, to) + 1.0;
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_ConvertByKey);

void BM_GetTextWithUnit(benchmark::State& state) {
    Library library;
    double depth = 12345.678;
    units::CDataObject object;
    object.SetDescription("Pump depth");
    object.SetUnits("FT", "DEPTH");
    object.InitValue(&depth);
    units::FindCategory("DEPTH")->SetCurrentUnit(units::FindUnit("M"));  // convert, "%,.0f"
    for (auto _ : state) {
        std::string text = object.GetText(0, units::kTextValue);
        benchmark::DoNotOptimize(text);
        depth += 1.0;
    }
}
BENCHMARK(BM_GetTextWithUnit);

void BM_ValidateTypedText(benchmark::State& state) {
    Library library;
    double depth = 0.0;
    units::CDataObject object;
    object.SetDescription("Pump depth");
    object.SetUnits("FT", "DEPTH");
    object.InitValue(&depth);
    object.SetRange(0.0, 20000.0, units::kLimitError);
    const std::string text = "12,345";
    for (auto _ : state) {
        bool valid = object.Validate(text, false, false);
        benchmark::DoNotOptimize(valid);
    }
}
BENCHMARK(BM_ValidateTypedText);

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
