#include "files/zelk_parser_v3.h"

#include "app/zelk_options.h"
#include "engine/design_case.h"
#include "files/design_unit_keys.h"
#include "files/lenient_number.h"
#include "files/text_encoding.h"

#include <charconv>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace files {
namespace {

using ZelkEngine::DesignCase;

// The design case's real fields other than the seven settings, in the order the reader takes them.
struct RealKey {
    const char* key;
    double DesignCase::*field;
};

const RealKey kRealKeys[] = {
    {"PumpDepth", &DesignCase::m_pumpDepth},
    {"SurfaceStrokeLength", &DesignCase::m_strokeLength},
    {"PumpDiameter", &DesignCase::m_pumpDiameter},
    {"TubingSizeWeightDiameter", &DesignCase::m_tubingWeight},
    {"TubingSizeOuterDiameter", &DesignCase::m_tubingOD},
    {"TubingSizeInnerDiameter", &DesignCase::m_tubingID},
    {"FiberglassSize", &DesignCase::m_fiberglassSize},
    {"SteelSize", &DesignCase::m_steelSize},
    {"Fiberglass_Percentage", &DesignCase::m_fiberglassPercent},
    {"PumpIntakePressureKey", &DesignCase::m_pumpIntakePressure},
    {"ReservoirPressure", &DesignCase::m_reservoirPressure},
    {"ProductivityIndexKey", &DesignCase::m_productivityIndex},
    {"StrokeRate", &DesignCase::m_strokeRate},
    {"TargetRate", &DesignCase::m_targetRate},
    {"WaterCut", &DesignCase::m_waterCut},
    {"OilGravity", &DesignCase::m_oilGravity},
    {"WaterSpecificGravity", &DesignCase::m_waterSpecificGravity},
    {"SinkerBarDiameter", &DesignCase::m_sinkerBarDiameter},
    {"Clearance", &DesignCase::m_clearance},
    {"FluidViscosity", &DesignCase::m_fluidViscosity},
    {"PlungerLength", &DesignCase::m_plungerLength},
};

using app::ZelkOptions;

struct OptionKey {
    const char* key;
    double ZelkOptions::*field;
};

const OptionKey kOptionKeys[] = {
    {"TargetRateIncrement", &ZelkOptions::targetRateIncrement},
    {"StrokeRateIncrement", &ZelkOptions::spmIncrement},
    {"NumberOfTimeSteps", &ZelkOptions::numberOfTimeSteps},
    {"DXMaximum", &ZelkOptions::dxMaximum},
    {"DefaultTotalSinkerBarWeight", &ZelkOptions::defaultTotalSinkerBarWeight},
    {"DefaultFluidSpecificGravity", &ZelkOptions::defaultFluidSpecificGravity},
    {"DefaultTubingPressure", &ZelkOptions::defaultTubingPressure},
    {"DefaultCasingPressure", &ZelkOptions::defaultCasingPressure},
    {"DefaultDampingFactor", &ZelkOptions::defaultDampingFactor},
    {"DefaultUnitEfficiency", &ZelkOptions::defaultUnitEfficiency},
    {"DefaultPumpEfficiency", &ZelkOptions::defaultPumpEfficiency},
};

// Every "Key:value" line of a file by its key, the first line of a key winning. A key counts
// only where a writer puts it, at the start of its line before the first colon, so a title that
// names a key is never taken for that key's line.
class KeyedLines {
public:
    explicit KeyedLines(std::istream& in) {
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            const std::size_t colon = line.find(':');
            if (colon == std::string::npos) {
                continue;
            }
            m_values.emplace(line.substr(0, colon), line.substr(colon + 1));
        }
    }

    /// The value of a key; empty when the key is missing.
    std::string_view value(const std::string& key) const {
        const auto it = m_values.find(key);
        return it == m_values.end() ? std::string_view() : std::string_view(it->second);
    }

private:
    std::unordered_map<std::string, std::string> m_values;
};

std::optional<double> realValue(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    return decimalPrefix(trimBlanks(text));
}

void readReal(const KeyedLines& lines, const char* key, double& field, double defaultValue) {
    field = realValue(lines.value(key)).value_or(defaultValue);
}

// Integers of the design: -1 stands for a missing value, so a stored -1 also takes the default.
std::int32_t integerValue(const KeyedLines& lines, const char* key) {
    const std::string_view text = lines.value(key);
    return text.empty() ? -1 : integerPrefix(text);
}

void readFlag(const KeyedLines& lines, const char* key, bool& field, bool defaultValue) {
    const std::string_view text = lines.value(key);
    const std::int32_t value = text.empty() ? -1 : integerPrefix(text);
    field = value == 0 ? false : value == 1 ? true : defaultValue;
}

void readText(const KeyedLines& lines, const char* key, std::string& field,
              const std::string& defaultValue) {
    const std::string_view text = lines.value(key);
    field = text.empty() ? defaultValue : fileBytesToUtf8(text);
}

