#include "files/zelk_parser_dot_net.h"

#include "app/zelk_options.h"
#include "engine/design_case.h"
#include "engine/rod_sizes.h"
#include "engine/tubing_table.h"
#include "engine/unit_types.h"
#include "files/lenient_number.h"

#include <functional>
#include <iterator>
#include <limits>
#include <string>
#include <unordered_map>

namespace files {
namespace {

using ZelkEngine::DesignCase;
using Kind = LegacyMember::Kind;

// Largest design file this reader takes in; the genuine ones are a few kilobytes.
constexpr std::streamsize kMaxLegacyFileBytes = 16 * 1024 * 1024;

bool asReal(const LegacyMember& m, double& value) {
    switch (m.kind) {
        case Kind::Real:
            value = m.real;
            return true;
        case Kind::Integer:
            value = static_cast<double>(m.integer);
            return true;
        case Kind::Decimal:
            value = decimalPrefix(m.text);
            return true;
        default:
            return false;
    }
}

bool asInteger(const LegacyMember& m, std::int64_t& value) {
    if (m.kind == Kind::Integer) {
        value = m.integer;
        return true;
    }
    return false;
}

bool asInt32(const LegacyMember& m, std::int32_t& value) {
    std::int64_t wide = 0;
    if (!asInteger(m, wide) || wide < std::numeric_limits<std::int32_t>::min() ||
        wide > std::numeric_limits<std::int32_t>::max()) {
        return false;
    }
    value = static_cast<std::int32_t>(wide);
    return true;
}

bool asBoolean(const LegacyMember& m, bool& value) {
    if (m.kind == Kind::Boolean) {
        value = m.boolean;
        return true;
    }
    return false;
}

// A member's value goes into its field only when it has the kind the old engine wrote.
using Store = std::function<bool(const LegacyMember&, DesignCase&, app::ZelkOptions&)>;

Store real(double DesignCase::*field) {
    return [field](const LegacyMember& m, DesignCase& d, app::ZelkOptions&) {
        return asReal(m, d.*field);
    };
}

Store int32(std::int32_t DesignCase::*field) {
    return [field](const LegacyMember& m, DesignCase& d, app::ZelkOptions&) {
        return asInt32(m, d.*field);
    };
}

// A setting that is both the design's value and the options' default for new tests; efficiencies
// were held as fractions.
Store setting(double DesignCase::*field, double app::ZelkOptions::*option, double scale) {
    return [=](const LegacyMember& m, DesignCase& d, app::ZelkOptions& o) {
        double value = 0.0;
        if (!asReal(m, value)) {
            return false;
        }
        d.*field = value * scale;
        o.*option = value * scale;
        return true;
    };
}

Store optionReal(double app::ZelkOptions::*option) {
    return [option](const LegacyMember& m, DesignCase&, app::ZelkOptions& o) {
        return asReal(m, o.*option);
    };
}

Store optionTimeSteps() {
    return [](const LegacyMember& m, DesignCase&, app::ZelkOptions& o) {
        std::int32_t value = 0;
        if (!asInt32(m, value)) {
            return false;
        }
        o.numberOfTimeSteps = value;
        return true;
    };
}

Store optionElements() {
    return [](const LegacyMember& m, DesignCase&, app::ZelkOptions& o) {
        return asInt32(m, o.minimumNumberOfElements);
    };
}

Store text(std::string DesignCase::*field) {
    return [field](const LegacyMember& m, DesignCase& d, app::ZelkOptions&) {
        if (m.kind != Kind::Text) {
            return false;
        }
        d.*field = m.text;
        return true;
    };
}

// An index into a table of diameters; an index outside the table leaves the field as it was.
Store sizeIndex(double DesignCase::*field, const std::vector<ZelkEngine::RodSize>& table) {
    return [field, &table](const LegacyMember& m, DesignCase& d, app::ZelkOptions&) {
        std::int64_t index = 0;
        if (!asInteger(m, index) || index < 0 || index >= static_cast<std::int64_t>(table.size())) {
            return false;
        }
        d.*field = table[static_cast<std::size_t>(index)].m_diameter;
        return true;
    };
}

const std::unordered_map<std::string, Store>& memberTable() {
    using O = app::ZelkOptions;
    static const std::unordered_map<std::string, Store> table = {
        {"ZelkEngine.ZelkInputs.Title", text(&DesignCase::m_title)},
        {"ZelkEngine.ZelkInputs.UnitType",
         [](const LegacyMember& m, DesignCase& d, O&) {
             std::int64_t code = 0;
             if (!asInteger(m, code)) {
                 return false;
             }
             // Any value outside the four types gives the empty name, which the calculation
             // reports as an invalid unit type.
             d.m_unitTypeName = (code >= 0 && code < ZelkEngine::kUnitTypeCount)
                                    ? ZelkEngine::UnitTypeName(static_cast<std::int32_t>(code))
                                    : std::string();
             return true;
         }},
        {"ZelkEngine.ZelkInputs.Depth", real(&DesignCase::m_pumpDepth)},
        {"ZelkEngine.ZelkInputs.TargetRate", real(&DesignCase::m_targetRate)},
        {"ZelkEngine.ZelkInputs.StrokeLength", real(&DesignCase::m_strokeLength)},
        {"ZelkEngine.ZelkInputs.PumpDiameter", real(&DesignCase::m_pumpDiameter)},
        {"ZelkEngine.ZelkInputs.TubingID", real(&DesignCase::m_tubingID)},
        {"ZelkEngine.ZelkInputs.TubingOD", real(&DesignCase::m_tubingOD)},
        {"ZelkEngine.ZelkInputs.TubingKey",
         [](const LegacyMember& m, DesignCase& d, O&) {
             std::int64_t row = 0;
             if (!asInteger(m, row) || row < 0 || row >= ZelkEngine::kTubingSizeCount) {
                 return false;
             }
             d.m_tubingWeight =
                 ZelkEngine::TubingSizes()[static_cast<std::size_t>(row)].m_nominalWeight;
             return true;
         }},
        {"ZelkEngine.ZelkInputs.AnchoredTubing",
         [](const LegacyMember& m, DesignCase& d, O&) { return asBoolean(m, d.m_anchoredTubing); }},
        {"ZelkEngine.ZelkInputs.RodType", int32(&DesignCase::m_rodType)},
        {"ZelkEngine.ZelkInputs.RodNumber", int32(&DesignCase::m_rodNumber)},
        {"ZelkEngine.ZelkInputs.RodGrade", text(&DesignCase::m_rodGrade)},
        {"ZelkEngine.ZelkInputs.FiberglassSizeIndex",
         sizeIndex(&DesignCase::m_fiberglassSize, ZelkEngine::FiberglassRodSizes())},
        {"ZelkEngine.ZelkInputs.FiberglassPercent", real(&DesignCase::m_fiberglassPercent)},
        {"ZelkEngine.ZelkInputs.SteelSizeIndex",
         sizeIndex(&DesignCase::m_steelSize, ZelkEngine::SteelRodSizes())},
        {"ZelkEngine.ZelkInputs.StrokeRate", real(&DesignCase::m_strokeRate)},
        {"ZelkEngine.ZelkInputs.CalcSPMFromTargetRate",
         [](const LegacyMember& m, DesignCase& d, O&) {
             bool fromTargetRate = false;
             if (!asBoolean(m, fromTargetRate)) {
                 return false;
             }
             d.m_calculationType = fromTargetRate ? 1 : 0;
             return true;
         }},
        {"ZelkEngine.ZelkSettings.PumpEfficiency",
         setting(&DesignCase::m_pumpEfficiency, &O::defaultPumpEfficiency, 100.0)},
        {"ZelkEngine.ZelkSettings.FluidSpGrav",
         setting(&DesignCase::m_fluidSpecificGravity, &O::defaultFluidSpecificGravity, 1.0)},
        {"ZelkEngine.ZelkSettings.UnitEfficiency",
         setting(&DesignCase::m_unitEfficiency, &O::defaultUnitEfficiency, 100.0)},
        {"ZelkEngine.ZelkSettings.DampingFactor",
         setting(&DesignCase::m_dampingFactor, &O::defaultDampingFactor, 1.0)},
        {"ZelkEngine.ZelkSettings.NTimeSteps", optionTimeSteps()},
        {"ZelkEngine.ZelkSettings.dXMax", optionReal(&O::dxMaximum)},
        {"ZelkEngine.ZelkSettings.TubingPressure",
         setting(&DesignCase::m_tubingPressure, &O::defaultTubingPressure, 1.0)},
        {"ZelkEngine.ZelkSettings.CasingPressure",
         setting(&DesignCase::m_casingPressure, &O::defaultCasingPressure, 1.0)},
        {"ZelkEngine.ZelkSettings.SinkerWeight",
         setting(&DesignCase::m_sinkerBarWeight, &O::defaultTotalSinkerBarWeight, 1.0)},
        {"ZelkEngine.ZelkSettings.PumpInletPressure", real(&DesignCase::m_pumpIntakePressure)},
        {"ZelkEngine.ZelkSettings.MinElements", optionElements()},
        {"ZelkEngine.ZelkSettings.PressureType",
         [](const LegacyMember& m, DesignCase& d, O&) {
             std::int64_t type = 0;
             if (!asInteger(m, type)) {
                 return false;
             }
             d.m_pumpIntakePressureEntered = type != 1;
             return true;
         }},
        {"ZelkEngine.ZelkSettings.ProductivityIndex", real(&DesignCase::m_productivityIndex)},
        {"ZelkEngine.ZelkSettings.ReservoirPressure", real(&DesignCase::m_reservoirPressure)},
        {"Brantwick.Zelk.Options.TargetRateIncrement", optionReal(&O::targetRateIncrement)},
        {"Brantwick.Zelk.Options.SPMIncrement", optionReal(&O::spmIncrement)},
        {"Brantwick.Zelk.Options.NumTimeSteps", optionTimeSteps()},
        {"Brantwick.Zelk.Options.MinNumElements", optionElements()},
        {"Brantwick.Zelk.Options.DXMaximum", optionReal(&O::dxMaximum)},
    };
    return table;
}

}  // namespace

int CZelkParserDotNet::Apply(const std::vector<LegacyMember>& members, DesignCase& design,
                             app::ZelkOptions& options) {
    const auto& table = memberTable();
    int known = 0;
    for (const LegacyMember& member : members) {
        const auto it = table.find(member.fullName);
        if (it != table.end() && it->second(member, design, options)) {
            ++known;
        }
    }
    return known;
}

bool CZelkParserDotNet::Parse(std::istream& in, DesignCase& design, app::ZelkOptions& options) {
    in.clear();
    in.seekg(0);
    in.clear();
    std::string bytes;
    char buffer[65536];
    while (in && static_cast<std::streamsize>(bytes.size()) < kMaxLegacyFileBytes) {
        in.read(buffer, sizeof buffer);
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    // The old engine's numbers are in the window's internal units and its files carry no
    // version, so the sizes count as stored in internal units.
    const int known = Apply(LegacyStreamScanner(bytes).Scan(), design, options);
    if (known > 0) {
        design.m_version.clear();
    }
    return known > 0;
}

}  // namespace files
