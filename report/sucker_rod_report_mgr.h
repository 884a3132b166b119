#pragma once

#include "report/report_mgr.h"

#include <array>
#include <string>

namespace report {

/// The one-page report of the main design: results, design inputs and default settings on the
/// left, the dynamometer cards, pump velocity and gearbox torque plots on the right.
class CSuckerRodReportMgr : public CReportMgr {
public:
    /// Extra height of the results block, and the growth of the design block, for fiberglass
    /// and steel rods (five more result lines, one more design line), in inches.
    static constexpr double kFiberglassShift = 0.875;
    static constexpr double kFiberglassDesignGrowth = 0.182;
    /// Growth of the default-settings block for its optional ninth line, in inches.
    static constexpr double kExtraDefaultRowGrowth = 0.25;

    CSuckerRodReportMgr();

    void Build() override;

    void SetTitle(const std::string& title) { m_title = title; }
    void SetResults(const std::string& labels, const std::string& values);
    void SetDesign(const std::string& labels, const std::string& values);
    void SetDefaults(const std::string& labels, const std::string& values);
    /// The eight texts beside the plots, in the order: left labels, left values, middle labels,
    /// middle values, right labels, right values, torque labels, torque values.
    void SetSummaryStrings(const std::string& leftLabels, const std::string& leftValues,
                           const std::string& middleLabels, const std::string& middleValues,
                           const std::string& rightLabels, const std::string& rightValues,
                           const std::string& torqueLabels, const std::string& torqueValues);
    /// The three plots; they are not owned and must outlive the report.
    void SetPlots(plot::CPlot* cards, plot::CPlot* pumpVelocity, plot::CPlot* torque);
    void SetFiberglassRows(bool set) { m_fiberglassRows = set; }
    void SetExtraDefaultRow(bool set) { m_extraDefaultRow = set; }

    /// After-draw handler of the card plot: the pump velocity plot takes the card plot's
    /// position range so both share one position scale. Returns 0 (no second layout).
    static int SharePositionRange(plot::CPlot* cards, plot::CPlot* pumpVelocity);

private:
    std::string m_title;
    std::string m_resultsLabels;
    std::string m_resultsValues;
    std::string m_designLabels;
    std::string m_designValues;
    std::string m_defaultLabels;
    std::string m_defaultValues;
    std::array<std::string, 8> m_summary;
    plot::CPlot* m_cardPlot = nullptr;
    plot::CPlot* m_pumpPlot = nullptr;
    plot::CPlot* m_torquePlot = nullptr;
    bool m_fiberglassRows = false;
    bool m_extraDefaultRow = false;
};

}  // namespace report
