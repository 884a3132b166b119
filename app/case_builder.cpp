#include "app/case_builder.h"

#include "engine/rod_grades.h"
#include "engine/rod_sizes.h"
#include "engine/tubing_table.h"
#include "engine/unit_types.h"

#include <cmath>
#include <limits>
#include <optional>

namespace app {
namespace {

using ZelkEngine::DesignCase;

// The row the tubing list falls back to when a design's tubing matches no row.
constexpr std::int32_t kFallbackTubingRow = 25;

// A code no table has, so that the engine's lookup reports the bad name.
constexpr std::int32_t kNoCode = -1;

double settingOr(double value, double optionDefault) {
    return value == ZelkEngine::kUnsetSetting ? optionDefault : value;
}

std::int32_t wholeNumber(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (value >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t TubingRowOfDesign(const DesignCase& design) {
    return ZelkEngine::FindTubingRow(design.m_tubingOD, design.m_tubingWeight, design.m_tubingID)
        .value_or(kFallbackTubingRow);
}

DesignCase WithOptionDefaults(const DesignCase& design, const ZelkOptions& options) {
    DesignCase result = design;
    result.m_sinkerBarWeight =
        settingOr(design.m_sinkerBarWeight, options.defaultTotalSinkerBarWeight);
    result.m_fluidSpecificGravity =
        settingOr(design.m_fluidSpecificGravity, options.defaultFluidSpecificGravity);
    result.m_tubingPressure = settingOr(design.m_tubingPressure, options.defaultTubingPressure);
    result.m_casingPressure = settingOr(design.m_casingPressure, options.defaultCasingPressure);
    result.m_dampingFactor = settingOr(design.m_dampingFactor, options.defaultDampingFactor);
    result.m_unitEfficiency = settingOr(design.m_unitEfficiency, options.defaultUnitEfficiency);
    result.m_pumpEfficiency = settingOr(design.m_pumpEfficiency, options.defaultPumpEfficiency);
    return result;
}

ZelkEngine::CalculationCase BuildCalculationCase(const DesignCase& design,
                                                 const ZelkOptions& options) {
    const DesignCase d = WithOptionDefaults(design, options);
    ZelkEngine::CalculationCase c;
    ZelkEngine::ZelkInputs& in = c.Inputs;
    in.UnitType = ZelkEngine::FindUnitTypeCode(d.m_unitTypeName).value_or(kNoCode);
    in.Depth = d.m_pumpDepth;
    in.TargetRate = d.m_targetRate;
    in.StrokeLength = d.m_strokeLength;
    in.PumpDiameter = d.m_pumpDiameter;
    const ZelkEngine::TubingSize& tubing =
        ZelkEngine::TubingSizes()[static_cast<std::size_t>(TubingRowOfDesign(d))];
    in.TubingID = tubing.m_innerDiameter;
    in.TubingOD = tubing.m_outerDiameter;
    in.AnchoredTubing = d.m_anchoredTubing;
    in.RodType = d.m_rodType;
    in.RodNumber = d.m_rodNumber;
    in.RodGrade = ZelkEngine::FindRodGradeCode(d.m_rodGrade).value_or(kNoCode);
    in.FiberglassSizeIndex =
        ZelkEngine::FindFiberglassSizeIndex(d.m_fiberglassSize).value_or(kNoCode);
    in.FiberglassPercent = d.m_fiberglassPercent;
    in.SteelSizeIndex = ZelkEngine::FindSteelSizeIndex(d.m_steelSize).value_or(kNoCode);
    in.StrokeRate = d.m_strokeRate;
    in.CalcSPMFromTargetRate = d.m_calculationType == 1;

    ZelkEngine::ZelkSettings& s = c.Settings;
    s.PumpEfficiency = d.m_pumpEfficiency;
    s.FluidSpGrav = d.m_fluidSpecificGravity;
    s.UnitEfficiency = d.m_unitEfficiency;
    s.DampingFactor = d.m_dampingFactor;
    s.NTimeSteps = wholeNumber(options.numberOfTimeSteps);
    s.dXMax = options.dxMaximum;
    s.TubingPressure = d.m_tubingPressure;
    s.CasingPressure = d.m_casingPressure;
    s.SinkerWeight = d.m_sinkerBarWeight;
    s.PumpInletPressure = d.m_pumpIntakePressure;
    s.MinElements = options.minimumNumberOfElements;
    s.PressureType = d.m_pumpIntakePressureEntered ? 0 : 1;
    s.ProductivityIndex = d.m_productivityIndex;
    s.ReservoirPressure = d.m_reservoirPressure;
    return c;
}

}  // namespace app
