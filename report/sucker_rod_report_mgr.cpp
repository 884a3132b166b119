#include "report/sucker_rod_report_mgr.h"

#include "app/string_table.h"
#include "plot/plot.h"

namespace report {

CSuckerRodReportMgr::CSuckerRodReportMgr() = default;

void CSuckerRodReportMgr::SetResults(const std::string& labels, const std::string& values) {
    m_resultsLabels = labels;
    m_resultsValues = values;
}

void CSuckerRodReportMgr::SetDesign(const std::string& labels, const std::string& values) {
    m_designLabels = labels;
    m_designValues = values;
}

void CSuckerRodReportMgr::SetDefaults(const std::string& labels, const std::string& values) {
    m_defaultLabels = labels;
    m_defaultValues = values;
}

void CSuckerRodReportMgr::SetSummaryStrings(
    const std::string& leftLabels, const std::string& leftValues, const std::string& middleLabels,
    const std::string& middleValues, const std::string& rightLabels, const std::string& rightValues,
    const std::string& torqueLabels, const std::string& torqueValues) {
    m_summary = {leftLabels,  leftValues,  middleLabels, middleValues,
                 rightLabels, rightValues, torqueLabels, torqueValues};
}

void CSuckerRodReportMgr::SetPlots(plot::CPlot* cards, plot::CPlot* pumpVelocity,
                                   plot::CPlot* torque) {
    m_cardPlot = cards;
    m_pumpPlot = pumpVelocity;
    m_torquePlot = torque;
}

int CSuckerRodReportMgr::SharePositionRange(plot::CPlot* cards, plot::CPlot* pumpVelocity) {
    if (cards == nullptr || pumpVelocity == nullptr) {
        return 0;
    }
    plot::CRange* from = cards->FindRange("XRange");
    plot::CRange* to = pumpVelocity->FindRange("XRange");
    if (from == nullptr || to == nullptr) {
        return 0;
    }
    to->SetMinMax(from->Min(), from->Max());
    to->SetAutoScale(0);
    return 0;
}

void CSuckerRodReportMgr::Build() {
    const double a = m_fiberglassRows ? kFiberglassShift : 0.0;
    const double b = m_fiberglassRows ? kFiberglassDesignGrowth : 0.0;
    const double c = m_extraDefaultRow ? kExtraDefaultRowGrowth : 0.0;

    CPage& page = StartPage("Sucker Rod Report");
    AddCaption(page, "Header", 0.25, 0.55, 7.0, 0.35, app::loadString(169), 20.0);
    AddCaption(page, "Title", 0.25, 1.0, 7.0, 0.35, m_title, 20.0);
    AddCaption(page, "Results", 0.25, 1.625, 3.0, 0.25, app::loadString(124), 16.0);
    AddColumns(page, "ResultsData", 0.25, 1.875, 3.5, 1.625 + a, m_resultsLabels, m_resultsValues,
               10.0);
    AddCaption(page, "DesignHeader", 0.25, 3.75 + a, 3.0, 0.25, app::loadString(105), 16.0);
    AddColumns(page, "DesignData", 0.25, 4.0 + a, 3.5, 1.875 + b, m_designLabels, m_designValues,
               10.0);
    AddCaption(page, "DefaultHeader", 0.25, 6.25 + a + b, 3.0, 0.25, app::loadString(116), 16.0);
    AddColumns(page, "DefaultData", 0.25, 6.5 + a + b, 3.5, 1.375 + c, m_defaultLabels,
               m_defaultValues, 10.0);
    AddCaption(page, "Plots", 4.0, 1.625, 3.0, 0.25, app::loadString(170), 16.0);

    CPageItemPlot& cards = AddPlot(page, "DynPlot", 4.0, 1.875, 4.25, 2.0, m_cardPlot);
    plot::CPlot* cardPlot = m_cardPlot;
    plot::CPlot* pumpPlot = m_pumpPlot;
    cards.SetAfterDraw(
        [cardPlot, pumpPlot](CPageItemPlot&, void*) {
            return SharePositionRange(cardPlot, pumpPlot);
        },
        nullptr);

    AddColumns(page, "PlotResultLeft", 4.0, 3.875, 1.75, 0.5, m_summary[0], m_summary[1], 8.0);
    AddColumns(page, "PlotResultsMiddle", 5.75, 3.875, 1.375, 0.5, m_summary[2], m_summary[3], 8.0);
    AddColumns(page, "PlotResultsRight", 7.125, 3.875, 1.125, 0.5, m_summary[4], m_summary[5], 8.0);
    AddPlot(page, "PumpPlot", 4.0, 4.5, 4.25, 2.0, m_pumpPlot);
    AddPlot(page, "TorquPlot", 4.0, 6.625, 4.25, 2.0, m_torquePlot);
    AddColumns(page, "TorqueData", 4.0, 8.625, 2.25, 0.5, m_summary[6], m_summary[7], 8.0);
    AddFooter(page, 0.25, 10.0, 8.0, 0.75, 0.25, 8.25);
}

}  // namespace report
