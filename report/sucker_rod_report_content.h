#pragma once

#include "engine/calculation_case.h"
#include "engine/design_case.h"

#include <array>
#include <string>

namespace report {

class CSuckerRodReportMgr;

/// Everything the main window writes into the sucker rod report besides the plots: label and
/// value columns (lines joined by line feeds) in the current language and display units.
struct SuckerRodReportContent {
    std::string viewerTitle;
    std::string title;
    std::string resultsLabels;
    std::string resultsValues;
    std::string designLabels;
    std::string designValues;
    std::string defaultLabels;
    std::string defaultValues;
    /// Left, middle and right columns below the card plot, then the torque column: labels and
    /// values alternately.
    std::array<std::string, 8> summary;
    std::string footerLeft;
    std::string footerCenter;
    std::string footerRight;
    bool fiberglassRows = false;
    bool extraDefaultRow = false;
};

/// Builds the report texts of a calculated design. `design` holds the inputs as entered (its
/// settings set, none of them -1); `calculated` holds the case after a successful Calculate
/// (results, and the stroke rate found in target-rate mode).
SuckerRodReportContent MakeSuckerRodReportContent(const ZelkEngine::DesignCase& design,
                                                  const ZelkEngine::CalculationCase& calculated);

/// Hands the texts to the manager (the plots are set separately).
void ApplySuckerRodReportContent(CSuckerRodReportMgr& mgr, const SuckerRodReportContent& content);

/// The rod taper text: each share with one decimal and a percent sign, separated by ", ",
/// ending in one blank ("34.0%, 66.0% ").
std::string RodTaperText(const std::vector<double>& taperPercentages);

/// Results-list precision: one decimal from 10 up, two below (rates).
std::string RateFormat(double shownValue);
/// Two decimals from 1 up, three below (motor size, polished rod power).
std::string PowerFormat(double shownValue);

}  // namespace report
