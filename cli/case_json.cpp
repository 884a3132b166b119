#include "cli/case_json.h"

#include "cli/input_error.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <variant>
#include <vector>

namespace cli {

namespace {

using ZelkEngine::CalculationCase;
using ZelkEngine::ZelkInputs;
using ZelkEngine::ZelkSettings;

using Member = std::variant<double ZelkInputs::*, std::int32_t ZelkInputs::*, bool ZelkInputs::*,
                            double ZelkSettings::*, std::int32_t ZelkSettings::*>;

struct Field {
    const char* m_name;
    Member m_member;
};

const std::vector<Field>& fields() {
    static const std::vector<Field> table = {
        {"UnitType", &ZelkInputs::UnitType},
        {"Depth", &ZelkInputs::Depth},
        {"TargetRate", &ZelkInputs::TargetRate},
        {"StrokeLength", &ZelkInputs::StrokeLength},
        {"PumpDiameter", &ZelkInputs::PumpDiameter},
        {"TubingID", &ZelkInputs::TubingID},
        {"TubingOD", &ZelkInputs::TubingOD},
        {"AnchoredTubing", &ZelkInputs::AnchoredTubing},
        {"RodType", &ZelkInputs::RodType},
        {"RodNumber", &ZelkInputs::RodNumber},
        {"RodGrade", &ZelkInputs::RodGrade},
        {"FiberglassSizeIndex", &ZelkInputs::FiberglassSizeIndex},
        {"FiberglassPercent", &ZelkInputs::FiberglassPercent},
        {"SteelSizeIndex", &ZelkInputs::SteelSizeIndex},
        {"StrokeRate", &ZelkInputs::StrokeRate},
        {"CalcSPMFromTargetRate", &ZelkInputs::CalcSPMFromTargetRate},
        {"PumpEfficiency", &ZelkSettings::PumpEfficiency},
        {"FluidSpGrav", &ZelkSettings::FluidSpGrav},
        {"UnitEfficiency", &ZelkSettings::UnitEfficiency},
        {"DampingFactor", &ZelkSettings::DampingFactor},
        {"NTimeSteps", &ZelkSettings::NTimeSteps},
        {"dXMax", &ZelkSettings::dXMax},
        {"TubingPressure", &ZelkSettings::TubingPressure},
        {"CasingPressure", &ZelkSettings::CasingPressure},
        {"SinkerWeight", &ZelkSettings::SinkerWeight},
        {"PumpInletPressure", &ZelkSettings::PumpInletPressure},
        {"MinElements", &ZelkSettings::MinElements},
        {"PressureType", &ZelkSettings::PressureType},
        {"ProductivityIndex", &ZelkSettings::ProductivityIndex},
        {"ReservoirPressure", &ZelkSettings::ReservoirPressure},
    };
    return table;
}

[[noreturn]] void badValue(const std::string& key, const char* expected,
                           const nlohmann::json& value) {
    throw InputError("key \"" + key + "\": expected " + expected + ", got " + value.dump());
}

double realOf(const std::string& key, const nlohmann::json& value) {
    if (value.is_null()) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (!value.is_number()) {
        badValue(key, "a number", value);
    }
    return value.get<double>();
}

std::int32_t integerOf(const std::string& key, const nlohmann::json& value) {
    if (value.is_number_integer()) {
        const std::int64_t whole = value.get<std::int64_t>();
        if (whole >= std::numeric_limits<std::int32_t>::min() &&
            whole <= std::numeric_limits<std::int32_t>::max()) {
            return static_cast<std::int32_t>(whole);
        }
    } else if (value.is_number_float()) {
        const double real = value.get<double>();
        if (std::floor(real) == real && real >= std::numeric_limits<std::int32_t>::min() &&
            real <= std::numeric_limits<std::int32_t>::max()) {
            return static_cast<std::int32_t>(real);
        }
    }
    badValue(key, "a whole number", value);
}

bool flagOf(const std::string& key, const nlohmann::json& value) {
    if (value.is_boolean()) {
        return value.get<bool>();
    }
    if (value.is_number_integer() &&
        (value.get<std::int64_t>() == 0 || value.get<std::int64_t>() == 1)) {
        return value.get<std::int64_t>() == 1;
    }
    badValue(key, "true or false", value);
}

void setField(const Field& field, const nlohmann::json& value, CalculationCase& c) {
    const std::string key = field.m_name;
    std::visit(
        [&](auto member) {
            using M = decltype(member);
            if constexpr (std::is_same_v<M, double ZelkInputs::*>) {
                c.Inputs.*member = realOf(key, value);
            } else if constexpr (std::is_same_v<M, std::int32_t ZelkInputs::*>) {
                c.Inputs.*member = integerOf(key, value);
            } else if constexpr (std::is_same_v<M, bool ZelkInputs::*>) {
                c.Inputs.*member = flagOf(key, value);
            } else if constexpr (std::is_same_v<M, double ZelkSettings::*>) {
                c.Settings.*member = realOf(key, value);
            } else {
                c.Settings.*member = integerOf(key, value);
            }
        },
        field.m_member);
}

const Field* findField(const std::string& key) {
    for (const Field& field : fields()) {
        if (key == field.m_name) {
            return &field;
        }
    }
    return nullptr;
}

nlohmann::json valueOf(const Field& field, const CalculationCase& c) {
    return std::visit(
        [&](auto member) -> nlohmann::json {
            using M = decltype(member);
            if constexpr (std::is_same_v<M, double ZelkInputs::*> ||
                          std::is_same_v<M, std::int32_t ZelkInputs::*> ||
                          std::is_same_v<M, bool ZelkInputs::*>) {
                return c.Inputs.*member;
            } else {
                return c.Settings.*member;
            }
        },
        field.m_member);
}

}  // namespace

void ApplyCaseJson(const nlohmann::json& object, CalculationCase& calculationCase) {
    if (!object.is_object()) {
        throw InputError("a case must be a JSON object, got " + std::string(object.type_name()));
    }
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key() == "id") {
            continue;
        }
        const Field* field = findField(it.key());
        if (field == nullptr) {
            throw InputError("unknown key \"" + it.key() + "\"");
        }
        setField(*field, it.value(), calculationCase);
    }
}

