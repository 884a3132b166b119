#include "cli/result_json.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace cli {

namespace {

class LineWriter {
public:
    explicit LineWriter(const nlohmann::json& id) {
        m_text = "{";
        if (!id.is_null()) {
            m_text += "\"id\":" + id.dump();
            m_first = false;
        }
    }

    void number(const char* key, double value) { keyed(key) += JsonNumber(value); }

    void list(const char* key, const std::vector<double>& values) {
        std::string& text = keyed(key);
        text += '[';
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (i > 0) {
                text += ',';
            }
            text += JsonNumber(values[i]);
        }
        text += ']';
    }

    void raw(const char* key, const std::string& json) { keyed(key) += json; }

    std::string finish() { return m_text + "}"; }

private:
    std::string& keyed(const char* key) {
        if (!m_first) {
            m_text += ',';
        }
        m_first = false;
        m_text += '"';
        m_text += key;
        m_text += "\":";
        return m_text;
    }

    std::string m_text;
    bool m_first = true;
};

}  // namespace

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char buffer[32];
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

std::string ResultJsonLine(const ZelkEngine::CalculationCase& calculationCase,
                           const nlohmann::json& id) {
    const ZelkEngine::ZelkResults& r = calculationCase.Results;
    LineWriter w(id);
    w.number("StaticStretch", r.StaticStretch);
    w.number("Overtravel", r.Overtravel);
    w.list("TaperPercentages", r.TaperPercentages);
    w.number("PumpDisplacement", r.PumpDisplacement);
    w.number("ProductionRate", r.ProductionRate);
    w.number("PPRL", r.PPRL);
    w.number("MPRL", r.MPRL);
    w.number("TopRodLoading", r.TopRodLoading);
    w.number("PeakTorque", r.PeakTorque);
    w.number("MotorSize", r.MotorSize);
    w.number("FluidLevelAbovePump", r.FluidLevelAbovePump);
    w.number("MinGearboxRating", r.MinGearboxRating);
    w.number("MinStructureRating", r.MinStructureRating);
    w.number("PumpStroke", r.PumpStroke);
    w.number("FluidLoad", r.FluidLoad);
    w.number("TubingSpringConstant", r.TubingSpringConstant);
    w.number("BuoyantRodWeight", r.BuoyantRodWeight);
    w.number("FiberglassMaxLoad", r.FiberglassMaxLoad);
    w.number("FiberglassMinLoad", r.FiberglassMinLoad);
    w.number("FiberglassMaxStress", r.FiberglassMaxStress);
    w.number("FiberglassMinStress", r.FiberglassMinStress);
    w.number("FiberglassLoading", r.FiberglassLoading);
    w.number("CounterbalanceMoment", r.CounterbalanceMoment);
    w.number("CounterbalanceEffect", r.CounterbalanceEffect);
    w.number("AirPressure", r.AirPressure);
    w.number("PolishedRodPower", r.PolishedRodPower);
    w.number("RodSpringConstant", r.RodSpringConstant);
    w.number("FoOverSKr", r.FoOverSKr);
    w.number("SpOverS", r.SpOverS);
    w.number("WrfPlusFo", r.WrfPlusFo);
    w.list("PolishedRodLoadCurve", r.PolishedRodLoadCurve);
    w.list("PolishedRodPositionCurve", r.PolishedRodPositionCurve);
    w.list("PumpLoadCurve", r.PumpLoadCurve);
    w.list("PumpPositionCurve", r.PumpPositionCurve);
    w.list("PumpVelocityCurve", r.PumpVelocityCurve);
    w.list("CrankAngleCurve", r.CrankAngleCurve);
    w.list("NetTorqueCurve", r.NetTorqueCurve);
    w.number("StrokeRate", calculationCase.Inputs.StrokeRate);
    w.number("PumpInletPressure", calculationCase.Settings.PumpInletPressure);
    return w.finish();
}

std::string ErrorJsonLine(int code, const std::string& message, const nlohmann::json& id) {
    LineWriter w(id);
    const nlohmann::json error = {{"code", code}, {"message", message}};
    w.raw("error", error.dump());
    return w.finish();
}

}  // namespace cli