// "Zelk3.1.0.0" is kept as "3.1.0.0": lower case, without the leading letters of "zelk".
std::string versionText(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    const std::size_t start = text.find_first_not_of("zelk");
    return start == std::string::npos ? std::string() : text.substr(start);
}

std::string realText(double value) {
    // Six decimals with a point, as "%f" writes in the C locale, in every locale.
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    if (result.ec != std::errc()) {
        return "0.000000";
    }
    return std::string(buffer, result.ptr);
}

// Text values are written unquoted on one line; a line break inside would start a line of its
// own and could pass for another key.
std::string lineText(const std::string& text) {
    std::string bytes = utf8ToFileBytes(text);
    for (char& c : bytes) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return bytes;
}

}  // namespace

bool CZelkParserV3::Parse(std::istream& in, DesignCase& design, ZelkOptions& options) {
    in.clear();
    in.seekg(0);
    in.clear();
    const KeyedLines lines(in);
    const DesignCase defaults;
    // The options passed in are the stored ones; they stand for missing option keys and give the
    // settings of a design that lacks them.
    const ZelkOptions stored = options;

    // Options.
    for (const OptionKey& key : kOptionKeys) {
        readReal(lines, key.key, options.*key.field, stored.*key.field);
    }
    const std::string_view elements = lines.value("MinimumNumberOfElements");
    options.minimumNumberOfElements =
        elements.empty() ? stored.minimumNumberOfElements : integerPrefix(trimBlanks(elements));

    // Integers.
    const auto integerOr = [&](const char* key, std::int32_t defaultValue) {
        const std::int32_t value = integerValue(lines, key);
        return value == -1 ? defaultValue : value;
    };
    design.m_rodType = integerOr("RodTypeSelected", defaults.m_rodType);
    design.m_rodNumber = integerOr("RodNumber", defaults.m_rodNumber);
    design.m_calculationType = integerOr("CalculateTypeSelectedIndex", defaults.m_calculationType);
    m_tubingAnchorCount = integerValue(lines, "NumTubingAnchorData");

    // Texts.
    readText(lines, "Version", design.m_version, defaults.m_version);
    design.m_version = versionText(design.m_version);
    readText(lines, "Title", design.m_title, defaults.m_title);
    readText(lines, "Unit", design.m_unitTypeName, defaults.m_unitTypeName);
    readText(lines, "RodGrade", design.m_rodGrade, defaults.m_rodGrade);
    design.m_displayUnits = defaults.m_displayUnits;
    for (const DesignUnitKey& unitKey : DesignUnitKeys()) {
        std::string unit;
        readText(lines, unitKey.fileKey, unit, defaults.displayUnit(unitKey.categoryKey));
        design.setDisplayUnit(unitKey.categoryKey, unit);
    }

    // Reals; the seven settings default to the options' defaults for new tests.
    for (const RealKey& key : kRealKeys) {
        readReal(lines, key.key, design.*key.field, defaults.*key.field);
    }
    const auto settingOr = [&](const char* key, double& field, double optionDefault) {
        readReal(lines, key, field, optionDefault);
    };
    settingOr("TotalSinkerBarWeight", design.m_sinkerBarWeight, stored.defaultTotalSinkerBarWeight);
    settingOr("FluidSpecificGravity", design.m_fluidSpecificGravity,
              stored.defaultFluidSpecificGravity);
    settingOr("TubingPressure", design.m_tubingPressure, stored.defaultTubingPressure);
    settingOr("CasingPressure", design.m_casingPressure, stored.defaultCasingPressure);
    settingOr("DampingFactor", design.m_dampingFactor, stored.defaultDampingFactor);
    settingOr("UnitEfficiency", design.m_unitEfficiency, stored.defaultUnitEfficiency);
    settingOr("PumpEfficiency", design.m_pumpEfficiency, stored.defaultPumpEfficiency);

    design.m_tubingAnchorCatcherState = defaults.m_tubingAnchorCatcherState;
    if (m_tubingAnchorCount >= 0 && m_tubingAnchorCount <= kMaxTubingAnchorValues) {
        std::vector<double> values(static_cast<std::size_t>(m_tubingAnchorCount), 0.0);
        for (std::size_t i = 0; i < values.size(); ++i) {
            values[i] =
                realValue(lines.value("TubingAnchorData" + std::to_string(i))).value_or(0.0);
        }
        design.m_tubingAnchorCatcherState = std::move(values);
    }

    // Flags.
    readFlag(lines, "UseAnchoredTubing", design.m_anchoredTubing, defaults.m_anchoredTubing);
    readFlag(lines, "UseFluidSpecificGravityCalculator", design.m_useFluidSpGravCalculator,
             defaults.m_useFluidSpGravCalculator);
    readFlag(lines, "UseSinkerBarCalculator", design.m_useSinkerBarCalculator,
             defaults.m_useSinkerBarCalculator);
    readFlag(lines, "UseSlippageCalculator", design.m_useSlippageCalculator,
             defaults.m_useSlippageCalculator);
    readFlag(lines, "PumpIntakeTypeSelected", design.m_pumpIntakePressureEntered,
             defaults.m_pumpIntakePressureEntered);
    return true;
}

