#include "report/anchored_tubing_report_mgr.h"

#include "app/string_table.h"

#include <cstdio>

namespace report {

void CAnchoredTubingReportMgr::SetResults(const std::string& labels, const std::string& values,
                                          const std::string& thirdColumn) {
    m_results = {labels, values};
    m_resultsRight = thirdColumn;
}

void CAnchoredTubingReportMgr::SetWellDimensions(const std::string& labels,
                                                 const std::string& values) {
    m_wellDimensions = {labels, values};
}

void CAnchoredTubingReportMgr::SetWellFluids(const std::string& labels, const std::string& values) {
    m_wellFluids = {labels, values};
}

void CAnchoredTubingReportMgr::SetTemperatures(const std::string& labels,
                                               const std::string& values) {
    m_temperatures = {labels, values};
}

void CAnchoredTubingReportMgr::SetThermalConductivities(const std::string& labels,
                                                        const std::string& values) {
    m_conductivities = {labels, values};
}

void CAnchoredTubingReportMgr::SetWellPressures(const std::string& labels,
                                                const std::string& values) {
    m_pressures = {labels, values};
}

void CAnchoredTubingReportMgr::SetDepths(const std::string& caption, const std::string& text) {
    m_depthCaption = caption;
    m_depthText = text;
}

std::string CAnchoredTubingReportMgr::FormatDepthList(const std::vector<double>& depths) {
    std::string text;
    const std::size_t count = depths.size() < kMaxListedDepths ? depths.size() : kMaxListedDepths;
    for (std::size_t i = 0; i < count; ++i) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.0f, ", depths[i]);
        text += buffer;
    }
    return text;
}

void CAnchoredTubingReportMgr::Build() {
    // The report name keeps its historical spelling: it is the print job's document name.
    CPage& page = StartPage("tubing Anchor Cacher Report");
    AddCaption(page, "Header", 0.5, 0.55, 7.0, 0.35, app::loadString(277), 20.0);
    AddCaption(page, "Title", 0.5, 1.0, 7.0, 0.35, m_title, 20.0);
    AddCaption(page, "Results", 0.5, 1.625, 3.0, 0.25, app::loadString(124), 16.0);
    AddColumns(page, "ResultsData", 0.5, 1.875, 2.375, 1.875, m_results.labels, m_results.values,
               10.0);
    AddColumns(page, "ResultsRight", 2.875, 1.875, 0.75, 1.875, std::string(), m_resultsRight,
               10.0);
    AddCaption(page, "WellDimHeader", 0.5, 3.875, 3.0, 0.25, app::loadString(309), 16.0);
    AddColumns(page, "WellDimData", 0.5, 4.125, 3.5, 1.625, m_wellDimensions.labels,
               m_wellDimensions.values, 10.0);
    AddCaption(page, "WellFluidHeader", 0.5, 5.875, 3.0, 0.25, app::loadString(285), 16.0);
    AddColumns(page, "WellFluidData", 0.5, 6.125, 3.5, 1.875, m_wellFluids.labels,
               m_wellFluids.values, 10.0);
    AddPlot(page, "TempPlot", 4.5, 1.875, 3.5, 2.75, m_plot);
    AddCaption(page, "TempHeader", 4.5, 5.0, 3.5, 0.25, app::loadString(303), 16.0);
    AddColumns(page, "TempData", 4.5, 5.25, 3.5, 0.875, m_temperatures.labels,
               m_temperatures.values, 10.0);
    AddCaption(page, "ThermalConductHeader", 4.5, 6.25, 3.0, 0.25, app::loadString(310), 16.0);
    AddColumns(page, "ThermalConductData", 4.5, 6.5, 3.5, 1.0, m_conductivities.labels,
               m_conductivities.values, 10.0);
    AddCaption(page, "WellPressHeader", 4.5, 7.625, 3.0, 0.25, app::loadString(316), 16.0);
    AddColumns(page, "WellPressData", 4.5, 7.875, 3.5, 0.625, m_pressures.labels,
               m_pressures.values, 10.0);
    AddCaption(page, "DepthHeader", 4.5, 8.625, 3.0, 0.25, m_depthCaption, 16.0);
    AddColumns(page, "DepthData", 4.5, 8.875, 3.5, 0.75, m_depthText, std::string(), 10.0);
    AddFooter(page, 1.0, 10.0, 6.5, 0.75, 0.5, 8.0);
}

}  // namespace report
