#include "report/sucker_rod_report_content.h"

#include "app/string_table.h"
#include "app/text_format.h"
#include "report/quantity_text.h"
#include "report/sucker_rod_report_mgr.h"

#include <cmath>

namespace report {

namespace {

/// Collects one label column and its value column.
class Columns {
public:
    void Add(const std::string& label, const std::string& value) {
        if (m_count > 0) {
            m_labels += '\n';
            m_values += '\n';
        }
        m_labels += label;
        m_values += value;
        ++m_count;
    }
    const std::string& Labels() const { return m_labels; }
    const std::string& Values() const { return m_values; }

private:
    std::string m_labels;
    std::string m_values;
    int m_count = 0;
};

std::string S(int id) {
    return app::loadString(id);
}

std::string Percent(double value, const std::string& format) {
    return NumberText(value, format) + " %";
}

std::string JoinLines(std::initializer_list<int> ids) {
    std::string text;
    for (int id : ids) {
        if (!text.empty()) {
            text += '\n';
        }
        text += S(id);
    }
    return text;
}

}  // namespace

std::string RateFormat(double shownValue) {
    return shownValue >= 10.0 ? "%0.1f" : "%0.2f";
}

std::string PowerFormat(double shownValue) {
    return shownValue >= 1.0 ? "%0.2f" : "%0.3f";
}

std::string RodTaperText(const std::vector<double>& taperPercentages) {
    std::string entries;
    for (double share : taperPercentages) {
        entries += NumberText(share, "%0.1f") + ", ";
    }
    std::string text;
    for (char c : entries) {
        if (c == ',') {
            text += "%,";
        } else {
            text += c;
        }
    }
    const auto last = text.rfind(',');
    if (last != std::string::npos) {
        text.erase(last, 1);
    }
    return text;
}

SuckerRodReportContent MakeSuckerRodReportContent(const ZelkEngine::DesignCase& design,
                                                  const ZelkEngine::CalculationCase& calculated) {
    const ZelkEngine::ZelkResults& r = calculated.Results;
    const bool fiberglass = design.m_rodType == 1;
    SuckerRodReportContent content;
    content.viewerTitle = S(383);
    content.title = design.m_title;
    content.fiberglassRows = fiberglass;

    Columns results;
    const double displacement = DisplayValue(r.PumpDisplacement, "FLOWRATE");
    const double production = DisplayValue(r.ProductionRate, "FLOWRATE");
    results.Add(S(242) + " (100% " + S(4000) + ")",
                QuantityText(r.PumpDisplacement, "FLOWRATE", RateFormat(displacement)));
    results.Add(app::formatText("%s (%.0f%% %s)", {S(242), design.m_pumpEfficiency, S(4000)}),
                QuantityText(r.ProductionRate, "FLOWRATE", RateFormat(production)));
    results.Add(S(158), RodTaperText(r.TaperPercentages));
    results.Add(S(159), Percent(r.TopRodLoading, "%0.1f"));
    results.Add(S(160),
                app::formatText("%0.0f-%0.0f-%0.0f",
                                {r.MinGearboxRating, r.MinStructureRating, design.m_strokeLength}));
    results.Add(S(161), QuantityText(r.MotorSize, "POWER",
                                     PowerFormat(DisplayValue(r.MotorSize, "POWER"))));
    results.Add(S(162), QuantityText(r.PolishedRodPower, "POWER",
                                     PowerFormat(DisplayValue(r.PolishedRodPower, "POWER"))));
    results.Add(S(163), QuantityText(r.WrfPlusFo, "SMALL_WEIGHT0"));
    results.Add(S(164), QuantityText(r.BuoyantRodWeight, "SMALL_WEIGHT0"));
    if (design.m_unitTypeName == "AirBal") {
        results.Add(S(384), QuantityText(r.AirPressure, "DIFFERENTIALPRESSURE"));
    }
    if (fiberglass) {
        results.Add(S(171), QuantityText(r.FiberglassMaxLoad, "SMALL_WEIGHT0"));
        results.Add(S(173), QuantityText(r.FiberglassMinLoad, "SMALL_WEIGHT0"));
        results.Add(S(174), QuantityText(r.FiberglassMaxStress, "DIFFERENTIALPRESSURE0"));
        results.Add(S(183), QuantityText(r.FiberglassMinStress, "DIFFERENTIALPRESSURE0"));
        results.Add(S(184), std::isnan(r.FiberglassLoading)
                                ? std::string("0/0")
                                : Percent(r.FiberglassLoading, "%0.1f"));
    }
    content.resultsLabels = results.Labels();
    content.resultsValues = results.Values();

    content.summary[0] = JoinLines({188, 189, 190});
    content.summary[1] = QuantityText(r.PPRL, "SMALL_WEIGHT") + "\n" +
                         QuantityText(r.PumpStroke, "SMALL_LENGTH") + "\n" +
                         NumberText(r.FoOverSKr, "%0.3f");
    content.summary[2] = JoinLines({191, 192, 193});
    content.summary[3] = QuantityText(r.MPRL, "SMALL_WEIGHT") + "\n" +
                         QuantityText(r.StaticStretch, "SMALL_LENGTH") + "\n" +
                         QuantityText(r.RodSpringConstant, "WEIGHT_PER_LENGTH");
    content.summary[4] = JoinLines({194, 195, 196});
    content.summary[5] = QuantityText(r.FluidLoad, "SMALL_WEIGHT") + "\n" +
                         QuantityText(r.Overtravel, "SMALL_LENGTH") + "\n" +
                         QuantityText(r.TubingSpringConstant, "WEIGHT_PER_LENGTH");
    content.summary[6] = JoinLines({197, 198, 199});
    content.summary[7] = QuantityText(r.PeakTorque, "ZELK_KINLB") + "\n" +
                         QuantityText(r.CounterbalanceMoment, "ZELK_KINLB") + "\n" +
                         QuantityText(r.CounterbalanceEffect, "SMALL_WEIGHT");

    Columns inputs;
    inputs.Add(S(135), design.m_unitTypeName);
    inputs.Add(S(136), QuantityText(design.m_pumpDepth, "DEPTH"));
    inputs.Add(S(106), QuantityText(design.m_strokeLength, "SMALL_LENGTH"));
    inputs.Add(S(107), QuantityText(design.m_pumpDiameter, "SMALL_LENGTH_2"));
    // In target-rate mode the calculation found the stroke rate; show the one it used.
    inputs.Add(S(126), NumberText(calculated.Inputs.StrokeRate, "%0.2f") + " SPM");
    inputs.Add(S(127), QuantityText(design.m_targetRate, "FLOWRATE"));
    inputs.Add(S(108), app::formatText("%.3f\" ", {design.m_tubingOD}) +
                           app::formatText("(%.2f lb/ft) ", {design.m_tubingWeight}) +
                           app::formatText("%.3f\" ID", {design.m_tubingID}));
    inputs.Add(S(109), design.m_anchoredTubing ? S(168) : std::string("No"));
    inputs.Add(S(166), S(fiberglass ? 112 : 111));
    if (fiberglass) {
        inputs.Add(S(104), QuantityText(design.m_fiberglassSize, "SMALL_LENGTH_2"));
        inputs.Add(S(114), QuantityText(design.m_steelSize, "SMALL_LENGTH_2"));
        inputs.Add(S(115), Percent(design.m_fiberglassPercent, "%0.0f"));
    } else {
        inputs.Add(S(165), std::to_string(design.m_rodNumber));
        inputs.Add(S(167), design.m_rodGrade);
    }
    content.designLabels = inputs.Labels();
    content.designValues = inputs.Values();

    Columns defaults;
    defaults.Add(S(117), QuantityText(design.m_sinkerBarWeight, "SMALL_WEIGHT"));
    defaults.Add(S(118), QuantityText(design.m_fluidSpecificGravity, "FLUID_SPECIFIC_GRAVITY"));
    defaults.Add(S(119), QuantityText(design.m_tubingPressure, "DIFFERENTIALPRESSURE"));
    defaults.Add(S(120), QuantityText(design.m_casingPressure, "DIFFERENTIALPRESSURE"));
    if (design.m_pumpIntakePressureEntered) {
        defaults.Add(S(122), QuantityText(design.m_pumpIntakePressure, "DIFFERENTIALPRESSURE"));
    } else {
        defaults.Add(S(133), QuantityText(design.m_reservoirPressure, "DIFFERENTIALPRESSURE"));
        defaults.Add(S(134), QuantityText(design.m_productivityIndex, "ZELK_FLOW_PER_PRESSURE"));
        content.extraDefaultRow = true;
    }
    defaults.Add(S(130), NumberText(design.m_dampingFactor, "%0.2f"));
    defaults.Add(S(131), Percent(design.m_unitEfficiency, "%0.2f"));
    defaults.Add(S(132), Percent(design.m_pumpEfficiency, "%0.2f"));
    content.defaultLabels = defaults.Labels();
    content.defaultValues = defaults.Values();

    // The maker's contact block.
    content.footerLeft = JoinLines({175, 176, 177});
    content.footerCenter = JoinLines({181, 182});
    content.footerRight = JoinLines({178, 179, 180});
    return content;
}

void ApplySuckerRodReportContent(CSuckerRodReportMgr& mgr, const SuckerRodReportContent& c) {
    mgr.SetViewerTitle(c.viewerTitle);
    mgr.SetTitle(c.title);
    mgr.SetResults(c.resultsLabels, c.resultsValues);
    mgr.SetDesign(c.designLabels, c.designValues);
    mgr.SetDefaults(c.defaultLabels, c.defaultValues);
    mgr.SetSummaryStrings(c.summary[0], c.summary[1], c.summary[2], c.summary[3], c.summary[4],
                          c.summary[5], c.summary[6], c.summary[7]);
    mgr.SetFooter(c.footerLeft, c.footerCenter, c.footerRight);
    mgr.SetFiberglassRows(c.fiberglassRows);
    mgr.SetExtraDefaultRow(c.extraDefaultRow);
}

}  // namespace report
