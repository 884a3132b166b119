#pragma once

#include "report/report_mgr.h"

#include <string>

namespace report {

/// The pump slippage calculator's report: design-derived and user inputs, the slippage plot and
/// the results.
class CSlippageReportMgr : public CReportMgr {
public:
    void Build() override;

    void SetTitle(const std::string& title) { m_title = title; }
    void SetInputs(const std::string& labels, const std::string& values);
    void SetUserInputs(const std::string& labels, const std::string& values);
    void SetResults(const std::string& labels, const std::string& values);
    void SetSlippagePlot(plot::CPlot* plot) { m_plot = plot; }

private:
    std::string m_title;
    std::string m_inputLabels;
    std::string m_inputValues;
    std::string m_userLabels;
    std::string m_userValues;
    std::string m_resultLabels;
    std::string m_resultValues;
    plot::CPlot* m_plot = nullptr;
};

}  // namespace report
