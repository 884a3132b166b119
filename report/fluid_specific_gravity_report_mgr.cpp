#include "report/fluid_specific_gravity_report_mgr.h"

#include "app/string_table.h"

namespace report {

void CFluidSpecificGravityReportMgr::SetInputs(const std::string& labels,
                                               const std::string& values) {
    m_inputLabels = labels;
    m_inputValues = values;
}

void CFluidSpecificGravityReportMgr::SetResult(const std::string& label, const std::string& value) {
    m_resultLabel = label;
    m_resultValue = value;
}

void CFluidSpecificGravityReportMgr::Build() {
    // The report name keeps its historical spelling: it is the print job's document name.
    CPage& page = StartPage("Fuid Specific Gravity Report");
    AddCaption(page, "Header", 1.0, 0.55, 7.0, 0.35, app::loadString(258), 20.0);
    AddCaption(page, "Title", 1.0, 1.0, 7.0, 0.35, m_title, 20.0);
    AddColumns(page, "Inputs", 1.0, 1.75, 4.75, 0.875, m_inputLabels, m_inputValues, 16.0);
    AddLine(page, "Separator", 1.0, 2.6875, 5.75, 2.6875);
    AddColumns(page, "Result", 1.0, 2.75, 4.75, 0.375, m_resultLabel, m_resultValue, 16.0);
    AddFooter(page, 1.0, 10.0, 6.5, 0.75, 1.0, 7.5);
}

}  // namespace report
