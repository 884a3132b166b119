#pragma once

#include "report/report_mgr.h"

#include <string>

namespace report {

/// The sinker bar calculator's report: inputs, required and recommended sinker bar.
class CSinkerBarWeightReportMgr : public CReportMgr {
public:
    void Build() override;

    void SetTitle(const std::string& title) { m_title = title; }
    void SetInputs(const std::string& labels, const std::string& values);
    void SetRequired(const std::string& labels, const std::string& values);
    void SetRecommended(const std::string& labels, const std::string& values);

private:
    std::string m_title;
    std::string m_inputLabels;
    std::string m_inputValues;
    std::string m_requiredLabels;
    std::string m_requiredValues;
    std::string m_recommendedLabels;
    std::string m_recommendedValues;
};

}  // namespace report
