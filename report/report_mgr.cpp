#include "report/report_mgr.h"

#include <memory>

namespace report {

namespace {

// Report items carry no frame: a transparent frame colour.
constexpr std::uint32_t kNoFrame = 0x00FFFFFFu;

}  // namespace

void CReportMgr::PrepareAndBuild() {
    if (m_report.GetBuilt() == 0) {
        Prepare();
        m_report.SetBuilt(1);
    }
    Build();
}

PrintResult CReportMgr::Print(ReportPrinter& printer) {
    PrepareAndBuild();
    return m_report.Print(printer);
}

void CReportMgr::Preview(ReportViewer& viewer) {
    PrepareAndBuild();
    viewer.ShowReport(m_report, m_viewerTitle);
}

void CReportMgr::SetFooter(const std::string& left, const std::string& center,
                           const std::string& right) {
    m_footerLeft = left;
    m_footerCenter = center;
    m_footerRight = right;
}

CPage& CReportMgr::StartPage(const std::string& reportName) {
    m_report.RemoveAllPages();
    m_report.SetName(reportName);
    return *m_report.AddPage(std::make_unique<CPage>("1"));
}

CPageItem& CReportMgr::AddCaption(CPage& page, const std::string& name, double x, double y,
                                  double w, double h, const std::string& text, double fontSize) {
    auto item = std::make_unique<CPageItem>();
    item->SetName(name);
    item->SetRect(x, y, w, h);
    item->SetText(text);
    item->SetFontSize(fontSize);
    plot::TextFormat format = item->GetFormat();
    format.horizontalAlign = 0;
    item->SetFormat(format);
    item->SetFrameColor(kNoFrame);
    return *page.AddItem(std::move(item));
}

CPageItemText& CReportMgr::AddColumns(CPage& page, const std::string& name, double x, double y,
                                      double w, double h, const std::string& left,
                                      const std::string& right, double bodyFontSize,
                                      const std::string& center) {
    auto item = std::make_unique<CPageItemText>();
    item->SetName(name);
    item->SetRect(x, y, w, h);
    item->SetLeftText(left);
    item->SetRightText(right);
    item->SetCenterText(center);
    item->SetBodyFontSize(bodyFontSize);
    item->SetFrameColor(kNoFrame);
    auto* added = static_cast<CPageItemText*>(page.AddItem(std::move(item)));
    return *added;
}

CPageItemPlot& CReportMgr::AddPlot(CPage& page, const std::string& name, double x, double y,
                                   double w, double h, plot::CPlot* plot) {
    auto item = std::make_unique<CPageItemPlot>(plot);
    item->SetName(name);
    item->SetRect(x, y, w, h);
    item->SetFrameColor(kNoFrame);
    auto* added = static_cast<CPageItemPlot*>(page.AddItem(std::move(item)));
    return *added;
}

CPageItemLine& CReportMgr::AddLine(CPage& page, const std::string& name, double x1, double y1,
                                   double x2, double y2) {
    auto item = std::make_unique<CPageItemLine>();
    item->SetName(name);
    item->SetPoints(x1, y1, x2, y2);
    item->SetLineWidth(1.0);
    item->SetLineColor(0xFF000000u);
    item->SetDashStyle(0);
    item->SetFrameColor(kNoFrame);
    auto* added = static_cast<CPageItemLine*>(page.AddItem(std::move(item)));
    return *added;
}

void CReportMgr::AddFooter(CPage& page, double x, double y, double w, double h, double lineX1,
                           double lineX2) {
    AddColumns(page, "Footer", x, y, w, h, m_footerLeft, m_footerRight, 8.0, m_footerCenter);
    AddLine(page, "FooterLine", lineX1, y, lineX2, y);
}

}  // namespace report
