#include "report/dyn_compare_report_mgr.h"

#include "app/string_table.h"

#include <memory>
#include <stdexcept>

namespace report {

namespace {

constexpr double kColumnWidths[CDynCompareReportMgr::kTableColumns] = {1.375, 0.8125, 0.6875, 0.625,
                                                                       0.75};

}  // namespace

void CDynCompareReportMgr::SetResults(const std::string& labels, const std::string& values) {
    m_resultsLabels = labels;
    m_resultsValues = values;
}

void CDynCompareReportMgr::SetDesign(const std::string& labels, const std::string& values) {
    m_designLabels = labels;
    m_designValues = values;
}

void CDynCompareReportMgr::SetDefaults(const std::string& labels, const std::string& values) {
    m_defaultLabels = labels;
    m_defaultValues = values;
}

void CDynCompareReportMgr::SetTableColumn(int column, const std::vector<std::string>& cells) {
    if (column < 0 || column >= kTableColumns) {
        throw std::out_of_range("comparison table column out of range");
    }
    m_columns[static_cast<std::size_t>(column)] = cells;
}

void CDynCompareReportMgr::Build() {
    const double a = m_fiberglassRows ? kFiberglassShift : 0.0;
    const double b = m_fiberglassRows ? kFiberglassDesignGrowth : 0.0;

    CPage& page = StartPage("Dyn Compare Report");
    AddCaption(page, "Header", 0.25, 0.55, 7.0, 0.35, app::loadString(169), 20.0);
    AddCaption(page, "Title", 0.25, 1.0, 7.0, 0.35, m_title, 20.0);
    AddCaption(page, "Results", 0.25, 1.625, 3.0, 0.25, app::loadString(124), 16.0);
    AddColumns(page, "ResultsData", 0.25, 1.875, 3.5, 1.5 + a, m_resultsLabels, m_resultsValues,
               10.0);
    AddCaption(page, "Plots", 4.0, 1.625, 3.0, 0.25, app::loadString(170), 16.0);
    AddPlot(page, "DynPlot", 4.0, 1.875, 4.25, 2.0, m_cardPlot);

    const int rows = static_cast<int>(m_columns[0].size());
    auto table = std::make_unique<CPageItemTable>(rows, kTableColumns);
    table->SetName("Table");
    table->SetRect(4.0, 4.0, 4.25, 2.0);
    table->SetFrameColor(0x00FFFFFFu);
    for (int j = 0; j < kTableColumns; ++j) {
        table->SetColumnWidth(j, kColumnWidths[j]);
        const auto& cells = m_columns[static_cast<std::size_t>(j)];
        for (int i = 0; i < rows && i < static_cast<int>(cells.size()); ++i) {
            table->SetCellText(i, j, cells[static_cast<std::size_t>(i)]);
        }
    }
    for (int i = 0; i < rows; ++i) {
        table->SetRowHeight(i, kTableRowHeight);
        table->SetRowFontSize(i, 8.0);
    }
    page.AddItem(std::move(table));

    AddCaption(page, "DesignHeader", 0.25, 3.75 + a, 3.0, 0.25, app::loadString(105), 16.0);
    AddColumns(page, "DesignData", 0.25, 4.0 + a, 3.5, 1.875 + b, m_designLabels, m_designValues,
               10.0);
    AddCaption(page, "DefaultHeader", 0.25, 6.25 + a + b, 3.0, 0.25, app::loadString(116), 16.0);
    AddColumns(page, "DefaultData", 0.25, 6.5 + a + b, 3.5, 1.375, m_defaultLabels, m_defaultValues,
               10.0);
    AddFooter(page, 0.25, 10.0, 8.0, 0.75, 0.25, 8.25);
}

}  // namespace report
