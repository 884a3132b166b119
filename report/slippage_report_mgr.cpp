#include "report/slippage_report_mgr.h"

#include "app/string_table.h"

namespace report {

void CSlippageReportMgr::SetInputs(const std::string& labels, const std::string& values) {
    m_inputLabels = labels;
    m_inputValues = values;
}

void CSlippageReportMgr::SetUserInputs(const std::string& labels, const std::string& values) {
    m_userLabels = labels;
    m_userValues = values;
}

void CSlippageReportMgr::SetResults(const std::string& labels, const std::string& values) {
    m_resultLabels = labels;
    m_resultValues = values;
}

void CSlippageReportMgr::Build() {
    CPage& page = StartPage("Sucker Rod Report");
    AddCaption(page, "Header", 0.25, 0.55, 7.0, 0.35, app::loadString(269), 20.0);
    AddCaption(page, "Title", 0.25, 1.0, 7.0, 0.35, m_title, 20.0);
    AddCaption(page, "InputHeader", 0.25, 1.625, 3.0, 0.25, app::loadString(298), 16.0);
    AddColumns(page, "InputData", 0.25, 1.875, 3.5, 1.25, m_inputLabels, m_inputValues, 10.0);
    AddCaption(page, "UserHeader", 0.25, 3.375, 3.0, 0.25, app::loadString(297), 16.0);
    AddColumns(page, "UserData", 0.25, 3.625, 3.5, 0.625, m_userLabels, m_userValues, 10.0);
    AddCaption(page, "Plots", 4.0, 1.625, 3.0, 0.25, app::loadString(170), 16.0);
    AddPlot(page, "SlippagePlot", 4.0, 1.875, 4.25, 3.0, m_plot);
    AddColumns(page, "ResultsData", 4.0, 5.0, 3.5, 0.75, m_resultLabels, m_resultValues, 10.0);
    AddFooter(page, 0.25, 10.0, 8.0, 0.75, 0.25, 8.25);
}

}  // namespace report
