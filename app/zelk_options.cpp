#include "app/zelk_options.h"

#include "units/preferences_store.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace app {

const char* const kZelkOptionsKeys[12] = {
    "TargetRateIncrement",     "SPMIncrement",         "NumberOfTimeSteps",    "dxMaximum",
    "MinimumNumberOfElements", "TotalSinkerBarWeight", "FluidSpecificGravity", "TubingPressure",
    "CasingPressure",          "DampingFactor",        "UnitEfficiency",       "PumpEfficiency"};

namespace {

// The stored texts are written by this program with a point, whatever the user's locale, so
// they are read without the locale too: the longest decimal prefix, 0 when there is none.
double storedNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !((text.front() >= '0' && text.front() <= '9') || text.front() == '.')) {
        return 0.0;
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) {
        return 0.0;
    }
    return negative ? -value : value;
}

std::int32_t integerPart(double value) {
    constexpr double kMin = static_cast<double>(std::numeric_limits<std::int32_t>::min());
    constexpr double kMax = static_cast<double>(std::numeric_limits<std::int32_t>::max());
    if (std::isnan(value)) {
        return 0;
    }
    if (value <= kMin) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (value >= kMax) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

std::string formatted(const char* format, double value) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, value);
    std::string text(buffer);
    // snprintf follows LC_NUMERIC; the stored texts always carry a point.
    for (char& c : text) {
        if (c == ',') {
            c = '.';
        }
    }
    return text;
}

void readInto(const units::PreferencesStore& store, const char* key, double& field) {
    if (const std::optional<std::string> text = store.stringValue(key)) {
        field = storedNumber(*text);
    }
}

double efficiencyOr95(double value) {
    return (value < 1.0 || value > 100.0) ? 95.0 : value;
}

}  // namespace

ZelkOptions ZelkOptions::Load(const units::PreferencesStore& store) {
    ZelkOptions options;
    readInto(store, kZelkOptionsKeys[0], options.targetRateIncrement);
    readInto(store, kZelkOptionsKeys[1], options.spmIncrement);
    readInto(store, kZelkOptionsKeys[2], options.numberOfTimeSteps);
    readInto(store, kZelkOptionsKeys[3], options.dxMaximum);
    if (const std::optional<std::string> text = store.stringValue(kZelkOptionsKeys[4])) {
        options.minimumNumberOfElements = integerPart(storedNumber(*text));
    }
    readInto(store, kZelkOptionsKeys[5], options.defaultTotalSinkerBarWeight);
    readInto(store, kZelkOptionsKeys[6], options.defaultFluidSpecificGravity);
    readInto(store, kZelkOptionsKeys[7], options.defaultTubingPressure);
    readInto(store, kZelkOptionsKeys[8], options.defaultCasingPressure);
    readInto(store, kZelkOptionsKeys[9], options.defaultDampingFactor);
    readInto(store, kZelkOptionsKeys[10], options.defaultUnitEfficiency);
    readInto(store, kZelkOptionsKeys[11], options.defaultPumpEfficiency);
    options.defaultUnitEfficiency = efficiencyOr95(options.defaultUnitEfficiency);
    options.defaultPumpEfficiency = efficiencyOr95(options.defaultPumpEfficiency);
    return options;
}

void ZelkOptions::Store(units::PreferencesStore& store) const {
    const double values[12] = {targetRateIncrement,
                               spmIncrement,
                               numberOfTimeSteps,
                               dxMaximum,
                               static_cast<double>(minimumNumberOfElements),
                               defaultTotalSinkerBarWeight,
                               defaultFluidSpecificGravity,
                               defaultTubingPressure,
                               defaultCasingPressure,
                               defaultDampingFactor,
                               defaultUnitEfficiency,
                               defaultPumpEfficiency};
    for (int i = 0; i < 12; ++i) {
        store.setString(kZelkOptionsKeys[i], formatted("%0.3f", values[i]));
    }
}

void ZelkOptions::ResetCalculationSettings() {
    const ZelkOptions defaults;
    targetRateIncrement = defaults.targetRateIncrement;
    spmIncrement = defaults.spmIncrement;
    numberOfTimeSteps = defaults.numberOfTimeSteps;
    dxMaximum = defaults.dxMaximum;
    minimumNumberOfElements = defaults.minimumNumberOfElements;
}

void ZelkOptions::ResetNewTestDefaults() {
    const ZelkOptions defaults;
    defaultTotalSinkerBarWeight = defaults.defaultTotalSinkerBarWeight;
    defaultFluidSpecificGravity = defaults.defaultFluidSpecificGravity;
    defaultTubingPressure = defaults.defaultTubingPressure;
    defaultCasingPressure = defaults.defaultCasingPressure;
    defaultDampingFactor = defaults.defaultDampingFactor;
    defaultUnitEfficiency = defaults.defaultUnitEfficiency;
    defaultPumpEfficiency = defaults.defaultPumpEfficiency;
}

ZelkOptions ZelkOptions::RoundedForRun() const {
    const auto twoDecimals = [](double value) { return storedNumber(formatted("%0.2f", value)); };
    ZelkOptions rounded;
    rounded.targetRateIncrement = twoDecimals(targetRateIncrement);
    rounded.spmIncrement = twoDecimals(spmIncrement);
    rounded.numberOfTimeSteps = twoDecimals(numberOfTimeSteps);
    rounded.dxMaximum = twoDecimals(dxMaximum);
    rounded.minimumNumberOfElements = minimumNumberOfElements;
    rounded.defaultTotalSinkerBarWeight = twoDecimals(defaultTotalSinkerBarWeight);
    rounded.defaultFluidSpecificGravity = twoDecimals(defaultFluidSpecificGravity);
    rounded.defaultTubingPressure = twoDecimals(defaultTubingPressure);
    rounded.defaultCasingPressure = twoDecimals(defaultCasingPressure);
    rounded.defaultDampingFactor = twoDecimals(defaultDampingFactor);
    rounded.defaultUnitEfficiency = twoDecimals(defaultUnitEfficiency);
    rounded.defaultPumpEfficiency = twoDecimals(defaultPumpEfficiency);
    return rounded;
}

bool ZelkOptions::operator==(const ZelkOptions& other) const {
    return targetRateIncrement == other.targetRateIncrement && spmIncrement == other.spmIncrement &&
           numberOfTimeSteps == other.numberOfTimeSteps && dxMaximum == other.dxMaximum &&
           minimumNumberOfElements == other.minimumNumberOfElements &&
           defaultTotalSinkerBarWeight == other.defaultTotalSinkerBarWeight &&
           defaultFluidSpecificGravity == other.defaultFluidSpecificGravity &&
           defaultTubingPressure == other.defaultTubingPressure &&
           defaultCasingPressure == other.defaultCasingPressure &&
           defaultDampingFactor == other.defaultDampingFactor &&
           defaultUnitEfficiency == other.defaultUnitEfficiency &&
           defaultPumpEfficiency == other.defaultPumpEfficiency;
}

}  // namespace app
