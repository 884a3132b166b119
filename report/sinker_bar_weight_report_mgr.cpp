#include "report/sinker_bar_weight_report_mgr.h"

#include "app/string_table.h"

namespace report {

void CSinkerBarWeightReportMgr::SetInputs(const std::string& labels, const std::string& values) {
    m_inputLabels = labels;
    m_inputValues = values;
}

void CSinkerBarWeightReportMgr::SetRequired(const std::string& labels, const std::string& values) {
    m_requiredLabels = labels;
    m_requiredValues = values;
}

void CSinkerBarWeightReportMgr::SetRecommended(const std::string& labels,
                                               const std::string& values) {
    m_recommendedLabels = labels;
    m_recommendedValues = values;
}

void CSinkerBarWeightReportMgr::Build() {
    CPage& page = StartPage("Sucker Rod Report");
    AddCaption(page, "Header", 1.0, 0.55, 7.0, 0.35, app::loadString(157), 20.0);
    AddCaption(page, "Title", 1.0, 1.0, 7.0, 0.35, m_title, 20.0);
    AddCaption(page, "pInputsHeader", 1.0, 1.75, 3.0, 0.25, app::loadString(241), 16.0);
    AddColumns(page, "pInputsData", 1.0, 2.0, 3.0, 0.625, m_inputLabels, m_inputValues, 12.0);
    AddCaption(page, "pRequiredHeader", 1.0, 3.125, 2.5, 0.25, app::loadString(260), 16.0);
    AddColumns(page, "pRequiredData", 1.0, 3.375, 3.0, 0.5, m_requiredLabels, m_requiredValues,
               12.0);
    AddCaption(page, "pRecommenededtHeader", 1.0, 4.375, 3.0, 0.25, app::loadString(261), 16.0);
    AddColumns(page, "RecommendedData", 1.0, 4.625, 3.0, 0.5, m_recommendedLabels,
               m_recommendedValues, 12.0);
    AddFooter(page, 1.0, 10.0, 6.5, 0.75, 1.0, 7.5);
}

}  // namespace report
