#include "cli/results_report.h"

#include "engine/unit_types.h"

#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>

namespace cli {

namespace {

std::string fixed(double value, int decimals) {
    if (std::isnan(value)) {
        return "0/0";
    }
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << std::fixed << std::setprecision(decimals) << value;
    return text.str();
}

// Rates: one decimal from 10 bbl/day up, two below. Power: two decimals from 1 hp up, three below.
std::string rate(double value) {
    return fixed(value, value >= 10.0 ? 1 : 2);
}
std::string power(double value) {
    return fixed(value, value >= 1.0 ? 2 : 3);
}

class Lines {
public:
    void add(const std::string& label, const std::string& value, const std::string& unit = {}) {
        m_text << "  " << std::left << std::setw(36) << label << value;
        if (!unit.empty()) {
            m_text << ' ' << unit;
        }
        m_text << '\n';
    }
    void heading(const std::string& text) { m_text << text << '\n'; }
    void blank() { m_text << '\n'; }
    std::string text() const { return m_text.str(); }

private:
    std::ostringstream m_text;
};

}  // namespace

std::string ResultsReport(const ZelkEngine::CalculationCase& calculationCase) {
    const ZelkEngine::ZelkInputs& in = calculationCase.Inputs;
    const ZelkEngine::ZelkSettings& set = calculationCase.Settings;
    const ZelkEngine::ZelkResults& r = calculationCase.Results;
    const bool fiberglass = in.RodType == 1;
    Lines lines;

    lines.heading("Zelk calculation, " + ZelkEngine::UnitTypeName(in.UnitType) + " unit, " +
                  fixed(in.Depth, 0) + " ft pump depth, " + fixed(in.StrokeLength, 1) +
                  " in stroke, " + fixed(in.PumpDiameter, 3) + " in pump");
    if (in.CalcSPMFromTargetRate) {
        lines.add("Target Rate", rate(in.TargetRate), "bbl/day");
        lines.add("Stroke Rate (SPM), calculated", fixed(in.StrokeRate, 2), "SPM");
    } else {
        lines.add("Stroke Rate (SPM)", fixed(in.StrokeRate, 2), "SPM");
    }
    lines.add("Pump Intake Pressure", fixed(set.PumpInletPressure, 1), "psi");
    lines.blank();

    lines.heading("Results");
    lines.add("Rate (100% pump volumetric eff.)", rate(r.PumpDisplacement), "bbl/day");
    lines.add("Rate (" + fixed(set.PumpEfficiency, 0) + "% pump volumetric eff.)",
              rate(r.ProductionRate), "bbl/day");
    std::string taper;
    for (std::size_t i = 0; i < r.TaperPercentages.size(); ++i) {
        taper += (i > 0 ? ", " : "") + fixed(r.TaperPercentages[i], 1) + "%";
    }
    lines.add("Rod Taper", taper);
    lines.add("Top Steel Rod Loading", fixed(r.TopRodLoading, 1), "%");
    lines.add("Min API Unit Rating", fixed(r.MinGearboxRating, 0) + "-" +
                                         fixed(r.MinStructureRating, 0) + "-" +
                                         fixed(in.StrokeLength, 0));
    lines.add("Min NEMA D Motor Size", power(r.MotorSize), "hp");
    lines.add("Polished Rod Power", power(r.PolishedRodPower), "hp");
    lines.add("TVLoad", fixed(r.WrfPlusFo, 0), "lb");
    lines.add("SVLoad", fixed(r.BuoyantRodWeight, 0), "lb");
    if (in.UnitType == ZelkEngine::kUnitAirBal) {
        lines.add("Accumulator Pressure", fixed(r.AirPressure, 1), "psi");
    }
    if (fiberglass) {
        lines.add("Max Fiberglass Load", fixed(r.FiberglassMaxLoad, 0), "lb");
        lines.add("Min Fiberglass Load", fixed(r.FiberglassMinLoad, 0), "lb");
        lines.add("Max Fiberglass Stress", fixed(r.FiberglassMaxStress, 0), "psi");
        lines.add("Min Fiberglass Stress", fixed(r.FiberglassMinStress, 0), "psi");
        lines.add("Fiberglass Load", fixed(r.FiberglassLoading, 1), "%");
    }
    lines.blank();

    lines.heading("Dynamometer card");
    lines.add("PPRL", fixed(r.PPRL, 0), "lb");
    lines.add("MPRL", fixed(r.MPRL, 0), "lb");
    lines.add("Fo", fixed(r.FluidLoad, 0), "lb");
    lines.add("Pump Stroke Length", fixed(r.PumpStroke, 2), "in");
    lines.add("Static Stretch", fixed(r.StaticStretch, 2), "in");
    lines.add("Overtravel", fixed(r.Overtravel, 2), "in");
    lines.add("Fo/Skr", fixed(r.FoOverSKr, 3));
    lines.add("Sp/S", fixed(r.SpOverS, 3));
    lines.add("Kr", fixed(r.RodSpringConstant, 1), "lb/in");
    lines.add("Kt", fixed(r.TubingSpringConstant, 1), "lb/in");
    lines.add("Fluid Level Above Pump", fixed(r.FluidLevelAbovePump, 1), "ft");
    lines.blank();

    lines.heading("Gearbox torque");
    lines.add("Peak GearBox Torque", fixed(r.PeakTorque / 1000.0, 1), "thousand in-lb");
    lines.add("Counter Balance Moment", fixed(r.CounterbalanceMoment / 1000.0, 1),
              "thousand in-lb");
    lines.add("Counter Balance Effect", fixed(r.CounterbalanceEffect, 0), "lb");

    std::string warnings;
    if (r.PumpDisplacement < 0.0) {
        warnings += "Warning: Pump rate is negative. Pump is not moving fluid.\n";
    }
    if (fiberglass && r.FiberglassMinLoad < 0.0) {
        warnings += "Warning: Fiberglass load is negative. The rod string will likely fail.\n";
    }
    std::string text = lines.text();
    if (!warnings.empty()) {
        text += "\n" + warnings;
    }
    return text;
}

}  // namespace cli
