#pragma once

#include "report/report_mgr.h"

#include <array>
#include <string>
#include <vector>

namespace report {

/// The comparison of a measured dynamometer card with the calculated one: the design blocks of
/// the sucker rod report, the card plot with both cards and a five-column comparison table.
class CDynCompareReportMgr : public CReportMgr {
public:
    static constexpr int kTableColumns = 5;
    static constexpr double kFiberglassShift = 0.903;
    static constexpr double kFiberglassDesignGrowth = 0.182;
    static constexpr double kTableRowHeight = 0.1875;

    void Build() override;

    void SetTitle(const std::string& title) { m_title = title; }
    void SetResults(const std::string& labels, const std::string& values);
    void SetDesign(const std::string& labels, const std::string& values);
    void SetDefaults(const std::string& labels, const std::string& values);
    void SetCardPlot(plot::CPlot* plot) { m_cardPlot = plot; }
    void SetFiberglassRows(bool set) { m_fiberglassRows = set; }
    /// Column `column` (0-4) of the table, one string per row; the first column decides the
    /// number of rows (shorter columns leave their remaining cells empty).
    void SetTableColumn(int column, const std::vector<std::string>& cells);

private:
    std::string m_title;
    std::string m_resultsLabels;
    std::string m_resultsValues;
    std::string m_designLabels;
    std::string m_designValues;
    std::string m_defaultLabels;
    std::string m_defaultValues;
    plot::CPlot* m_cardPlot = nullptr;
    bool m_fiberglassRows = false;
    std::array<std::vector<std::string>, kTableColumns> m_columns;
};

}  // namespace report
