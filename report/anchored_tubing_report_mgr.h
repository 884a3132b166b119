#pragma once

#include "report/report_mgr.h"

#include <string>
#include <vector>

namespace report {

/// A label column and its value column.
struct LabelledValues {
    std::string labels;
    std::string values;
};

/// The tubing anchor catcher design report: results with the pickup column, well dimensions,
/// fluids, temperatures, conductivities, pressures, the depth list and the temperature plot.
class CAnchoredTubingReportMgr : public CReportMgr {
public:
    /// At most this many depth points are listed.
    static constexpr std::size_t kMaxListedDepths = 100;

    void Build() override;

    void SetTitle(const std::string& title) { m_title = title; }
    void SetResults(const std::string& labels, const std::string& values,
                    const std::string& thirdColumn);
    void SetWellDimensions(const std::string& labels, const std::string& values);
    void SetWellFluids(const std::string& labels, const std::string& values);
    void SetTemperatures(const std::string& labels, const std::string& values);
    void SetThermalConductivities(const std::string& labels, const std::string& values);
    void SetWellPressures(const std::string& labels, const std::string& values);
    void SetDepths(const std::string& caption, const std::string& text);
    void SetTemperaturePlot(plot::CPlot* plot) { m_plot = plot; }

    /// The depth list text: each of the first 100 depths written as "%.0f, " in order.
    static std::string FormatDepthList(const std::vector<double>& depths);

private:
    std::string m_title;
    LabelledValues m_results;
    std::string m_resultsRight;
    LabelledValues m_wellDimensions;
    LabelledValues m_wellFluids;
    LabelledValues m_temperatures;
    LabelledValues m_conductivities;
    LabelledValues m_pressures;
    std::string m_depthCaption;
    std::string m_depthText;
    plot::CPlot* m_plot = nullptr;
};

}  // namespace report
