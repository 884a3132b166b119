#pragma once

#include "report/report_mgr.h"

#include <string>

namespace report {

/// The fluid specific gravity calculator's report: its three inputs and the result.
class CFluidSpecificGravityReportMgr : public CReportMgr {
public:
    void Build() override;

    void SetTitle(const std::string& title) { m_title = title; }
    void SetInputs(const std::string& labels, const std::string& values);
    void SetResult(const std::string& label, const std::string& value);

private:
    std::string m_title;
    std::string m_inputLabels;
    std::string m_inputValues;
    std::string m_resultLabel;
    std::string m_resultValue;
};

}  // namespace report