void ApplyCaseAssignment(const std::string& assignment, CalculationCase& calculationCase) {
    const std::size_t equals = assignment.find('=');
    if (equals == std::string::npos || equals == 0) {
        throw InputError("--set expects Key=Value, got \"" + assignment + "\"");
    }
    const std::string key = assignment.substr(0, equals);
    const Field* field = findField(key);
    if (field == nullptr) {
        throw InputError("--set: unknown key \"" + key + "\"");
    }
    const nlohmann::json value = ParseJsonText(assignment.substr(equals + 1), "--set " + key);
    setField(*field, value, calculationCase);
}

nlohmann::json ParseJsonText(const std::string& text, const std::string& context) {
    try {
        return nlohmann::json::parse(text);
    } catch (const nlohmann::json::parse_error& e) {
        // "[json.exception.parse_error.101] parse error at line 1, column 7: ..." -> from "parse".
        std::string what = e.what();
        const std::size_t start = what.find("] ");
        if (start != std::string::npos) {
            what = what.substr(start + 2);
        }
        // A one-line text (a batch line, a --set value) needs only the column.
        const std::size_t lineOne = what.find("at line 1, column");
        if (text.find('\n') == std::string::npos && lineOne != std::string::npos) {
            what.erase(lineOne + 3, 8);
        }
        throw InputError(context + ": " + what);
    }
}

nlohmann::json CaseToJson(const CalculationCase& calculationCase) {
    nlohmann::json object = nlohmann::json::object();
    for (const Field& field : fields()) {
        object[field.m_name] = valueOf(field, calculationCase);
    }
    return object;
}

}  // namespace cli