void CZelkParserV3::Write(std::ostream& out, const DesignCase& design,
                          const ZelkOptions& options) const {
    const auto text = [&](const char* key, const std::string& value) {
        out << key << ':' << lineText(value) << '\n';
    };
    const auto integer = [&](const char* key, std::int64_t value) {
        out << key << ':' << std::to_string(value) << '\n';
    };
    const auto real = [&](const char* key, double value) {
        out << key << ':' << realText(value) << '\n';
    };
    const auto flag = [&](const char* key, bool value) { integer(key, value ? 1 : 0); };

    text("Title", design.m_title);
    text("Unit", design.m_unitTypeName);
    real("PumpDepth", design.m_pumpDepth);
    real("SurfaceStrokeLength", design.m_strokeLength);
    real("PumpDiameter", design.m_pumpDiameter);
    real("TubingSizeWeightDiameter", design.m_tubingWeight);
    real("TubingSizeOuterDiameter", design.m_tubingOD);
    real("TubingSizeInnerDiameter", design.m_tubingID);
    flag("UseAnchoredTubing", design.m_anchoredTubing);
    integer("RodTypeSelected", design.m_rodType);
    integer("RodNumber", design.m_rodNumber);
    text("RodGrade", design.m_rodGrade);
    real("FiberglassSize", design.m_fiberglassSize);
    real("SteelSize", design.m_steelSize);
    real("Fiberglass_Percentage", design.m_fiberglassPercent);
    real("TotalSinkerBarWeight", design.m_sinkerBarWeight);
    real("FluidSpecificGravity", design.m_fluidSpecificGravity);
    real("TubingPressure", design.m_tubingPressure);
    real("CasingPressure", design.m_casingPressure);
    real("DampingFactor", design.m_dampingFactor);
    real("UnitEfficiency", design.m_unitEfficiency);
    real("PumpEfficiency", design.m_pumpEfficiency);
    flag("PumpIntakeTypeSelected", design.m_pumpIntakePressureEntered);
    real("PumpIntakePressureKey", design.m_pumpIntakePressure);
    real("ReservoirPressure", design.m_reservoirPressure);
    real("ProductivityIndexKey", design.m_productivityIndex);
    integer("CalculateTypeSelectedIndex", design.m_calculationType);
    real("StrokeRate", design.m_strokeRate);
    real("TargetRate", design.m_targetRate);
    real("WaterCut", design.m_waterCut);
    real("OilGravity", design.m_oilGravity);
    real("WaterSpecificGravity", design.m_waterSpecificGravity);
    real("SinkerBarDiameter", design.m_sinkerBarDiameter);
    real("Clearance", design.m_clearance);
    real("FluidViscosity", design.m_fluidViscosity);
    real("PlungerLength", design.m_plungerLength);
    flag("UseSinkerBarCalculator", design.m_useSinkerBarCalculator);
    flag("UseFluidSpecificGravityCalculator", design.m_useFluidSpGravCalculator);
    flag("UseSlippageCalculator", design.m_useSlippageCalculator);
    for (const DesignUnitKey& unitKey : DesignUnitKeys()) {
        text(unitKey.fileKey, design.displayUnit(unitKey.categoryKey));
    }
    real("TargetRateIncrement", options.targetRateIncrement);
    real("StrokeRateIncrement", options.spmIncrement);
    real("NumberOfTimeSteps", options.numberOfTimeSteps);
    real("DXMaximum", options.dxMaximum);
    real("MinimumNumberOfElements", options.minimumNumberOfElements);
    real("DefaultTotalSinkerBarWeight", options.defaultTotalSinkerBarWeight);
    real("DefaultFluidSpecificGravity", options.defaultFluidSpecificGravity);
    real("DefaultTubingPressure", options.defaultTubingPressure);
    real("DefaultCasingPressure", options.defaultCasingPressure);
    real("DefaultDampingFactor", options.defaultDampingFactor);
    real("DefaultUnitEfficiency", options.defaultUnitEfficiency);
    real("DefaultPumpEfficiency", options.defaultPumpEfficiency);
    const std::vector<double>& anchors = design.m_tubingAnchorCatcherState;
    for (std::size_t i = 0; i < anchors.size(); ++i) {
        real(("TubingAnchorData" + std::to_string(i)).c_str(), anchors[i]);
    }
    integer("NumTubingAnchorData", static_cast<std::int64_t>(anchors.size()));
}

}  // namespace files
