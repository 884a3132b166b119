#pragma once

#include "report/page.h"
#include "report/page_item.h"
#include "report/page_item_line.h"
#include "report/page_item_plot.h"
#include "report/page_item_table.h"
#include "report/page_item_text.h"
#include "report/report.h"

#include <string>

namespace report {

/// Shows a report in a preview window, modally (the Qt shell supplies one).
class ReportViewer {
public:
    virtual ~ReportViewer() = default;
    virtual void ShowReport(CReport& report, const std::string& title) = 0;
};

/// Turns the texts and plots a window hands over into a one-page report, rebuilt each time it
/// is printed or previewed so that it shows what was given at that moment.
class CReportMgr {
public:
    CReportMgr() = default;
    virtual ~CReportMgr() = default;
    CReportMgr(const CReportMgr&) = delete;
    CReportMgr& operator=(const CReportMgr&) = delete;

    virtual CReport& GetReport() { return m_report; }
    /// Builds the report and prints it.
    virtual PrintResult Print(ReportPrinter& printer);
    /// Builds the report and shows it in the viewer with the viewer title.
    virtual void Preview(ReportViewer& viewer);
    /// Lays the page out afresh from the texts and plots given so far.
    virtual void Build() = 0;
    /// One-time preparation before the first build; nothing to do in the system's reports.
    virtual void Prepare() {}

    const std::string& GetViewerTitle() const { return m_viewerTitle; }
    void SetViewerTitle(const std::string& title) { m_viewerTitle = title; }

    /// Runs the one-time preparation when needed, then Build.
    void PrepareAndBuild();

    // Footer texts, the same three columns in every report.
    void SetFooter(const std::string& left, const std::string& center, const std::string& right);

protected:
    /// Clears the report, names it and adds the empty page "1".
    CPage& StartPage(const std::string& reportName);
    /// A plain captioned item: "Header" and "Title" use 20 points, section headers 16.
    CPageItem& AddCaption(CPage& page, const std::string& name, double x, double y, double w,
                          double h, const std::string& text, double fontSize);
    /// A three-column item without caption: labels on the left, values on the right.
    CPageItemText& AddColumns(CPage& page, const std::string& name, double x, double y, double w,
                              double h, const std::string& left, const std::string& right,
                              double bodyFontSize, const std::string& center = std::string());
    CPageItemPlot& AddPlot(CPage& page, const std::string& name, double x, double y, double w,
                           double h, plot::CPlot* plot);
    CPageItemLine& AddLine(CPage& page, const std::string& name, double x1, double y1, double x2,
                           double y2);
    /// The footer block and the rule above it.
    void AddFooter(CPage& page, double x, double y, double w, double h, double lineX1,
                   double lineX2);

    std::string m_viewerTitle;
    CReport m_report;
    std::string m_footerLeft;
    std::string m_footerCenter;
    std::string m_footerRight;
};

}  // namespace report
